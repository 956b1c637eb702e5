#include "state/StateFixture.h"
#include "windows/state/Debts.h"

namespace kz {
namespace {

class DebtsTest : public test::StateTest {
protected:
    DebtsTest() { ui.SetToday(10, 3, 2002); }
    bool Repay(DebtListMode mode, int row = 1) {
        return SubmitRepayDebt(doc, ui, settings, mode, row, "1");
    }
    // The confirmation every repayment starts with.
    static std::string Selected(const std::string& sum, const std::string& date,
                                const std::string& person, const std::string& question) {
        return "Выбранная запись:\r\n\r\nСумма возврата: " + sum + "\r\nДата возврата: " + date +
               "\r\n" + person + "\r\n\r\n" + question;
    }
};

TEST_F(DebtsTest, DebtOwedToUserRepaidInTwoParts) {
    PushEntry(sost().ondol, "1000\t01.03.2002\tИван\tремонт\t1000\t\t");
    ui.Answer(Answer::Yes);
    ui.Input("400");
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(Repay(DebtListMode::OnDol));
    ASSERT_EQ(ui.messages.size(), 2u);
    // No return date: today is shown; without interest the sum is the user's choice.
    EXPECT_EQ(ui.messages[0].text, Selected("(выбор)", "10.03.2002", "Кто возвращает: Иван",
                                            "Вернуть эти деньги и вычеркнуть этот долг?"));
    EXPECT_EQ(ui.prompts.back(), "Введите сумму возвращаемых денег (не более 1000)");
    EXPECT_EQ(ui.messages[1].text,
              "Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере 400р.");
    EXPECT_EQ(sost().ondol[0], "1000\t01.03.2002\tИван\tремонт\t600\t\t");
    EXPECT_EQ(sost().bal, 400);
    EXPECT_EQ(sost().oldbal[0], "0\t10.03.2002");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(ui.sounds, std::vector<std::string>{"coins.wav"});

    // The rest closes the debt; the answer is echoed as typed.
    ui.SetToday(20, 3, 2002);
    ui.Answer(Answer::Yes);
    ui.Input("600,0");
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(Repay(DebtListMode::OnDol));
    EXPECT_EQ(ui.prompts.back(), "Введите сумму возвращаемых денег (не более 600)");
    EXPECT_EQ(ui.messages.back().text,
              "Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере 600,0р.");
    EXPECT_EQ(CountEntries(sost().ondol), 0);
    EXPECT_EQ(sost().bal, 1000);
    EXPECT_EQ(sost().oldbal[0], "400\t20.03.2002");
    ui.ExpectAllAnswered();
}

TEST_F(DebtsTest, APartLeavesTheRemainderInCents) {
    PushEntry(sost().ondol, "100,1\t01.03.2002\tИван\t\t100,1\t\t");
    ui.Answer(Answer::Yes);
    ui.Input("100,01");
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(Repay(DebtListMode::OnDol));
    EXPECT_EQ(sost().ondol[0], "100,1\t01.03.2002\tИван\t\t0,09\t\t");
    EXPECT_EQ(sost().bal, 100.01);
}

TEST_F(DebtsTest, RefusedAndCancelledRepaymentsChangeNothing) {
    sost().bal = 50;
    const std::string debt = "1000\t01.03.2002\tИван\t\t1000\t\t";
    PushEntry(sost().ondol, debt);
    for (const char* typed : {"1000,5", "-3", "1e400"}) {
        ui.Answer(Answer::Yes);
        ui.Input(typed);
        EXPECT_FALSE(Repay(DebtListMode::OnDol));
        EXPECT_EQ(ui.messages.back().text, "Вы ввели неправильную сумму.");
        EXPECT_EQ(ui.messages.back().icon, Icon::Exclamation);
    }
    ui.Answer(Answer::Yes);
    ui.Input("");  // cancelled input box
    ui.Answer(Answer::Yes);
    ui.Input("10");
    ui.Answer(Answer::No);  // second confirmation refused
    ui.Answer(Answer::No);  // first confirmation refused
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(Repay(DebtListMode::OnDol));

    // An empty current cell does nothing at all.
    ui.messages.clear();
    EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, ""));
    EXPECT_FALSE(SubmitStrikeOutDebt(doc, ui, DebtListMode::OnDol, 1, ""));
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(sost().ondol[0], debt);
    EXPECT_EQ(sost().bal, 50);
    EXPECT_EQ(CountEntries(sost().oldbal), 0);
    EXPECT_FALSE(doc.Dirty);
    EXPECT_TRUE(ui.sounds.empty());
    ui.ExpectAllAnswered();
}

