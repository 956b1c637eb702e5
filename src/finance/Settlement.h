#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/Document.h"

namespace kz {

// The two sides of a client: payments the client owes the user (clondolkm,
// returns in clondolok) and payments the user owes the client (clvydolkm,
// returns in clvydolok).
enum class Side { OwedToYou, OwedByYou };

// The word a monthly payment carries in its date field.
inline constexpr const char* kMonthlyWord = "ежемесячно";

// The payment list and the return list of one side of a client.
EntryList& PaymentList(ClientRecord& c, Side side);
const EntryList& PaymentList(const ClientRecord& c, Side side);
EntryList& ReturnList(ClientRecord& c, Side side);
const EntryList& ReturnList(const ClientRecord& c, Side side);

// Fields of a payment or return entry (amount, tab, date, tab, info); the
// amount is read by EntryAmount.
std::string EntryDate(std::string_view entry);
std::string EntryInfo(std::string_view entry);
bool IsMonthlyPayment(std::string_view entry);

// How far the returns recorded under a payment's info pay it off.
struct PaymentPaid {
    double amount = 0;     // the payment's amount
    double paid = 0;       // the returns counted, in list order
    bool settled = false;  // some return brought the total to the amount (SameAmount)
    // What is still due: 0 when settled or overpaid.
    double Due() const { return paid < amount ? amount - paid : 0; }
};

// The returns of one side of a client, read once, so that a caller asking
// about every payment of the side does not read every return again for each.
// It refers to the client's return list, which must not change meanwhile.
class SideReturns {
public:
    SideReturns(const ClientRecord& c, Side side);

    // Adds up the returns whose info equals the payment's, in list order,
    // and stops as soon as the total equals the amount exactly; a total that
    // runs past the amount keeps growing. Empty slots count as returns of 0
    // without info.
    PaymentPaid Paid(std::string_view payment) const;

private:
    std::array<std::string_view, kListSize> infos_;
    std::array<double, kListSize> amounts_{};
};

// -1 for an empty payment entry, else what is still due on it (0 when
// settled or overpaid). `client` 1..20, `entry` 1..100.
double AmountDue(const BudgetFile& doc, Side side, int client, int entry);

// True when no payment of the side has an amount due above 0.
bool SideSettled(const BudgetFile& doc, Side side, int client);

// True when the returns recorded under the payment's info reach its amount
// exactly at some return (the "ok" mark of the client window's tables), so
// a payment with no returns at all is never marked, whatever its amount.
bool PaymentSettled(const BudgetFile& doc, Side side, int client, int entry);

}  // namespace kz
