#include <gtest/gtest.h>

#include "ClientFixture.h"
#include "windows/client/PaymentEntry.h"

namespace kz {
namespace {

using test::DocWithClient;
using test::ScriptedPlatform;

struct PaymentEntryTest : ::testing::Test {
    BudgetFile doc = DocWithClient();
    ScriptedPlatform ui;
    const EntryList& owed() { return doc.Client(1).clondolkm; }
    void SetUp() override { ui.SetToday(15, 3, 2002); }
};

TEST_F(PaymentEntryTest, ChecksRunInOrderAndChangeNothing) {
    struct Case {
        PaymentForm form;
        const char* message;
        Icon icon;
    };
    const Case cases[] = {
        {{"", "20.05.2002", "Работа", false}, "Введите возвращаемую сумму.", Icon::Information},
        // Read before the comma rule: both read 0.
        {{"0,5", "20.05.2002", "Работа", false}, "Введите возвращаемую сумму.", Icon::Information},
        {{",5", "", "", false}, "Введите возвращаемую сумму.", Icon::Information},
        {{"-10", "20.05.2002", "Работа", false}, "Введите возвращаемую сумму.", Icon::Information},
        {{"100", "", "", false},
         "Необходимо ввести уникальную информацию в поле Информация",
         Icon::None},
        {{"100", "", "Работа", false}, "Надо указать дату возврата!", Icon::None},
        {{"100", "31.02.2002", "Работа", false}, "Надо указать дату возврата!", Icon::None},
        {{"100", "завтра", "Работа", false}, "Надо указать дату возврата!", Icon::None},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        EXPECT_FALSE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0, c.form))
            << c.form.sum << " / " << c.form.date;
        ASSERT_EQ(ui.messages.size(), 1u) << c.form.sum;
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(ui.messages[0].icon, c.icon);
        EXPECT_EQ(ui.messages[0].buttons, Buttons::OK);
        EXPECT_EQ(ui.messages[0].title, kAppTitle);
    }
    EXPECT_EQ(CountEntries(owed()), 0);
    EXPECT_FALSE(doc.Dirty);

    // A monthly payment needs no date at all.
    EXPECT_TRUE(
        SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0, {"100", "", "Работа", true}));
}

TEST_F(PaymentEntryTest, AmountsAndDatesAreStoredAsTheRulesSay) {
    EXPECT_TRUE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0,
                            {"250,5", "20.05.2002", "Ремонт", false}));
    EXPECT_TRUE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0,
                            {"0.5", "20.05.2002", "Мелочь", false}));
    // Yesterday typed by hand is accepted and kept as typed.
    EXPECT_TRUE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0,
                            {" 1500 р.", "14/3/02", "Аванс", false}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(owed()[0], "1500\t14/3/02\tАванс");
    EXPECT_EQ(owed()[1], "0,5\t20.05.2002\tМелочь");
    EXPECT_EQ(owed()[2], "250,5\t20.05.2002\tРемонт");
    EXPECT_EQ(CountEntries(doc.Client(1).clvydolkm), 0);
}

TEST_F(PaymentEntryTest, MonthlyInfosMustDifferWithinASide) {
    const PaymentForm work{"1000", "", "Работа", true};
    ASSERT_TRUE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0, work));
    EXPECT_EQ(owed()[0], "1000\tежемесячно\t(за 3.2002)Работа");

    EXPECT_FALSE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0, work));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Необходимо ввести уникальную информацию-комментарий к данному платежу. Она "
              "будет использоваться программой для автоматических расчетов.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Information);

    // The other side has its own infos; the next month gives another prefix.
    EXPECT_TRUE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedByYou, 0, work));
    ui.SetToday(1, 4, 2002);
    EXPECT_TRUE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0, work));
    EXPECT_EQ(owed()[0], "1000\tежемесячно\t(за 4.2002)Работа");
    EXPECT_EQ(CountEntries(owed()), 2);
}

TEST_F(PaymentEntryTest, DatedInfosClashOnlyWithTheDatePrefixInFront) {
    const PaymentForm repair{"300", "20.05.2002", "Работа", false};
    ASSERT_TRUE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0, repair));
    EXPECT_TRUE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0, repair));
    EXPECT_TRUE(ui.messages.empty());
    // This info is what a return of the first payment would carry.
    EXPECT_FALSE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0,
                             {"300", "20.05.2002", "(за 20.05.2002)Работа", false}));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(CountEntries(owed()), 2);
}

TEST_F(PaymentEntryTest, HundredAndFirstPaymentDropsTheOldest) {
    for (int i = 1; i <= 101; ++i)
        ASSERT_TRUE(SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0,
                                {std::to_string(i), "20.05.2002", "Платеж", false}));
    EXPECT_EQ(CountEntries(owed()), 100);
    EXPECT_EQ(owed()[0], "101\t20.05.2002\tПлатеж");
    EXPECT_EQ(owed()[99], "2\t20.05.2002\tПлатеж");
}

