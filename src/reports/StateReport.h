#pragma once

#include <string>

#include "core/Date.h"
#include "core/Document.h"
#include "platform/Platform.h"

namespace kz {

// The monthly report of state `s` (1-based) for the month of `reportDate`:
// the month's balance, incomes, expenses, borrowings and lendings and, for
// the current month, the open debts. A past month without a recorded
// balance shows the error message and gives a text ending in
// "Ошибка! Нет данных!". Today and the time come from the platform clock.
std::string StateReport(const BudgetFile& doc, Platform& ui, int s, const Date& reportDate);

}  // namespace kz
