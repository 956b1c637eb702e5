#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/App.h"
#include "startup/frmLogin.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "tools/frmErrorReport.h"

namespace kz {
namespace {

frmErrorReport* ShownNotesWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmErrorReport" && w->isVisible())
            return static_cast<frmErrorReport*>(w);
    return nullptr;
}

struct NotesWindow {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
    std::string path = dir / "krvzylreport.txt";

    ~NotesWindow() {
        if (frmErrorReport* w = ShownNotesWindow()) {
            w->hide();
            w->deleteLater();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    frmErrorReport* Open() {
        app.Login()->findChild<QAction*>("mnuItemErrReport")->trigger();
        return ShownNotesWindow();
    }
};

TEST(ErrorNotesWindowGui, OpensTheFileAsksAtClosingAndSaves) {
    NotesWindow t;
    test::WriteBytes(t.path,
                     "\xCA\xED\xEE\xEF\xEA\xE0 \xED\xE5 \xF0\xE0\xE1\xEE\xF2\xE0\xE5\xF2\r\n");
    frmErrorReport* w = t.Open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Отчет об ошибках Kerva Zyl");
    EXPECT_EQ(w->findChild<QLabel*>("lblVer")->text(), "Версия 7.0.1300");
    EXPECT_EQ(w->findChild<QLabel*>("lblUpdate")->text(), "Дата выпуска/обновления: 05.10.2002.a");
    auto* text = w->findChild<QPlainTextEdit*>("Text1");
    EXPECT_EQ(w->Text(), "Кнопка не работает\r\n");
    EXPECT_FALSE(w->Changed());

    // Typed and not saved: Cancel at the question keeps the window and the text.
    text->appendPlainText(QStringLiteral("Отчет не печатается"));
    t.ui.Answer(Answer::Cancel);
    w->findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_EQ(ShownNotesWindow(), w);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "Текст не сохранен. Сохранить сейчас?");
    EXPECT_EQ(text->toPlainText(), "Кнопка не работает\n\nОтчет не печатается");

    w->findChild<QPushButton*>("cmdSave")->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(test::ReadBytes(t.path),
              "\xCA\xED\xEE\xEF\xEA\xE0 \xED\xE5 \xF0\xE0\xE1\xEE\xF2\xE0\xE5\xF2\r\n\r\n"
              "\xCE\xF2\xF7\xE5\xF2 \xED\xE5 \xEF\xE5\xF7\xE0\xF2\xE0\xE5\xF2\xF1\xFF\r\n");
    // Saved: the close box asks nothing (an unscripted question would fail).
    w->close();
    EXPECT_EQ(ShownNotesWindow(), nullptr);
    EXPECT_EQ(t.ui.messages.size(), 1u);
}

TEST(ErrorNotesWindowGui, UnsavedNotesAskBeforeTheProgramEnds) {
    NotesWindow t;
    t.app.settings.ExitConf = false;
    frmErrorReport* w = t.Open();
    ASSERT_NE(w, nullptr);
    w->findChild<QPlainTextEdit*>("Text1")->appendPlainText(QStringLiteral("Ошибка"));
    // Cancel at the notes' question keeps the program running.
    t.ui.Answer(Answer::Cancel);
    EXPECT_FALSE(t.app.CloseProgram(t.app.Login()));
    EXPECT_EQ(ShownNotesWindow(), w);
    // Yes saves the notes, then the program ends.
    t.ui.Answer(Answer::Yes);
    EXPECT_TRUE(t.app.CloseProgram(t.app.Login()));
    EXPECT_EQ(test::ReadBytes(t.path), "\xCE\xF8\xE8\xE1\xEA\xE0\r\n");
    t.ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
