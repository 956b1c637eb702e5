#pragma once

#include <string>

#include "platform/Platform.h"

namespace kz {

// The user's notes about errors live in their own text file in the program's
// folder, apart from any data file.
inline constexpr const char* kErrorNotesFileName = "krvzylreport.txt";

// P + "krvzylreport.txt"; `programFolder` ends with "/".
std::string ErrorNotesPath(const std::string& programFolder);

// "Версия 7.0.1300".
std::string ErrorNotesVersionText();
// "Дата выпуска/обновления: 05.10.2002.a".
std::string ErrorNotesReleaseText();

// The notes the window opens with: the whole file, or an empty text when
// there is none.
std::string LoadErrorNotes(Platform& ui, const std::string& programFolder);

// The "Сохранить" button: replaces the file with the text. False (after the
// writer's message) when the file could not be written.
bool SaveErrorNotes(Platform& ui, const std::string& programFolder, const std::string& text);

// The window is closing. Unchanged notes close at once; changed ones ask
// "Текст не сохранен. Сохранить сейчас?": Yes saves, No drops the changes,
// Cancel keeps the window. A save that fails keeps the window too, so the
// text is not lost. True when the window may close.
bool CloseErrorNotes(Platform& ui, const std::string& programFolder, const std::string& text,
                     bool changed);

}  // namespace kz
