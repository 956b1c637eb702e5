#include <gtest/gtest.h>

#include "client/ClientFixture.h"
#include "finance/Settlement.h"

namespace kz {
namespace {

TEST(AmountDue, ReturnsOfThePaymentsMonthSettleIt) {
    BudgetFile doc = test::DocWithClient();
    ClientRecord& c = doc.Client(1);
    EXPECT_EQ(AmountDue(doc, Side::OwedToYou, 1, 1), -1);
    EXPECT_TRUE(SideSettled(doc, Side::OwedToYou, 1));

    PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
    PushEntry(c.clondolok, "1000\t05.02.2002\t(за 2.2002)Работа");  // last month's
    PushEntry(c.clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
    PushEntry(c.clvydolok, "600\t05.03.2002\t(за 3.2002)Работа");  // the other side's
    EXPECT_DOUBLE_EQ(AmountDue(doc, Side::OwedToYou, 1, 1), 600);
    EXPECT_FALSE(SideSettled(doc, Side::OwedToYou, 1));
    EXPECT_TRUE(SideSettled(doc, Side::OwedByYou, 1));

    PushEntry(c.clondolok, "600\t10.03.2002\t(за 3.2002)Работа");
    EXPECT_EQ(AmountDue(doc, Side::OwedToYou, 1, 1), 0);
    EXPECT_TRUE(SideSettled(doc, Side::OwedToYou, 1));
    EXPECT_TRUE(PaymentSettled(doc, Side::OwedToYou, 1, 1));

    RemoveEntry(c.clondolok, 2);  // the 400
    EXPECT_DOUBLE_EQ(AmountDue(doc, Side::OwedToYou, 1, 1), 400);

    // 60 + 60 runs past 100 without equalling it: nothing is due, yet the
    // payment is not marked settled. Amounts with a comma count in full.
    PushEntry(c.clvydolkm, "100\tежемесячно\t(за 3.2002)Уборка");
    PushEntry(c.clvydolkm, "250,5\tежемесячно\t(за 3.2002)Аренда");
    PushEntry(c.clvydolok, "60\t01.03.2002\t(за 3.2002)Уборка");
    PushEntry(c.clvydolok, "60\t02.03.2002\t(за 3.2002)Уборка");
    PushEntry(c.clvydolok, "250.5\t02.03.2002\t(за 3.2002)Аренда");
    EXPECT_EQ(AmountDue(doc, Side::OwedByYou, 1, 2), 0);
    EXPECT_FALSE(PaymentSettled(doc, Side::OwedByYou, 1, 2));
    EXPECT_EQ(AmountDue(doc, Side::OwedByYou, 1, 1), 0);
    EXPECT_TRUE(PaymentSettled(doc, Side::OwedByYou, 1, 1));
    EXPECT_TRUE(SideSettled(doc, Side::OwedByYou, 1));
}

}  // namespace
}  // namespace kz
