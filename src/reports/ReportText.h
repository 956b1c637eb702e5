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

// The items of the state and client windows' report menus: this month, the
// previous month, or month 1 to 12 of this year.
inline constexpr int kReportThisMonth = 0;
inline constexpr int kReportPreviousMonth = -1;

// The day the report of a menu item is built for: today, the last day of
// the previous month, or the first day of the chosen month of this year.
Date ReportMenuDate(int item, const Date& today);

}  // namespace kz
