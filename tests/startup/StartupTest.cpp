#include <gtest/gtest.h>

#include <filesystem>

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
    for (const bool byTimer : {true, false}) {
        TempDir dir;
        ScriptedPlatform ui;
        AppSettings settings;
        settings.Sound = false;
        PrepareStart(ui, settings, dir.Path());
        EXPECT_TRUE(FolderExists(dir / "Kerva Files"));
        EXPECT_TRUE(settings.Sound && settings.BackUp && settings.ExitConf);
        SplashClosed(ui, settings, byTimer, dir / kSettingsFileName);
        EXPECT_EQ(ui.sounds, byTimer ? (Strings{"start.wav", "blikup.wav"}) : Strings{"start.wav"});
    }
    // A later start reads the file: the timer plays only the start sound, and
    // with sounds off nothing plays at all ("1" turns them off).
    for (const char* off : {"0", "1"}) {
        TempDir dir;
        test::WriteBytes(dir / kSettingsFileName,
                         std::string("[general]\r\nLast=/home/u/a.kv7\r\nsound=") + off + "\r\n");
        ScriptedPlatform ui;
        AppSettings settings;
        PrepareStart(ui, settings, dir.Path());
        EXPECT_EQ(settings.Last, "/home/u/a.kv7");
        SplashClosed(ui, settings, true, dir / kSettingsFileName);
        PlaySoundFile(ui, settings, "coins.wav");
        EXPECT_EQ(ui.sounds, *off == '0' ? (Strings{"start.wav", "coins.wav"}) : Strings{});
    }
}

TEST(StartSequence, HelpPageAndCommandLine) {
    TempDir dir;
    ScriptedPlatform ui;
    EXPECT_FALSE(ShowHelp(ui, dir.Path()));
    std::filesystem::create_directory(dir / "Help");
    test::WriteBytes(dir / "Help/index.html", "<html></html>");
    ui.helpOpens = false;
    EXPECT_FALSE(ShowHelp(ui, dir.Path()));
    ui.helpOpens = true;
    EXPECT_TRUE(ShowHelp(ui, dir.Path()));
    // The missing page is named; the platform's reason follows a blank line.
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(ui.Texts()[0].ends_with("Не найден файл index.html!"));
    EXPECT_TRUE(ui.Texts()[1].ends_with("!\r\n\r\nФайл или папка не найдены."));

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
