#pragma once

#include <string>

#include "platform/Platform.h"

namespace kz {

// The report window's print button: asks "Напечатать отчет?" and, unless
// the answer is No, prints the text as it stands (hand edits included).
// True when the text went to the printer.
bool PrintReport(Platform& ui, const std::string& text);

// The report window's save button: the save dialog for text files, then the
// text is written to the chosen file. A
// cancelled dialog writes nothing. True when the file was written.
bool SaveReport(Platform& ui, const std::string& text, const std::string& initialFolder = {});

}  // namespace kz
