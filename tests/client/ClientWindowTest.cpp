#include <gtest/gtest.h>

#include "ClientFixture.h"
#include "windows/client/ClientWindow.h"

namespace kz {
namespace {

using Texts = std::vector<std::string>;
const std::string kHeading = "\tСумма\tДата возвр.\tИнформация\r\n";

struct ClientWindowTest : ::testing::Test {
    BudgetFile doc = test::DocWithClient();
    test::ScriptedPlatform ui;
    ClientRecord& c = doc.Client(1);
    void SetUp() override { ui.SetToday(15, 3, 2002); }
    double Due(Side side, int entry) { return AmountDue(doc, side, 1, entry); }
    // Both questions answered Yes, `sum` typed into the box.
    bool Repay(Side side, int row, const std::string& sum) {
        ui.Answer(Answer::Yes);
        ui.Input(sum);
        ui.Answer(Answer::Yes);
        return ReturnPayment(doc, ui, side, row);
    }
};

TEST_F(ClientWindowTest, TablesMarkOnlyExactlySettledPaymentsAndDeletionRenumbers) {
    PushEntry(c.clondolkm, "100\tежемесячно\t(за 3.2002)Уборка");
    PushEntry(c.clondolkm, "100\tежемесячно\t(за 3.2002)Стирка");
    PushEntry(c.clondolkm, "300\t01.06.2002\tРемонт");
    for (const char* r : {"60\t02.03.2002\t(за 3.2002)Уборка", "40\t03.03.2002\t(за 3.2002)Уборка",
                          "60\t02.03.2002\t(за 3.2002)Стирка", "60\t03.03.2002\t(за 3.2002)Стирка"})
        PushEntry(c.clondolok, r);
    EXPECT_EQ(PaymentTableText(doc, 1, Side::OwedToYou),
              kHeading + "1\t300\t01.06.2002\tРемонт\r\n2\t100\tежемесячно\t(за 3.2002)Стирка\r\n" +
                  "ok\t100\tежемесячно\t(за 3.2002)Уборка\r\n");

    EXPECT_FALSE(DeletePayment(doc, ui, Side::OwedToYou, 0));
    EXPECT_FALSE(DeletePayment(doc, ui, Side::OwedToYou, 4));  // below the last payment
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeletePayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_FALSE(doc.Dirty);
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(DeletePayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(PaymentTableText(doc, 1, Side::OwedToYou),
              kHeading + "1\t100\tежемесячно\t(за 3.2002)Стирка\r\n" +
                  "ok\t100\tежемесячно\t(за 3.2002)Уборка\r\n");
    EXPECT_EQ(CountEntries(c.clondolok), 4);  // the returns stay
    EXPECT_TRUE(doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(ClientWindowTest, MonthlyRepaymentTakesPositiveSumsUpToWhatIsLeftOfTheMonth) {
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 0));
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));  // empty entry: silent
    EXPECT_EQ(ui.Texts(), Texts{"Выберите платеж, который Вам должны вернуть."});

    PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    PushEntry(c.clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
    ui.Answer(Answer::No);
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    for (const char* bad : {"0", "-5", "abc", "1e400", "600.01"}) {
        ui.Answer(Answer::Yes);
        ui.Input(bad);
        EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1)) << bad;
    }
    EXPECT_EQ(ui.proposals[0], "600");
    EXPECT_TRUE(ui.Texts()[3].ends_with("положительное число!"));
    EXPECT_TRUE(ui.Texts().back().starts_with("Возвращаемая сумма не может быть больше"));
    ui.Answer(Answer::Yes);
    ui.Input(",5");         // 0.5 after the comma rule: passes the checks
    ui.Answer(Answer::No);  // the last question declined
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_EQ(CountEntries(c.clondolok), 1);
    EXPECT_FALSE(doc.Dirty);

    ASSERT_TRUE(Repay(Side::OwedToYou, 1, "250,5"));
    EXPECT_EQ(c.clondolok[0], "250.5\t15.03.2002\t(за 3.2002)Работа");
    EXPECT_EQ(c.clondolkm[0], "1000\tежемесячно\t(за 3.2002)Работа");
    EXPECT_TRUE(doc.Dirty);
    ASSERT_TRUE(Repay(Side::OwedToYou, 1, "349.5"));  // exactly the rest
    EXPECT_EQ(Due(Side::OwedToYou, 1), 0);
    ui.messages.clear();
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));  // nothing asked
    EXPECT_EQ(ui.Texts(), Texts{"Эту сумму за текущий месяц Вам уже вернули!"});
    ui.ExpectAllAnswered();
}

