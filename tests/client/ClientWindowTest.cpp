#include <gtest/gtest.h>

#include "ClientFixture.h"
#include "windows/client/ClientWindow.h"

namespace kz {
namespace {

using Texts = std::vector<std::string>;
const std::string kHeading = "\tСумма\tДата возвр.\tИнформация\r\n";
const std::string kReturnsHeading = "\tСумма,р.\tДата возвращения\tИнформация\r\n";

struct ClientWindowTest : ::testing::Test {
    BudgetFile doc = test::DocWithClient();
    test::InputRecordingPlatform ui;
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
    c.reput = -2;
    ClientView view = ClientWindowView(doc, 1);
    EXPECT_EQ(view.unit + " " + view.reputation, "рубли(р.) Репутация: -2");
    EXPECT_EQ(view.owedToYou, kHeading);

    PushEntry(c.clondolkm, "100\tежемесячно\t(за 3.2002)Уборка");
    PushEntry(c.clondolkm, "100\tежемесячно\t(за 3.2002)Стирка");
    PushEntry(c.clondolkm, "300\t01.06.2002\tРемонт");
    for (const char* r : {"60\t02.03.2002\t(за 3.2002)Уборка", "40\t03.03.2002\t(за 3.2002)Уборка",
                          "60\t02.03.2002\t(за 3.2002)Стирка", "60\t03.03.2002\t(за 3.2002)Стирка"})
        PushEntry(c.clondolok, r);
    EXPECT_EQ(PaymentTableText(doc, 1, Side::OwedToYou),
              kHeading + "1\t300\t01.06.2002\tРемонт\r\n2\t100\tежемесячно\t(за 3.2002)Стирка\r\n" +
                  "ok\t100\tежемесячно\t(за 3.2002)Уборка\r\n");
    EXPECT_EQ(PaymentTableText(doc, 1, Side::OwedByYou), kHeading);

