#include <gtest/gtest.h>

#include "ClientFixture.h"
#include "windows/client/ClientWindow.h"

namespace kz {
namespace {

using test::DocWithClient;
using test::InputRecordingPlatform;

const char* const kHeading = "\tСумма\tДата возвр.\tИнформация\r\n";

struct ClientWindowTest : ::testing::Test {
    BudgetFile doc = DocWithClient();
    InputRecordingPlatform ui;
    ClientRecord& client() { return doc.Client(1); }
    void SetUp() override { ui.SetToday(15, 3, 2002); }
    double Due(Side side, int entry) { return AmountDue(doc, side, 1, entry, ui.Today()); }
};

TEST_F(ClientWindowTest, TablesMarkOnlyExactlySettledPayments) {
    client().reput = -2;
    ClientView empty = ClientWindowView(doc, 1);
    EXPECT_EQ(empty.name, "Иванов");
    EXPECT_EQ(empty.unit, "рубли(р.)");
    EXPECT_EQ(empty.reputation, "Репутация: -2");
    EXPECT_EQ(empty.owedToYou, kHeading);
    EXPECT_EQ(empty.owedByYou, kHeading);

    PushEntry(client().clondolkm, "100\tежемесячно\t(за 3.2002)Уборка");
    PushEntry(client().clondolkm, "100\tежемесячно\t(за 3.2002)Стирка");
    PushEntry(client().clondolok, "60\t02.03.2002\t(за 3.2002)Уборка");
    PushEntry(client().clondolok, "40\t03.03.2002\t(за 3.2002)Уборка");
    PushEntry(client().clondolok, "60\t02.03.2002\t(за 3.2002)Стирка");
    PushEntry(client().clondolok, "60\t03.03.2002\t(за 3.2002)Стирка");
    // Last month's return of the same work does not count for this month.
    PushEntry(client().clondolok, "40\t03.02.2002\t(за 2.2002)Стирка");
    EXPECT_EQ(PaymentTableText(doc, 1, Side::OwedToYou),
              std::string(kHeading) + "1\t100\tежемесячно\t(за 3.2002)Стирка\r\n" +
                  "ok\t100\tежемесячно\t(за 3.2002)Уборка\r\n");
    EXPECT_EQ(PaymentTableText(doc, 1, Side::OwedByYou), kHeading);
}

TEST_F(ClientWindowTest, DeletingAPaymentKeepsItsReturns) {
    EntryList& pay = client().clondolkm;
    PushEntry(pay, "300\t01.06.2002\tТретий");
    PushEntry(pay, "200\t01.05.2002\tВторой");
    PushEntry(pay, "100\t01.04.2002\tПервый");
    PushEntry(client().clondolok, "50\t10.03.2002\t(за 01.04.2002)Первый");

    EXPECT_FALSE(DeletePayment(doc, ui, Side::OwedToYou, 0));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Выберите запись в списке и повторите удаление.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    EXPECT_FALSE(DeletePayment(doc, ui, Side::OwedToYou, 4));  // below the last payment
    EXPECT_EQ(ui.messages.size(), 1u);

    ui.Answer(Answer::No);
    EXPECT_FALSE(DeletePayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_EQ(CountEntries(pay), 3);
    EXPECT_FALSE(doc.Dirty);

    ui.Answer(Answer::Yes);
    EXPECT_TRUE(DeletePayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_EQ(ui.messages.back().text, "Вы действительно хотите вычернуть запись из списка?");
    EXPECT_EQ(ui.messages.back().icon, Icon::Information);
    EXPECT_EQ(ui.messages.back().buttons, Buttons::YesNo);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(PaymentTableText(doc, 1, Side::OwedToYou), std::string(kHeading) +
                                                             "1\t200\t01.05.2002\tВторой\r\n" +
                                                             "2\t300\t01.06.2002\tТретий\r\n");
    EXPECT_EQ(ReturnsTableText(doc, Side::OwedToYou),
              "\tСумма,р.\tДата возвращения\tИнформация\r\n"
              "1\t50\t10.03.2002\t(за 01.04.2002)Первый\r\n");

    // Change asks for a row, then opens only for a real payment.
    EXPECT_FALSE(ChangePayment(doc, ui, Side::OwedToYou, 0));
    EXPECT_EQ(ui.messages.back().text, "Нужно выбрать запись!");
    EXPECT_TRUE(ChangePayment(doc, ui, Side::OwedToYou, 2));
    EXPECT_FALSE(ChangePayment(doc, ui, Side::OwedToYou, 3));
    EXPECT_FALSE(ChangePayment(doc, ui, Side::OwedByYou, 1));
    ui.ExpectAllAnswered();
}

TEST_F(ClientWindowTest, MonthlyRepaymentIsLimitedToWhatIsLeft) {
    PushEntry(client().clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    PushEntry(client().clondolok, "400\t05.03.2002\t(за 3.2002)Работа");

    ui.Answer(Answer::Yes);
    ui.Input("600.01");
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    ASSERT_EQ(ui.prompts.size(), 1u);
    EXPECT_EQ(ui.prompts[0], "Введите сумму, которую вы хотите вернуть (не более  600)");
    EXPECT_EQ(ui.inputTitles[0], "Возврат суммы");
    EXPECT_EQ(ui.proposals[0], "600");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Вы действительно хотите вернуть деньги по этому платежу?");
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.messages[1].text,
              "Возвращаемая сумма не может быть больше установленного для возврата значения.");
    EXPECT_EQ(ui.messages[1].icon, Icon::Critical);
    EXPECT_FALSE(doc.Dirty);

    // The full remainder, typed with a comma: stored with a point, and the
    // month is then settled.
    ui.messages.clear();
    ui.Answer(Answer::Yes);
    ui.Input("600,0");
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_EQ(ui.messages.back().text,
              "Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере 600.0р.");
    EXPECT_EQ(client().clondolok[0], "600.0\t15.03.2002\t(за 3.2002)Работа");
    EXPECT_EQ(client().clondolkm[0], "1000\tежемесячно\t(за 3.2002)Работа");
    EXPECT_EQ(Due(Side::OwedToYou, 1), 0);
    EXPECT_TRUE(doc.Dirty);

    // Nothing more can be returned this month; no question is asked.
    ui.messages.clear();
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Эту сумму за текущий месяц Вам уже вернули!");
    EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    ui.ExpectAllAnswered();
}

TEST_F(ClientWindowTest, DatedRepaymentLowersThenRemovesThePayment) {
    PushEntry(client().clvydolkm, "1000\t20.05.2002\tРабота");

    ui.Answer(Answer::Yes);
    ui.Input("300");
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(ReturnPayment(doc, ui, Side::OwedByYou, 1));
    EXPECT_EQ(ui.prompts.back(), "Введите сумму, которую вы хотите вернуть (не более  1000)");
    EXPECT_EQ(ui.messages.back().text,
              "Вы уверены, что Вы хотите вернуть долг(или часть долга) в размере 300р.");
    EXPECT_EQ(client().clvydolkm[0], "700\t20.05.2002\tРабота");
    EXPECT_EQ(client().clvydolok[0], "300\t15.03.2002\t(за 20.05.2002)Работа");

    ui.SetToday(20, 5, 2002);
    ui.Answer(Answer::Yes);
    ui.Input("700");
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(ReturnPayment(doc, ui, Side::OwedByYou, 1));
    EXPECT_EQ(ui.prompts.back(), "Введите сумму, которую вы хотите вернуть (не более  700)");
    EXPECT_EQ(CountEntries(client().clvydolkm), 0);
    EXPECT_EQ(client().clvydolok[0], "700\t20.05.2002\t(за 20.05.2002)Работа");
    EXPECT_EQ(CountEntries(client().clvydolok), 2);
    EXPECT_TRUE(SideSettled(doc, Side::OwedByYou, 1, ui.Today()));
    EXPECT_TRUE(client().clondolok[0].empty());
    ui.ExpectAllAnswered();
}

TEST_F(ClientWindowTest, RepaymentRefusalsInOrder) {
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 0));
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedByYou, 0));
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));  // empty entry: silent
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Выберите платеж, который Вам должны вернуть.");
    EXPECT_EQ(ui.messages[1].text, "Выберите платеж, который Вы должны вернуть.");
    EXPECT_EQ(ui.messages[1].icon, Icon::Exclamation);

    PushEntry(client().clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    ui.messages.clear();
    ui.Answer(Answer::No);  // the first question
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_TRUE(ui.prompts.empty());

    ui.Answer(Answer::Yes);
    ui.Input(",5");         // reads 0.5 after the comma rule, so it passes
    ui.Answer(Answer::No);  // but the last question is declined
    EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1));

    for (const char* bad : {"0", "-5", "abc"}) {
        ui.messages.clear();
        ui.Answer(Answer::Yes);
        ui.Input(bad);
        EXPECT_FALSE(ReturnPayment(doc, ui, Side::OwedToYou, 1)) << bad;
        ASSERT_EQ(ui.messages.size(), 2u) << bad;
        EXPECT_EQ(ui.messages[1].text,
                  "Нужно ввести сумму возвращаемых денег - положительное число!");
        EXPECT_EQ(ui.messages[1].icon, Icon::Critical);
    }
    EXPECT_EQ(CountEntries(client().clondolok), 0);
    EXPECT_FALSE(doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(ClientWindowTest, PartRepaymentWithCommaCountsAsTyped) {
    PushEntry(client().clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    ui.Answer(Answer::Yes);
    ui.Input("250,5");
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_EQ(client().clondolok[0], "250.5\t15.03.2002\t(за 3.2002)Работа");
    EXPECT_DOUBLE_EQ(Due(Side::OwedToYou, 1), 749.5);

    ui.Answer(Answer::Yes);
    ui.Input("1");
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(ReturnPayment(doc, ui, Side::OwedToYou, 1));
    EXPECT_EQ(ui.prompts.back(), "Введите сумму, которую вы хотите вернуть (не более  749.5)");
    EXPECT_EQ(ui.proposals.back(), "749.5");
}

TEST_F(ClientWindowTest, AmountDueMessages) {
    PushEntry(client().clondolkm, "1000\t20.05.2002\tРемонт");
    PushEntry(client().clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    PushEntry(client().clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
    PushEntry(client().clvydolkm, "250,5\tежемесячно\t(за 3.2002)Аренда");
    PushEntry(client().clvydolok, "250.5\t05.03.2002\t(за 3.2002)Аренда");

    ShowAmountDue(doc, ui, Side::OwedToYou, 0);
    ShowAmountDue(doc, ui, Side::OwedToYou, 3);  // no such payment: silent
    ShowAmountDue(doc, ui, Side::OwedToYou, 2);
    ShowAmountDue(doc, ui, Side::OwedToYou, 1);
    ShowAmountDue(doc, ui, Side::OwedByYou, 1);
    client().ienum = 2;
    PushEntry(client().clvydolkm, "80\tежемесячно\t(за 3.2002)Связь");
    ShowAmountDue(doc, ui, Side::OwedByYou, 1);
    PushEntry(client().clondolok, "600\t06.03.2002\t(за 3.2002)Работа");
    ShowAmountDue(doc, ui, Side::OwedToYou, 1);

    const std::vector<std::string> expected = {
        "Выберите запись в списке.",
        "Эта функция (определение суммы,выплаченной по данному платежу) предназначена только "
        "для ежемесячных платежей.\r\n\r\nЭта информация для датированных платежей выводится "
        "в таблице в столбце Сумма.",
        "По данному платежу Вам еще должны выплатить: 600 из 1000 (р.)",
        "По данному платежу Вы ВСЕ выплатили.",
        "По данному платежу Вам еще нужно выплатить: 80 из 80 ($)",
        "По данному платежу Вам ВСЕ было выплачено.",
    };
    EXPECT_EQ(ui.Texts(), expected);
    EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    for (std::size_t i = 1; i < ui.messages.size(); ++i)
        EXPECT_EQ(ui.messages[i].icon, Icon::Information) << i;
}

TEST_F(ClientWindowTest, DeletingAReturnMakesTheMonthDueAgain) {
    PushEntry(client().clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    PushEntry(client().clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
    PushEntry(client().clondolok, "600\t10.03.2002\t(за 3.2002)Работа");
    ASSERT_EQ(Due(Side::OwedToYou, 1), 0);

    ui.Answer(Answer::No);
    EXPECT_FALSE(DeleteReturn(doc, ui, Side::OwedToYou, 2));
    EXPECT_EQ(ui.messages[0].text,
              "Информация из этого списка используется программой для определения "
              "задолжностей по выплатам. Удалять ее не рекомендуется.\r\n\r\nВы уверены, что "
              "хотите удалить запись:\r\n400\t05.03.2002\t(за 3.2002)Работа  ?");
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(Due(Side::OwedToYou, 1), 0);
    EXPECT_FALSE(doc.Dirty);

    ui.Answer(Answer::Yes);
    EXPECT_TRUE(DeleteReturn(doc, ui, Side::OwedToYou, 2));
    EXPECT_DOUBLE_EQ(Due(Side::OwedToYou, 1), 400);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(ReturnsTableText(doc, Side::OwedToYou),
              "\tСумма,р.\tДата возвращения\tИнформация\r\n"
              "1\t600\t10.03.2002\t(за 3.2002)Работа\r\n");
    EXPECT_FALSE(DeleteReturn(doc, ui, Side::OwedToYou, 2));  // empty row: nothing asked
    ui.ExpectAllAnswered();
}

TEST(ClientReportDates, MenuDates) {
    EXPECT_EQ(ReportDateThisMonth(Date{2002, 3, 15}), (Date{2002, 3, 15}));
    EXPECT_EQ(ReportDatePreviousMonth(Date{2002, 3, 15}), (Date{2002, 2, 28}));
    EXPECT_EQ(ReportDatePreviousMonth(Date{2004, 3, 1}), (Date{2004, 2, 29}));
    EXPECT_EQ(ReportDatePreviousMonth(Date{2003, 1, 31}), (Date{2002, 12, 31}));
    EXPECT_EQ(ReportDateOfMonth(11, Date{2002, 3, 15}), (Date{2002, 11, 1}));
}

}  // namespace
}  // namespace kz
