#include <gtest/gtest.h>

#include "core/Text.h"
#include "finance/Finance.h"

namespace kz {
namespace {

// Amount due of "amount, loan date, person, reason, return sum, percent, return date".
std::string Due(const std::string& amount, const std::string& date, const std::string& returnSum,
                const std::string& percent, const std::string& returnDate, Date today) {
    const std::string entry =
        amount + "\t" + date + "\tИван\tремонт\t" + returnSum + "\t" + percent + "\t" + returnDate;
    return AmountText(ComputeReturn(entry, today).ReturnAmount);
}

TEST(ComputeReturn, InterestAccruesByDaysUntilTheReturnDateOrToday) {
    // 30 days at 3 %: 1000 + 1000 * 30 * 0.03 / 30; it keeps growing without a return date.
    EXPECT_EQ(Due("1000", "01.03.2002", "", "3", "", Date{2002, 3, 31}), "1030");
    EXPECT_EQ(Due("1000", "01.03.2002", "", "3", "", Date{2002, 4, 30}), "1060");
    EXPECT_EQ(Due("1000", "01.03.2002", "", "3", "", Date{2002, 3, 1}), "1000");
    // A return date fixes the sum whatever today is: 15 days.
    for (Date today : {Date{2002, 3, 2}, Date{2010, 1, 1}})
        EXPECT_EQ(Due("1000", "01.03.2002", "", "3", "16.03.2002", today), "1015");
    // Typed dates in other forms count too.
    EXPECT_EQ(Due("300", "1/3/02", "", "3", "31-3-02", Date{2003, 1, 1}), "309");

    ReturnInfo info = ComputeReturn("1000\t01.03.2002\tИван\t\t\t3\t16.03.2002", Date{});
    EXPECT_EQ(info.Person, "Иван");
    EXPECT_EQ(info.ReturnDate, (Date{2002, 3, 16}));
    EXPECT_EQ(ComputeReturn("1000\t01.03.2002\tИван\t\t\t3\t", Date{}).ReturnDate, kZeroDate);
}

TEST(ComputeReturn, ReturnSumWinsAndIsReadWithCommaOrPoint) {
    EXPECT_EQ(Due("1000", "01.03.2002", "1200", "3", "16.03.2002", Date{2002, 12, 1}), "1200");
    EXPECT_EQ(Due("1000", "01.03.2002", "1200,5", "", "", Date{2002, 3, 5}), "1200,5");
    EXPECT_EQ(Due("1000", "01.03.2002", "1200.5", "", "", Date{2002, 3, 5}), "1200,5");
    // A return sum that reads as 0 falls through to the percent; no percent gives the amount.
    EXPECT_EQ(Due("1000", "01.03.2002", "нет", "", "", Date{2003, 1, 1}), "1000");
}

TEST(ComputeReturn, AmountDueIsCutNotRounded) {
    EXPECT_EQ(Due("1000", "01.03.2002", "", "10", "11.03.2002", Date{}), "1033,33");
    // 2 days at 2.5 % of 999,5 = 1001.16583...; rounding would give 1001.17.
    EXPECT_EQ(Due("999,5", "01.03.2002", "", "2,5", "03.03.2002", Date{}), "1001,16");
    EXPECT_EQ(Due("1", "01.03.2002", "1015,999", "", "", Date{}), "1015,99");
    // 100 at 7 % for 72 days comes out as 116.80000000000001: the amount due is what is shown.
    EXPECT_EQ(ComputeReturn("100\t01.03.2002\tИван\t\t\t7\t12.05.2002", Date{}).ReturnAmount,
              116.8);
    EXPECT_EQ(CutToCents(108.339), 108.33);
    EXPECT_EQ(CutToCents(-7.129), -7.12);
    // Small amounts in exponent form are cut from their fixed-point form.
    EXPECT_EQ(CutToCents(0.0999999999999943), 0.09);
    EXPECT_EQ(Due("1", "01.03.2002", "0,0999999999999943", "", "", Date{}), "0,09");
    EXPECT_EQ(CutToCents(1.5e-15), 0);
}

TEST(ComputeReturn, EmptyAndDamagedEntries) {
    ReturnInfo empty = ComputeReturn("", Date{2002, 3, 1});
    EXPECT_EQ(empty.ReturnAmount, 0);
    EXPECT_EQ(empty.Person, "");
    EXPECT_EQ(empty.ReturnDate, kZeroDate);
    // A loan date that is no date accrues nothing; a bad return date counts as none.
    EXPECT_EQ(Due("500", "вчера", "", "3", "", Date{2003, 1, 1}), "500");
    EXPECT_EQ(Due("500", "01.03.2002", "", "3", "31.02.2002", Date{2002, 3, 31}), "515");
    // Typed numbers beyond every number count as none; the amount stays due.
    EXPECT_EQ(Due("500", "01.03.2002", "1e400", "", "", Date{2002, 3, 31}), "500");
    EXPECT_EQ(Due("500", "01.03.2002", "", "1e400", "", Date{2002, 3, 31}), "500");
    EXPECT_EQ(Due("1e400", "01.03.2002", "", "3", "", Date{2002, 3, 31}), "0");
}

}  // namespace
}  // namespace kz
