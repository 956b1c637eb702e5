#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "core/Cp1251.h"
#include "core/DataFile.h"
#include "core/Files.h"
#include "gui/App.h"
#include "startup/frmLogin.h"
#include "support/SampleDocuments.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

using test::ScriptedPlatform;
using test::TempDir;

template <class T>
T* Find(QWidget* w, const char* name) {
    T* found = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

struct LoginWindow {
    TempDir dir;
    ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
    frmLogin* w = app.Login();
    QLineEdit* txtFile = Find<QLineEdit>(w, "txtFile");
    QLineEdit* txtPass = Find<QLineEdit>(w, "txtPass");
    QRadioButton* create = Find<QRadioButton>(w, "Option1");
    QRadioButton* open = Find<QRadioButton>(w, "Option2");
    QGroupBox* framePass = Find<QGroupBox>(w, "framePass");
    QPushButton* cmdEnter = Find<QPushButton>(w, "cmdEnter");

    LoginWindow() { w->show(); }
    ~LoginWindow() {
        app.Main()->hide();
        w->hide();
    }
};

TEST(LoginWindow, ControlsAndThePasswordGroup) {
    LoginWindow t;
    EXPECT_EQ(t.w->windowTitle(), "Добро пожаловать в Brisklane Kerva!");
    EXPECT_EQ(Find<QLabel>(t.w, "Label1")->text(),
              "Вас приветствует Brisklane Kerva Zyl! Чтобы начать работу, укажите  открываемый "
              "файл. Чтобы создать новый файл, щелкните на переключатель \"Создать новый файл "
              "Kerva\".");
    EXPECT_EQ(t.cmdEnter->text(), "Открыть >>>");
    EXPECT_TRUE(t.cmdEnter->isDefault());
    EXPECT_EQ(Find<QPushButton>(t.w, "cmdMD")->toolTip(),
              "Добавить в текстовое поле путь к директории Kerva");
    EXPECT_EQ(t.txtPass->echoMode(), QLineEdit::Password);
    for (const char* name : {"Label2", "Label4", "Label5"}) Find<QLabel>(t.w, name);
    for (const char* name : {"cmdBrowse", "cmdCancel", "cmdHelp", "cmdAbout", "cmdAdditional"})
        Find<QPushButton>(t.w, name);

    // "create" is chosen at first; the password group follows the choice.
    EXPECT_TRUE(t.create->isChecked());
    EXPECT_FALSE(t.framePass->isEnabled());
    EXPECT_FALSE(t.txtPass->isEnabled());
    t.open->click();
    EXPECT_TRUE(t.framePass->isEnabled());
    EXPECT_TRUE(t.txtPass->isEnabled());
    t.create->click();
    EXPECT_FALSE(t.txtPass->isEnabled());
}

TEST(LoginWindow, CreatingEntersTheMainWindowAndRemembersTheFile) {
    LoginWindow t;
    t.txtFile->setText(Q(t.dir / "семья"));
    t.ui.Answer(Answer::Yes);  // add ".kv7"
    t.cmdEnter->click();
    t.ui.ExpectAllAnswered();
    EXPECT_EQ(t.txtFile->text(), Q(t.dir / "семья.kv7"));
    EXPECT_TRUE(FileExists(t.dir / "семья.kv7"));
    EXPECT_EQ(t.app.doc.FilePath, t.dir / "семья.kv7");
    EXPECT_TRUE(t.app.Main()->isVisible());
    EXPECT_FALSE(t.w->isVisible());
    EXPECT_EQ(t.app.Main()->windowTitle(), "Brisklane Kerva Zyl - семья.kv7");
    EXPECT_EQ(ReadSettings(t.app.SettingsPath()).Last, t.dir / "семья.kv7");
}

TEST(LoginWindow, AFailedDecipheringEmptiesThePasswordField) {
    LoginWindow t;
    test::WriteBytes(t.dir / "broken.kv7", "999999999999\r\n");
    t.open->click();
    t.txtFile->setText(Q(t.dir / "broken"));
    t.txtPass->setText("secret");
    // Enter in the password field presses the enter button, once.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(t.txtPass, &enter);
    EXPECT_EQ(t.txtFile->text(), Q(t.dir / "broken.kv7"));
    EXPECT_EQ(t.txtPass->text(), "");
    EXPECT_TRUE(t.w->isVisible());
    EXPECT_FALSE(t.app.Main()->isVisible());
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text,
              "Ошибка при декодировании файла!\r\n\r\nУбедитесь в правильности пароля.");
    EXPECT_EQ(t.ui.progressShown, t.ui.progressHidden);
}

TEST(LoginWindow, DataFolderBrowseAndSettings) {
    LoginWindow t;
    std::filesystem::create_directory(t.dir / "Kerva Files");
    t.app.settings.Last.clear();
    t.w->PrepareFromSettings();
    EXPECT_EQ(t.txtFile->text(), Q(t.dir / "Kerva Files/"));
    EXPECT_TRUE(t.create->isChecked());
    t.txtFile->setText("дом.kv7");
    auto* cmdMD = Find<QPushButton>(t.w, "cmdMD");
    cmdMD->click();
    cmdMD->click();
    EXPECT_EQ(t.txtFile->text(), Q(t.dir / "Kerva Files/дом.kv7"));

    t.ui.openDialogResults.push_back(t.dir / "Kerva Files/work.kv7");
    Find<QPushButton>(t.w, "cmdBrowse")->click();
    EXPECT_EQ(t.txtFile->text(), Q(t.dir / "Kerva Files/work.kv7"));
    EXPECT_TRUE(t.open->isChecked());
    EXPECT_TRUE(t.txtPass->isEnabled());

    t.app.settings.Last = "/home/user/home.kv7";
    t.create->click();
    t.w->PrepareFromSettings();
    EXPECT_EQ(t.txtFile->text(), "/home/user/home.kv7");
    EXPECT_TRUE(t.open->isChecked());

    // Closing the start window writes the settings file.
    t.app.settings.Sound = false;
    t.w->close();
    const AppSettings back = ReadSettings(t.app.SettingsPath());
    EXPECT_EQ(back.Last, "/home/user/home.kv7");
    EXPECT_FALSE(back.Sound);
}

TEST(LoginWindow, AdditionalFunctionsMenu) {
    LoginWindow t;
    auto* menu = Find<QMenu>(t.w, "mnuAdFunc");
    ASSERT_NE(menu, nullptr);
    auto item = [&](const char* name) {
        QAction* a = menu->findChild<QAction*>(QString::fromLatin1(name));
        if (!a)
            for (QAction* candidate : menu->actions())
                if (candidate->objectName() == QLatin1String(name)) a = candidate;
        EXPECT_NE(a, nullptr) << name;
        return a;
    };
    EXPECT_EQ(item("mnuItemCalc")->text(), "Калькулятор");
    EXPECT_EQ(item("mnuItemShtrih")->text(), "Проверка штрих-кода");
    EXPECT_EQ(item("mnuItemErrReport")->text(), "Отчет об ошибках Kerva Zyl");

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
