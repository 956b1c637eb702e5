#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/Files.h"
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

TEST(ErrorNotesWindowGui, OpensTheFileAndSavesWithoutAskingAgain) {
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

    text->appendPlainText(QStringLiteral("Отчет не печатается"));
    EXPECT_TRUE(w->Changed());
    w->findChild<QPushButton*>("cmdSave")->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(test::ReadBytes(t.path),
              "\xCA\xED\xEE\xEF\xEA\xE0 \xED\xE5 \xF0\xE0\xE1\xEE\xF2\xE0\xE5\xF2\r\n\r\n"
              "\xCE\xF2\xF7\xE5\xF2 \xED\xE5 \xEF\xE5\xF7\xE0\xF2\xE0\xE5\xF2\xF1\xFF\r\n");
    // Saved: closing asks nothing (an unscripted question would fail).
    w->findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_EQ(ShownNotesWindow(), nullptr);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(ErrorNotesWindowGui, ClosingChangedNotesAsks) {
    NotesWindow t;
    frmErrorReport* w = t.Open();
    ASSERT_NE(w, nullptr);
    auto* text = w->findChild<QPlainTextEdit*>("Text1");
    EXPECT_EQ(text->toPlainText(), "");
    text->setPlainText(QStringLiteral("Сумма 12,50 округляется"));

    t.ui.Answer(Answer::Cancel);
    w->findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_EQ(ShownNotesWindow(), w);
    EXPECT_EQ(text->toPlainText(), "Сумма 12,50 округляется");
    EXPECT_FALSE(FileExists(t.path));

    // The window's close box asks the same; Yes saves and closes.
    t.ui.Answer(Answer::Yes);
    w->close();
    EXPECT_EQ(ShownNotesWindow(), nullptr);
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[1].text, "Текст не сохранен. Сохранить сейчас?");
    EXPECT_EQ(test::ReadBytes(t.path),
              "\xD1\xF3\xEC\xEC\xE0 12,50 \xEE\xEA\xF0\xF3\xE3\xEB\xFF\xE5\xF2\xF1\xFF\r\n");
}

}  // namespace
}  // namespace kz
