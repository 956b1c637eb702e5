#pragma once

#include <string>
#include <string_view>

#include "core/Date.h"
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

// Fields of a payment or return entry (amount, tab, date, tab, info).
// The amount of an entry: the text before the first tab, commas read as
// points, 0 when it does not begin with a number.
double EntryAmount(std::string_view entry);
std::string EntryDate(std::string_view entry);
std::string EntryInfo(std::string_view entry);
bool IsMonthlyPayment(std::string_view entry);

// -1 for an empty payment entry, else what is still due on it (0 when
// settled or overpaid). `client` 1..20, `entry` 1..100. The result is read
// from the lists alone: a monthly payment's info already names its month, so
// `today` does not change it; the parameter stays for callers that think in
// terms of the current month.
double AmountDue(const BudgetFile& doc, Side side, int client, int entry, const Date& today);

// True when no payment of the side has an amount due above 0.
bool SideSettled(const BudgetFile& doc, Side side, int client, const Date& today);

// True when the returns recorded under the payment's info reach its amount
// exactly at some return (the "ok" mark of the client window's tables).
bool PaymentSettled(const ClientRecord& c, Side side, int entry);

// Document changes of a client's payment lists; each sets Dirty.

// amount (as AmountText), tab, date field, tab, info.
std::string MakePaymentEntry(double amount, const std::string& dateField, const std::string& info);
// A new payment becomes entry 1 of its side; entry 100 is lost.
void InsertPayment(BudgetFile& doc, int client, Side side, std::string entry);
// Removes a payment; the returns recorded against it stay as history.
void RemovePayment(BudgetFile& doc, int client, Side side, int entry);
// Records a repayment of `amountText` (as typed, commas already turned into
// points) made `today` against payment `entry`. A dated payment is lowered
// by it, or removed when it is repaid in whole; a monthly one is left as it
// is, its month's returns telling what is paid.
void RecordReturn(BudgetFile& doc, int client, Side side, int entry, const std::string& amountText,
                  const Date& today);
void RemoveReturn(BudgetFile& doc, int client, Side side, int entry);

}  // namespace kz
