#pragma once

#include <string>

#include "core/Document.h"
#include "core/Settings.h"
#include "platform/Platform.h"

namespace kz {

// EntryMode of the list window while it shows a debt list (the list window itself, with the
// amounts due in column 5, is built by OpenList).
enum class DebtListMode : int { OnDol = 5, VyDol = 6 };

EntryList& DebtListOf(SostRecord& sost, DebtListMode mode);
const EntryList& DebtListOf(const SostRecord& sost, DebtListMode mode);

// A debt bears interest when its percent reads above 0; such a debt is repaid only in whole.
bool IsInterestBearing(const std::string& entry);

// Moves `paid` into (debts owed to the user) or out of (debts the user owes) the balance of the
// current state after recording the old balance dated `today`. Paying the whole amount due
// removes the entry; a part leaves it with the remainder as its return sum.
void RepayDebt(BudgetFile& doc, DebtListMode mode, int slot, double paid, double amountDue,
               const Date& today);

// Removes the entry; the balance and the past balances stay as they are.
void StrikeOutDebt(BudgetFile& doc, DebtListMode mode, int slot);

// The buttons of the list window in the debt modes. `row` is the grid's current row (data rows
// from 1) and `currentCell` the text of its current cell: an empty cell does nothing.
// They return true when the document changed; the caller then shows the list again and the
// new balance (the main window is refreshed when the user goes back).
bool SubmitRepayDebt(BudgetFile& doc, Platform& ui, const AppSettings& settings, DebtListMode mode,
                     int row, const std::string& currentCell);
bool SubmitStrikeOutDebt(BudgetFile& doc, Platform& ui, DebtListMode mode, int row,
                         const std::string& currentCell);

}  // namespace kz
