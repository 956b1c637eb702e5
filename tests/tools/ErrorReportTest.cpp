#include <gtest/gtest.h>

#include "core/Files.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "tools/ErrorReport.h"

namespace kz {
namespace {

const char* const kUnsaved = "Текст не сохранен. Сохранить сейчас?";

TEST(ErrorNotes, FirstSaveCreatesTheFileAndEverySaveReplacesIt) {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    const std::string path = dir / "krvzylreport.txt";
    EXPECT_EQ(ErrorNotesPath(dir.Path()), path);

    // No notes yet: an empty text, and no message about the missing file.
    EXPECT_EQ(LoadErrorNotes(ui, dir.Path()), "");
    EXPECT_FALSE(FileExists(path));

    ASSERT_TRUE(
        SaveErrorNotes(ui, dir.Path(), "Отчет за 10.2002 не создан\r\nГрафик: пустой список"));
    // Windows-1251 with a final CR LF added by the writer.
    EXPECT_EQ(test::ReadBytes(path),
              "\xCE\xF2\xF7\xE5\xF2 \xE7\xE0 10.2002 \xED\xE5 \xF1\xEE\xE7\xE4\xE0\xED\r\n"
              "\xC3\xF0\xE0\xF4\xE8\xEA: \xEF\xF3\xF1\xF2\xEE\xE9 \xF1\xEF\xE8\xF1\xEE\xEA\r\n");
    EXPECT_EQ(LoadErrorNotes(ui, dir.Path()),
              "Отчет за 10.2002 не создан\r\nГрафик: пустой список\r\n");

    // A shorter text leaves nothing of the longer one behind.
    ASSERT_TRUE(SaveErrorNotes(ui, dir.Path(), "ok"));
    EXPECT_EQ(test::ReadBytes(path), "ok\r\n");
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(ErrorNotesVersionText(), "Версия 7.0.1300");
    EXPECT_EQ(ErrorNotesReleaseText(), "Дата выпуска/обновления: 05.10.2002.a");
}

TEST(ErrorNotes, ClosingAsksOnlyAboutChangedText) {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    const std::string path = dir / "krvzylreport.txt";
    test::WriteBytes(path, "old\r\n");

    // Unchanged (also after a save): closes without a question.
    EXPECT_TRUE(CloseErrorNotes(ui, dir.Path(), "new", false));
    EXPECT_TRUE(ui.messages.empty());

    // Cancel keeps the window and the file.
    ui.Answer(Answer::Cancel);
    EXPECT_FALSE(CloseErrorNotes(ui, dir.Path(), "new", true));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kUnsaved);
    EXPECT_EQ(ui.messages[0].icon, Icon::Question);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(ui.messages[0].title, kDefaultTitle);
    EXPECT_EQ(test::ReadBytes(path), "old\r\n");

    // No closes without writing.
    ui.Answer(Answer::No);
    EXPECT_TRUE(CloseErrorNotes(ui, dir.Path(), "new", true));
    EXPECT_EQ(test::ReadBytes(path), "old\r\n");

    // Yes writes, then closes.
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(CloseErrorNotes(ui, dir.Path(), "new", true));
    EXPECT_EQ(test::ReadBytes(path), "new\r\n");
    EXPECT_EQ(ui.messages.size(), 3u);
    ui.ExpectAllAnswered();
}

TEST(ErrorNotes, AFailedSaveOnClosingKeepsTheWindow) {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    test::WriteBytes(dir / "krvzylreport.txt", "old\r\n");
    // Windows-1251 has no Chinese letters: the writer refuses the text.
    ui.Answer(Answer::Yes);
    EXPECT_FALSE(CloseErrorNotes(ui, dir.Path(), "ошибка 中", true));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].title, "Запись файла");
    EXPECT_EQ(ui.messages[1].icon, Icon::Exclamation);
    EXPECT_EQ(test::ReadBytes(dir / "krvzylreport.txt"), "old\r\n");

    // A program folder that cannot be written to.
    EXPECT_FALSE(SaveErrorNotes(ui, dir / "missing/", "text"));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[2].text.rfind("Ошибка при записи файла:" + dir / "missing/" +
                                            "krvzylreport.txt. Возможно, имя неверное или текст "
                                            "слишком большой.\r\n\r\n",
                                        0),
              0u);
}

}  // namespace
}  // namespace kz