TEST_F(DebtsTest, DebtUserOwesNeedsTheWholeAmountDueInTheBalance) {
    sost().bal = 500;
    PushEntry(sost().vydol, "600\t01.03.2002\tПетр\t\t600\t\t");
    // Refused before anything is asked, even if only a part was meant.
    EXPECT_FALSE(Repay(DebtListMode::VyDol));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "К сожалению, в данный момент вы не можете вернуть долг, т.к. ваш баланс "
              "составляет 500р.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
    EXPECT_EQ(ui.messages[0].title, "Возврат долга");

    // With enough funds a part is paid; the amount is confirmed in its stored form.
    sost().bal = 700;
    ui.Answer(Answer::Yes);
    ui.Input("100.5");
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(Repay(DebtListMode::VyDol));
    EXPECT_EQ(ui.messages[1].text,
              Selected("(выбор)", "10.03.2002", "Кому: Петр",
                       "Вы возвращаете долг и вычеркиваете запись из списка долгов?"));
    EXPECT_EQ(ui.messages[2].text,
              "Вы уверены, что Вы хотите вернуть долг(или часть долга) в размере 100,5р.");
    EXPECT_EQ(sost().vydol[0], "600\t01.03.2002\tПетр\t\t499,5\t\t");
    EXPECT_EQ(sost().bal, 599.5);
    EXPECT_EQ(sost().oldbal[0], "700\t10.03.2002");
    EXPECT_TRUE(ui.sounds.empty());  // paying out plays no coins

    // A balance of exactly the amount due shown (100 at 7 % for 72 days) pays it off.
    sost().bal = 116.8;
    PushEntry(sost().vydol, "100\t01.03.2002\tПетр\t\t\t7\t12.05.2002");
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(Repay(DebtListMode::VyDol));
    EXPECT_EQ(ui.messages.back().text.rfind("Выбранная запись:", 0), 0u);
    EXPECT_EQ(sost().bal, 0);
    EXPECT_EQ(sost().vydol[0], "600\t01.03.2002\tПетр\t\t499,5\t\t");
}

TEST_F(DebtsTest, InterestBearingDebtIsRepaidInWholeWithoutAsking) {
    sost().bal = 2000;
    PushEntry(sost().vydol, "1000\t01.03.2002\tПетр\tмашина\t\t3\t16.03.2002");
    PushEntry(sost().vydol, "50\t05.03.2002\tОля\t\t50\t\t");
    ui.SetToday(1, 4, 2002);
    ui.Answer(Answer::Yes);  // no input scripted: asking for an amount would fail
    EXPECT_TRUE(Repay(DebtListMode::VyDol, 2));
    EXPECT_EQ(ui.messages[0].text,
              Selected("1015", "16.03.2002", "Кому: Петр",
                       "Вы возвращаете долг и вычеркиваете запись из списка долгов?"));
    EXPECT_EQ(CountEntries(sost().vydol), 1);
    EXPECT_EQ(sost().vydol[0], "50\t05.03.2002\tОля\t\t50\t\t");
    EXPECT_EQ(sost().bal, 985);
    EXPECT_EQ(sost().oldbal[0], "2000\t01.04.2002");
    ui.ExpectAllAnswered();
}

TEST_F(DebtsTest, StrikingOutMovesNoFunds) {
    sost().bal = 300;
    PushEntry(sost().ondol, "1000\t01.03.2002\tИван\t\t\t3\t");
    ui.SetToday(31, 3, 2002);
    ui.Answer(Answer::No);
    EXPECT_FALSE(SubmitStrikeOutDebt(doc, ui, DebtListMode::OnDol, 1, "Иван"));
    EXPECT_EQ(CountEntries(sost().ondol), 1);
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitStrikeOutDebt(doc, ui, DebtListMode::OnDol, 1, "Иван"));
    EXPECT_EQ(ui.messages.back().text, Selected("1030", "31.03.2002", "Кто: Иван",
                                                "Вы действительно хотите вычеркнуть этот долг?"));
    EXPECT_EQ(CountEntries(sost().ondol), 0);
    EXPECT_EQ(sost().bal, 300);
    EXPECT_EQ(CountEntries(sost().oldbal), 0);
    EXPECT_TRUE(doc.Dirty);
}

}  // namespace
}  // namespace kz
