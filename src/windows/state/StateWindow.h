#pragma once

#include <string>

#include "core/Document.h"
#include "platform/Platform.h"

namespace kz {

// What the state window shows of the current state (InitSost).
struct StateView {
    std::string name;         // lblSostName and the heading Label2
    std::string balance;      // txtCurSum, AmountText
    std::string unit;         // lblIE: "рубли(р.)"
    bool owedToUser = false;  // cmdOnDol in the debt colour: slot 1 of ondol is used
    bool userOwes = false;    // cmdVyDol likewise for vydol
};

StateView StateWindowView(const BudgetFile& doc);

// Label4: the warning, then the new balance typed over the shown one
// (`shown`, the text of txtCurSum). A point or a comma may separate the
// decimals; a text that is not a number is refused with a message and the
// balance stays. No entry is written. True when the balance changed.
bool ChangeBalanceByHand(BudgetFile& doc, Platform& ui, const std::string& shown);

// lblSostName: asks for the state's new name. Any name the data file can
// hold is taken, the same one too. True when the name was set.
bool RenameState(BudgetFile& doc, Platform& ui);

// The current state's report of a report menu item (kReportThisMonth,
// kReportPreviousMonth or a month), for the report window.
std::string StateMenuReport(const BudgetFile& doc, Platform& ui, int item);

}  // namespace kz
