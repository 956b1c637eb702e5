#include <gtest/gtest.h>

#include "ClientFixture.h"
#include "windows/client/PaymentEntry.h"

namespace kz {
namespace {

struct PaymentEntryTest : ::testing::Test {
    BudgetFile doc = test::DocWithClient();
    test::ScriptedPlatform ui;
    const EntryList& owed() { return doc.Client(1).clondolkm; }
    bool Add(const PaymentForm& f, Side side = Side::OwedToYou) {
        return SavePayment(doc, ui, PaymentMode::Add, side, 0, f);
    }
    void SetUp() override { ui.SetToday(15, 3, 2002); }
};

TEST_F(PaymentEntryTest, ChecksRunInOrderAndChangeNothing) {
    const std::pair<PaymentForm, const char*> cases[] = {
        // The amount is read before the comma rule, so "0,5" reads 0.
        {{"0,5", "20.05.2002", "Работа", false}, "Введите возвращаемую сумму."},
        {{"100", "", "", false}, "Необходимо ввести уникальную информацию в поле Информация"},
        {{"100", "", "Работа", false}, "Надо указать дату возврата!"},
        {{"100", "31.02.2002", "Работа", false}, "Надо указать дату возврата!"},
    };
    for (const auto& [form, message] : cases) {
        ui.messages.clear();
        EXPECT_FALSE(Add(form)) << form.sum;
        EXPECT_EQ(ui.Texts(), std::vector<std::string>{message}) << form.sum;
    }
    EXPECT_EQ(CountEntries(owed()), 0);
    EXPECT_FALSE(doc.Dirty);
}

TEST_F(PaymentEntryTest, StoredEntriesAndInfosThatMustStayUniqueForReturnsToFindThem) {
    EXPECT_TRUE(Add({"250,5", "20.05.2002", "Ремонт", false}));
    EXPECT_TRUE(Add({"0.5", "14/3/02", "Мелочь", false}));  // yesterday, typed: accepted
    EXPECT_TRUE(Add({"1000", "", "Работа", true}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(owed()[0], "1000\tежемесячно\t(за 3.2002)Работа");
    EXPECT_EQ(owed()[1], "0,5\t14/3/02\tМелочь");
    EXPECT_EQ(owed()[2], "250,5\t20.05.2002\tРемонт");

    EXPECT_FALSE(Add({"1000", "", "Работа", true}));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(Add({"1000", "", "Работа", true}, Side::OwedByYou));
    ui.SetToday(1, 4, 2002);
    EXPECT_TRUE(Add({"1000", "", "Работа", true}));  // another month, another prefix
    EXPECT_TRUE(Add({"250,5", "20.05.2002", "Ремонт", false}));
    // What a return of the dated payment would carry clashes.
    EXPECT_FALSE(Add({"300", "20.05.2002", "(за 20.05.2002)Ремонт", false}));
    EXPECT_EQ(CountEntries(owed()), 5);
}

TEST_F(PaymentEntryTest, ChangeModeSplitsTheEntryAndMovesTheMonthPrefix) {
    ClientRecord& c = doc.Client(1);
    PushEntry(c.clvydolkm, "500\t\tБез даты");
    PushEntry(c.clvydolkm, "250,5\t20.05.2002\tРемонт\tкрыши");
    PushEntry(c.clvydolkm, "1000\tежемесячно\t(за 1.2002)Работа");
    PushEntry(c.clvydolok, "400\t05.01.2002\t(за 1.2002)Работа");

    PaymentEntryView v = InitPaymentEntry(doc, ui, PaymentMode::Change, Side::OwedByYou, 2);
    EXPECT_EQ(v.sum + "|" + v.date + "|" + v.source, "250,5|20.05.2002|Ремонт\tкрыши");
    v = InitPaymentEntry(doc, ui, PaymentMode::Change, Side::OwedByYou, 3);
    EXPECT_TRUE(v.dateEnabled);
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Ошибка в записи даты!"});

    // Monthly to dated: the prefix goes, the returns stay.
    v = InitPaymentEntry(doc, ui, PaymentMode::Change, Side::OwedByYou, 1);
    EXPECT_TRUE(v.monthly && !v.dateEnabled);
    const Date today{2002, 3, 15};
    std::string source = ToggleMonthly(PaymentMode::Change, false, v.source, today);
    ASSERT_TRUE(SavePayment(doc, ui, PaymentMode::Change, Side::OwedByYou, 1,
                            {"1200", "01.06.2002", source, false}));
    EXPECT_EQ(c.clvydolkm[0], "1200\t01.06.2002\tРабота");
    EXPECT_EQ(c.clvydolok[0], "400\t05.01.2002\t(за 1.2002)Работа");

    // Dated to monthly: this month's prefix comes in front.
    source = ToggleMonthly(PaymentMode::Change, true, source, today);
    ASSERT_TRUE(
        SavePayment(doc, ui, PaymentMode::Change, Side::OwedByYou, 1, {"1200", "", source, true}));
    EXPECT_EQ(c.clvydolkm[0], "1200\tежемесячно\t(за 3.2002)Работа");
    EXPECT_EQ(CountEntries(c.clvydolkm), 3);

    // The calendar refuses days before today.
    std::string box = "20.05.2002";
    EXPECT_FALSE(PickDate(ui, Date{2002, 3, 14}, box));
    EXPECT_EQ(box, "20.05.2002");
    EXPECT_TRUE(PickDate(ui, Date{2002, 3, 15}, box));
    EXPECT_EQ(box, "15.03.2002");
}

}  // namespace
}  // namespace kz
