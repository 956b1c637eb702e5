#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

#include "GuiHelpers.h"
#include "core/DataFile.h"
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

TEST_F(ToolsGui, SavingFromTheMainWindowStoresWhatTheNotepadHolds) {
    Press(main, "cmdNotepad");
    auto* box = Child<QPlainTextEdit>(Shown("frmNote"), "txtNote");
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(" [a]");
    // Saving from the main window writes the text and closes the notepad.
    Child<QAction>(main, "mnuItemSave")->trigger();
    EXPECT_EQ(Shown("frmNote"), nullptr);
    BudgetFile back;
    ASSERT_TRUE(ReadDataFile(back, ui, app.doc.FilePath, "", nullptr));
    EXPECT_EQ(back.notes, "Купить хлеб {a]");
}

}  // namespace
}  // namespace kz
