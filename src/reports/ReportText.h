#pragma once

#include <string>
#include <string_view>

#include "core/Date.h"
#include "core/Document.h"

namespace kz {

inline constexpr const char* kCrLf = "\r\n";

// First line of every report: the program and its version.
inline constexpr const char* kReportVersionLine = "Brisklane Kerva Zylance v7.0.1300";

// Full month name as the report menus show it; empty outside 1..12.
std::string MonthName(int month);

// The short sign of unit slot `ienum`; empty for a number outside 1..3
// (a damaged file must not stop the reminders).
std::string UnitShort(const BudgetFile& doc, int ienum);

// Field 1 of an entry (text between the first and second tab) read as a
// date in the form the user typed it; false when it is no date.
bool EntryDateField(std::string_view entry, const Date& today, Date& out);

// Today minus today's day of the month.
Date LastDayOfPreviousMonth(const Date& today);

}  // namespace kz
