#include "windows/client/ClientPayments.h"

#include <array>

#include "core/Text.h"

namespace kz {

EntryList& PaymentList(ClientRecord& c, Side side) {
    return side == Side::OwedToYou ? c.clondolkm : c.clvydolkm;
}
const EntryList& PaymentList(const ClientRecord& c, Side side) {
    return side == Side::OwedToYou ? c.clondolkm : c.clvydolkm;
}
EntryList& ReturnList(ClientRecord& c, Side side) {
    return side == Side::OwedToYou ? c.clondolok : c.clvydolok;
}
const EntryList& ReturnList(const ClientRecord& c, Side side) {
    return side == Side::OwedToYou ? c.clondolok : c.clvydolok;
}

double EntryAmount(std::string_view entry) {
    return LeadingNumber(CommaToPoint(FirstField(entry, '\t')));
}
std::string EntryDate(std::string_view entry) {
    return GetField(entry, '\t', 1);
}
namespace {

// The info field (the text after the second tab, up to a third one), read in
// place: the refresh compares thousands of them.
std::string_view InfoView(std::string_view entry) {
    std::size_t pos = 0;
    for (int k = 0; k < 2; ++k) {
        const std::size_t tab = entry.find('\t', pos);
        if (tab == std::string_view::npos) return {};
        pos = tab + 1;
    }
    const std::size_t end = entry.find('\t', pos);
    return entry.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
}

}  // namespace

std::string EntryInfo(std::string_view entry) {
    return std::string(InfoView(entry));
}
bool IsMonthlyPayment(std::string_view entry) {
    return EntryDate(entry) == kMonthlyWord;
}

namespace {

// Sum of the returns recorded under `key`, stopping as soon as it equals
// `amount` exactly; a total that runs past the amount keeps growing.
double PaidAgainst(const EntryList& returns, const std::string& key, double amount) {
    double paid = 0;
    for (const std::string& r : returns) {
        if (EntryInfo(r) != key) continue;
        paid += EntryAmount(r);
        if (paid == amount) break;
    }
    return paid;
}

}  // namespace

double AmountDue(const BudgetFile& doc, Side side, int client, int entry, const Date&) {
    const ClientRecord& c = doc.Client(client);
    const std::string& payment = PaymentList(c, side).at(static_cast<std::size_t>(entry - 1));
    if (payment.empty()) return -1;
    const double amount = EntryAmount(payment);
    const double paid = PaidAgainst(ReturnList(c, side), EntryInfo(payment), amount);
    return paid < amount ? amount - paid : 0;
}

bool SideSettled(const BudgetFile& doc, Side side, int client, const Date&) {
    // The main window's refresh asks this for both sides of every client after
    // every change, so each return is read once, not once per payment. The
    // sums follow PaidAgainst exactly (list order, stopping at an exact match)
    // so that the floating-point totals agree with AmountDue.
    const ClientRecord& c = doc.Client(client);
    const EntryList& returns = ReturnList(c, side);
    std::array<std::string_view, kListSize> keys;
    std::array<double, kListSize> amounts{};
    for (std::size_t k = 0; k < returns.size(); ++k) {
        if (returns[k].empty()) continue;
        keys[k] = InfoView(returns[k]);
        amounts[k] = EntryAmount(returns[k]);
    }
    for (const std::string& payment : PaymentList(c, side)) {
        if (payment.empty()) continue;
        const std::string_view key = InfoView(payment);
        const double amount = EntryAmount(payment);
        double paid = 0;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (keys[k] != key) continue;
            paid += amounts[k];
            if (paid == amount) break;
        }
        if (paid < amount) return false;
    }
    return true;
}

bool PaymentSettled(const ClientRecord& c, Side side, int entry) {
    const std::string& payment = PaymentList(c, side).at(static_cast<std::size_t>(entry - 1));
    if (payment.empty()) return false;
    // Only a return that brings the total exactly to the amount settles it,
    // so a payment with no returns at all is never marked, whatever its amount.
    const double amount = EntryAmount(payment);
    const std::string key = EntryInfo(payment);
    double paid = 0;
    for (const std::string& r : ReturnList(c, side)) {
        if (EntryInfo(r) != key) continue;
        paid += EntryAmount(r);
        if (paid == amount) return true;
    }
    return false;
}

std::string MakePaymentEntry(double amount, const std::string& dateField, const std::string& info) {
    return AmountText(amount) + "\t" + dateField + "\t" + info;
}

void InsertPayment(BudgetFile& doc, int client, Side side, std::string entry) {
    PushEntry(PaymentList(doc.Client(client), side), std::move(entry));
    doc.Dirty = true;
}

void RemovePayment(BudgetFile& doc, int client, Side side, int entry) {
    RemoveEntry(PaymentList(doc.Client(client), side), entry);
    doc.Dirty = true;
}

void RecordReturn(BudgetFile& doc, int client, Side side, int entry, const std::string& amountText,
                  const Date& today) {
    ClientRecord& c = doc.Client(client);
    EntryList& payments = PaymentList(c, side);
    std::string& payment = payments.at(static_cast<std::size_t>(entry - 1));
    std::string info = EntryInfo(payment);
    if (!IsMonthlyPayment(payment)) {
        info = "(за " + EntryDate(payment) + ")" + info;
        const double amount = EntryAmount(payment);
        const double repaid = LeadingNumber(amountText);
        if (repaid >= amount) {
            RemoveEntry(payments, entry);
        } else {
            const std::size_t tab = payment.find('\t');
            payment = AmountText(amount - repaid) +
                      (tab == std::string::npos ? std::string() : payment.substr(tab));
        }
    }
    PushEntry(ReturnList(c, side), amountText + "\t" + FormatDate(today) + "\t" + info);
    doc.Dirty = true;
}

void RemoveReturn(BudgetFile& doc, int client, Side side, int entry) {
    RemoveEntry(ReturnList(doc.Client(client), side), entry);
    doc.Dirty = true;
}

}  // namespace kz
