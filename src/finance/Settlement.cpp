#include "finance/Settlement.h"

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

const std::string& PaymentAt(const BudgetFile& doc, Side side, int client, int entry) {
    return Slot(PaymentList(doc.Client(client), side), entry);
}

}  // namespace

std::string EntryInfo(std::string_view entry) {
    return std::string(InfoView(entry));
}
bool IsMonthlyPayment(std::string_view entry) {
    return EntryDate(entry) == kMonthlyWord;
}

SideReturns::SideReturns(const ClientRecord& c, Side side) {
    const EntryList& returns = ReturnList(c, side);
    for (std::size_t k = 0; k < returns.size(); ++k) {
        if (returns[k].empty()) continue;
        infos_[k] = InfoView(returns[k]);
        amounts_[k] = EntryAmount(returns[k]);
    }
}

PaymentPaid SideReturns::Paid(std::string_view payment) const {
    PaymentPaid p;
    p.amount = EntryAmount(payment);
    const std::string_view info = InfoView(payment);
    for (std::size_t k = 0; k < infos_.size(); ++k) {
        if (infos_[k] != info) continue;
        p.paid += amounts_[k];
        if (SameAmount(p.paid, p.amount)) {
            p.paid = p.amount;  // what a sum's float noise left over is no debt
            p.settled = true;
            break;
        }
    }
    return p;
}

double AmountDue(const BudgetFile& doc, Side side, int client, int entry) {
    const std::string& payment = PaymentAt(doc, side, client, entry);
    if (payment.empty()) return -1;
    return SideReturns(doc.Client(client), side).Paid(payment).Due();
}

bool SideSettled(const BudgetFile& doc, Side side, int client) {
    // The main window's refresh asks this for both sides of every client
    // after every change: the returns are read once for all payments.
    const ClientRecord& c = doc.Client(client);
    const SideReturns returns(c, side);
    for (const std::string& payment : PaymentList(c, side))
        if (!payment.empty() && returns.Paid(payment).Due() > 0) return false;
    return true;
}

bool PaymentSettled(const BudgetFile& doc, Side side, int client, int entry) {
    const std::string& payment = PaymentAt(doc, side, client, entry);
    return !payment.empty() && SideReturns(doc.Client(client), side).Paid(payment).settled;
}

}  // namespace kz
