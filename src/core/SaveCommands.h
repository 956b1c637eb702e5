#pragma once

#include <functional>
#include <string>

#include "core/Document.h"
#include "core/Settings.h"
#include "platform/Platform.h"

// The save commands of every large window, and the questions before the file
// or the program is left.

namespace kz {

// The filter of every data-file dialog.
inline constexpr const char* kDataFileFilter =
    "Kerva Zyl Files|*.kv7|Kerva 6 Files|*.kv6|Все файлы|*.*";

// What a save command needs from the window that runs it. Both may be empty.
struct SaveHooks {
    // Receives the window's new title after a save under a new name.
    std::function<void(const std::string&)> setTitle;
    // Closes the notepad window when it is open (it holds the notes text).
    std::function<void()> closeNotepad;
};

// "Brisklane Kerva Zyl - NAME" for the data file at `filePath`.
std::string MainWindowTitle(const std::string& filePath);

// The save command. A file of the older format is never overwritten in
// place: the user is told so and the save dialog follows. True when the
// document was written.
bool Save(BudgetFile& doc, Platform& ui, const AppSettings& settings, const SaveHooks& hooks = {});

// The save-as command: the save dialog, ".kv7" appended when missing, the
// overwrite question, then the document is written under the new name and
// the window gets the new title. True when the document was written.
bool SaveAs(BudgetFile& doc, Platform& ui, const AppSettings& settings,
            const SaveHooks& hooks = {});

// Before a window is left or the file closed: with unsaved changes asks
// whether to save now and saves on Yes. Never cancels the caller's action;
// No keeps Dirty so that the next occasion asks again.
void AskToSave(BudgetFile& doc, Platform& ui, const AppSettings& settings,
               const SaveHooks& hooks = {});

// The main window's close-file button: ask to save, then "Закрыть файл и
// вернуться в стартовое окно?". True when the window should go back to the
// start window.
bool ConfirmCloseFile(BudgetFile& doc, Platform& ui, const AppSettings& settings,
                      const SaveHooks& hooks = {});

// Closing a large window: ask to save, the exit confirmation when that
// option is on, then the settings file is written. True when the program
// should end; false keeps the window open.
bool ConfirmExit(BudgetFile& doc, Platform& ui, const AppSettings& settings,
                 const std::string& settingsPath, const SaveHooks& hooks = {});

}  // namespace kz
