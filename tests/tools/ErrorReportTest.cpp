#include <gtest/gtest.h>

#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "tools/ErrorReport.h"

namespace kz {
namespace {

TEST(ErrorNotes, SavesReplaceTheFileAndClosingAsksOnlyAboutChangedText) {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    const std::string path = dir / "krvzylreport.txt";
    EXPECT_EQ(LoadErrorNotes(ui, dir.Path()), "");  // no notes yet, and no message
    ASSERT_TRUE(SaveErrorNotes(ui, dir.Path(), "old"));
    EXPECT_EQ(test::ReadBytes(path), "old\r\n");
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_TRUE(CloseErrorNotes(ui, dir.Path(), "new", false));  // unchanged: no question
    ui.Answer(Answer::Cancel);
    EXPECT_FALSE(CloseErrorNotes(ui, dir.Path(), "new", true));
    ui.Answer(Answer::No);
    EXPECT_TRUE(CloseErrorNotes(ui, dir.Path(), "new", true));
    EXPECT_EQ(test::ReadBytes(path), "old\r\n");
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(CloseErrorNotes(ui, dir.Path(), "new", true));
    EXPECT_EQ(test::ReadBytes(path), "new\r\n");
    // A save that fails keeps the window: Windows-1251 has no Chinese letters.
    ui.Answer(Answer::Yes);
    EXPECT_FALSE(CloseErrorNotes(ui, dir.Path(), "ошибка 中", true));
    EXPECT_EQ(test::ReadBytes(path), "new\r\n");
    ASSERT_EQ(ui.messages.size(), 5u);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNoCancel);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
