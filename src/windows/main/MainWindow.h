#pragma once

#include <optional>
#include <string>

#include "core/Document.h"
#include "platform/Platform.h"
#include "reports/Refresh.h"

namespace kz {

// Document changes behind the main window's buttons.

// Appends a state with the name, unit 1, balance 0 and empty lists; false
// when all 10 are in use.
bool AppendState(BudgetFile& doc, const std::string& name);
// Removes state s (1-based); later states move up with all their data and the
// freed slot is cleared.
void RemoveState(BudgetFile& doc, int s);
// Appends a client with the name, unit 1, empty info, reputation 0 and empty
// lists; false when all 20 are in use.
bool AppendClient(BudgetFile& doc, const std::string& name);
// Removes client c (1-based); later clients move up, the freed slot is cleared.
void RemoveClient(BudgetFile& doc, int c);
// Fills the first free unit slot; returns its number, 0 when none is free.
int AppendUnit(BudgetFile& doc, const std::string& name, const std::string& shortName);
// The first state (client) whose unit is slot u; 0 when none.
int StateUsingUnit(const BudgetFile& doc, int u);
int ClientUsingUnit(const BudgetFile& doc, int u);

// The buttons. Each reads the selected rows from `view`, the main window's
// current content; an operation that changes the document marks it dirty and
// replaces `view` with a fresh refresh (RenameUser only updates the name).
// They return true when the document changed.
bool AddState(BudgetFile& doc, Platform& ui, MainView& view);
bool DeleteState(BudgetFile& doc, Platform& ui, MainView& view);
bool AddClient(BudgetFile& doc, Platform& ui, MainView& view);
bool DeleteClient(BudgetFile& doc, Platform& ui, MainView& view);
bool AddCurrencyUnit(BudgetFile& doc, Platform& ui, MainView& view);
bool ChangeCurrencyUnit(BudgetFile& doc, Platform& ui, MainView& view);
bool DeleteCurrencyUnit(BudgetFile& doc, Platform& ui, MainView& view);
bool RenameUser(BudgetFile& doc, Platform& ui, MainView& view);

// Make the selected state (client) current. True when the window should go
// on to the state window (client window, client information window).
bool OpenState(BudgetFile& doc, Platform& ui, const MainView& view);
bool OpenClient(BudgetFile& doc, Platform& ui, const MainView& view);
bool ShowClientInfo(BudgetFile& doc, Platform& ui, const MainView& view);

// The selected state's monthly report for the report window: the previous
// month while the monthly reports are due, else the current one. Nothing
// when no state is selected.
std::optional<std::string> ShowStateReport(const BudgetFile& doc, Platform& ui,
                                           const MainView& view);

}  // namespace kz
