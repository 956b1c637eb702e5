#include <gtest/gtest.h>

#include "windows/client/ClientPayments.h"

namespace kz {
namespace {

// Settlement of a whole side, read once per return, must agree with the
// amount still due on each payment.
TEST(Settlement, SideSettledAgreesWithAmountDue) {
    struct Case {
        const char* what;
        std::vector<std::string> payments, returns;
        bool settled;
    };
    const std::vector<Case> cases = {
        {"no payments", {}, {"100\t01.10.2002\t(за 10.2002)аренда"}, true},
        {"paid by two returns",
         {"1000\tежемесячно\t(за 10.2002)аренда"},
         {"400\t05.10.2002\t(за 10.2002)аренда", "600\t20.10.2002\t(за 10.2002)аренда"},
         true},
        {"partly paid",
         {"1000\tежемесячно\t(за 10.2002)аренда"},
         {"400\t05.10.2002\t(за 10.2002)аренда"},
         false},
        {"overpaid without an exact total",
         {"1000\tежемесячно\t(за 10.2002)аренда"},
         {"600\t05.10.2002\t(за 10.2002)аренда", "600\t20.10.2002\t(за 10.2002)аренда"},
         true},
        {"another month's return",
         {"1000\tежемесячно\t(за 10.2002)аренда"},
         {"1000\t05.09.2002\t(за 9.2002)аренда"},
         false},
        {"a dated payment keeps what is owed",
         {"700\t20.05.2002\tРабота"},
         {"300\t10.05.2002\t(за 20.05.2002)Работа"},
         false},
        {"comma amounts",
         {"250,5\tежемесячно\t(за 10.2002)x"},
         {"250.5\t01.10.2002\t(за 10.2002)x"},
         true},
        {"a field behind the info",
         {"500\tежемесячно\t(за 10.2002)x\tлишнее"},
         {"500\t01.10.2002\t(за 10.2002)x\t"},
         true},
        {"no info at all", {"500\tежемесячно"}, {"500\t01.10.2002"}, true},
        {"cents that do not add up exactly",
         {"0,6\tежемесячно\t(за 10.2002)x"},
         {"0.1\t01.10.2002\t(за 10.2002)x", "0.2\t02.10.2002\t(за 10.2002)x",
          "0.3\t03.10.2002\t(за 10.2002)x"},
         true},
        {"one open among settled",
         {"100\tежемесячно\t(за 10.2002)a", "100\tежемесячно\t(за 10.2002)b"},
         {"100\t01.10.2002\t(за 10.2002)a"},
         false},
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
            const Date today{2002, 10, 25};
            EXPECT_EQ(SideSettled(doc, side, 1, today), c.settled) << c.what;
            bool anyDue = false;
            for (int i = 1; i <= kListSize; ++i) anyDue = anyDue || AmountDue(doc, side, 1, i, today) > 0;
            EXPECT_EQ(SideSettled(doc, side, 1, today), !anyDue) << c.what;
        }
    }
}

}  // namespace
}  // namespace kz
