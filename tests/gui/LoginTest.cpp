#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "core/Files.h"
#include "gui/App.h"
#include "startup/frmLogin.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

struct LoginWindow {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
    frmLogin* w = app.Login();
    QLineEdit* txtFile = w->findChild<QLineEdit*>("txtFile");
    QLineEdit* txtPass = w->findChild<QLineEdit*>("txtPass");
    QRadioButton* create = w->findChild<QRadioButton*>("Option1");
    QRadioButton* open = w->findChild<QRadioButton*>("Option2");
    QPushButton* cmdEnter = w->findChild<QPushButton*>("cmdEnter");

    LoginWindow() {
        EXPECT_TRUE(txtFile && txtPass && create && open && cmdEnter);
        w->show();
    }
    ~LoginWindow() {
        app.Main()->hide();
        w->hide();
    }
    QPushButton* Button(const char* name) { return w->findChild<QPushButton*>(name); }
};

TEST(LoginWindow, CreatingEntersTheMainWindowAndRemembersTheFile) {
    LoginWindow t;
    EXPECT_EQ(t.w->windowTitle(), "Добро пожаловать в Brisklane Kerva!");
    EXPECT_TRUE(t.cmdEnter->isDefault());
    EXPECT_EQ(t.txtPass->echoMode(), QLineEdit::Password);
    // "create" first; the password group follows the choice.
    auto* framePass = t.w->findChild<QGroupBox*>("framePass");
    ASSERT_NE(framePass, nullptr);
    EXPECT_TRUE(t.create->isChecked());
    EXPECT_FALSE(t.txtPass->isEnabled());
    t.open->click();
    EXPECT_TRUE(framePass->isEnabled());
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
    EXPECT_EQ(t.app.Main()->windowTitle(), "Brisklane Kerva Zyl - семья.kv7");
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
    ASSERT_EQ(t.ui.messages.size(), 1u);  // pressed once
    EXPECT_EQ(t.ui.messages[0].text,
              "Ошибка при декодировании файла!\r\n\r\nУбедитесь в правильности пароля.");
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
    auto* menu = t.w->findChild<QMenu*>("mnuAdFunc");
    ASSERT_NE(menu, nullptr);
    auto item = [&](const char* name) -> QAction* {
        for (QAction* a : menu->actions())
            if (a->objectName() == QLatin1String(name)) return a;
        ADD_FAILURE() << name;
        return nullptr;
    };
    ASSERT_TRUE(item("mnuItemCalc") && item("mnuItemShtrih") && item("mnuItemErrReport") &&
                item("mnuItemUpdateMe"));
    EXPECT_TRUE(item("mnuItemShtrih")->isEnabled());
    EXPECT_TRUE(item("mnuItemErrReport")->isEnabled());

    t.ui.calculatorStarts = false;
    item("mnuItemCalc")->trigger();
    item("mnuItemUpdateMe")->trigger();
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