TEST_F(ClientWindowTest, DatedRepaymentLowersThenRemovesThePayment) {
    PushEntry(c.clvydolkm, "100,1\t20.05.2002\tРабота");
    ASSERT_TRUE(Repay(Side::OwedByYou, 1, "100,01"));
    // What is left keeps no more decimals than the amounts have.
    EXPECT_EQ(c.clvydolkm[0], "0,09\t20.05.2002\tРабота");
    EXPECT_EQ(c.clvydolok[0], "100.01\t15.03.2002\t(за 20.05.2002)Работа");
    ASSERT_TRUE(Repay(Side::OwedByYou, 1, "0,09"));
    EXPECT_EQ(CountEntries(c.clvydolkm), 0);
    EXPECT_EQ(CountEntries(c.clondolok), 0);
}

TEST_F(ClientWindowTest, AmountDueMessages) {
    PushEntry(c.clondolkm, "1000\t20.05.2002\tРемонт");
    PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    // Only returns of the payment's month and side count.
    PushEntry(c.clondolok, "1000\t05.02.2002\t(за 2.2002)Работа");
    PushEntry(c.clvydolok, "600\t05.03.2002\t(за 3.2002)Работа");
    PushEntry(c.clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
    PushEntry(c.clvydolkm, "250,5\tежемесячно\t(за 3.2002)Аренда");
    PushEntry(c.clvydolok, "250.5\t05.03.2002\t(за 3.2002)Аренда");

    ShowAmountDue(doc, ui, Side::OwedToYou, 0);
    ShowAmountDue(doc, ui, Side::OwedToYou, 3);  // no such payment: silent
    ShowAmountDue(doc, ui, Side::OwedToYou, 2);
    ShowAmountDue(doc, ui, Side::OwedToYou, 1);
    ShowAmountDue(doc, ui, Side::OwedByYou, 1);
    c.ienum = 2;
    PushEntry(c.clvydolkm, "80,25\tежемесячно\t(за 3.2002)Связь");
    ShowAmountDue(doc, ui, Side::OwedByYou, 1);
    PushEntry(c.clondolok, "600\t06.03.2002\t(за 3.2002)Работа");
    ShowAmountDue(doc, ui, Side::OwedToYou, 1);
    const Texts texts = ui.Texts();
    ASSERT_EQ(texts.size(), 6u);  // no row chosen, a dated payment, then the amounts
    EXPECT_EQ(Texts(texts.begin() + 2, texts.end()),
              (Texts{"По данному платежу Вам еще должны выплатить: 600 из 1000 (р.)",
                     "По данному платежу Вы ВСЕ выплатили.",
                     "По данному платежу Вам еще нужно выплатить: 80,25 из 80,25 ($)",
                     "По данному платежу Вам ВСЕ было выплачено."}));
}

TEST_F(ClientWindowTest, DeletingAReturnMakesTheMonthDueAgain) {
    PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    PushEntry(c.clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
    PushEntry(c.clondolok, "600\t10.03.2002\t(за 3.2002)Работа");
    EXPECT_FALSE(DeleteReturn(doc, ui, Side::OwedToYou, 0));  // no row chosen
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeleteReturn(doc, ui, Side::OwedToYou, 2));
    EXPECT_EQ(Due(Side::OwedToYou, 1), 0);
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(DeleteReturn(doc, ui, Side::OwedToYou, 2));
    EXPECT_DOUBLE_EQ(Due(Side::OwedToYou, 1), 400);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_TRUE(ReturnsTableText(doc, Side::OwedToYou)
                    .ends_with("Информация\r\n1\t600\t10.03.2002\t(за 3.2002)Работа\r\n"));
    EXPECT_TRUE(ui.Texts().back().ends_with("запись:\r\n400\t05.03.2002\t(за 3.2002)Работа  ?"));
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
