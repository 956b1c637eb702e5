#pragma once

#include <string>

#include "core/Date.h"
#include "core/Document.h"
#include "finance/Settlement.h"

namespace kz {

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
