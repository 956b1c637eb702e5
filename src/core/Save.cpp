#include "core/Save.h"

#include "core/Files.h"
#include "core/Text.h"

namespace kz {

std::string BackupPathOf(const std::string& dataPath) {
    if (EndsWithNoCase(dataPath, ".kv7"))
        return dataPath.substr(0, dataPath.size() - 4) + ".bak.kv7";
    // Only a dot in the file name counts, not one in a folder name.
    const auto slash = dataPath.find_last_of('/');
    const auto dot = dataPath.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        return dataPath.substr(0, dot) + ".bak.kv7";
    return dataPath + ".bak.kv7";
}

void RemoveSaveLeftovers(const std::string& dataPath) {
    RemoveWriteLeftovers(dataPath);
    RemoveWriteLeftovers(BackupPathOf(dataPath));
}

void MakeBackup(const BudgetFile& doc, Platform& ui, const AppSettings& settings) {
    if (!settings.BackUp) return;
    int err = 0;
    if (!CopyFileBytes(doc.FilePath, BackupPathOf(doc.FilePath), err))
        ui.MessageBox(JoinParagraphs("Ошибка при создании резервной копии файла!",
                                     SystemErrorText(err)),
                      Icon::Exclamation);
}

}  // namespace kz
