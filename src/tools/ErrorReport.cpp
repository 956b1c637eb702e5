#include "tools/ErrorReport.h"

#include "core/TextFiles.h"
#include "core/Version.h"

namespace kz {

std::string ErrorNotesPath(const std::string& programFolder) {
    return programFolder + kErrorNotesFileName;
}

std::string ErrorNotesVersionText() {
    return "Версия " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kBuildNumber);
}

std::string ErrorNotesReleaseText() {
    return std::string("Дата выпуска/обновления: ") + kBuildTag;
}

std::string LoadErrorNotes(Platform& ui, const std::string& programFolder) {
    return ReadTextFile(ui, ErrorNotesPath(programFolder));
}

bool SaveErrorNotes(Platform& ui, const std::string& programFolder, const std::string& text) {
    return WriteTextFile(ui, ErrorNotesPath(programFolder), text);
}

bool CloseErrorNotes(Platform& ui, const std::string& programFolder, const std::string& text,
                     bool changed) {
    if (!changed) return true;
    switch (ui.MessageBox("Текст не сохранен. Сохранить сейчас?", Icon::Question,
                          Buttons::YesNoCancel)) {
        case Answer::Yes:
            return SaveErrorNotes(ui, programFolder, text);
        case Answer::No:
            return true;
        default:
            return false;
    }
}

}  // namespace kz
