#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/DataFile.h"
#include "gui/App.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "tools/frmConv.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

using test::ScriptedPlatform;
using test::TempDir;

QWidget* TopLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
    return nullptr;
}

// The main window of an open file, with its tool buttons.
class ToolsGui : public ::testing::Test {
protected:
    ToolsGui() : app(ui, dir.Path(), dir.Path()) {
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
    ~ToolsGui() override {
        for (const char* name : {"frmNote", "frmPhone", "frmShtrih", "frmErrorReport"})
            if (QWidget* w = TopLevel(name)) w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T>
    T* Get(QWidget* in, const char* name) {
        T* w = in ? in->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Press(const char* button) { Get<QPushButton>(main, button)->click(); }

    TempDir dir;
    ScriptedPlatform ui;
    App app;
    frmMain* main = nullptr;
};

TEST_F(ToolsGui, ConverterShowsTheCommaRuleAndTravelsWithTheWindowSwitch) {
    auto* conv = Get<QWidget>(main, "frameConv");
    ASSERT_NE(conv, nullptr);
    Get<QLineEdit>(conv, "txt1")->setText("1,5");
    Get<QLineEdit>(conv, "txt2")->setText("3");
    Get<QLineEdit>(conv, "txtIN")->setText("2,5");
    Get<QRadioButton>(conv, "op2to1")->setChecked(true);
    Get<QPushButton>(conv, "cmdConv")->click();
    EXPECT_EQ(Get<QLineEdit>(conv, "txt1")->text(), "1.5");
    EXPECT_EQ(Get<QLineEdit>(conv, "txtRes")->text(), "5");
    Get<QPushButton>(conv, "cmdCopy")->click();
    EXPECT_EQ(ui.clipboard, "5");

    // Another large window with its own converter receives the ratio.
    QWidget other;
    (new QVBoxLayout(&other))->addWidget(new frmConv(app, &other));
    app.SwitchWindow(main, &other);
    EXPECT_EQ(Get<QLineEdit>(&other, "txt1")->text(), "1.5");
    EXPECT_EQ(Get<QLineEdit>(&other, "txt2")->text(), "3");
}

TEST_F(ToolsGui, PhoneBookGridFollowsTheDocument) {
    Press("cmdPhoneBook");
    QWidget* phone = TopLevel("frmPhone");
    ASSERT_NE(phone, nullptr);
    auto* grid = Get<QTableWidget>(phone, "Grid");
    ASSERT_EQ(grid->rowCount(), 100);
    EXPECT_EQ(grid->item(1, 1)->text(), "Аптека");
    grid->setFocus();  // a current cell without a chosen row is no choice
    Get<QPushButton>(phone, "cmdDel")->click();
    EXPECT_EQ(ui.messages.back().text, "Сначала выберите запись!");

    grid->setCurrentCell(1, 1);
    ui.Answer(Answer::Yes);
    Get<QPushButton>(phone, "cmdDel")->click();
    EXPECT_EQ(ui.messages.back().text, "Вы действительно хотите удалить запись:\r\n\r\nАптека?");
    EXPECT_EQ(app.doc.phones[1], "Такси\t068");
    EXPECT_EQ(grid->item(1, 0)->text(), "2");
    EXPECT_EQ(grid->item(1, 1)->text(), "Такси");
    EXPECT_EQ(grid->item(2, 1)->text(), "");

    grid->setCurrentCell(0, 2);
    Get<QPushButton>(phone, "cmdBuf")->click();
    EXPECT_EQ(ui.clipboard, "Сидоров : 555-55-55");
}

TEST_F(ToolsGui, NotepadKeepsACleanDocumentCleanAndSavingStoresWhatIsTyped) {
    Press("cmdNotepad");
    QWidget* note = TopLevel("frmNote");
    ASSERT_NE(note, nullptr);
    auto* box = Get<QPlainTextEdit>(note, "txtNote");
    EXPECT_EQ(box->toPlainText(), "Купить хлеб");
    EXPECT_FALSE(app.doc.Dirty);

    box->moveCursor(QTextCursor::End);
    box->insertPlainText(" [a]");
    EXPECT_TRUE(app.doc.Dirty);
    ui.now = DateTime{{2002, 10, 5}, 14, 30, 5};
    Get<QAction>(note, "mnuItemDT")->trigger();
    EXPECT_EQ(box->toPlainText(), "Купить хлеб [a]\n05.10.2002 14:30:05");

    // Saving from the main window writes the text and closes the notepad.
    Get<QAction>(main, "mnuItemSave")->trigger();
    EXPECT_EQ(TopLevel("frmNote"), nullptr);
    EXPECT_FALSE(app.doc.Dirty);
    BudgetFile back;
    ASSERT_TRUE(ReadDataFile(back, ui, app.doc.FilePath, "", nullptr));
    EXPECT_TRUE(back.notes.starts_with("Купить хлеб {a]\r\n05.10.2002 14:30:05"));
}

TEST_F(ToolsGui, CalculatorBarcodeAndErrorNotes) {
    ui.calculatorStarts = false;
    Press("cmdCalc");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Ошибка при запуске файла:\r\n\r\n/usr/bin/calculator\r\n\r\nФайл или папка не "
              "найдены.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);

    Press("cmdShtrihCheck");
    EXPECT_NE(TopLevel("frmShtrih"), nullptr);
    main->findChild<QAction*>("mnuItemErrReport")->trigger();
    EXPECT_NE(TopLevel("frmErrorReport"), nullptr);
}

}  // namespace
}  // namespace kz
