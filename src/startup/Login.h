#pragma once

#include <string>

#include "core/DataFile.h"
#include "core/Document.h"
#include "core/Settings.h"
#include "platform/Platform.h"
#include "startup/Startup.h"

namespace kz {

inline constexpr const char* kOpenDialogTitle = "Открытие файла Kerva";
inline constexpr const char* kLoginFileFilter =
    "Kerva Zyl Files|*.kv7|Kerva 6 Files|*.kv6|Все файлы|*.*";

// The values of the start window's controls that its buttons read and change.
struct LoginForm {
    bool open = false;  // Option2 ("open") chosen; otherwise Option1 ("create")
    std::string file;   // txtFile
    std::string pass;   // txtPass
};

// Where the start window finds the program's files.
struct LoginPaths {
    std::string programFolder;  // P, with a trailing "/"
    std::string settingsPath;   // the settings file written after a success
};

// The enter button. Creates or opens the file named in the form; completes
// the name in form.file and empties form.pass as the user should see them.
// True when the document is ready and the main window should be shown (the
// start window hides); false leaves the user in the start window.
bool OpenOrCreate(BudgetFile& doc, AppSettings& settings, Platform& ui, const LoginPaths& paths,
                  LoginForm& form, const RefreshRoutine& refresh);

// The "Директория Kerva" button: puts the data folder (or, when it does not
// exist, the program's folder) in front of the typed text, once.
void PrefixDataFolder(const std::string& programFolder, LoginForm& form);

// The "Обзор" button: a chosen file goes into the field and "open" is
// chosen. False when the dialog was cancelled (nothing changes).
bool BrowseForFile(Platform& ui, const std::string& programFolder, LoginForm& form);

// The calculator of the additional-functions menu and of the dialogs that
// offer one; a failure to start it is reported.
bool LaunchCalculator(Platform& ui);

// The "Обновление Kerva Zyl..." menu item.
void ShowUpdateUnavailable(Platform& ui);

// Prepares the start window from the settings just read: the last file with
// "open" chosen, or the data folder in front of the field.
void PrepareLoginForm(const AppSettings& settings, const std::string& programFolder,
                      LoginForm& form);

}  // namespace kz
