#pragma once

#include <string>
#include <vector>

#include "core/Date.h"
#include "core/Document.h"
#include "platform/Platform.h"

namespace kz {

// Everything the main window shows about the document: the three lists,
// their selections (1-based row, 0 = none), the user name and the three
// reminder boxes. Rebuilt from scratch by every refresh.
struct MainView {
    std::vector<std::string> ieRows;      // lstIE: "name(short)" of each used unit
    std::vector<int> ieSlots;             // the unit slot each row of lstIE shows
    std::vector<std::string> sostRows;    // lstSost
    std::vector<std::string> clientRows;  // lstClients, "(должен)" behind debtors
    int ieSel = 0;
    int sostSel = 0;
    int clientSel = 0;
    std::string userName;     // lblUserName
    std::string remindToday;  // txtRemindToday
    std::string sostToday;    // txtSostToday
    std::string clientToday;  // txtClientToday
};

// Rebuilds the main window's lists and reminder boxes and, at the turn of a
// month, runs the month-end processing and writes the reports of all states.
MainView RefreshMainWindow(BudgetFile& doc, Platform& ui);

// The same, for callers that only need the document side effects (the file
// reader's hook).
void RefreshDocument(BudgetFile& doc, Platform& ui);

// The row lstIE shows for a unit: name + "(" + short + ")".
std::string UnitRowText(const CurrencyUnit& unit);

// Month-end processing: records the past balances, carries the monthly
// client payments into today's month and shows the month-end message.
// Returns true when monthly payments were carried.
bool RunMonthEnd(BudgetFile& doc, Platform& ui);

// Pushes every state's balance onto its past balances, dated the last day
// of the month before `today`.
void RecordPastBalances(BudgetFile& doc, const Date& today);

// Moves every monthly payment of every client on to today's month. A month
// that was not settled stays behind as an entry of its own. Returns true
// when any monthly payment was found.
bool CarryMonthlyPayments(BudgetFile& doc, const Date& today);

}  // namespace kz
