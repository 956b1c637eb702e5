#include "reports/ReportText.h"

#include <array>

#include "core/Text.h"

namespace kz {

std::string MonthName(int month) {
    static const std::array<const char*, 12> names = {"Январь",   "Февраль", "Март",   "Апрель",
                                                      "Май",      "Июнь",    "Июль",   "Август",
                                                      "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
    if (month < 1 || month > 12) return {};
    return Slot(names, month);
}

std::string UnitShort(const BudgetFile& doc, int ienum) {
    if (ienum < 1 || ienum > kUnitCount) return {};
    return doc.Unit(ienum).short_;
}

bool EntryDateField(std::string_view entry, const Date& today, Date& out) {
    const std::string text = GetField(entry, '\t', 1);
    if (text.empty()) return false;
    return ParseUserDate(text, today, out);
}

Date LastDayOfPreviousMonth(const Date& today) {
    return CivilFromDays(DaysFromCivil(today) - today.day);
}

Date ReportMenuDate(int item, const Date& today) {
    if (item == kReportPreviousMonth) return LastDayOfPreviousMonth(today);
    if (item >= 1 && item <= 12) return Date{today.year, item, 1};
    return today;
}

}  // namespace kz
