#include "core/Date.h"

#include <cstdio>

namespace kz {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

// Howard Hinnant's days_from_civil / civil_from_days.
long long DaysFromCivil(const Date& d) {
    long long y = d.year - (d.month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (d.month + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + d.day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = yoe + era * 400;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    return Date{static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

std::string FormatDate(const Date& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d.day, d.month, d.year);
    return buf;
}

std::string FormatTime(const DateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}

namespace {

// Reads 1 to maxDigits decimal digits.
bool ReadNumber(const std::string& s, std::size_t& i, int maxDigits, int& value, int& digits) {
    value = 0;
    digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        if (digits == maxDigits) return false;
        value = value * 10 + (s[i] - '0');
        ++digits;
        ++i;
    }
    return digits > 0;
}

}  // namespace

bool ParseUserDate(const std::string& text, const Date& today, Date& out) {
    std::size_t i = 0;
    int day, month, year, dd, md, yd;
    if (!ReadNumber(text, i, 2, day, dd)) return false;
    if (i >= text.size()) return false;
    const char sep = text[i];
    if (sep != '.' && sep != '/' && sep != '-') return false;
    ++i;
    if (!ReadNumber(text, i, 2, month, md)) return false;
    if (i == text.size()) {
        year = today.year;
    } else {
        if (text[i] != sep) return false;
        ++i;
        if (!ReadNumber(text, i, 4, year, yd) || i != text.size()) return false;
        if (yd == 2)
            year += year < 30 ? 2000 : 1900;
        else if (yd != 4)
            return false;
    }
    if (!IsValidDate(year, month, day)) return false;
    out = Date{year, month, day};
    return true;
}

}  // namespace kz