    EXPECT_FALSE(DeletePayment(doc, ui, Side::OwedToYou, 0));
    EXPECT_FALSE(DeletePayment(doc, ui, Side::OwedToYou, 4));  // below the last payment
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeletePayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_FALSE(doc.Dirty);
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(DeletePayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_EQ(ui.Texts(), (Texts{"Выберите запись в списке и повторите удаление.",
                                 "Вы действительно хотите вычернуть запись из списка?",
                                 "Вы действительно хотите вычернуть запись из списка?"}));
    EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(ui.messages[2].icon, Icon::Information);
    EXPECT_EQ(PaymentTableText(doc, 1, Side::OwedToYou),
              kHeading + "1\t100\tежемесячно\t(за 3.2002)Стирка\r\n" +
                  "ok\t100\tежемесячно\t(за 3.2002)Уборка\r\n");
    EXPECT_EQ(CountEntries(c.clondolok), 4);  // the returns stay

    EXPECT_FALSE(ChangePayment(doc, ui, Side::OwedToYou, 0));
    EXPECT_EQ(ui.Texts().back(), "Нужно выбрать запись!");
    EXPECT_TRUE(ChangePayment(doc, ui, Side::OwedToYou, 2));
    EXPECT_FALSE(ChangePayment(doc, ui, Side::OwedToYou, 3));
    ui.ExpectAllAnswered();
}

TEST_F(ClientWindowTest, MonthlyRepaymentIsLimitedToWhatIsLeftOfTheMonth) {
    PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    PushEntry(c.clondolok, "400\t05.03.2002\t(за 3.2002)Работа");

    ui.Answer(Answer::Yes);
    ui.Input("600.01");
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_EQ(ui.prompts, Texts{"Введите сумму, которую вы хотите вернуть (не более  600)"});
    EXPECT_EQ(ui.inputTitles[0] + "|" + ui.proposals[0], "Возврат суммы|600");
    EXPECT_EQ(ui.Texts(),
              (Texts{"Вы действительно хотите вернуть деньги по этому платежу?",
                     "Возвращаемая сумма не может быть больше установленного для возврата "
                     "значения."}));
    EXPECT_EQ(ui.messages[1].icon, Icon::Critical);

    ui.messages.clear();
    ASSERT_TRUE(Repay(Side::OwedToYou, 1, "250,5"));
    EXPECT_EQ(ui.Texts().back(),
              "Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере 250.5р.");
    EXPECT_EQ(c.clondolok[0], "250.5\t15.03.2002\t(за 3.2002)Работа");
    EXPECT_EQ(c.clondolkm[0], "1000\tежемесячно\t(за 3.2002)Работа");
    EXPECT_TRUE(doc.Dirty);
    ASSERT_TRUE(Repay(Side::OwedToYou, 1, "349.5"));
    EXPECT_EQ(ui.proposals.back(), "349.5");
    EXPECT_EQ(Due(Side::OwedToYou, 1), 0);

    ui.messages.clear();
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));  // nothing asked
    EXPECT_EQ(ui.Texts(), Texts{"Эту сумму за текущий месяц Вам уже вернули!"});
    ui.ExpectAllAnswered();
}

TEST_F(ClientWindowTest, DatedRepaymentLowersThenRemovesThePayment) {
    PushEntry(c.clvydolkm, "1000\t20.05.2002\tРабота");
    ASSERT_TRUE(Repay(Side::OwedByYou, 1, "300"));
    EXPECT_EQ(ui.Texts().back(),
              "Вы уверены, что Вы хотите вернуть долг(или часть долга) в размере 300р.");
    EXPECT_EQ(c.clvydolkm[0], "700\t20.05.2002\tРабота");
    EXPECT_EQ(c.clvydolok[0], "300\t15.03.2002\t(за 20.05.2002)Работа");

    ui.SetToday(20, 5, 2002);
    ASSERT_TRUE(Repay(Side::OwedByYou, 1, "700"));
    EXPECT_EQ(ui.prompts.back(), "Введите сумму, которую вы хотите вернуть (не более  700)");
    EXPECT_EQ(CountEntries(c.clvydolkm), 0);
    EXPECT_EQ(c.clvydolok[0], "700\t20.05.2002\t(за 20.05.2002)Работа");
    EXPECT_EQ(CountEntries(c.clondolok), 0);

    // What is left keeps no more decimals than the amounts have.
    PushEntry(c.clvydolkm, "100,1\t20.05.2002\tРабота");
    ASSERT_TRUE(Repay(Side::OwedByYou, 1, "100,01"));
    EXPECT_EQ(c.clvydolkm[0], "0,09\t20.05.2002\tРабота");
}

TEST_F(ClientWindowTest, RepaymentRefusals) {
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 0));
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedByYou, 0));
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));  // empty entry: silent
    EXPECT_EQ(ui.Texts(), (Texts{"Выберите платеж, который Вам должны вернуть.",
                                 "Выберите платеж, который Вы должны вернуть."}));

    PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    ui.Answer(Answer::No);
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_TRUE(ui.prompts.empty());
    for (const char* bad : {"0", "-5", "abc", "1e400"}) {
        ui.messages.clear();
        ui.Answer(Answer::Yes);
        ui.Input(bad);
        EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1)) << bad;
        EXPECT_EQ(ui.Texts().back(),
                  "Нужно ввести сумму возвращаемых денег - положительное число!");
    }
    ui.Answer(Answer::Yes);
    ui.Input(",5");         // 0.5 after the comma rule: passes the checks
    ui.Answer(Answer::No);  // the last question declined
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_EQ(CountEntries(c.clondolok), 0);
    EXPECT_FALSE(doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(ClientWindowTest, AmountDueMessages) {
    PushEntry(c.clondolkm, "1000\t20.05.2002\tРемонт");
    PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
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
    EXPECT_EQ(ui.Texts(),
              (Texts{"Выберите запись в списке.",
                     "Эта функция (определение суммы,выплаченной по данному платежу) "
                     "предназначена только для ежемесячных платежей.\r\n\r\nЭта информация для "
                     "датированных платежей выводится в таблице в столбце Сумма.",
                     "По данному платежу Вам еще должны выплатить: 600 из 1000 (р.)",
                     "По данному платежу Вы ВСЕ выплатили.",
                     "По данному платежу Вам еще нужно выплатить: 80,25 из 80,25 ($)",
                     "По данному платежу Вам ВСЕ было выплачено."}));
}

TEST_F(ClientWindowTest, DeletingAReturnMakesTheMonthDueAgain) {
    PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    PushEntry(c.clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
    PushEntry(c.clondolok, "600\t10.03.2002\t(за 3.2002)Работа");
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeleteReturn(doc, ui, Side::OwedToYou, 2));
    EXPECT_EQ(ui.Texts(), Texts{"Информация из этого списка используется программой для "
                                "определения задолжностей по выплатам. Удалять ее не "
                                "рекомендуется.\r\n\r\nВы уверены, что хотите удалить "
                                "запись:\r\n400\t05.03.2002\t(за 3.2002)Работа  ?"});
    EXPECT_EQ(Due(Side::OwedToYou, 1), 0);

    ui.Answer(Answer::Yes);
    EXPECT_TRUE(DeleteReturn(doc, ui, Side::OwedToYou, 2));
    EXPECT_DOUBLE_EQ(Due(Side::OwedToYou, 1), 400);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(ReturnsTableText(doc, Side::OwedToYou),
              kReturnsHeading + "1\t600\t10.03.2002\t(за 3.2002)Работа\r\n");
    // An empty row is asked about as well; agreeing changes no return.
    ui.Answer(Answer::Yes);
    doc.Dirty = false;
    EXPECT_TRUE(DeleteReturn(doc, ui, Side::OwedToYou, 2));
    EXPECT_EQ(ui.Texts().back(),
              "Информация из этого списка используется программой для "
              "определения задолжностей по выплатам. Удалять ее не "
              "рекомендуется.\r\n\r\nВы уверены, что хотите удалить "
              "запись:\r\n  ?");
    EXPECT_EQ(CountEntries(c.clondolok), 1);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_FALSE(DeleteReturn(doc, ui, Side::OwedToYou, 0));  // no row chosen
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
