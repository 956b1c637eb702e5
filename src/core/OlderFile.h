#pragma once

#include <string>

#include "core/DataFile.h"

namespace kz {

// Loads a data file of the previous edition (".kv6": one holding and a few
// lists) as a document with one state. `plain` as for ReadDataFile. The
// document keeps the ".kv6" path, so that saving asks for a new name.
bool ReadOlderFile(BudgetFile& doc, Platform& ui, const std::string& path,
                   const std::string& password, const RefreshRoutine& refresh,
                   std::string* plain = nullptr);

}  // namespace kz
