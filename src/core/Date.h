#pragma once

#include <compare>
#include <string>

namespace kz {

// A calendar date. Day 0 or month 0 never occur in a valid date.
struct Date {
    int year = 1900;
    int month = 1;
    int day = 1;

    auto operator<=>(const Date&) const = default;
};

// A date and time of day, as the platform clock gives it.
struct DateTime {
    Date date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Days since 1970-01-01 (negative before), and back.
long long DaysFromCivil(const Date& d);
Date CivilFromDays(long long days);

// dd.mm.yyyy, the form in which the program writes dates.
std::string FormatDate(const Date& d);
// hh:mm:ss
std::string FormatTime(const DateTime& t);

// Reads a date typed by the user: day.month.year with ".", "/" or "-" between
// (the same separator both times), a two-digit year meaning 1930-2029, and
// day.month alone meaning the year of `today`. Returns false for anything that
// is not a valid calendar date.
bool ParseUserDate(const std::string& text, const Date& today, Date& out);

}  // namespace kz
