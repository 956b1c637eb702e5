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
    // The date comes first even when the amount is missing too; the amount
    // is checked before the date is read.
    EXPECT_FALSE(Submit(income, "", ""));
    for (const char* sum : {"", "сто", "-5", "0", "1e400"})
        EXPECT_FALSE(Submit(spending, "31.02.2002", sum)) << sum;
    EXPECT_FALSE(Submit(income, "31.02.2002", "10"));
    EXPECT_FALSE(Submit(spending, "05.10.2002", "100,01"));  // one cent too many
    ui.Answer(Answer::No);
    EXPECT_FALSE(Submit(spending, "05.10.2002", "0,5"));
    const std::string sum = "Необходимо указать сумму денег.";
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{
                              "Необходимо указать дату (по умолчанию - текущая).", sum, sum, sum,
                              sum, sum, "Необходимо указать дату добавления/траты денег!",
                              "Вы не можете отдать больше, чем у вас есть!",
                              "Вы уверены, что хотите потратить 0,5 и.е. (Хлеб) ?"}));
    EXPECT_EQ(sost().bal, 100);
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(CountEntries(sost().rashod) + CountEntries(sost().oldbal), 0);
}

TEST_F(AddSellTest, IncomeAlwaysRecordsTheOldBalanceSpendingOnlyWhenAskedAndMayTakeItAll) {
    sost().bal = 100;
    ui.Answer(Answer::Yes);
    // The old-balance box is ignored for an income; the date stays as typed.
    EXPECT_TRUE(Submit(AddSellMode::Income, "1.2.02", "12,5", false));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{
                              "Вы уверены, что хотите добавить 12,5 и.е. к вашему балансу?"});
    EXPECT_EQ(sost().dohod[0], "12,5\t1.2.02\tХлеб");
    EXPECT_EQ(sost().oldbal[0], "100\t1.2.02");
    EXPECT_EQ(sost().bal, 112.5);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(ui.sounds, std::vector<std::string>{"coins.wav"});

    settings.Sound = false;
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(Submit(AddSellMode::Spending, "03.10.2002", "12,25", false));
    EXPECT_EQ(sost().rashod[0], "12,25\t03.10.2002\tХлеб");
    EXPECT_EQ(CountEntries(sost().oldbal), 1);
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(Submit(AddSellMode::Spending, "4.10.2002", "100.25"));
    EXPECT_EQ(sost().oldbal[0], "100,25\t4.10.2002");
    EXPECT_EQ(sost().bal, 0);
    EXPECT_EQ(ui.sounds.size(), 1u);

    // No float noise is left to refuse the last cents: 0,3 - 0,1 leaves 0,2 to spend.
    sost().bal = 0.3;
    for (const char* sum : {"0,1", "0,2"}) {
        ui.Answer(Answer::Yes);
        EXPECT_TRUE(Submit(AddSellMode::Spending, "4.10.2002", sum)) << sum;
    }
    EXPECT_EQ(sost().bal, 0);
}

TEST_F(AddSellTest, TheDialogShowsTheStatesUnitAndWhatTheMoneyIsFor) {
    sost().ienum = 2;
    const AddSellSetup income = PrepareAddSell(doc, AddSellMode::Income, Date{2002, 3, 1});
    const AddSellSetup spending = PrepareAddSell(doc, AddSellMode::Spending, Date{});
    EXPECT_EQ(income.label5 + "|" + income.txtDate, "Сумма ($):|01.03.2002");
    EXPECT_EQ(income.lblSource + "|" + spending.lblSource, "Источник|На что:");
    EXPECT_FALSE(income.addToListEnabled);
    EXPECT_TRUE(spending.addToListEnabled);
}

}  // namespace
}  // namespace kz
