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

TEST(ToolsGui, SavingFromTheMainWindowStoresWhatTheNotepadHoldsAndClosesIt) {
    test::Program p;
    p.app.doc.notes = "Купить хлеб";
    frmMain* main = p.app.Main();
    main->Refresh();
    main->show();
    Child<QPushButton>(main, "cmdNotepad")->click();
    auto* box = Child<QPlainTextEdit>(Shown("frmNote"), "txtNote");
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(" [a]");
    Child<QAction>(main, "mnuItemSave")->trigger();
    EXPECT_EQ(Shown("frmNote"), nullptr);
    BudgetFile back;
    ASSERT_TRUE(ReadDataFile(back, p.ui, p.app.doc.FilePath, "", nullptr));
    EXPECT_EQ(back.notes, "Купить хлеб {a]");
}

}  // namespace
}  // namespace kz
