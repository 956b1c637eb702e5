#include <gtest/gtest.h>

#include "client/ClientFixture.h"
#include "finance/Settlement.h"

namespace kz {
namespace {

using Entries = std::vector<std::string>;

// Settlement of a whole side must agree with the amount still due on each
// payment; a payment is marked settled only where a return brings the total
// exactly to its amount.
TEST(Settlement, SideSettledAgreesWithAmountDueAndPaymentSettled) {
    const std::string rent = "1000\tежемесячно\t(за 10.2002)аренда";
    const auto paid = [](const char* sum, const char* info = "(за 10.2002)аренда") {
        return std::string(sum) + "\t05.10.2002\t" + info;
    };
    struct Case {
        const char* what;
        Entries payments, returns;
        bool settled;
        std::vector<bool> marked;  // PaymentSettled of each payment
    };
    // clang-format off
    const Case cases[] = {
        {"no payments", {}, {paid("100")}, true, {}},
        {"paid by two returns", {rent}, {paid("400"), paid("600")}, true, {true}},
        {"partly paid", {rent}, {paid("400")}, false, {false}},
        {"overpaid without an exact total", {rent}, {paid("600"), paid("600")}, true, {false}},
        {"another month's return", {rent}, {paid("1000", "(за 9.2002)аренда")}, false, {false}},
        {"a dated payment keeps what is owed", {"700\t20.05.2002\tРабота"},
         {paid("300", "(за 20.05.2002)Работа")}, false, {false}},
        {"a field behind the info", {"500\tежемесячно\t(за 10.2002)x\tлишнее"},
         {paid("500", "(за 10.2002)x\t")}, true, {true}},
        {"no info at all", {"500\tежемесячно"}, {"500\t01.10.2002"}, true, {true}},
        {"nothing paid on a payment of 0", {"0\tежемесячно\t(за 10.2002)x"}, {}, true, {false}},
        // The float sums are 0.6000000000000001 and 300.29999999999995.
        {"cents a little over", {"0,6\tежемесячно\t(за 10.2002)x"},
         {paid("0.1", "(за 10.2002)x"), paid("0.2", "(за 10.2002)x"), paid("0.3", "(за 10.2002)x")},
         true, {true}},
        {"cents a little under", {"300,3\tежемесячно\t(за 10.2002)x"},
         {paid("100,1", "(за 10.2002)x"), paid("200,2", "(за 10.2002)x")}, true, {true}},
        {"one open among settled",
         {"100\tежемесячно\t(за 10.2002)a", "100\tежемесячно\t(за 10.2002)b"},
         {paid("100", "(за 10.2002)a")}, false, {true, false}},
    };
    // clang-format on
    for (const Case& c : cases) {
        for (Side side : {Side::OwedToYou, Side::OwedByYou}) {
            SCOPED_TRACE(c.what);
            BudgetFile doc = test::DocWithClient();
            ClientRecord& cl = doc.Client(1);
            // Leave a gap: readers must not stop at an empty slot.
            for (std::size_t i = 0; i < c.payments.size(); ++i)
                PaymentList(cl, side)[i * 2] = c.payments[i];
            for (std::size_t i = 0; i < c.returns.size(); ++i)
                ReturnList(cl, side)[i * 3] = c.returns[i];
            EXPECT_EQ(SideSettled(doc, side, 1), c.settled);
            bool anyDue = false;
            for (int i = 1; i <= kListSize; ++i) anyDue = anyDue || AmountDue(doc, side, 1, i) > 0;
            EXPECT_EQ(SideSettled(doc, side, 1), !anyDue);
            for (std::size_t i = 0; i < c.marked.size(); ++i)
                EXPECT_EQ(PaymentSettled(doc, side, 1, static_cast<int>(i * 2 + 1)), c.marked[i])
                    << "payment " << i + 1;
        }
    }
}

}  // namespace
}  // namespace kz
