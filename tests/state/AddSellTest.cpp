#include "core/TextFiles.h"
#include "state/StateFixture.h"
#include "windows/state/AddSell.h"

namespace kz {
namespace {

class AddSellTest : public test::StateTest {
protected:
    bool Submit(AddSellMode mode, const std::string& date, const std::string& sum,
                bool keep = true) {
        return SubmitAddSell(doc, ui, settings, mode, {date, sum, "Хлеб", keep});
    }
};

TEST_F(AddSellTest, ChecksRunInOrderAndLeaveTheDocumentAlone) {
    sost().bal = 100;
    const auto income = AddSellMode::Income, spending = AddSellMode::Spending;
    // The date comes first even when the amount is missing too.
    EXPECT_FALSE(Submit(income, "", ""));
    ExpectOnly("Необходимо указать дату (по умолчанию - текущая).", Icon::Information);
    for (const char* sum : {"", "сто", "-5", "0", "1e400"}) {
        // The amount is checked before the date is read.
        EXPECT_FALSE(Submit(spending, "31.02.2002", sum));
        ExpectOnly("Необходимо указать сумму денег.", Icon::Information);
    }
    EXPECT_FALSE(Submit(income, "31.02.2002", "10"));
    ExpectOnly("Необходимо указать дату добавления/траты денег!", Icon::Critical);
    EXPECT_FALSE(Submit(spending, "05.10.2002", "100,01"));  // one cent too many
    ExpectOnly("Вы не можете отдать больше, чем у вас есть!", Icon::Exclamation);
    // A text the data file cannot hold is refused before the question.
    EXPECT_FALSE(SubmitAddSell(doc, ui, settings, spending, {"05.10.2002", "1", "кофе ☕", true}));
    ExpectOnly(UnwritableCharText("☕"), Icon::Exclamation);
    ui.Answer(Answer::No);
    EXPECT_FALSE(Submit(spending, "05.10.2002", "0,5"));
    ExpectOnly("Вы уверены, что хотите потратить 0,5 и.е. (Хлеб) ?", Icon::Information,
               Buttons::YesNo);

    EXPECT_EQ(sost().bal, 100);
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(CountEntries(sost().rashod) + CountEntries(sost().oldbal), 0);
}

TEST_F(AddSellTest, IncomeStoresTypedTextsAndAlwaysRecordsOldBalance) {
    sost().bal = 100;
    ui.Answer(Answer::Yes);
    // The old-balance box is ignored for an income; the date stays as typed.
    EXPECT_TRUE(
        SubmitAddSell(doc, ui, settings, AddSellMode::Income, {"1.2.02", "12,5", "Работа", false}));
    ExpectOnly("Вы уверены, что хотите добавить 12,5 и.е. к вашему балансу?", Icon::Information,
               Buttons::YesNo);
    EXPECT_EQ(sost().dohod[0], "12,5\t1.2.02\tРабота");
    EXPECT_EQ(sost().oldbal[0], "100\t1.2.02");
    EXPECT_EQ(sost().bal, 112.5);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(ui.sounds, std::vector<std::string>{"coins.wav"});

    // A blank inside the amount is skipped; with sounds off nothing more is played.
    settings.Sound = false;
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitAddSell(doc, ui, settings, AddSellMode::Income, {"05.10.2002", "1 500", ""}));
    EXPECT_EQ(sost().dohod[0], "1500\t05.10.2002\t");
    EXPECT_EQ(sost().oldbal[0], "112,5\t05.10.2002");
    EXPECT_EQ(sost().bal, 1612.5);
    EXPECT_EQ(ui.sounds.size(), 1u);
}

TEST_F(AddSellTest, SpendingRecordsOldBalanceOnlyWhenAsked) {
    sost().bal = 300.75;
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(Submit(AddSellMode::Spending, "03.10.2002", "50,25", false));
    EXPECT_EQ(sost().rashod[0], "50,25\t03.10.2002\tХлеб");
    EXPECT_EQ(CountEntries(sost().oldbal), 0);
    // The whole balance may be spent.
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(Submit(AddSellMode::Spending, "4.10.2002", "250.5", true));
    EXPECT_EQ(sost().rashod[0], "250,5\t4.10.2002\tХлеб");
    EXPECT_EQ(sost().oldbal[0], "250,5\t4.10.2002");
    EXPECT_EQ(sost().bal, 0);
    EXPECT_TRUE(ui.sounds.empty());

    // No float noise is left to refuse the last cents: 0,3 - 0,1 leaves 0,2 to spend.
    sost().bal = 0.3;
    for (const char* sum : {"0,1", "0,2"}) {
        ui.Answer(Answer::Yes);
        EXPECT_TRUE(Submit(AddSellMode::Spending, "4.10.2002", sum)) << sum;
    }
    EXPECT_EQ(sost().bal, 0);
}

TEST_F(AddSellTest, HundredAndFirstIncomeDropsTheOldest) {
    for (int i = 1; i <= 101; ++i) AddIncome(doc, "01.01.2002", i, "Работа");
    EXPECT_EQ(CountEntries(sost().dohod), 100);
    EXPECT_EQ(sost().dohod[0], "101\t01.01.2002\tРабота");
    EXPECT_EQ(sost().dohod[99], "2\t01.01.2002\tРабота");
    EXPECT_EQ(sost().bal, 101 * 102 / 2);
}

TEST_F(AddSellTest, PreparationShowsTheStatesUnit) {
    sost().ienum = 2;
    AddSellSetup income = PrepareAddSell(doc, AddSellMode::Income, Date{2002, 3, 1});
    EXPECT_EQ(income.label5, "Сумма ($):");
    EXPECT_EQ(income.lblIE, "$");
    EXPECT_EQ(income.txtDate, "01.03.2002");
    EXPECT_FALSE(income.addToListEnabled);
    EXPECT_TRUE(PrepareAddSell(doc, AddSellMode::Spending, Date{}).addToListEnabled);
}

}  // namespace
}  // namespace kz
