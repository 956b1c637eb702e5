#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "GuiHelpers.h"
#include "core/Files.h"
#include "gui/App.h"
#include "startup/frmLogin.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

using test::Q;

struct LoginWindow {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
    frmLogin* w = app.Login();
    QLineEdit* txtFile = test::Child<QLineEdit>(w, "txtFile");
    QLineEdit* txtPass = test::Child<QLineEdit>(w, "txtPass");
    QRadioButton* create = test::Child<QRadioButton>(w, "Option1");
    QRadioButton* open = test::Child<QRadioButton>(w, "Option2");
    QPushButton* cmdEnter = test::Child<QPushButton>(w, "cmdEnter");

    LoginWindow() { w->show(); }
    ~LoginWindow() {
        app.Main()->hide();
        w->hide();
    }
    QPushButton* Button(const char* name) { return test::Child<QPushButton>(w, name); }
};

TEST(LoginWindow, CreatingEntersTheMainWindowAndRemembersTheFile) {
    LoginWindow t;
    // "create" first; the password follows the choice.
    EXPECT_TRUE(t.create->isChecked());
    EXPECT_FALSE(t.txtPass->isEnabled());
    t.open->click();
    EXPECT_TRUE(t.txtPass->isEnabled());
    t.create->click();
    EXPECT_FALSE(t.txtPass->isEnabled());

    t.txtFile->setText(Q(t.dir / "семья"));
    t.ui.Answer(Answer::Yes);  // add ".kv7"
    t.cmdEnter->click();
    t.ui.ExpectAllAnswered();
    EXPECT_EQ(t.txtFile->text(), Q(t.dir / "семья.kv7"));
    EXPECT_TRUE(FileExists(t.dir / "семья.kv7"));
    EXPECT_TRUE(t.app.Main()->isVisible());
    EXPECT_FALSE(t.w->isVisible());
    EXPECT_EQ(ReadSettings(t.app.SettingsPath()).Last, t.dir / "семья.kv7");
}

TEST(LoginWindow, EnterInThePasswordFieldAndAFailedDeciphering) {
    LoginWindow t;
    test::WriteBytes(t.dir / "broken.kv7", "999999999999\r\n");
    t.open->click();
    t.txtFile->setText(Q(t.dir / "broken"));
    t.txtPass->setText("secret");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(t.txtPass, &enter);
    EXPECT_EQ(t.txtFile->text(), Q(t.dir / "broken.kv7"));
    EXPECT_EQ(t.txtPass->text(), "");
    EXPECT_TRUE(t.w->isVisible());
    EXPECT_FALSE(t.app.Main()->isVisible());
    EXPECT_EQ(t.ui.messages.size(), 1u);  // pressed once, refused once
}

TEST(LoginWindow, BrowsingSettingsAndClosing) {
    LoginWindow t;
    t.ui.openDialogResults.push_back(t.dir / "work.kv7");
    t.Button("cmdBrowse")->click();
    EXPECT_EQ(t.txtFile->text(), Q(t.dir / "work.kv7"));
    EXPECT_TRUE(t.open->isChecked());
    EXPECT_TRUE(t.txtPass->isEnabled());

    t.app.settings.Last = "/home/user/home.kv7";
    t.create->click();
    t.w->PrepareFromSettings();
    EXPECT_EQ(t.txtFile->text(), "/home/user/home.kv7");
    EXPECT_TRUE(t.open->isChecked());

    t.app.settings.Sound = false;
    t.Button("cmdCancel")->click();  // closing writes the settings file
    EXPECT_FALSE(t.w->isVisible());
    const AppSettings back = ReadSettings(t.app.SettingsPath());
    EXPECT_EQ(back.Last, "/home/user/home.kv7");
    EXPECT_FALSE(back.Sound);
}

TEST(LoginWindow, AdditionalFunctionsMenu) {
    LoginWindow t;
    t.ui.calculatorStarts = false;
    test::Child<QAction>(t.w, "mnuItemCalc")->trigger();
    test::Child<QAction>(t.w, "mnuItemUpdateMe")->trigger();
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].text,
              "Ошибка при запуске файла:\r\n\r\n/usr/bin/calculator\r\n\r\nФайл или папка не "
              "найдены.");
    EXPECT_EQ(t.ui.messages[0].icon, Icon::Critical);
    EXPECT_EQ(t.ui.messages[1].text, "В настоящий момент сервис недоступен.");
    EXPECT_EQ(t.ui.messages[1].icon, Icon::Information);
}

}  // namespace
}  // namespace kz
