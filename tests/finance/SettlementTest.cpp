#include <gtest/gtest.h>

#include "finance/Settlement.h"

namespace kz {
namespace {

// Settlement of a whole side must agree with the amount still due on each
// payment; a payment is marked settled only where a return brings the total
// exactly to its amount.
TEST(Settlement, SideSettledAgreesWithAmountDueAndPaymentSettled) {
    struct Case {
        const char* what;
        std::vector<std::string> payments, returns;
        bool settled;
        std::vector<bool> marked;  // PaymentSettled of each payment
    };
    const std::vector<Case> cases = {
        {"no payments", {}, {"100\t01.10.2002\t(за 10.2002)аренда"}, true, {}},
        {"paid by two returns",
         {"1000\tежемесячно\t(за 10.2002)аренда"},
         {"400\t05.10.2002\t(за 10.2002)аренда", "600\t20.10.2002\t(за 10.2002)аренда"},
         true,
         {true}},
        {"partly paid",
         {"1000\tежемесячно\t(за 10.2002)аренда"},
         {"400\t05.10.2002\t(за 10.2002)аренда"},
         false,
         {false}},
        {"overpaid without an exact total",
         {"1000\tежемесячно\t(за 10.2002)аренда"},
         {"600\t05.10.2002\t(за 10.2002)аренда", "600\t20.10.2002\t(за 10.2002)аренда"},
         true,
         {false}},
        {"another month's return",
         {"1000\tежемесячно\t(за 10.2002)аренда"},
         {"1000\t05.09.2002\t(за 9.2002)аренда"},
         false,
         {false}},
        {"a dated payment keeps what is owed",
         {"700\t20.05.2002\tРабота"},
         {"300\t10.05.2002\t(за 20.05.2002)Работа"},
         false,
         {false}},
        {"comma amounts",
         {"250,5\tежемесячно\t(за 10.2002)x"},
         {"250.5\t01.10.2002\t(за 10.2002)x"},
         true,
         {true}},
        {"a field behind the info",
         {"500\tежемесячно\t(за 10.2002)x\tлишнее"},
         {"500\t01.10.2002\t(за 10.2002)x\t"},
         true,
         {true}},
        {"no info at all", {"500\tежемесячно"}, {"500\t01.10.2002"}, true, {true}},
        {"nothing paid on a payment of 0", {"0\tежемесячно\t(за 10.2002)x"}, {}, true, {false}},
        // The float sums are 0.6000000000000001 and 300.29999999999995.
        {"cents whose float sum is a little over",
         {"0,6\tежемесячно\t(за 10.2002)x"},
         {"0.1\t01.10.2002\t(за 10.2002)x", "0.2\t02.10.2002\t(за 10.2002)x",
          "0.3\t03.10.2002\t(за 10.2002)x"},
         true,
         {true}},
        {"cents whose float sum is a little under",
         {"300,3\tежемесячно\t(за 10.2002)x"},
         {"100,1\t01.10.2002\t(за 10.2002)x", "200,2\t02.10.2002\t(за 10.2002)x"},
         true,
         {true}},
        {"one open among settled",
         {"100\tежемесячно\t(за 10.2002)a", "100\tежемесячно\t(за 10.2002)b"},
         {"100\t01.10.2002\t(за 10.2002)a"},
         false,
         {true, false}},
    };
    for (const Case& c : cases) {
        for (Side side : {Side::OwedToYou, Side::OwedByYou}) {
            BudgetFile doc;
            FillNewDocumentDefaults(doc);
            doc.clientkol = 1;
            ClientRecord& cl = doc.Client(1);
            // Leave a gap: readers must not stop at an empty slot.
            for (std::size_t i = 0; i < c.payments.size(); ++i)
                PaymentList(cl, side)[i * 2] = c.payments[i];
            for (std::size_t i = 0; i < c.returns.size(); ++i)
                ReturnList(cl, side)[i * 3] = c.returns[i];
            EXPECT_EQ(SideSettled(doc, side, 1), c.settled) << c.what;
            bool anyDue = false;
            for (int i = 1; i <= kListSize; ++i) anyDue = anyDue || AmountDue(doc, side, 1, i) > 0;
            EXPECT_EQ(SideSettled(doc, side, 1), !anyDue) << c.what;
            for (std::size_t i = 0; i < c.marked.size(); ++i)
                EXPECT_EQ(PaymentSettled(doc, side, 1, static_cast<int>(i * 2 + 1)), c.marked[i])
                    << c.what << ", payment " << i + 1;
        }
    }
}

}  // namespace
}  // namespace kz
