#include "state/StateFixture.h"
#include "windows/state/Debts.h"

namespace kz {
namespace {

class DebtsTest : public test::StateTest {
protected:
    DebtsTest() { ui.SetToday(10, 3, 2002); }
    // Both questions answered Yes and `sum` typed, or only the first one
    // when no sum is asked.
    bool Repay(DebtListMode mode, const char* sum = nullptr, int row = 1) {
        ui.Answer(Answer::Yes);
        if (sum) {
            ui.Input(sum);
            ui.Answer(Answer::Yes);
        }
        return SubmitRepayDebt(doc, ui, settings, mode, row, "1");
    }
};

TEST_F(DebtsTest, DebtOwedToUserRepaidInTwoPartsDownToTheCent) {
    PushEntry(sost().ondol, "1000,1\t01.03.2002\tИван\tремонт\t1000,1\t\t");
    EXPECT_TRUE(Repay(DebtListMode::OnDol, "400"));
    // No return date: today is shown; without interest the sum is the user's choice.
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.Texts()[0].find("(выбор)\r\nДата возврата: 10.03.2002\r\nКто возвращает: Иван"),
              std::string::npos);
    EXPECT_TRUE(ui.Texts()[1].ends_with("в размере 400р."));
    EXPECT_EQ(ui.prompts.back(), "Введите сумму возвращаемых денег (не более 1000,1)");
    EXPECT_EQ(sost().ondol[0], "1000,1\t01.03.2002\tИван\tремонт\t600,1\t\t");
    EXPECT_EQ(sost().bal, 400);
    EXPECT_EQ(sost().oldbal[0], "0\t10.03.2002");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(ui.sounds, std::vector<std::string>{"coins.wav"});

    EXPECT_TRUE(Repay(DebtListMode::OnDol, "600"));
    EXPECT_EQ(sost().ondol[0], "1000,1\t01.03.2002\tИван\tремонт\t0,1\t\t");
    // The rest closes the debt.
    ui.SetToday(20, 3, 2002);
    EXPECT_TRUE(Repay(DebtListMode::OnDol, "0,1"));
    EXPECT_EQ(CountEntries(sost().ondol), 0);
    EXPECT_EQ(sost().bal, 1000.1);
    EXPECT_EQ(sost().oldbal[0], "1000\t20.03.2002");
    ui.ExpectAllAnswered();
}

TEST_F(DebtsTest, RefusedAndCancelledRepaymentsChangeNothing) {
    sost().bal = 50;
    const std::string debt = "1000\t01.03.2002\tИван\t\t1000\t\t";
    PushEntry(sost().ondol, debt);
    for (const char* typed : {"1000,5", "-3", "1e400"}) {
        ui.Answer(Answer::Yes);
        ui.Input(typed);
        EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, "1"));
        EXPECT_EQ(ui.messages.back().text, "Вы ввели неправильную сумму.");
    }
    ui.Answer(Answer::Yes);
    ui.Input("");  // cancelled input box
    ui.Answer(Answer::Yes);
    ui.Input("10");
    ui.Answer(Answer::No);  // second confirmation refused
    ui.Answer(Answer::No);  // first confirmation refused
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, "1"));
    // An empty current cell does nothing at all.
    const std::size_t asked = ui.messages.size();
    EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, ""));
    EXPECT_FALSE(SubmitStrikeOutDebt(doc, ui, DebtListMode::OnDol, 1, ""));
    EXPECT_EQ(ui.messages.size(), asked);

    EXPECT_EQ(sost().ondol[0], debt);
    EXPECT_EQ(sost().bal, 50);
    EXPECT_EQ(CountEntries(sost().oldbal), 0);
    EXPECT_FALSE(doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(DebtsTest, DebtUserOwesNeedsTheWholeAmountDueInTheBalance) {
    sost().bal = 500;
    PushEntry(sost().vydol, "600\t01.03.2002\tПетр\t\t600\t\t");
    // Refused before anything is asked, even if only a part was meant.
    EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::VyDol, 1, "1"));
    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>{"К сожалению, в данный момент вы не можете "
                                       "вернуть долг, т.к. ваш баланс составляет 500р."});

    // A balance of exactly the amount due shown (100 at 7 % for 72 days) pays it
    // off, in whole and without asking the sum.
    sost().bal = 116.8;
    PushEntry(sost().vydol, "100\t01.03.2002\tПетр\tмашина\t\t7\t12.05.2002");
    EXPECT_TRUE(Repay(DebtListMode::VyDol));
    EXPECT_NE(ui.Texts().back().find("Сумма возврата: 116,8\r\nДата возврата: 12.05.2002"),
              std::string::npos);
    EXPECT_EQ(sost().bal, 0);
    EXPECT_EQ(sost().vydol[0], "600\t01.03.2002\tПетр\t\t600\t\t");
    EXPECT_EQ(sost().oldbal[0], "116,8\t10.03.2002");
    EXPECT_TRUE(ui.sounds.empty());  // paying out plays no coins

    // Striking out moves no funds.
    ui.Answer(Answer::No);
    EXPECT_FALSE(SubmitStrikeOutDebt(doc, ui, DebtListMode::VyDol, 1, "Петр"));
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitStrikeOutDebt(doc, ui, DebtListMode::VyDol, 1, "Петр"));
    EXPECT_EQ(CountEntries(sost().vydol), 0);
    EXPECT_EQ(sost().bal, 0);
    EXPECT_EQ(CountEntries(sost().oldbal), 1);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
