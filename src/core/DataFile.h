#pragma once

#include <functional>
#include <string>

#include "core/Document.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "platform/Platform.h"

namespace kz {

// The main window's refresh, run after a file has been loaded or created.
using RefreshRoutine = std::function<void(BudgetFile&, Platform&)>;

// The whole data file text of a document (UTF-8, CR LF line ends), with the
// type line of an enciphered file when `enciphered` is set.
std::string DataFileText(const BudgetFile& doc, bool enciphered);

// Saves the document to doc.FilePath: backup copy first (when the option is
// on), then the file is replaced atomically, enciphered with doc.pass when
// doc.IsProtected. Clears Dirty on success; on failure shows the message,
// keeps Dirty and leaves the previous file as it was.
bool WriteDataFile(BudgetFile& doc, Platform& ui, const AppSettings& settings);

// Loads a data file. `path` is the data file itself. For a protected file
// `plain` holds its deciphered bytes (the file on disk stays enciphered),
// which are taken; nullptr reads the file as plain text. `password` is what the user typed.
// The new document is built beside the open one and takes its place only
// when everything was read: on failure the open document is unchanged.
// On success FilePath is `path`, the month flags are set from the file's
// modification date, and `refresh` (when given) runs.
bool ReadDataFile(BudgetFile& doc, Platform& ui, const std::string& path,
                  const std::string& password, const RefreshRoutine& refresh,
                  std::string* plain = nullptr);

// Opens a data file of either format: a non-empty password marks it
// protected and deciphers it first; a name ending in ".kv6" goes to the
// older-format reader.
bool OpenDocument(BudgetFile& doc, Platform& ui, const std::string& path,
                  const std::string& password, const RefreshRoutine& refresh);

// Creates a new data file at `path` with every default and saves it.
bool NewDocument(BudgetFile& doc, Platform& ui, const AppSettings& settings,
                 const std::string& path, const RefreshRoutine& refresh);

// Sets LastDate, ReportsReady and MonthEndDue of a freshly read document
// from the modification date of its file.
void SetMonthFlags(BudgetFile& doc, Platform& ui, const std::string& dataPath);

// The first steps of every reader: the file exists, its text is read (or the
// deciphered text taken over), the type line says `plainType` (a plain file) or
// `cipherType` (deciphered text) and the stored password is `password`. Shows
// the message of the first step that fails.
bool OpenDataText(Platform& ui, const std::string& path, const std::string& password,
                  std::string* plain, const char* plainType, const char* cipherType, IniFile& ini);

// When the file behind `ini` was cut short by another program while it was
// read, says so and returns true.
bool ShowIfCutShort(Platform& ui, const std::string& path, const IniFile& ini);

// The notepad text of a data file, without the empty line the writer adds
// after it.
std::string ReadNotes(Platform& ui, const IniFile& ini);

// The messages every reader shares.
void ShowDamagedFile(Platform& ui);
// Why a data file cannot be read (error number of FileReadProblem or of
// reading): what the user can act on is named, anything else is the
// service-file error.
void ShowUnreadable(Platform& ui, const std::string& path, int err);
// False, after the message, when `path` is not a data file that can be read.
bool CheckDataPath(Platform& ui, const std::string& path);

}  // namespace kz
