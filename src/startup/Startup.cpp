#include "startup/Startup.h"

#include <filesystem>
#include <system_error>

#include "core/Files.h"

namespace kz {

std::string VersionText() {
    return "Версия " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
           "  (Сборка " + std::to_string(kBuildNumber) + ")";
}

std::string BuildDateText() {
    return std::string("Обновление: ") + kBuildTag;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    cl.any = !args.empty();
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--open") {
            if (i + 1 < args.size()) {
                cl.file = args[++i];
                cl.enter = true;
            }
        } else if (cl.file.empty() && !args[i].empty() && args[i][0] != '-') {
            cl.file = args[i];
        }
    }
    return cl;
}

bool PassStartChecks(Platform& ui) {
    if (ui.AnotherInstanceRunning()) {
        ui.MessageBox(
            "Приложение Brisklane Kerva Zyl уже запущено. Параллельная работа программ "
            "может привести к потере данных.",
            Icon::Information);
        return false;
    }
    const ScreenSize screen = ui.Screen();
    if (screen.width < 800 && screen.height < 600) {
        ui.MessageBox("Для работы программы требуется разрешение монитора 800x600.",
                      Icon::Critical);
        return false;
    }
    return true;
}

void PrepareStart(Platform& ui, AppSettings& settings, const std::string& programFolder) {
    const std::string dataFolder = programFolder + kDataFolderName;
    if (!FolderExists(dataFolder)) {
        // A folder that cannot be made only costs the user the shortcut to
        // it; the start goes on.
        std::error_code ec;
        std::filesystem::create_directories(dataFolder, ec);
    }
    settings = ReadSettings(programFolder + kSettingsFileName);
    PlaySoundFile(ui, settings, kStartSound);
}

void SplashClosed(Platform& ui, const AppSettings& settings, bool byTimer,
                  const std::string& settingsPath) {
    if (byTimer && !FileExists(settingsPath)) PlaySoundFile(ui, settings, kFirstStartSound);
}

void PlaySoundFile(Platform& ui, const AppSettings& settings, const std::string& fileName) {
    if (settings.Sound) ui.PlaySound(fileName);
}

bool ShowHelp(Platform& ui, const std::string& assetFolder) {
    const std::string page = assetFolder + "Help/index.html";
    if (!FileExists(page)) {
        ui.MessageBox("Ошибка при запуске справочной системы. Не найден файл index.html!",
                      Icon::Exclamation);
        return false;
    }
    std::string error;
    if (!ui.OpenHelpPage(page, error)) {
        ui.MessageBox(JoinParagraphs("Ошибка при запуске справочной системы!", error),
                      Icon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace kz
