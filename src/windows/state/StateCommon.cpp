#include "windows/state/StateCommon.h"

#include "core/Text.h"

namespace kz {

SostRecord& CurrentState(BudgetFile& doc) {
    return doc.Sost(doc.CurrentSost);
}

const SostRecord& CurrentState(const BudgetFile& doc) {
    return doc.Sost(doc.CurrentSost);
}

std::string UnitShortOf(const BudgetFile& doc, const SostRecord& sost) {
    if (sost.ienum < 1 || sost.ienum > kUnitCount) return {};
    return doc.Unit(sost.ienum).short_;
}

std::string PastBalanceEntry(double balance, const std::string& dateText) {
    return AmountText(balance) + "\t" + dateText;
}

}  // namespace kz
