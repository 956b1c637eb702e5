#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "GuiHelpers.h"
#include "core/DataFile.h"
#include "core/TextFiles.h"
#include "gui/App.h"
#include "startup/frmLogin.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "tools/frmConv.h"
#include "tools/frmErrorReport.h"
#include "tools/frmShtrih.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

using test::Child;
using test::Shown;

struct ToolsBase : ::testing::Test {
    ~ToolsBase() override {
        test::CloseShown({"frmNote", "frmPhone", "frmShtrih", "frmErrorReport"});
    }
    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
};

// The main window of an open file, with its tool buttons.
struct ToolsGui : ToolsBase {
    ToolsGui() {
        ui.SetToday(5, 10, 2002);
        FillNewDocumentDefaults(app.doc);
        app.doc.FilePath = dir / "home.kv7";
        app.doc.LastDate = ui.Today();
        app.doc.phones[0] = "Сидоров\t555-55-55";
        app.doc.phones[1] = "Аптека\t22-33-44";
        app.doc.phones[2] = "Такси\t068";
        app.doc.notes = "Купить хлеб";
        app.settings.BackUp = false;
        main = app.Main();
        main->Refresh();
        main->show();
    }
    void Press(const char* button) { Child<QPushButton>(main, button)->click(); }
    frmMain* main = nullptr;
};

TEST_F(ToolsGui, ConverterShowsTheCommaRuleAndTravelsWithTheWindowSwitch) {
    auto* conv = Child<QWidget>(main, "frameConv");
    ASSERT_NE(conv, nullptr);
    Child<QLineEdit>(conv, "txt1")->setText("1,5");
    Child<QLineEdit>(conv, "txt2")->setText("3");
    Child<QLineEdit>(conv, "txtIN")->setText("2,5");
    Child<QRadioButton>(conv, "op2to1")->setChecked(true);
    Child<QPushButton>(conv, "cmdConv")->click();
    EXPECT_EQ(Child<QLineEdit>(conv, "txt1")->text(), "1.5");
    EXPECT_EQ(Child<QLineEdit>(conv, "txtRes")->text(), "5");
    Child<QPushButton>(conv, "cmdCopy")->click();
    EXPECT_EQ(ui.clipboard, "5");

    // Another large window with its own converter receives the ratio.
    QWidget other;
    (new QVBoxLayout(&other))->addWidget(new frmConv(ui, &other));
    app.SwitchWindow(main, &other);
    EXPECT_EQ(Child<QLineEdit>(&other, "txt1")->text(), "1.5");
    EXPECT_EQ(Child<QLineEdit>(&other, "txt2")->text(), "3");
}

TEST_F(ToolsGui, PhoneBookGridFollowsTheDocument) {
    Press("cmdPhoneBook");
    QWidget* phone = Shown("frmPhone");
    ASSERT_NE(phone, nullptr);
    auto* grid = Child<QTableWidget>(phone, "Grid");
    ASSERT_EQ(grid->rowCount(), 100);
    EXPECT_EQ(grid->item(1, 1)->text(), "Аптека");
    grid->setFocus();  // a current cell without a chosen row is no choice
    Child<QPushButton>(phone, "cmdDel")->click();
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(app.doc.phones[1], "Аптека\t22-33-44");

    grid->setCurrentCell(1, 1);
    ui.Answer(Answer::Yes);
    Child<QPushButton>(phone, "cmdDel")->click();
    EXPECT_EQ(app.doc.phones[1], "Такси\t068");
    EXPECT_EQ(grid->item(1, 1)->text(), "Такси");
    EXPECT_EQ(grid->item(2, 1)->text(), "");

    grid->setCurrentCell(0, 2);
    Child<QPushButton>(phone, "cmdBuf")->click();
    EXPECT_EQ(ui.clipboard, "Сидоров : 555-55-55");
    ui.ExpectAllAnswered();
}

TEST_F(ToolsGui, NotepadKeepsACleanDocumentCleanAndSavingStoresWhatIsTyped) {
    Press("cmdNotepad");
    QWidget* note = Shown("frmNote");
    ASSERT_NE(note, nullptr);
    auto* box = Child<QPlainTextEdit>(note, "txtNote");
    EXPECT_EQ(box->toPlainText(), "Купить хлеб");
    EXPECT_FALSE(app.doc.Dirty);

    // A character the file cannot hold is taken out again where it was typed.
    box->moveCursor(QTextCursor::Start);
    box->insertPlainText("₽");
    EXPECT_EQ(box->toPlainText(), "Купить хлеб");
    EXPECT_EQ(box->textCursor().position(), 0);
    EXPECT_FALSE(app.doc.Dirty);
    EXPECT_EQ(ui.messages.back().text, UnwritableCharText("₽"));

    box->moveCursor(QTextCursor::End);
    box->insertPlainText(" [a]");
    EXPECT_TRUE(app.doc.Dirty);
    ui.now = DateTime{{2002, 10, 5}, 14, 30, 5};
    Child<QAction>(note, "mnuItemDT")->trigger();
    EXPECT_EQ(box->toPlainText(), "Купить хлеб [a]\n05.10.2002 14:30:05");

    // Saving from the main window writes the text and closes the notepad.
    Child<QAction>(main, "mnuItemSave")->trigger();
    EXPECT_EQ(Shown("frmNote"), nullptr);
    EXPECT_FALSE(app.doc.Dirty);
    BudgetFile back;
    ASSERT_TRUE(ReadDataFile(back, ui, app.doc.FilePath, "", nullptr));
    EXPECT_TRUE(back.notes.starts_with("Купить хлеб {a]\r\n05.10.2002 14:30:05"));
}

