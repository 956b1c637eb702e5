#include "core/TextFiles.h"
#include "state/StateFixture.h"
#include "windows/state/StateWindow.h"

namespace kz {
namespace {

using StateWindowTest = test::StateTest;

TEST_F(StateWindowTest, ViewShowsTheUnitAndColoursTheDebtButtonsBySlotOne) {
    sost().bal = 1234.5;
    sost().ienum = 2;
    // A later slot alone does not count: the lists are packed from slot 1.
    sost().vydol[1] = "100\t01.03.2002\tПетр\t\t100\t\t";
    StateView v = StateWindowView(doc);
    EXPECT_EQ(v.name, "Личные деньги");
    EXPECT_EQ(v.balance, "1234,5");
    EXPECT_EQ(v.unit, "доллары($)");
    EXPECT_FALSE(v.owedToUser || v.userOwes);
    sost().ondol[0] = "100\t01.03.2002\tИван\t\t100\t\t";
    v = StateWindowView(doc);
    EXPECT_TRUE(v.owedToUser);
    EXPECT_FALSE(v.userOwes);
}

TEST_F(StateWindowTest, ManualBalanceTakesPointOrCommaAndRefusesOtherTexts) {
    for (const char* typed : {"1234.5", "1234,5", " 1234,5 "}) {
        sost().bal = 10;
        ui.Answer(Answer::Yes);
        ui.Input(typed);
        EXPECT_TRUE(ChangeBalanceByHand(doc, ui, "10")) << typed;
        EXPECT_EQ(sost().bal, 1234.5);
    }
    EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    EXPECT_TRUE(CountEntries(sost().oldbal) == 0 && doc.Dirty);

    // Refused, cancelled or declined: the balance and the dirty flag stay.
    doc.Dirty = false;
    ui.messages.clear();
    for (const char* typed : {"сто", "1 234", "1e400", "12,5р."}) {
        ui.Answer(Answer::Yes);
        ui.Input(typed);
        EXPECT_FALSE(ChangeBalanceByHand(doc, ui, "1234,5")) << typed;
        EXPECT_EQ(ui.messages.back().icon, Icon::Exclamation);
    }
    ui.Answer(Answer::Yes);
    ui.Input("");
    EXPECT_FALSE(ChangeBalanceByHand(doc, ui, "1234,5"));
    ui.Answer(Answer::No);
    EXPECT_FALSE(ChangeBalanceByHand(doc, ui, "1234,5"));
    EXPECT_EQ(ui.messages.size(), 4u * 2 + 2);
    EXPECT_EQ(sost().bal, 1234.5);
    EXPECT_FALSE(doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(StateWindowTest, RenameTakesAnyWritableNameTheSameOneToo) {
    ui.Input("Личные деньги");
    EXPECT_TRUE(RenameState(doc, ui));
    EXPECT_EQ(ui.prompts[0], "Введите новое название состояния Личные деньги");
    EXPECT_TRUE(doc.Dirty);

    doc.Dirty = false;
    ui.Input("");
    EXPECT_FALSE(RenameState(doc, ui));
    ui.Input("Касса ✓");
    EXPECT_FALSE(RenameState(doc, ui));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{UnwritableCharText("✓")});
    EXPECT_FALSE(doc.Dirty);
    ui.Input("  Касса  ");
    EXPECT_TRUE(RenameState(doc, ui));
    EXPECT_EQ(sost().sostname, "  Касса  ");
}

TEST_F(StateWindowTest, ReportMenuReportsOnTheCurrentState) {
    doc.sostkol = 2;
    doc.Sost(2).sostname = "Карта";
    doc.CurrentSost = 2;
    EXPECT_NE(StateMenuReport(doc, ui, 1).find("Карта"), std::string::npos);
}

}  // namespace
}  // namespace kz
