#include "startup/Login.h"

#include "core/Cipher.h"
#include "core/Files.h"
#include "core/OlderFile.h"
#include "core/Text.h"

namespace kz {

namespace {

bool AskOverwrite(Platform& ui, const std::string& path) {
    return ui.MessageBox(
               JoinParagraphs(JoinParagraphs("Файл ", path), "уже существует. Перезаписать?"),
               Icon::Information, Buttons::YesNo, "Создание файла") == Answer::Yes;
}

// Reads an existing file of either format; a typed password means a
// protected file that is deciphered in memory first.
bool ReadExisting(BudgetFile& doc, Platform& ui, const std::string& path, LoginForm& form,
                  bool older, const RefreshRoutine& refresh) {
    const bool isProtected = !form.pass.empty();
    std::string plain;
    if (!isProtected) {
        ui.ShowProgress("Открытие файла...");
    } else {
        ui.ShowProgress("Декодирование файла...");
        if (!DecryptFile(ui, path, form.pass, plain)) {
            // A password that cannot decipher the file is of no further use.
            form.pass.clear();
            ui.HideProgress();
            return false;
        }
    }
    std::string* text = isProtected ? &plain : nullptr;
    const bool ok = older ? ReadOlderFile(doc, ui, path, form.pass, refresh, text)
                          : ReadDataFile(doc, ui, path, form.pass, refresh, text);
    ui.HideProgress();
    if (!ok) return false;
    doc.FilePath = path;
    return true;
}

}  // namespace

bool OpenOrCreate(BudgetFile& doc, AppSettings& settings, Platform& ui, const LoginPaths& paths,
                  LoginForm& form, const RefreshRoutine& refresh) {
    doc.Dirty = false;
    if (CharCount(form.file) < 3) {
        ui.MessageBox("Необходимо указать файл для создания/открытия.", Icon::Information);
        return false;
    }
    std::string path = form.file;
    if (!form.open && FileExists(path) && !AskOverwrite(ui, path)) return false;

    if (form.open) {
        if (EndsWithNoCase(path, ".kv6")) {
            // The older format keeps its own name and is not remembered as
            // the last file: saving it asks for a new ".kv7" name.
            if (!ReadExisting(doc, ui, path, form, true, refresh)) return false;
            form.pass.clear();
            return true;
        }
        if (!EndsWithNoCase(path, ".kv7")) {
            path += ".kv7";
            form.file = path;
        }
        // A folder or a pipe of that name is not "not found": the reader
        // says what it is.
        if (!PathExists(path)) {
            ui.MessageBox(JoinParagraphs("Не найден файл:", path), Icon::Critical);
            return false;
        }
        if (!ReadExisting(doc, ui, path, form, false, refresh)) return false;
    } else {
        // A new file is never protected, whatever was typed.
        doc.IsProtected = false;
        if (!EndsWithNoCase(path, ".kv7")) {
            if (ui.MessageBox(
                    "Файл должен иметь расширение .kv7. Добавить это расширение и продолжить?",
                    Icon::Information, Buttons::YesNo) != Answer::Yes)
                return false;
            path += ".kv7";
            form.file = path;
            if (FileExists(path) && !AskOverwrite(ui, path)) return false;
        }
        ui.ShowProgress("Создание файла...");
        if (!NewDocument(doc, ui, settings, path, refresh)) {
            ui.HideProgress();
            return false;
        }
        doc.FilePath = path;
        ui.HideProgress();
    }

    form.pass.clear();
    settings.Last = path;
    WriteSettings(ui, paths.settingsPath, settings);
    return true;
}

void PrefixDataFolder(const std::string& programFolder, LoginForm& form) {
    const std::string& p = programFolder;
    if (FolderExists(p + kDataFolderName)) {
        const std::string prefix = p + kDataFolderName + "/";
        if (!StartsWithNoCase(form.file, prefix)) form.file = prefix + form.file;
    } else if (!StartsWithNoCase(form.file, p)) {
        form.file = p + form.file;
    }
}

bool BrowseForFile(Platform& ui, const std::string& programFolder, LoginForm& form) {
    std::string initial = programFolder + kDataFolderName;
    if (!FolderExists(initial)) {
        initial = programFolder;
        if (initial.size() > 1 && initial.back() == '/') initial.pop_back();
    }
    const std::string chosen =
        ui.OpenFileDialog(kOpenDialogTitle, kLoginFileFilter, "*.kv7", initial);
    if (chosen.empty()) return false;
    form.file = chosen;
    form.open = true;
    return true;
}

bool LaunchCalculator(Platform& ui) {
    std::string program, error;
    if (ui.StartCalculator(program, error)) return true;
    ui.MessageBox(JoinParagraphs(JoinParagraphs("Ошибка при запуске файла:", program), error),
                  Icon::Critical);
    return false;
}

void ShowUpdateUnavailable(Platform& ui) {
    ui.MessageBox("В настоящий момент сервис недоступен.", Icon::Information);
}

void PrepareLoginForm(const AppSettings& settings, const std::string& programFolder,
                      LoginForm& form) {
    form.file = settings.Last;
    if (settings.Last.empty())
        PrefixDataFolder(programFolder, form);
    else
        form.open = true;
}

}  // namespace kz
