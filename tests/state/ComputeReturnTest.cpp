#include <gtest/gtest.h>

#include "core/Text.h"
#include "reports/Finance.h"

namespace kz {
namespace {

std::string Debt(const std::string& amount, const std::string& date, const std::string& person,
                 const std::string& returnSum, const std::string& percent,
                 const std::string& returnDate) {
    return amount + "\t" + date + "\t" + person + "\tна ремонт\t" + returnSum + "\t" + percent +
           "\t" + returnDate;
}

TEST(ComputeReturn, InterestAccruesByDaysUntilTodayWithoutReturnDate) {
    const std::string debt = Debt("1000", "01.03.2002", "Иван", "", "3", "");
    ReturnInfo info = ComputeReturn(debt, Date{2002, 3, 31});
    EXPECT_EQ(AmountText(info.ReturnAmount), "1030");
    EXPECT_EQ(info.Person, "Иван");
    EXPECT_EQ(info.ReturnDate, kZeroDate);

    // It keeps growing every day; on the loan day nothing has accrued yet.
    EXPECT_EQ(AmountText(ComputeReturn(debt, Date{2002, 4, 30}).ReturnAmount), "1060");
    EXPECT_EQ(AmountText(ComputeReturn(debt, Date{2002, 3, 1}).ReturnAmount), "1000");
}

TEST(ComputeReturn, ReturnDateFixesTheAmountDue) {
    const std::string debt = Debt("1000", "01.03.2002", "Иван", "", "3", "16.03.2002");
    for (Date today : {Date{2002, 3, 2}, Date{2002, 3, 31}, Date{2010, 1, 1}}) {
        ReturnInfo info = ComputeReturn(debt, today);
        EXPECT_EQ(AmountText(info.ReturnAmount), "1015");
        EXPECT_EQ(info.ReturnDate, (Date{2002, 3, 16}));
    }
}

TEST(ComputeReturn, ReturnSumWinsOverPercentAndDates) {
    EXPECT_EQ(ComputeReturn(Debt("1000", "01.03.2002", "Петр", "1200", "3", "16.03.2002"),
                            Date{2002, 12, 1})
                  .ReturnAmount,
              1200);
    // The decimals of a typed return sum may follow a comma or a point.
    EXPECT_EQ(ComputeReturn(Debt("1000", "01.03.2002", "Петр", "1200,5", "", ""), Date{2002, 3, 5})
                  .ReturnAmount,
              1200.5);
    EXPECT_EQ(ComputeReturn(Debt("1000", "01.03.2002", "Петр", "1200.5", "", ""), Date{2002, 3, 5})
                  .ReturnAmount,
              1200.5);
    // A return sum that reads as 0 falls through to the percent; no percent means the amount.
    EXPECT_EQ(ComputeReturn(Debt("1000", "01.03.2002", "Петр", "нет", "", ""), Date{2003, 1, 1})
                  .ReturnAmount,
              1000);
}

TEST(ComputeReturn, AmountDueIsCutNotRounded) {
    // 10 days at 10 % of 1000: 1033.333...
    EXPECT_EQ(AmountText(ComputeReturn(Debt("1000", "01.03.2002", "А", "", "10", "11.03.2002"),
                                       Date{2002, 3, 20})
                             .ReturnAmount),
              "1033,33");
    // 2 days at 2.5 % of 999,5: 1001.16583... stays 1001.16 (rounding would give 1001.17).
    EXPECT_EQ(AmountText(ComputeReturn(Debt("999,5", "01.03.2002", "А", "", "2,5", "03.03.2002"),
                                       Date{2002, 3, 20})
                             .ReturnAmount),
              "1001,16");
    EXPECT_EQ(AmountText(
                  ComputeReturn(Debt("1", "01.03.2002", "А", "1015,999", "", ""), Date{2002, 3, 20})
                      .ReturnAmount),
              "1015,99");
    EXPECT_EQ(CutToCents(108.339), 108.33);
    EXPECT_EQ(CutToCents(-7.129), -7.12);
    EXPECT_EQ(CutToCents(12.5), 12.5);
}

TEST(ComputeReturn, EmptyAndShortEntries) {
    ReturnInfo empty = ComputeReturn("", Date{2002, 3, 1});
    EXPECT_EQ(empty.ReturnAmount, 0);
    EXPECT_EQ(empty.Person, "");
    EXPECT_EQ(empty.ReturnDate, kZeroDate);

    // Typed dates are read as the user may type them: short year, other separators.
    ReturnInfo typed =
        ComputeReturn(Debt("300", "1/3/02", "Оля", "", "3", "31-3-02"), Date{2003, 1, 1});
    EXPECT_EQ(AmountText(typed.ReturnAmount), "309");
    EXPECT_EQ(typed.ReturnDate, (Date{2002, 3, 31}));

    // Neither a damaged loan date nor a damaged return date stops the computation.
    ReturnInfo badLoan = ComputeReturn(Debt("500", "вчера", "Оля", "", "3", ""), Date{2003, 1, 1});
    EXPECT_EQ(badLoan.ReturnAmount, 500);
    ReturnInfo badReturn =
        ComputeReturn(Debt("500", "01.03.2002", "Оля", "", "3", "31.02.2002"), Date{2002, 3, 31});
    EXPECT_EQ(badReturn.ReturnDate, kZeroDate);
    EXPECT_EQ(AmountText(badReturn.ReturnAmount), "515");
}

}  // namespace
}  // namespace kz
