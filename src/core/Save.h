#pragma once

#include <string>

#include "core/Document.h"
#include "core/Settings.h"
#include "platform/Platform.h"

namespace kz {

// The backup copy beside a data file: home.kv7 -> home.bak.kv7; another
// name loses its last extension; a name without one gets ".bak.kv7" added.
std::string BackupPathOf(const std::string& dataPath);

// Removes the hidden files that saves of the data file or of its backup
// copy left when they were killed half-way.
void RemoveSaveLeftovers(const std::string& dataPath);

// Copies the data file over its backup copy when the option is on. A failed
// copy is reported and does not stop the save.
void MakeBackup(const BudgetFile& doc, Platform& ui, const AppSettings& settings);

}  // namespace kz
