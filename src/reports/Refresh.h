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

// The main window's lists, selections, user name and reminder boxes, built
// from the document as it stands on `today`. Changes nothing.
MainView MainWindowView(const BudgetFile& doc, const Date& today);

// What the turn of a month did.
struct MonthTurn {
    bool reportsReady = false;     // the monthly reports were announced and written
    bool paymentsCarried = false;  // monthly client payments moved into the new month
};

// The document's side of every refresh. A month number of LastDate that
// differs from today's sets ReportsReady and MonthEndDue. While ReportsReady
// is set: the month-end processing runs once when it is due, the document
// becomes dirty and the reports of all states are written. The file readers
// run this after loading.
MonthTurn TurnOfMonth(BudgetFile& doc, Platform& ui);

// The refresh of the main window: its view, then the turn of the month,
// whose announcements go in front of the reminder boxes.
MainView RefreshMainWindow(BudgetFile& doc, Platform& ui);

// The row lstIE shows for a unit: name + "(" + short + ")".
std::string UnitRowText(const CurrencyUnit& unit);

// The used unit slots in slot order, as lstIE and the unit dialog list
// them: a row's position and its slot differ once an earlier slot is free.
struct UnitRows {
    std::vector<std::string> rows;  // UnitRowText of each used slot
    std::vector<int> slots;         // the slot each row shows
};
UnitRows UsedUnitRows(const BudgetFile& doc);

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
