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
    EXPECT_EQ(twice.Texts(), Strings{"Приложение Brisklane Kerva Zyl уже запущено. Параллельная "
                                     "работа программ может привести к потере данных."});

    struct Case {
        int w, h;
        bool goesOn;
    };
    for (const Case c : {Case{800, 600, true}, Case{1024, 768, true}, Case{799, 600, true},
                         Case{800, 599, true}, Case{640, 480, false}, Case{799, 599, false}}) {
        ScriptedPlatform ui;
        ui.screen = {c.w, c.h};
        EXPECT_EQ(PassStartChecks(ui), c.goesOn) << c.w << "x" << c.h;
        const Strings expected =
            c.goesOn ? Strings{}
                     : Strings{"Для работы программы требуется разрешение монитора 800x600."};
        EXPECT_EQ(ui.Texts(), expected) << c.w << "x" << c.h;
    }
}

TEST(StartSequence, FirstStartCreatesTheDataFolderAndPlaysBothSoundsOnlyWhenTheTimerCloses) {
    for (const bool byTimer : {true, false}) {
        TempDir dir;
        ScriptedPlatform ui;
        AppSettings settings;
        settings.Sound = false;  // what was in memory must not survive the read
        PrepareStart(ui, settings, dir.Path());
        EXPECT_TRUE(FolderExists(dir / "Kerva Files"));
        EXPECT_TRUE(settings.Sound && settings.BackUp && settings.ExitConf);
        EXPECT_EQ(settings.Last, "");

        SplashClosed(ui, settings, byTimer, dir / kSettingsFileName);
        EXPECT_EQ(ui.sounds, byTimer ? (Strings{"start.wav", "blikup.wav"}) : Strings{"start.wav"});
        EXPECT_TRUE(ui.messages.empty());
    }
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
    ScriptedPlatform ui;
    EXPECT_FALSE(ShowHelp(ui, dir.Path()));
    std::filesystem::create_directory(dir / "Help");
    test::WriteBytes(dir / "Help/index.html", "<html></html>");
    ui.helpOpens = false;
    EXPECT_FALSE(ShowHelp(ui, dir.Path()));
    // The platform's reason follows a blank line.
    EXPECT_EQ(ui.Texts(),
              (Strings{"Ошибка при запуске справочной системы. Не найден файл index.html!",
                       "Ошибка при запуске справочной системы!\r\n\r\nФайл или папка не найдены."}));
    ui.helpOpens = true;
    EXPECT_TRUE(ShowHelp(ui, dir.Path()));
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(CommandLineArgs, AnyArgumentSkipsTheWaitAndOpenAlsoEnters) {
    EXPECT_FALSE(ParseCommandLine({}).any);

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
