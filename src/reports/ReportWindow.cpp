#include "reports/ReportWindow.h"

#include "core/TextFiles.h"

namespace kz {

bool PrintReport(Platform& ui, const std::string& text) {
    if (ui.MessageBox("Напечатать отчет?", Icon::Question, Buttons::YesNo, kDefaultTitle) ==
        Answer::No)
        return false;
    PrintText(ui, text);
    return true;
}

bool SaveReport(Platform& ui, const std::string& text, const std::string& initialFolder) {
    const std::string path =
        ui.SaveFileDialog("Сохранение отчета", "Text Files|*.txt", "*.txt", initialFolder);
    if (path.empty()) return false;
    // The writer shows the wait cursor while it works.
    return WriteTextFile(ui, path, text);
}

}  // namespace kz
