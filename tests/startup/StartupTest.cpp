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

const char* const kAlreadyRunning =
    "Приложение Brisklane Kerva Zyl уже запущено. Параллельная работа программ может привести к "
    "потере данных.";
const char* const kSmallScreen = "Для работы программы требуется разрешение монитора 800x600.";

TEST(StartChecks, SecondInstanceIsToldAndStopsBeforeTheScreenCheck) {
    ScriptedPlatform ui;
    ui.anotherInstance = true;
    ui.screen = {640, 480};  // would fail too, but only the first check speaks
    EXPECT_FALSE(PassStartChecks(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kAlreadyRunning);
    EXPECT_EQ(ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(ui.messages[0].title, kDefaultTitle);
}

TEST(StartChecks, ScreenMustBeTooSmallInBothDirectionsToStop) {
    struct Case {
        int w, h;
        bool goesOn;
    };
    for (const Case c : {Case{800, 600, true}, Case{1024, 768, true}, Case{799, 600, true},
                         Case{800, 599, true}, Case{640, 480, false}, Case{799, 599, false}}) {
        ScriptedPlatform ui;
        ui.screen = {c.w, c.h};
        EXPECT_EQ(PassStartChecks(ui), c.goesOn) << c.w << "x" << c.h;
        if (c.goesOn) {
            EXPECT_TRUE(ui.messages.empty()) << c.w << "x" << c.h;
        } else {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, kSmallScreen);
            EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
        }
    }
}

TEST(StartSequence, FirstStartCreatesTheDataFolderAndPlaysBothSoundsWhenTheTimerCloses) {
    TempDir dir;
    ScriptedPlatform ui;
    AppSettings settings;
    settings.Sound = false;  // what was in memory must not survive the read
    PrepareStart(ui, settings, dir.Path());
    EXPECT_TRUE(FolderExists(dir / "Kerva Files"));
    EXPECT_TRUE(settings.Sound && settings.BackUp && settings.ExitConf);
    EXPECT_EQ(settings.Last, "");

    SplashClosed(ui, settings, /*byTimer=*/true, dir / kSettingsFileName);
    EXPECT_EQ(ui.sounds, (Strings{"start.wav", "blikup.wav"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(StartSequence, KeyOrClickOnTheSplashPlaysNoFirstStartSound) {
    TempDir dir;
    ScriptedPlatform ui;
    AppSettings settings;
    PrepareStart(ui, settings, dir.Path());
    SplashClosed(ui, settings, /*byTimer=*/false, dir / kSettingsFileName);
    EXPECT_EQ(ui.sounds, Strings{"start.wav"});
}

TEST(StartSequence, LaterStartsReadTheSettingsAndHonourSoundsOff) {
    TempDir dir;
    // A settings file written by an earlier run, sounds on: only start.wav.
    {
        ScriptedPlatform ui;
        AppSettings s;
        s.Last = dir / "Kerva Files/home.kv7";
        ASSERT_TRUE(WriteSettings(ui, dir / kSettingsFileName, s));
        AppSettings settings;
        PrepareStart(ui, settings, dir.Path());
        SplashClosed(ui, settings, true, dir / kSettingsFileName);
        EXPECT_EQ(ui.sounds, Strings{"start.wav"});
        EXPECT_EQ(settings.Last, dir / "Kerva Files/home.kv7");
    }
    // Sounds turned off: nothing at all, not even on the timer.
    {
        test::WriteBytes(dir / kSettingsFileName, "[general]\r\nLast=\r\nsound=1\r\n");
        ScriptedPlatform ui;
        AppSettings settings;
        PrepareStart(ui, settings, dir.Path());
        EXPECT_FALSE(settings.Sound);
        SplashClosed(ui, settings, true, dir / kSettingsFileName);
        PlaySoundFile(ui, settings, "coins.wav");
        EXPECT_TRUE(ui.sounds.empty());
    }
}

TEST(Help, MissingPageFailedBrowserAndSuccess) {
    TempDir dir;
    {
        ScriptedPlatform ui;
        EXPECT_FALSE(ShowHelp(ui, dir.Path()));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text,
                  "Ошибка при запуске справочной системы. Не найден файл index.html!");
        EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    }
    std::filesystem::create_directory(dir / "Help");
    test::WriteBytes(dir / "Help/index.html", "<html></html>");
    {
        ScriptedPlatform ui;
        ui.helpOpens = false;
        EXPECT_FALSE(ShowHelp(ui, dir.Path()));
        ASSERT_EQ(ui.messages.size(), 1u);
        // The platform's reason follows a blank line.
        EXPECT_EQ(ui.messages[0].text,
                  "Ошибка при запуске справочной системы!\r\n\r\nФайл или папка не найдены.");
        EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    }
    {
        ScriptedPlatform ui;
        EXPECT_TRUE(ShowHelp(ui, dir.Path()));
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(CommandLineArgs, AnyArgumentSkipsTheWaitAndOpenAlsoEnters) {
    CommandLine none = ParseCommandLine({});
    EXPECT_FALSE(none.any);

    CommandLine plain = ParseCommandLine({"/home/u/Kerva Files/home.kv7"});
    EXPECT_TRUE(plain.any);
    EXPECT_EQ(plain.file, "/home/u/Kerva Files/home.kv7");
    EXPECT_FALSE(plain.enter);

    CommandLine open = ParseCommandLine({"--open", "/tmp/a.kv7"});
    EXPECT_EQ(open.file, "/tmp/a.kv7");
    EXPECT_TRUE(open.enter);

    // A lone switch still skips the wait but names no file.
    CommandLine dangling = ParseCommandLine({"--open"});
    EXPECT_TRUE(dangling.any);
    EXPECT_EQ(dangling.file, "");
    EXPECT_FALSE(dangling.enter);
}

}  // namespace
}  // namespace kz
