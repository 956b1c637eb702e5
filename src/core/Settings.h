#pragma once

#include <string>

#include "platform/Platform.h"

namespace kz {

inline constexpr const char* kSettingsFileName = "kervazyl.ini";

struct AppSettings {
    std::string Last;     // the last data file opened or created
    bool BackUp = true;   // backup copy before every save
    bool Sound = true;    // the program's sounds
    bool ExitConf = true; // ask before the program ends
};

// Reads the settings file; a missing file gives the defaults (all on).
AppSettings ReadSettings(const std::string& path);
// The whole settings file text (without the final line break the text-file
// writer adds).
std::string SettingsText(const AppSettings& s);
// Writes the whole file; a failure is reported by the text-file writer.
bool WriteSettings(Platform& ui, const std::string& path, const AppSettings& s);

}  // namespace kz
