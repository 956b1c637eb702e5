#include "reports/StateReport.h"

#include "core/Text.h"
#include "reports/ReportText.h"

namespace kz {

namespace {

const std::string kNl = kCrLf;

struct Section {
    const char* title;
    const char* columns;
    EntryList SostRecord::*list;
    bool openDebts;  // every entry, and only in a report of the current month
};

const Section kSections[] = {
    {"Доходы:", "Сумма\tДата\t\tПовод", &SostRecord::dohod, false},
    {"Расходы:", "Сумма\tДата\t\tПовод", &SostRecord::rashod, false},
    {"Занятые деньги:", "Сумма\tДата\t\tУ кого\t\tПовод", &SostRecord::oldzan, false},
    {"Ваши долги на момент составления отчета:",
     "Сумма\tДата\t\tУ кого\tПовод\t\tСумма возврата\t% возв.\tДата возв.", &SostRecord::vydol,
     true},
    {"Долги, которые Вам должны вернуть, на момент составления отчета:",
     "Сумма\tДата\t\tКто\t\tПовод\t\tСумма возврата\t% возв.\tДата возв.", &SostRecord::ondol,
     true},
    {"Одолженные деньги:", "Сумма\tДата\t\tКому\t\tПовод", &SostRecord::oldodol, false},
};

bool InMonth(const std::string& entry, const Date& today, int month, int year) {
    Date d;
    return EntryDateField(entry, today, d) && d.month == month && d.year == year;
}

}  // namespace

std::string StateReport(const BudgetFile& doc, Platform& ui, int s, const Date& reportDate) {
    const DateTime now = ui.Now();
    const Date& today = now.date;
    const SostRecord& st = doc.Sost(s);
    const std::string sign = UnitShort(doc, st.ienum);
    const int month = reportDate.month;
    const int year = reportDate.year;
    const bool currentMonth = month == today.month && year == today.year;

    std::string text = kReportVersionLine + kNl;
    text += "Отчет по состоянию '" + st.sostname + "' за " + MonthName(month) + " " +
            std::to_string(year) + " года:" + kNl;
    text += "Отчет создан " + FormatDate(today) + " в " + FormatTime(now) + kNl + kNl;

    std::string balance;
    if (currentMonth) {
        balance = AmountText(st.bal);
    } else {
        // The newest balance recorded in that month stands for the month.
        bool found = false;
        for (const std::string& entry : st.oldbal) {
            if (entry.empty() || !InMonth(entry, today, month, year)) continue;
            balance = FirstField(entry, '\t');
            found = true;
            break;
        }
        if (!found) {
            ui.MessageBox(
                "Не удается создать отчет о состоянии на указанный месяц, т.к. программе не "
                "удается обнаружить необходимые данные.",
                Icon::Critical, Buttons::OK, kAppTitle);
            return text + "Ошибка! Нет данных!";
        }
    }
    text += "Последнее состояние баланса: " + balance + sign + kNl;

    bool first = true;
    for (const Section& sec : kSections) {
        if (sec.openDebts && !currentMonth) continue;
        if (!first) text += kNl;
        first = false;
        text += std::string(sec.title) + kNl + sec.columns + kNl;
        double total = 0;
        for (const std::string& entry : st.*sec.list) {
            if (entry.empty()) continue;
            if (!sec.openDebts && !InMonth(entry, today, month, year)) continue;
            text += entry + kNl;
            total += EntryAmount(entry);
        }
        text += "------------------" + kNl + "Итого: " + AmountText(total) + sign + kNl + kNl;
    }
    return text;
}

}  // namespace kz
