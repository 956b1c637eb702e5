#pragma once

#include <string>
#include <vector>

#include "core/Settings.h"
#include "core/Version.h"
#include "platform/Platform.h"

namespace kz {

inline constexpr const char* kStartSound = "start.wav";
inline constexpr const char* kFirstStartSound = "blikup.wav";
inline constexpr const char* kDataFolderName = "Kerva Files";

// "Версия 7.0  (Сборка 1300)".
std::string VersionText();
// "Обновление: 05.10.2002.a".
std::string BuildDateText();

// What the command line asks for. Any argument skips the splash wait; a
// path fills the start window's file field; "--open PATH" also presses the
// enter button (unattended starts and the end-to-end test).
struct CommandLine {
    bool any = false;
    std::string file;
    bool enter = false;
};
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The two checks before anything is loaded: another running instance, then
// a screen smaller than 800 x 600 in both directions. Each shows its message;
// false means the program ends.
bool PassStartChecks(Platform& ui);

// After the splash is up: the data folder is created when missing, the
// settings are read and the start-up sound plays (when sounds are on).
void PrepareStart(Platform& ui, AppSettings& settings, const std::string& programFolder);

// The splash has closed. Only a close by its timer on the very first start
// (no settings file yet) plays the first-start sound.
void SplashClosed(Platform& ui, const AppSettings& settings, bool byTimer,
                  const std::string& settingsPath);

// Plays a sound of the program's folder when sounds are on.
void PlaySoundFile(Platform& ui, const AppSettings& settings, const std::string& fileName);

// Opens the help start page of the asset folder, or says why it cannot.
bool ShowHelp(Platform& ui, const std::string& assetFolder);

}  // namespace kz
