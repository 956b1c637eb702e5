#include <gtest/gtest.h>

#include "core/Files.h"
#include "startup/Startup.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::ScriptedPlatform;
using test::TempDir;
using Strings = std::vector<std::string>;

TEST(StartChecks, SecondInstanceFirstThenAScreenTooSmallInBothDirections) {
    ScriptedPlatform twice;
    twice.anotherInstance = true;
    twice.screen = {640, 480};  // would fail too, but only the first check speaks
    EXPECT_FALSE(PassStartChecks(twice));
    EXPECT_EQ(twice.messages.size(), 1u);

    for (const auto& [w, h, goesOn] : {std::tuple{800, 600, true}, std::tuple{799, 600, true},
                                       std::tuple{800, 599, true}, std::tuple{799, 599, false}}) {
        ScriptedPlatform ui;
        ui.screen = {w, h};
        EXPECT_EQ(PassStartChecks(ui), goesOn) << w << "x" << h;
        EXPECT_EQ(ui.Texts(), goesOn ? Strings{}
                                     : Strings{"Для работы программы требуется разрешение "
                                               "монитора 800x600."});
    }
}

TEST(StartSequence, SettingsAndSoundsOfTheFirstAndLaterStarts) {
    // First start: the data folder is made, defaults replace what was in
    // memory, and the timer closing the splash plays both sounds.
    TempDir dir;
    ScriptedPlatform first, later;
    AppSettings settings;
    settings.Sound = false;
    PrepareStart(first, settings, dir.Path());
    EXPECT_TRUE(FolderExists(dir / "Kerva Files"));
    EXPECT_TRUE(settings.Sound && settings.BackUp && settings.ExitConf);
    SplashClosed(first, settings, true, dir / kSettingsFileName);
    EXPECT_EQ(first.sounds, (Strings{"start.wav", "blikup.wav"}));
    // A later start reads the file: "1" turns the sounds off.
    test::WriteBytes(dir / kSettingsFileName, "[general]\r\nLast=/home/u/a.kv7\r\nsound=1\r\n");
    PrepareStart(later, settings, dir.Path());
    EXPECT_EQ(settings.Last, "/home/u/a.kv7");
    SplashClosed(later, settings, true, dir / kSettingsFileName);
    PlaySoundFile(later, settings, "coins.wav");
    EXPECT_EQ(later.sounds, Strings{});
}

TEST(StartSequence, CommandLine) {
    // Any argument skips the wait; "--open" also enters; a lone switch names no file.
    EXPECT_FALSE(ParseCommandLine({}).any);
    for (const auto& [args, enter, file] :
         {std::tuple{Strings{"/home/u/home.kv7"}, false, "/home/u/home.kv7"},
          std::tuple{Strings{"--open", "/tmp/a.kv7"}, true, "/tmp/a.kv7"},
          std::tuple{Strings{"--open"}, false, ""}}) {
        const CommandLine c = ParseCommandLine(args);
        EXPECT_TRUE(c.any && c.enter == enter && c.file == file) << args.back();
    }
}

}  // namespace
}  // namespace kz
