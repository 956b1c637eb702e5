#pragma once

#include <string>

#include "core/Date.h"

namespace kz {

inline constexpr Date kZeroDate{1899, 12, 30};  // "no return date"

struct ReturnInfo {
    double ReturnAmount = 0;
    std::string Person;
    Date ReturnDate = kZeroDate;
};

// Amount due of one debt entry (interest included) on `today`. An empty entry gives 0 and
// kZeroDate.
//
// A debt entry is seven tab-separated fields: amount, loan date, person, reason, return sum,
// percent per month, return date. A non-zero return sum is the amount due; otherwise the
// percent accrues by days, 30 days to the month, up to the return date when there is one and
// up to today when there is none. The result is cut (not rounded) to two decimals.
ReturnInfo ComputeReturn(const std::string& entry, const Date& today);

// An amount cut to two decimals through its AmountText form (108.339 -> 108.33).
double CutToCents(double value);

}  // namespace kz
