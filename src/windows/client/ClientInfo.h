#pragma once

#include <string>

#include "core/Document.h"
#include "platform/Platform.h"

namespace kz {

// Name, information note, reputation and currency unit of the current client.

enum class InfoOpener { ClientWindow, MainWindow };

// The text the information window opens with. Filling the box counts as an
// edit, which marks the document dirty; the client window puts the flag back
// as it was, the main window does not.
std::string ShowInfo(BudgetFile& doc, InfoOpener opener);

// Typing in the information box.
void InfoEdited(BudgetFile& doc);

// "OK" of the information window. "[" becomes "{" because a data-file line
// beginning with "[" would start a section. A text the data file cannot hold
// is refused with a message; the window then stays open. True when stored.
bool SaveInfo(BudgetFile& doc, Platform& ui, const std::string& text);

// Clicking the client's name: asks for a new one. True when it changed.
bool RenameClient(BudgetFile& doc, Platform& ui);

// Clicking the reputation: asks for a number from -3 to 3, rounded half to
// even. True when it was stored.
bool ChangeReputation(BudgetFile& doc, Platform& ui);

// Clicking the client's unit: the warning that amounts are not converted.
// True when the user wants to choose another unit (the unit dialog then
// sets it).
bool ConfirmClientUnitChange(Platform& ui);

}  // namespace kz
