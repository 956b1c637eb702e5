#include <gtest/gtest.h>

#include "core/Files.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "tools/ErrorReport.h"

namespace kz {
namespace {

TEST(ErrorNotes, FirstSaveCreatesTheFileAndEverySaveReplacesIt) {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    const std::string path = dir / "krvzylreport.txt";
    EXPECT_EQ(ErrorNotesPath(dir.Path()), path);

    // No notes yet: an empty text, and no message about the missing file.
    EXPECT_EQ(LoadErrorNotes(ui, dir.Path()), "");
    ASSERT_TRUE(SaveErrorNotes(ui, dir.Path(), "Отчет за 10.2002 не создан\r\nГрафик пустой"));
    EXPECT_TRUE(FileExists(path));
    // Read back whole, with the final CR LF the writer adds.
    EXPECT_EQ(LoadErrorNotes(ui, dir.Path()), "Отчет за 10.2002 не создан\r\nГрафик пустой\r\n");
    // A shorter text leaves nothing of the longer one behind.
    ASSERT_TRUE(SaveErrorNotes(ui, dir.Path(), "ok"));
    EXPECT_EQ(test::ReadBytes(path), "ok\r\n");
    EXPECT_TRUE(ui.messages.empty());
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
    EXPECT_EQ(ui.messages[0].text, "Текст не сохранен. Сохранить сейчас?");
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(test::ReadBytes(path), "old\r\n");

    // No closes without writing.
    ui.Answer(Answer::No);
    EXPECT_TRUE(CloseErrorNotes(ui, dir.Path(), "new", true));
    EXPECT_EQ(test::ReadBytes(path), "old\r\n");

    // Yes writes, then closes.
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(CloseErrorNotes(ui, dir.Path(), "new", true));
    EXPECT_EQ(test::ReadBytes(path), "new\r\n");

    // A save that fails keeps the window: Windows-1251 has no Chinese letters.
    ui.Answer(Answer::Yes);
    EXPECT_FALSE(CloseErrorNotes(ui, dir.Path(), "ошибка 中", true));
    ASSERT_EQ(ui.messages.size(), 5u);
    EXPECT_EQ(ui.messages[4].title, "Запись файла");
    EXPECT_EQ(test::ReadBytes(path), "new\r\n");
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