TEST_F(PaymentEntryTest, PreparationForAddAndChange) {
    doc.Client(1).ienum = 2;
    PaymentEntryView add = InitPaymentEntry(doc, ui, PaymentMode::Add, Side::OwedToYou, 0);
    EXPECT_EQ(add.caption, "Добавление платежа");
    EXPECT_EQ(add.sumLabel, "Сумма,$:");
    EXPECT_EQ(add.source, "Работа");
    EXPECT_TRUE(add.sum.empty());
    EXPECT_FALSE(add.monthly);
    EXPECT_EQ(add.calendar, (Date{2002, 3, 15}));

    EntryList& list = doc.Client(1).clvydolkm;
    PushEntry(list, "500\t\tБез даты");
    PushEntry(list, "250,5\t20.05.2002\tРемонт\tкрыши");
    PushEntry(list, "1000\tежемесячно\t(за 3.2002)Работа");

    PaymentEntryView monthly = InitPaymentEntry(doc, ui, PaymentMode::Change, Side::OwedByYou, 1);
    EXPECT_EQ(monthly.caption, "Изменение платежа");
    EXPECT_EQ(monthly.sum, "1000");
    EXPECT_TRUE(monthly.monthly);
    EXPECT_FALSE(monthly.dateEnabled);
    EXPECT_EQ(monthly.source, "(за 3.2002)Работа");

    PaymentEntryView dated = InitPaymentEntry(doc, ui, PaymentMode::Change, Side::OwedByYou, 2);
    EXPECT_EQ(dated.sum, "250,5");
    EXPECT_EQ(dated.date, "20.05.2002");
    EXPECT_EQ(dated.source, "Ремонт\tкрыши");  // everything after the second tab
    EXPECT_TRUE(ui.messages.empty());

    PaymentEntryView broken = InitPaymentEntry(doc, ui, PaymentMode::Change, Side::OwedByYou, 3);
    EXPECT_FALSE(broken.monthly);
    EXPECT_TRUE(broken.dateEnabled);
    EXPECT_EQ(broken.source, "Без даты");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Ошибка в записи даты!");
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
}

TEST_F(PaymentEntryTest, ChangingBetweenMonthlyAndDated) {
    ClientRecord& c = doc.Client(1);
    PushEntry(c.clondolkm, "1000\tежемесячно\t(за 1.2002)Работа");
    PushEntry(c.clondolok, "400\t05.01.2002\t(за 1.2002)Работа");
    const Date today{2002, 3, 15};

    // Monthly to dated: the month prefix goes, the returns stay.
    std::string source = ToggleMonthly(PaymentMode::Change, false, "(за 1.2002)Работа", today);
    EXPECT_EQ(source, "Работа");
    ASSERT_TRUE(SavePayment(doc, ui, PaymentMode::Change, Side::OwedToYou, 1,
                            {"1200", "01.06.2002", source, false}));
    EXPECT_EQ(c.clondolkm[0], "1200\t01.06.2002\tРабота");
    EXPECT_EQ(c.clondolok[0], "400\t05.01.2002\t(за 1.2002)Работа");
    EXPECT_EQ(CountEntries(c.clondolkm), 1);

    // Dated to monthly: the current month's prefix is put in front.
    source = ToggleMonthly(PaymentMode::Change, true, source, today);
    EXPECT_EQ(source, "(за 3.2002)Работа");
    ASSERT_TRUE(SavePayment(doc, ui, PaymentMode::Change, Side::OwedToYou, 1,
                            {"1200", "01.06.2002", source, true}));
    EXPECT_EQ(c.clondolkm[0], "1200\tежемесячно\t(за 3.2002)Работа");

    // In add mode the box is left to the saving step; a text without ")"
    // loses nothing when unticked.
    EXPECT_EQ(ToggleMonthly(PaymentMode::Add, true, "Работа", today), "Работа");
    EXPECT_EQ(ToggleMonthly(PaymentMode::Change, false, "Работа", today), "Работа");
}

TEST_F(PaymentEntryTest, CalendarRefusesDaysBeforeToday) {
    std::string box = "20.05.2002";
    EXPECT_FALSE(PickDate(ui, Date{2002, 3, 14}, box));
    EXPECT_EQ(box, "20.05.2002");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Вы указали дату, предшествующую текущей дате!");
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);

    EXPECT_TRUE(PickDate(ui, Date{2002, 3, 15}, box));
    EXPECT_EQ(box, "15.03.2002");
    EXPECT_TRUE(PickDate(ui, Date{2003, 1, 5}, box));
    EXPECT_EQ(box, "05.01.2003");
}

}  // namespace
}  // namespace kz
