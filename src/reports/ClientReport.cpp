#include "reports/ClientReport.h"

#include "core/Text.h"
#include "finance/Settlement.h"
#include "reports/ReportText.h"

namespace kz {

namespace {

const std::string kNl = kCrLf;
const std::string kRule = "------------------";

// Scheduled payments of one side still to be paid in the month: dated ones
// of that month (of any year), monthly ones while they are open.
std::string OpenPayments(const BudgetFile& doc, int c, Side side, int month, const Date& today,
                         double& total) {
    std::string lines;
    const EntryList& list = PaymentList(doc.Client(c), side);
    const SideReturns returns(doc.Client(c), side);
    for (int i = 1; i <= kListSize; ++i) {
        const std::string& entry = Slot(list, i);
        if (entry.empty()) continue;
        bool take = false;
        if (GetField(entry, '\t', 1) == kMonthlyWord) {
            take = returns.Paid(entry).Due() > 0;
        } else {
            Date d;
            take = EntryDateField(entry, today, d) && d.month == month;
        }
        if (!take) continue;
        lines += entry + kNl;
        total += EntryAmount(entry);
    }
    return lines;
}

// Returns paid in the month (of any year).
std::string PaidInMonth(const EntryList& returns, int month, const Date& today, double& total) {
    std::string lines;
    for (const std::string& entry : returns) {
        if (entry.empty()) continue;
        Date d;
        if (!EntryDateField(entry, today, d) || d.month != month) continue;
        lines += entry + kNl;
        total += EntryAmount(entry);
    }
    return lines;
}

}  // namespace

std::string ClientReport(const BudgetFile& doc, int c, const Date& reportDate, const Date& today) {
    const ClientRecord& cl = doc.Client(c);
    const std::string sign = UnitShort(doc, cl.ienum);
    const int month = reportDate.month;

    std::string text = kReportVersionLine + kNl;
    text += "Отчет о клиенте '" + cl.clientname + "' за " + MonthName(month) + " " +
            std::to_string(reportDate.year) + " года:" + kNl + kNl;

    double owed = 0;
    text += kNl + "За этот месяц клиент Вам еще должен:" + kNl + " Сумма\tДата\tИнформация" + kNl;
    text += OpenPayments(doc, c, Side::OwedToYou, month, today, owed);
    text += kRule + kNl + "Итого: " + AmountText(owed) + sign + kNl;

    double received = 0;
    text += kNl + "Выплачено (Клиентом):" + kNl + " Сумма\tДата\tИнформация" + kNl;
    text += PaidInMonth(cl.clondolok, month, today, received);
    text += kRule + kNl + "Итого: " + AmountText(received) + sign;
    if (received > 0) {
        text +=
            kNl +
            (SideSettled(doc, Side::OwedToYou, c) ? "Клиент оплатил все долги за указанный месяц."
                                                  : "Клиент НЕ оплатил долги за указанный месяц.") +
            kNl + kNl;
    }

    double owing = 0;
    text += kNl + kNl + "Вы еще должны клиенту:" + kNl + " Сумма\tДата\tУ кого\tИнформация" + kNl;
    text += OpenPayments(doc, c, Side::OwedByYou, month, today, owing);
    text += kRule + kNl + "Итого: " + AmountText(owing) + sign + kNl;

    double paid = 0;
    text += kNl + "Выплачено (Вами):" + kNl + "Сумма\tДата\tКому\tИнформация" + kNl;
    text += PaidInMonth(cl.clvydolok, month, today, paid);
    text += kRule + kNl + "Итого: " + AmountText(paid) + sign;
    if (paid > 0) {
        text += kNl +
                (SideSettled(doc, Side::OwedByYou, c)
                     ? "Вы оплатили все долги клиенту за указанный месяц."
                     : "Вы НЕ оплатили долги клиенту за указанный месяц.") +
                kNl + kNl;
    }
    return text;
}

}  // namespace kz
