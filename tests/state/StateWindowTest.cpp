#include "state/StateFixture.h"
#include "windows/state/StateWindow.h"

namespace kz {
namespace {

using StateWindowTest = test::StateTest;

TEST_F(StateWindowTest, ManualBalanceTakesPointOrCommaAndRefusesOtherTexts) {
    for (const char* typed : {"1234.5", " 1234,5 "}) {
        sost().bal = 10;
        ui.Answer(Answer::Yes);
        ui.Input(typed);
        EXPECT_TRUE(ChangeBalanceByHand(doc, ui, "10")) << typed;
        EXPECT_EQ(sost().bal, 1234.5);
    }
    EXPECT_TRUE(CountEntries(sost().oldbal) == 0 && doc.Dirty);

    // Refused, cancelled or declined: the balance and the dirty flag stay.
    doc.Dirty = false;
    for (const char* typed : {"сто", "1 234", "1e400", "12,5р.", ""}) {
        ui.Answer(Answer::Yes);
        ui.Input(typed);
        EXPECT_FALSE(ChangeBalanceByHand(doc, ui, "1234,5")) << typed;
    }
    ui.Answer(Answer::No);
    EXPECT_FALSE(ChangeBalanceByHand(doc, ui, "1234,5"));
    EXPECT_EQ(sost().bal, 1234.5);
    EXPECT_FALSE(doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(StateWindowTest, RenameTakesAnyWritableNameTheSameOneToo) {
    ui.Input("Личные деньги");
    EXPECT_TRUE(RenameState(doc, ui));
    EXPECT_TRUE(doc.Dirty);
    doc.Dirty = false;
    ui.Input("");
    EXPECT_FALSE(RenameState(doc, ui));
    EXPECT_FALSE(doc.Dirty);
    ui.Input("  Касса  ");
    EXPECT_TRUE(RenameState(doc, ui));
    EXPECT_EQ(sost().sostname, "  Касса  ");
}

}  // namespace
}  // namespace kz
