#include "finance/Finance.h"

#include <cmath>

#include "core/Text.h"

namespace kz {

namespace {

constexpr char kTab = '\t';

// A typed field of a debt; a number that is not finite counts as none.
double ReadTypedField(const std::string& text) {
    const double v = LeadingAmount(text);
    return std::isfinite(v) ? v : 0;
}

// Amount fields are written as AmountText; an entry damaged by hand still gives the number it
// begins with rather than nothing.
double ReadStoredAmount(const std::string& text) {
    double v = 0;
    if (ParseAmountText(text, v)) return v;
    return ReadTypedField(text);
}

}  // namespace

double CutToCents(double value) {
    if (!std::isfinite(value)) return value;
    std::string text = AmountText(value);
    if (text.find('E') != std::string::npos) {
        // Far above the cents there is nothing to cut.
        if (std::fabs(value) >= kPlainAmountLimit) return value;
        // Small ones are cut from their fixed-point form: 0,0999999999999943 is 0,09.
        text = AmountText(KeptAmount(value));
    }
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return value;
    // Read back even when nothing is cut: 116.80000000000001 must become the 116,8 the user
    // sees, or a balance of exactly that much would not cover it.
    double cut = value;
    ParseAmountText(text.substr(0, comma + 3), cut);
    return cut;
}

ReturnInfo ComputeReturn(const std::string& entry, const Date& today) {
    ReturnInfo info;
    if (entry.empty()) return info;

    const double amount = ReadStoredAmount(FirstField(entry, kTab));
    info.Person = GetField(entry, kTab, 2);
    const std::string loanDateText = GetField(entry, kTab, 1);
    const double returnSum = ReadTypedField(GetField(entry, kTab, 4));
    const double percent = ReadTypedField(GetField(entry, kTab, 5));
    const std::string returnDateText = GetField(entry, kTab, 6);

    // A return date that does not read as a date counts as none: the debt then keeps growing
    // until it is repaid, which is what the user sees for a debt without a date.
    bool hasReturnDate = false;
    if (!returnDateText.empty()) {
        Date d;
        if (ParseUserDate(returnDateText, today, d)) {
            info.ReturnDate = d;
            hasReturnDate = true;
        }
    }

    double due;
    if (returnSum != 0) {
        due = returnSum;
    } else {
        // A loan date that does not read as a date accrues nothing.
        long long days = 0;
        Date loan;
        if (ParseUserDate(loanDateText, today, loan)) {
            const Date& until = hasReturnDate ? info.ReturnDate : today;
            days = DaysFromCivil(until) - DaysFromCivil(loan);
        }
        // The order of operations is kept as the amounts due have always been computed, so
        // that the cents agree with older figures.
        const double rate = percent * 0.01;
        const double r = static_cast<double>(days) * rate;
        const double q = r / 30;
        due = q * amount + amount;
        // Interest beyond every number leaves the amount itself due.
        if (!std::isfinite(due)) due = amount;
    }
    info.ReturnAmount = CutToCents(due);
    return info;
}

}  // namespace kz
