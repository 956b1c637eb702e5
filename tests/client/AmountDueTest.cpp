#include <gtest/gtest.h>

#include "windows/client/ClientPayments.h"

namespace kz {
namespace {

const Date kMarch15{2002, 3, 15};

BudgetFile OneClient() {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    doc.clientkol = 1;
    doc.Client(1).clientname = "Иванов";
    return doc;
}

TEST(AmountDue, MonthlyPaymentSettledByTwoReturnsOfItsMonth) {
    BudgetFile doc = OneClient();
    ClientRecord& c = doc.Client(1);
    PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    PushEntry(c.clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
    EXPECT_DOUBLE_EQ(AmountDue(doc, Side::OwedToYou, 1, 1, kMarch15), 600);
    EXPECT_FALSE(SideSettled(doc, Side::OwedToYou, 1, kMarch15));
    EXPECT_FALSE(PaymentSettled(c, Side::OwedToYou, 1));

    PushEntry(c.clondolok, "600\t10.03.2002\t(за 3.2002)Работа");
    EXPECT_EQ(AmountDue(doc, Side::OwedToYou, 1, 1, kMarch15), 0);
    EXPECT_TRUE(SideSettled(doc, Side::OwedToYou, 1, kMarch15));
    EXPECT_TRUE(PaymentSettled(c, Side::OwedToYou, 1));

    // The other side has its own lists and is untouched.
    EXPECT_EQ(AmountDue(doc, Side::OwedByYou, 1, 1, kMarch15), -1);

    // Deleting a return makes the payment due again by its amount.
    RemoveEntry(c.clondolok, 2);  // the 400
    EXPECT_DOUBLE_EQ(AmountDue(doc, Side::OwedToYou, 1, 1, kMarch15), 400);
    EXPECT_FALSE(SideSettled(doc, Side::OwedToYou, 1, kMarch15));
}

TEST(AmountDue, ReturnsOfOtherInfosDoNotCount) {
    BudgetFile doc = OneClient();
    ClientRecord& c = doc.Client(1);
    PushEntry(c.clvydolkm, "1000\tежемесячно\t(за 4.2002)Работа");
    PushEntry(c.clvydolok, "1000\t05.03.2002\t(за 3.2002)Работа");  // last month's
    PushEntry(c.clvydolok, "250.5\t05.04.2002\t(за 4.2002)Работа");
    PushEntry(c.clondolok, "500\t05.04.2002\t(за 4.2002)Работа");  // other side
    EXPECT_DOUBLE_EQ(AmountDue(doc, Side::OwedByYou, 1, 1, kMarch15), 749.5);
}

TEST(AmountDue, EmptyEntriesAndOverpayment) {
    BudgetFile doc = OneClient();
    EXPECT_EQ(AmountDue(doc, Side::OwedToYou, 1, 1, kMarch15), -1);
    EXPECT_TRUE(SideSettled(doc, Side::OwedToYou, 1, kMarch15));
    EXPECT_TRUE(SideSettled(doc, Side::OwedByYou, 1, kMarch15));

    // 60 + 60 passes 100 without ever equalling it: nothing due, yet not
    // marked as settled in the table.
    ClientRecord& c = doc.Client(1);
    PushEntry(c.clondolkm, "100\tежемесячно\t(за 3.2002)Ремонт");
    PushEntry(c.clondolok, "60\t01.03.2002\t(за 3.2002)Ремонт");
    PushEntry(c.clondolok, "60\t02.03.2002\t(за 3.2002)Ремонт");
    EXPECT_EQ(AmountDue(doc, Side::OwedToYou, 1, 1, kMarch15), 0);
    EXPECT_TRUE(SideSettled(doc, Side::OwedToYou, 1, kMarch15));
    EXPECT_FALSE(PaymentSettled(c, Side::OwedToYou, 1));
    EXPECT_EQ(AmountDue(doc, Side::OwedToYou, 1, 2, kMarch15), -1);
}

TEST(AmountDue, CommaAmountsAndStopAtExactTotal) {
    BudgetFile doc = OneClient();
    ClientRecord& c = doc.Client(1);
    PushEntry(c.clondolkm, "250,5\tежемесячно\t(за 3.2002)Аренда");
    // Newest first: 250.5 settles it exactly; the older 100 after it is not added.
    PushEntry(c.clondolok, "100\t01.03.2002\t(за 3.2002)Аренда");
    PushEntry(c.clondolok, "250.5\t02.03.2002\t(за 3.2002)Аренда");
    EXPECT_EQ(AmountDue(doc, Side::OwedToYou, 1, 1, kMarch15), 0);
    EXPECT_TRUE(PaymentSettled(c, Side::OwedToYou, 1));

    // One unsettled payment among settled ones keeps the side open.
    PushEntry(c.clondolkm, "70\t01.06.2002\tДоставка");
    EXPECT_DOUBLE_EQ(AmountDue(doc, Side::OwedToYou, 1, 1, kMarch15), 70);
    EXPECT_FALSE(SideSettled(doc, Side::OwedToYou, 1, kMarch15));
}

}  // namespace
}  // namespace kz
