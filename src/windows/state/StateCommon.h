#pragma once

#include <string>

#include "core/Document.h"

namespace kz {

// The state every dialog of the state window works on (CurrentSost).
SostRecord& CurrentState(BudgetFile& doc);
const SostRecord& CurrentState(const BudgetFile& doc);

// Short sign of the state's currency unit ("р."); empty when the state points at no unit.
std::string UnitShortOf(const BudgetFile& doc, const SostRecord& sost);

// A past-balance entry: the balance, a tab, the date text.
std::string PastBalanceEntry(double balance, const std::string& dateText);

inline constexpr const char* kCoinsSound = "coins.wav";

}  // namespace kz
