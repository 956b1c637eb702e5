#include "reports/ReportFiles.h"

#include <exception>
#include <utility>

#include "core/Files.h"
#include "core/Text.h"
#include "core/TextFiles.h"
#include "reports/ReportText.h"
#include "reports/StateReport.h"

namespace kz {

std::string ReportFileName(const std::string& dataPath, const Date& day) {
    // Only a dot of the file name starts the extension; a dot in a folder
    // name must not move the report into another folder.
    const std::size_t slash = dataPath.find_last_of("/\\");
    const std::size_t dot = dataPath.rfind('.');
    std::string base = dataPath;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        base = dataPath.substr(0, dot);
    return base + "-report-" + FormatDate(day) + ".txt";
}

std::optional<Permissions> ReportFilePermissions(const BudgetFile& doc) {
    std::optional<Permissions> like = PermissionsOf(doc.FilePath);
    if (doc.IsProtected) {
        // The reports are plain text: only the owner reads those of a
        // protected document.
        if (!like) like = Permissions{};
        like->mode = 0600;
    }
    return like;
}

AllReports BuildAllReports(const BudgetFile& doc, Platform& ui) {
    AllReports result;
    try {
        const Date today = ui.Today();
        const std::string nl = kCrLf;
        std::string text;
        for (int s = 1; s <= doc.sostkol; ++s)
            text += StateReport(doc, ui, s, today) + nl + nl + "**********************" + nl + nl;
        // The caller shows whatever text there is, so it is handed over only
        // once every report is built.
        result.text = std::move(text);
        WriteTextFile(ui, ReportFileName(doc.FilePath, today), result.text,
                      ReportFilePermissions(doc));
    } catch (const std::exception&) {
        ui.MessageBox("Ошибка при создании отчетов", Icon::Exclamation, Buttons::OK, kAppTitle);
        result.ok = false;
    }
    return result;
}

std::string CreateAllReports(const BudgetFile& doc, Platform& ui) {
    AllReports r = BuildAllReports(doc, ui);
    if (r.ok) {
        const std::string name = FileNameOf(doc.FilePath);
        const std::size_t chars = CharCount(name);
        ui.MessageBox("Отчеты созданы и сохранены в файл " +
                          FirstChars(name, chars >= 4 ? chars - 4 : 0) + "-report-" +
                          FormatDate(ui.Today()) + ".txt",
                      Icon::Information, Buttons::OK, kAppTitle);
    }
    return r.text;
}

}  // namespace kz
