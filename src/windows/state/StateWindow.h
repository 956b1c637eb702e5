#pragma once

#include <string>

#include "core/Date.h"
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

// The items of the report menu: this month, the previous month, or month
// 1 to 12 of this year.
inline constexpr int kReportThisMonth = 0;
inline constexpr int kReportPreviousMonth = -1;

// The day the report of a menu item is built for: today, the last day of
// the previous month, or the first day of the chosen month of this year.
Date StateReportDate(int item, const Date& today);

// The current state's report of a menu item, for the report window.
std::string StateMenuReport(const BudgetFile& doc, Platform& ui, int item);

}  // namespace kz
