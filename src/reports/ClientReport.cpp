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

// What the two halves of the report, one per side of the client, differ in.
struct SideTexts {
    Side side;
    const char* openHeading;  // payments still open in the month
    const char* openColumns;
    const char* paidHeading;  // returns made in the month
    const char* paidColumns;
    const char* settled;  // said under the returns when any were made
    const char* notSettled;
};

const SideTexts kOwedToYou{Side::OwedToYou,
                           "За этот месяц клиент Вам еще должен:",
                           " Сумма\tДата\tИнформация",
                           "Выплачено (Клиентом):",
                           " Сумма\tДата\tИнформация",
                           "Клиент оплатил все долги за указанный месяц.",
                           "Клиент НЕ оплатил долги за указанный месяц."};

const SideTexts kOwedByYou{Side::OwedByYou,
                           "Вы еще должны клиенту:",
                           " Сумма\tДата\tУ кого\tИнформация",
                           "Выплачено (Вами):",
                           "Сумма\tДата\tКому\tИнформация",
                           "Вы оплатили все долги клиенту за указанный месяц.",
                           "Вы НЕ оплатили долги клиенту за указанный месяц."};

// One side: what is still open in the month and what was paid in it, each
// with its total in the client's unit `sign`.
std::string SideSection(const BudgetFile& doc, int c, const SideTexts& texts, int month,
                        const Date& today, const std::string& sign) {
    double open = 0;
    std::string text = kNl + texts.openHeading + kNl + texts.openColumns + kNl;
    text += OpenPayments(doc, c, texts.side, month, today, open);
    text += kRule + kNl + "Итого: " + AmountText(open) + sign + kNl;

    double paid = 0;
    text += kNl + texts.paidHeading + kNl + texts.paidColumns + kNl;
    text += PaidInMonth(ReturnList(doc.Client(c), texts.side), month, today, paid);
    text += kRule + kNl + "Итого: " + AmountText(paid) + sign;
    if (paid > 0)
        text +=
            kNl + (SideSettled(doc, texts.side, c) ? texts.settled : texts.notSettled) + kNl + kNl;
    return text;
}

}  // namespace

std::string ClientReport(const BudgetFile& doc, int c, const Date& reportDate, const Date& today) {
    const ClientRecord& cl = doc.Client(c);
    const std::string sign = UnitShort(doc, cl.ienum);
    const int month = reportDate.month;

    std::string text = kReportVersionLine + kNl;
    text += "Отчет о клиенте '" + cl.clientname + "' за " + MonthName(month) + " " +
            std::to_string(reportDate.year) + " года:" + kNl + kNl;

    text += SideSection(doc, c, kOwedToYou, month, today, sign);
    text += kNl + SideSection(doc, c, kOwedByYou, month, today, sign);
    return text;
}

}  // namespace kz
