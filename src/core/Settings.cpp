#include "core/Settings.h"

#include "core/IniFile.h"
#include "core/TextFiles.h"
#include "core/Cp1251.h"
#include "core/Files.h"

namespace kz {

AppSettings ReadSettings(const std::string& path) {
    AppSettings s;
    std::string bytes;
    int err = 0;
    if (path.empty() || !FileExists(path) || !ReadWholeFile(path, bytes, err)) return s;
    IniFile ini;
    ini.LoadCp1251(WholeFile(std::move(bytes)));
    const std::string last = ini.Value("general", "Last");
    if (!last.empty()) s.Last = last;
    // The stored digit marks an option as off; anything else leaves it on.
    s.BackUp = ini.Value("general", "backup") != "1";
    s.Sound = ini.Value("general", "sound") != "1";
    s.ExitConf = ini.Value("general", "exitconf") != "1";
    return s;
}

std::string SettingsText(const AppSettings& s) {
    auto mark = [](bool on) { return on ? "0" : "1"; };
    std::string t = "[general]\r\n";
    t += "Last=" + s.Last + "\r\n";
    t += std::string("backup=") + mark(s.BackUp) + "\r\n";
    t += std::string("sound=") + mark(s.Sound) + "\r\n";
    t += std::string("exitconf=") + mark(s.ExitConf) + "\r\n";
    t += std::string("BackUp=") + mark(s.BackUp) + "\r\n";
    return t;
}

bool WriteSettings(Platform& ui, const std::string& path, const AppSettings& s) {
    return WriteTextFile(ui, path, SettingsText(s));
}

}  // namespace kz
