#include "core/SaveCommands.h"

#include "core/DataFile.h"
#include "core/Files.h"
#include "core/Text.h"

namespace kz {

namespace {

const char* const kSavingMessage = "Сохранение файла...";

bool WriteWithProgress(BudgetFile& doc, Platform& ui, const AppSettings& settings) {
    ui.ShowProgress(kSavingMessage);
    const bool ok = WriteDataFile(doc, ui, settings);
    ui.HideProgress();
    return ok;
}

// The save dialog opens where the data file lies.
std::string InitialFolder(const std::string& filePath) {
    if (filePath.empty()) return {};
    const std::string folder = FolderOf(filePath);
    return folder == "./" ? std::string{} : folder;
}

}  // namespace

std::string MainWindowTitle(const std::string& filePath) {
    return std::string(kAppTitle) + " - " + FileNameOf(filePath);
}

bool Save(BudgetFile& doc, Platform& ui, const AppSettings& settings, const SaveHooks& hooks) {
    if (EndsWithNoCase(doc.FilePath, ".kv6")) {
        ui.MessageBox(
            "Открытый вами файл создан в Brisklane Kerva Corvial Edition. Для работы с этим "
            "файлом в дальнейшем требуется сохранить его в формате Kerva Zyl (.kv7)",
            Icon::Information, Buttons::OK, kAppTitle);
        return SaveAs(doc, ui, settings, hooks);
    }
    const bool ok = WriteWithProgress(doc, ui, settings);
    if (hooks.closeNotepad) hooks.closeNotepad();
    return ok;
}

bool SaveAs(BudgetFile& doc, Platform& ui, const AppSettings& settings, const SaveHooks& hooks) {
    std::string path = ui.SaveFileDialog("Сохранить как...", kDataFileFilter, "*.kv7",
                                         InitialFolder(doc.FilePath));
    if (path.empty()) return false;
    if (!EndsWithNoCase(path, ".kv7")) path += ".kv7";
    if (FileExists(path) &&
        ui.MessageBox("Файл с таким именем уже существует. Хотите перезаписать?", Icon::Information,
                      Buttons::YesNo, kAppTitle) != Answer::Yes)
        return false;
    doc.FilePath = path;
    const bool ok = WriteWithProgress(doc, ui, settings);
    // The document now belongs to the new name, written or not, so the title
    // follows it either way.
    if (hooks.setTitle) hooks.setTitle(MainWindowTitle(doc.FilePath));
    return ok;
}

void AskToSave(BudgetFile& doc, Platform& ui, const AppSettings& settings, const SaveHooks& hooks) {
    if (!doc.Dirty) return;
    if (ui.MessageBox(
            JoinParagraphs("Ваши данные изменились и не были сохранены. Сохранить сейчас?",
                           "Если не сохранить сейчас, все изменения будут потеряны."),
            Icon::Information, Buttons::YesNo, kAppTitle) == Answer::Yes)
        Save(doc, ui, settings, hooks);
}

bool ConfirmCloseFile(BudgetFile& doc, Platform& ui, const AppSettings& settings,
                      const SaveHooks& hooks) {
    AskToSave(doc, ui, settings, hooks);
    return ui.MessageBox("Закрыть файл и вернуться в стартовое окно?", Icon::Information,
                         Buttons::YesNo, kAppTitle) == Answer::Yes;
}

bool ConfirmExit(BudgetFile& doc, Platform& ui, const AppSettings& settings,
                 const std::string& settingsPath, const SaveHooks& hooks) {
    AskToSave(doc, ui, settings, hooks);
    if (settings.ExitConf &&
        ui.MessageBox("Выйти из Kerva?", Icon::Question, Buttons::YesNo, kAppTitle) != Answer::Yes)
        return false;
    WriteSettings(ui, settingsPath, settings);
    return true;
}

}  // namespace kz
