#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

#include "GuiHelpers.h"
#include "core/DataFile.h"
#include "core/TextFiles.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

using test::Child;
using test::Shown;

// The main window of an open file, with its tool buttons.
struct ToolsGui : ::testing::Test, test::Program {
    ToolsGui() {
        app.doc.notes = "Купить хлеб";
        main->Refresh();
        main->show();
    }
    void Press(QWidget* in, const char* button) { Child<QPushButton>(in, button)->click(); }
    frmMain* main = app.Main();
};

TEST_F(ToolsGui, NotepadRefusesWhatTheFileCannotHoldAndSavingStoresWhatIsTyped) {
    Press(main, "cmdNotepad");
    auto* box = Child<QPlainTextEdit>(Shown("frmNote"), "txtNote");
    box->moveCursor(QTextCursor::Start);
    box->insertPlainText("₽");
    EXPECT_EQ(box->toPlainText(), "Купить хлеб");
    EXPECT_FALSE(app.doc.Dirty);
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(" [a]");
    ui.now = DateTime{{2002, 10, 5}, 14, 30, 5};
    Child<QAction>(Shown("frmNote"), "mnuItemDT")->trigger();
    // Saving from the main window writes the text and closes the notepad.
    Child<QAction>(main, "mnuItemSave")->trigger();
    EXPECT_EQ(Shown("frmNote"), nullptr);
    BudgetFile back;
    ASSERT_TRUE(ReadDataFile(back, ui, app.doc.FilePath, "", nullptr));
    EXPECT_TRUE(back.notes.starts_with("Купить хлеб {a]\r\n05.10.2002 14:30:05"));
}

}  // namespace
}  // namespace kz