TEST_F(ToolsGui, CalculatorBarcodeAndErrorNotesButtons) {
    ui.calculatorStarts = false;
    Press("cmdCalc");
    ASSERT_EQ(ui.messages.size(), 1u);  // the failure is reported
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
    Press("cmdShtrihCheck");
    EXPECT_NE(Shown("frmShtrih"), nullptr);
    Child<QAction>(main, "mnuItemErrReport")->trigger();
    EXPECT_NE(Shown("frmErrorReport"), nullptr);
}

// Error notes, opened from the start window's menu.
struct ErrorNotesGui : ToolsBase {
    frmErrorReport* Open() {
        Child<QAction>(app.Login(), "mnuItemErrReport")->trigger();
        return Shown<frmErrorReport>("frmErrorReport");
    }
    std::string path = dir / "krvzylreport.txt";
};

TEST_F(ErrorNotesGui, OpensTheFileAndUnsavedTextIsAskedAboutByTheWindowAndAtTheEnd) {
    test::WriteBytes(path,
                     "\xCA\xED\xEE\xEF\xEA\xE0 \xED\xE5 \xF0\xE0\xE1\xEE\xF2\xE0\xE5\xF2\r\n");
    app.settings.ExitConf = false;
    frmErrorReport* w = Open();
    ASSERT_NE(w, nullptr);
    auto* text = Child<QPlainTextEdit>(w, "Text1");
    EXPECT_EQ(w->Text(), "Кнопка не работает\r\n");
    EXPECT_FALSE(w->Changed());

    // Typed and not saved: Cancel at the question keeps the window and the text.
    text->appendPlainText(QStringLiteral("Отчет не печатается"));
    ui.Answer(Answer::Cancel);
    Child<QPushButton>(w, "cmdCancel")->click();
    EXPECT_EQ(Shown("frmErrorReport"), w);
    EXPECT_EQ(text->toPlainText(), "Кнопка не работает\n\nОтчет не печатается");
    Child<QPushButton>(w, "cmdSave")->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(test::ReadBytes(path),
              "\xCA\xED\xEE\xEF\xEA\xE0 \xED\xE5 \xF0\xE0\xE1\xEE\xF2\xE0\xE5\xF2\r\n\r\n"
              "\xCE\xF2\xF7\xE5\xF2 \xED\xE5 \xEF\xE5\xF7\xE0\xF2\xE0\xE5\xF2\xF1\xFF\r\n");

    // Ending the program asks about the notes: Cancel keeps it running, Yes saves and ends.
    text->selectAll();
    text->insertPlainText(QStringLiteral("Ошибка"));
    ui.Answer(Answer::Cancel);
    EXPECT_FALSE(app.CloseProgram(app.Login()));
    EXPECT_EQ(Shown("frmErrorReport"), w);
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(app.CloseProgram(app.Login()));
    EXPECT_EQ(test::ReadBytes(path), "\xCE\xF8\xE8\xE1\xEA\xE0\r\n");
    ui.ExpectAllAnswered();
}

// One key typed into whichever box has the focus.
void Type(QWidget* window, QChar c) {
    QWidget* target = window->focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
}

TEST_F(ToolsBase, BarcodeWindowTakesDigitsInOneGoAndChecksThem) {
    Child<QAction>(app.Login(), "mnuItemShtrih")->trigger();
    QWidget* w = Shown("frmShtrih");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(test::ShownCount("frmShtrih"), 1);
    auto box = [&](int n) { return w->findChild<QLineEdit*>(QStringLiteral("txt%1").arg(n)); };
    auto digits = [&] {
        QString s;
        for (int n = 1; n <= 13; ++n) s += box(n)->text();
        return s;
    };
    auto* start = Child<QPushButton>(w, "cmdStart");
    EXPECT_EQ(w->focusWidget(), box(1));

    // A letter is refused and the focus stays; each digit moves it on.
    Type(w, 'x');
    EXPECT_EQ(box(1)->text(), "");
    EXPECT_EQ(w->focusWidget(), box(1));
    for (QChar c : QStringLiteral("460000000000")) Type(w, c);
    EXPECT_EQ(w->focusWidget(), box(13));
    Type(w, '8');
    EXPECT_EQ(digits(), "4600000000008");
    EXPECT_EQ(w->focusWidget(), start);

    start->click();
    box(13)->setText("1");
    start->click();
    ASSERT_EQ(ui.messages.size(), 2u);  // valid, then forged
    EXPECT_EQ(ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(ui.messages[1].text, "Этот штрих-код поддельный!");

    // A digit put into txt5 hands the focus to txt6.
    box(5)->setFocus();
    box(5)->setText("");
    Type(w, '3');
    EXPECT_EQ(w->focusWidget(), box(6));

    Child<QPushButton>(w, "cmdClear")->click();
    EXPECT_EQ(digits(), "");
    EXPECT_EQ(w->focusWidget(), box(1));

    // Opening it again brings the same window to the front.
    box(1)->setText("5");
    app.ShowBarcodeCheck(nullptr);
    EXPECT_EQ(Shown("frmShtrih"), w);
    EXPECT_EQ(test::ShownCount("frmShtrih"), 1);
    EXPECT_EQ(box(1)->text(), "5");
    EXPECT_FALSE(w->isModal());

    Child<QPushButton>(w, "cmd")->click();
    EXPECT_EQ(Shown("frmShtrih"), nullptr);
}

}  // namespace
}  // namespace kz
