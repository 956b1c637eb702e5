#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "GuiHelpers.h"
#include "core/DataFile.h"
#include "core/TextFiles.h"
#include "startup/frmLogin.h"
#include "tools/frmConv.h"
#include "tools/frmErrorReport.h"
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

TEST_F(ToolsGui, ConverterShowsTheCommaRuleAndTravelsWithTheWindowSwitch) {
    main->setGeometry(40, 30, 900, 650);
    main->setWindowTitle("Brisklane Kerva Zyl - копия.kv7");
    auto* conv = Child(main, "frameConv");
    Child<QLineEdit>(conv, "txt1")->setText("1,5");
    Child<QLineEdit>(conv, "txt2")->setText("3");
    Child<QLineEdit>(conv, "txtIN")->setText("2,5");
    Child<QRadioButton>(conv, "op2to1")->setChecked(true);
    Press(conv, "cmdConv");
    EXPECT_EQ(Child<QLineEdit>(conv, "txt1")->text(), "1.5");
    EXPECT_EQ(Child<QLineEdit>(conv, "txtRes")->text(), "5");
    Press(conv, "cmdCopy");
    EXPECT_EQ(ui.clipboard, "5");
    // Another large window with its own converter receives the ratio.
    QWidget other;
    (new QVBoxLayout(&other))->addWidget(new frmConv(ui, &other));
    app.SwitchWindow(main, &other);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(other.geometry(), QRect(40, 30, 900, 650));  // size, place and caption go along
    EXPECT_EQ(other.windowTitle(), "Brisklane Kerva Zyl - копия.kv7");
    EXPECT_EQ(Child<QLineEdit>(&other, "txt1")->text(), "1.5");
    EXPECT_EQ(Child<QLineEdit>(&other, "txt2")->text(), "3");
    other.showMaximized();
    QWidget plain;
    app.SwitchWindow(&other, &plain);
    EXPECT_TRUE(plain.windowState() & Qt::WindowMaximized);
    plain.hide();
}

TEST_F(ToolsGui, NotepadRefusesWhatTheFileCannotHoldAndSavingStoresWhatIsTyped) {
    Press(main, "cmdNotepad");
    auto* box = Child<QPlainTextEdit>(Shown("frmNote"), "txtNote");
    box->moveCursor(QTextCursor::Start);
    box->insertPlainText("₽");
    EXPECT_EQ(box->toPlainText(), "Купить хлеб");
    EXPECT_FALSE(app.doc.Dirty);
    EXPECT_EQ(ui.messages.back().text, UnwritableCharText("₽"));
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

TEST_F(ToolsGui, ErrorNotesAreAskedAboutByTheWindowAndAtTheEnd) {
    app.settings.ExitConf = false;
    Child<QAction>(main, "mnuItemErrReport")->trigger();
    auto* w = Shown<frmErrorReport>("frmErrorReport");
    ASSERT_NE(w, nullptr);
    auto* text = Child<QPlainTextEdit>(w, "Text1");
    text->setPlainText(QStringLiteral("Отчет"));
    ui.Answer(Answer::Cancel);  // typed, not saved: Cancel keeps the window
    Press(w, "cmdCancel");
    EXPECT_EQ(Shown("frmErrorReport"), w);
    Press(w, "cmdSave");
    EXPECT_EQ(test::ReadBytes(dir / "krvzylreport.txt"), "\xCE\xF2\xF7\xE5\xF2\r\n");
    text->setPlainText(QStringLiteral("Ошибка"));
    // Ending the program asks: Cancel keeps it running, Yes saves and ends.
    ui.Answer(Answer::Cancel);
    EXPECT_FALSE(app.CloseProgram(main));
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(app.CloseProgram(main));
    EXPECT_EQ(test::ReadBytes(dir / "krvzylreport.txt"), "\xCE\xF8\xE8\xE1\xEA\xE0\r\n");
    ui.ExpectAllAnswered();
}

TEST_F(ToolsGui, BarcodeWindowTakesDigitsInOneGo) {
    Child<QAction>(app.Login(), "mnuItemShtrih")->trigger();
    QWidget* w = Shown("frmShtrih");
    ASSERT_NE(w, nullptr);
    auto box = [&](int n) { return w->findChild<QLineEdit*>(QStringLiteral("txt%1").arg(n)); };
    auto type = [&](const QString& keys) {
        for (QChar c : keys) test::Key(w->focusWidget(), 0, c);
    };
    EXPECT_EQ(w->focusWidget(), box(1));
    type("x");  // a letter is refused and the focus stays
    EXPECT_EQ(w->focusWidget(), box(1));
    type("4600000000008");
    QString digits;
    for (int n = 1; n <= 13; ++n) digits += box(n)->text();
    EXPECT_EQ(digits, "4600000000008");
    EXPECT_EQ(w->focusWidget(), Child(w, "cmdStart"));
    Press(w, "cmdStart");
    EXPECT_EQ(ui.messages.back().icon, Icon::Information);  // valid
    Press(w, "cmdClear");
    EXPECT_EQ(box(13)->text(), "");
    EXPECT_EQ(w->focusWidget(), box(1));
    Press(w, "cmd");
    EXPECT_EQ(Shown("frmShtrih"), nullptr);
}

}  // namespace
}  // namespace kz
