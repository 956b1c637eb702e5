#include <gtest/gtest.h>

#include "core/Settings.h"
#include "core/TextFiles.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::ReadBytes;
using test::ScriptedPlatform;
using test::TempDir;
using test::WriteBytes;

TEST(Settings, FileFormatOffMarksAndHandEditedValues) {
    TempDir dir;
    ScriptedPlatform ui;
    const AppSettings none = ReadSettings(dir / "missing.ini");  // everything on
    EXPECT_TRUE(none.BackUp && none.Sound && none.ExitConf);
    AppSettings s;
    s.Last = "/home/анна/Kerva Files/дом.kv7";
    s.Sound = false;
    ASSERT_TRUE(WriteSettings(ui, dir / "kervazyl.ini", s));
    EXPECT_EQ(
        ReadBytes(dir / "kervazyl.ini"),
        "[general]\r\nLast=/home/\xE0\xED\xED\xE0/Kerva Files/\xE4\xEE\xEC.kv7\r\nbackup=0\r\n"
        "sound=1\r\nexitconf=0\r\nBackUp=0\r\n\r\n");
    AppSettings back = ReadSettings(dir / "kervazyl.ini");
    EXPECT_EQ(back.Last, s.Last);
    EXPECT_FALSE(back.Sound);
    EXPECT_TRUE(back.BackUp && back.ExitConf);

    // A word is not the off mark; the key letter case does not matter; the
    // first "backup" line decides; keys outside [general] do not count.
    WriteBytes(dir / "k.ini",
               "exitconf=1\n[GENERAL]\nsound=yes\nEXITCONF=1\nbackup=0\nBackUp=1\n"
               "[other]\nLast=/wrong\n");
    back = ReadSettings(dir / "k.ini");
    EXPECT_TRUE(back.Sound && back.BackUp);
    EXPECT_FALSE(back.ExitConf);
    EXPECT_EQ(back.Last, "");
}

TEST(TextFiles, WriteAndReadBack) {
    TempDir dir;
    ScriptedPlatform ui;
    EXPECT_EQ(ReadTextFile(ui, dir / "none.txt"), "");
    ASSERT_TRUE(WriteTextFile(ui, dir / "t.txt", "a\r\nб"));
    EXPECT_EQ(ReadBytes(dir / "t.txt"), "a\r\n\xE1\r\n");
    EXPECT_EQ(ReadTextFile(ui, dir / "t.txt"), "a\r\nб\r\n");
    WriteBytes(dir / "unix.txt", "one\ntwo");
    EXPECT_EQ(ReadTextFile(ui, dir / "unix.txt"), "one\r\ntwo\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TextFiles, FailuresAreReported) {
    TempDir dir;
    ScriptedPlatform ui;
    EXPECT_FALSE(WriteTextFile(ui, dir / "no/such/folder.txt", "x"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Ошибка при записи файла:" + (dir / "no/such/folder.txt") +
                                       ". Возможно, имя неверное или текст слишком большой.\r\n\r\n"
                                       "Файл или папка не найдены.");

    WriteBytes(dir / "keep.txt", "keep");
    EXPECT_FALSE(WriteTextFile(ui, dir / "keep.txt", "日本"));
    EXPECT_EQ(ReadBytes(dir / "keep.txt"), "keep");
}

TEST(PrintText, RetriesUntilItPrintsOrTheUserCancels) {
    ScriptedPlatform ui;
    ui.printResults = {false, false, true};
    ui.Answer(Answer::Retry);
    ui.Answer(Answer::Retry);
    PrintText(ui, "отчет");
    ASSERT_EQ(ui.printed.size(), 1u);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(ui.messages[0].text.ends_with("'Повтор'.\r\n\r\n482.  Ошибка принтера."));

    ui.printResults = {false};
    ui.Answer(Answer::Cancel);
    PrintText(ui, "отчет");
    EXPECT_EQ(ui.printed.size(), 1u);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
