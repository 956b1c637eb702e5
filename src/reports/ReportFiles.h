#pragma once

#include <optional>
#include <string>

#include "core/Date.h"
#include "core/Document.h"
#include "core/Files.h"
#include "platform/Platform.h"

namespace kz {

struct AllReports {
    bool ok = true;
    std::string text;
};

// The report file of a data file for one day: the data file's path without
// its extension, "-report-", the date (dd.mm.yyyy) and ".txt", in the data
// file's folder.
std::string ReportFileName(const std::string& dataPath, const Date& day);

// The permissions of the report file beside a data file: those of the data
// file, owner-only for a protected document.
std::optional<Permissions> ReportFilePermissions(const BudgetFile& doc);

// The reports of all states for today, each followed by a blank line, 22
// asterisks and another blank line, written to the report file beside
// doc.FilePath (a file of the same name is replaced). A failure while
// building shows "Ошибка при создании отчетов" and clears `ok`; a failure of
// the file writer is reported by the writer and leaves `ok` set.
AllReports BuildAllReports(const BudgetFile& doc, Platform& ui);

// The menu item "Создать отчеты по всем состояниям": builds and writes the
// reports, tells where they went on success, and returns the text for the
// report window (shown in both cases).
std::string CreateAllReports(const BudgetFile& doc, Platform& ui);

}  // namespace kz
