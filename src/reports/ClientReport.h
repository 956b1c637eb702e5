#pragma once

#include <string>

#include "core/Date.h"
#include "core/Document.h"

namespace kz {

// The monthly report of client `c` (1-based) for the month of `reportDate`:
// what the client still owes and paid, what the user still owes and paid,
// each with its total, and whether the month was settled. Monthly payments
// are listed while they are open, whatever their month.
std::string ClientReport(const BudgetFile& doc, int c, const Date& reportDate, const Date& today);

}  // namespace kz
