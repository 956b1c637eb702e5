#include "core/Text.h"
#include "state/StateFixture.h"
#include "windows/state/Debts.h"

namespace kz {
namespace {

using test::StateTest;

class DebtsTest : public StateTest {
protected:
    DebtsTest() { ui.SetToday(10, 3, 2002); }
};

TEST_F(DebtsTest, DebtOwedToUserRepaidInTwoParts) {
    sost().bal = 0;
    PushEntry(sost().ondol, "1000\t01.03.2002\tИван\tремонт\t1000\t\t");
    ui.Answer(Answer::Yes);
    ui.Input("400");
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, "1"));
    ASSERT_EQ(ui.messages.size(), 2u);
    // No return date: today is shown; without interest the sum is the user's choice.
    EXPECT_EQ(ui.messages[0].text,
              "Выбранная запись:\r\n\r\nСумма возврата: (выбор)\r\nДата возврата: "
              "10.03.2002\r\nКто возвращает: Иван\r\n\r\nВернуть эти деньги и вычеркнуть этот "
              "долг?");
    EXPECT_EQ(ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.prompts,
              std::vector<std::string>{"Введите сумму возвращаемых денег (не более 1000)"});
    EXPECT_EQ(ui.messages[1].text,
              "Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере 400р.");
    EXPECT_EQ(sost().ondol[0], "1000\t01.03.2002\tИван\tремонт\t600\t\t");
    EXPECT_EQ(sost().bal, 400);
    EXPECT_EQ(sost().oldbal[0], "0\t10.03.2002");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(ui.sounds, std::vector<std::string>{"coins.wav"});

    // The rest, typed with a comma, closes the debt.
    ui.SetToday(20, 3, 2002);
    ui.Answer(Answer::Yes);
    ui.Input("600,0");
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, "1"));
    EXPECT_EQ(ui.prompts.back(), "Введите сумму возвращаемых денег (не более 600)");
    // The answer is shown as typed for debts owed to the user.
    EXPECT_EQ(ui.messages.back().text,
              "Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере 600,0р.");
    EXPECT_EQ(CountEntries(sost().ondol), 0);
    EXPECT_EQ(sost().bal, 1000);
    EXPECT_EQ(sost().oldbal[0], "400\t20.03.2002");
    EXPECT_EQ(CountEntries(sost().oldbal), 2);
    ui.ExpectAllAnswered();
}

TEST_F(DebtsTest, RefusedAndCancelledRepaymentsChangeNothing) {
    sost().bal = 50;
    const std::string debt = "1000\t01.03.2002\tИван\t\t1000\t\t";
    PushEntry(sost().ondol, debt);

    ui.Answer(Answer::Yes);
    ui.Input("1000,5");
    EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, "1"));
    EXPECT_EQ(ui.messages.back().text, "Вы ввели неправильную сумму.");
    EXPECT_EQ(ui.messages.back().icon, Icon::Exclamation);
    EXPECT_EQ(ui.messages.back().buttons, Buttons::OK);

    ui.Answer(Answer::Yes);
    ui.Input("-3");
    EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, "1"));
    EXPECT_EQ(ui.messages.back().text, "Вы ввели неправильную сумму.");

    ui.Answer(Answer::Yes);
    ui.Input("");  // cancelled input box
    ui.Answer(Answer::Yes);
    ui.Input("10");
    ui.Answer(Answer::No);  // second confirmation refused
    ui.Answer(Answer::No);  // first confirmation refused
    EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, "1"));
    EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, "1"));
    EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, "1"));

    // An empty current cell does nothing at all.
    const std::size_t shown = ui.messages.size();
    EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, ""));
    EXPECT_FALSE(SubmitStrikeOutDebt(doc, ui, DebtListMode::OnDol, 1, ""));
    EXPECT_EQ(ui.messages.size(), shown);

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
    // Even a part of 100 is refused: the check is against the whole 600.
    EXPECT_FALSE(SubmitRepayDebt(doc, ui, settings, DebtListMode::VyDol, 1, "Петр"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "К сожалению, в данный момент вы не можете вернуть долг, т.к. ваш баланс "
              "составляет 500р.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
    EXPECT_EQ(ui.messages[0].title, "Возврат долга");
    EXPECT_EQ(sost().bal, 500);

    // With enough funds a part is paid; the amount is confirmed in its stored form.
    sost().bal = 700;
    ui.Answer(Answer::Yes);
    ui.Input("100.5");
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitRepayDebt(doc, ui, settings, DebtListMode::VyDol, 1, "Петр"));
    EXPECT_EQ(ui.messages[1].text,
              "Выбранная запись:\r\n\r\nСумма возврата: (выбор)\r\nДата возврата: "
              "10.03.2002\r\nКому: Петр\r\n\r\nВы возвращаете долг и вычеркиваете запись из "
              "списка долгов?");
    EXPECT_EQ(ui.messages[2].text,
              "Вы уверены, что Вы хотите вернуть долг(или часть долга) в размере 100,5р.");
    EXPECT_EQ(sost().vydol[0], "600\t01.03.2002\tПетр\t\t499,5\t\t");
    EXPECT_EQ(sost().bal, 599.5);
    EXPECT_EQ(sost().oldbal[0], "700\t10.03.2002");
    EXPECT_TRUE(ui.sounds.empty());  // paying out plays no coins
    ui.ExpectAllAnswered();
}

TEST_F(DebtsTest, InterestBearingDebtIsRepaidInWholeWithoutAsking) {
    sost().bal = 2000;
    PushEntry(sost().vydol, "1000\t01.03.2002\tПетр\tмашина\t\t3\t16.03.2002");
    PushEntry(sost().vydol, "50\t05.03.2002\tОля\t\t50\t\t");
    ui.SetToday(1, 4, 2002);
    ui.Answer(Answer::Yes);
    // Slot 2: no input box is scripted, so asking for an amount would fail the test.
    EXPECT_TRUE(SubmitRepayDebt(doc, ui, settings, DebtListMode::VyDol, 2, "1000"));
    EXPECT_EQ(ui.messages[0].text,
              "Выбранная запись:\r\n\r\nСумма возврата: 1015\r\nДата возврата: "
              "16.03.2002\r\nКому: Петр\r\n\r\nВы возвращаете долг и вычеркиваете запись из "
              "списка долгов?");
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
    EXPECT_EQ(ui.messages.back().text,
              "Выбранная запись:\r\n\r\nСумма возврата: 1030\r\nДата возврата: "
              "31.03.2002\r\nКто: Иван\r\n\r\nВы действительно хотите вычеркнуть этот долг?");
    EXPECT_EQ(ui.messages.back().icon, Icon::Information);
    EXPECT_EQ(CountEntries(sost().ondol), 0);
    EXPECT_EQ(sost().bal, 300);
    EXPECT_EQ(CountEntries(sost().oldbal), 0);
    EXPECT_TRUE(doc.Dirty);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
