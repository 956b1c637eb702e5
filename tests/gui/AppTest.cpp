#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/DataFile.h"
#include "core/Files.h"
#include "gui/App.h"
#include "startup/frmAbout.h"
#include "startup/frmLogin.h"
#include "startup/frmSplash.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

using test::ScriptedPlatform;
using test::TempDir;

// A stand-in large window carrying the converter's two fields.
struct LargeWindow : QWidget {
    QLineEdit* txt1 = new QLineEdit(this);
    QLineEdit* txt2 = new QLineEdit(this);
    LargeWindow() {
        txt1->setObjectName("txt1");
        txt2->setObjectName("txt2");
        auto* l = new QVBoxLayout(this);
        l->addWidget(txt1);
        l->addWidget(txt2);
    }
};

TEST(SwitchWindow, HandsOverSizeConverterFieldsCaptionAndPosition) {
    ScriptedPlatform ui;
    TempDir dir;
    App app(ui, dir.Path(), dir.Path());

    LargeWindow from, to;
    from.setWindowTitle("Brisklane Kerva Zyl - home.kv7");
    from.resize(900, 650);
    from.move(40, 30);
    from.txt1->setText("100");
    from.txt2->setText("31,5");
    from.show();
    to.resize(300, 200);
    to.setWindowTitle("other");

    app.SwitchWindow(&from, &to);
    EXPECT_TRUE(to.isVisible());
    EXPECT_FALSE(from.isVisible());
    EXPECT_EQ(to.size(), QSize(900, 650));
    EXPECT_EQ(to.pos(), QPoint(40, 30));
    EXPECT_EQ(to.windowTitle(), "Brisklane Kerva Zyl - home.kv7");
    EXPECT_EQ(to.txt1->text(), "100");
    EXPECT_EQ(to.txt2->text(), "31,5");

    // A window without the converter fields still gets everything else.
    QWidget plain;
    app.SwitchWindow(&to, &plain);
    EXPECT_TRUE(plain.isVisible());
    EXPECT_FALSE(to.isVisible());
    EXPECT_EQ(plain.size(), QSize(900, 650));
    EXPECT_EQ(plain.windowTitle(), "Brisklane Kerva Zyl - home.kv7");

    // A maximised window hands its state over.
    plain.showMaximized();
    app.SwitchWindow(&plain, &from);
    EXPECT_TRUE(from.windowState() & Qt::WindowMaximized);
    from.hide();
}

TEST(AppObject, FoldersTitleAndTheOneInstance) {
    ScriptedPlatform ui;
    TempDir dir;
    App app(ui, dir.Path(), dir / "assets/");
    EXPECT_EQ(&App::Get(), &app);
    EXPECT_EQ(app.SettingsPath(), dir / "kervazyl.ini");
    EXPECT_EQ(app.DataFolder(), dir / "Kerva Files");
    app.doc.FilePath = dir / "Kerva Files/home.kv7";
    EXPECT_EQ(app.WindowTitle(), "Brisklane Kerva Zyl - home.kv7");

    // Help and sounds go to the asset folder's files through the platform.
    app.ShowHelp();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Ошибка при запуске справочной системы. Не найден файл index.html!");
    app.settings.Sound = false;
    app.PlaySoundFile("coins.wav");
    app.settings.Sound = true;
    app.PlaySoundFile("coins.wav");
    EXPECT_EQ(ui.sounds, std::vector<std::string>{"coins.wav"});
}

TEST(AppObject, CloseProgramAsksToSaveThenConfirmsThenWritesSettings) {
    ScriptedPlatform ui;
    TempDir dir;
    App app(ui, dir.Path(), dir.Path());
    QWidget window;
    app.doc.Dirty = true;

    // Exit confirmation on and refused: the window stays, nothing written.
    ui.Answer(Answer::No);  // save now?
    ui.Answer(Answer::No);  // leave?
    EXPECT_FALSE(app.CloseProgram(&window));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "Выйти из Kerva?");
    EXPECT_EQ(ui.messages[1].icon, Icon::Question);
    EXPECT_FALSE(FileExists(app.SettingsPath()));

    // Confirmation off: the save question still comes, then the end.
    ui.messages.clear();
    app.settings.ExitConf = false;
    ui.Answer(Answer::No);
    EXPECT_TRUE(app.CloseProgram(&window));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_NE(test::ReadBytes(app.SettingsPath()).find("exitconf=1\r\n"), std::string::npos);
    ui.ExpectAllAnswered();
}

TEST(AppObject, EnterMainWindowAndReturnToLogin) {
    ScriptedPlatform ui;
    TempDir dir;
    App app(ui, dir.Path(), dir.Path());
    ASSERT_TRUE(NewDocument(app.doc, ui, app.settings, dir / "home.kv7", {}));
    app.Login()->show();

    app.EnterMainWindow();
    EXPECT_TRUE(app.Main()->isVisible());
    EXPECT_FALSE(app.Login()->isVisible());
    EXPECT_EQ(app.Main()->windowTitle(), "Brisklane Kerva Zyl - home.kv7");

    app.ReturnToLogin(app.Main());
    EXPECT_TRUE(app.Login()->isVisible());
    EXPECT_FALSE(app.Main()->isVisible());
    app.Login()->hide();
}

TEST(Splash, LabelsScrollingAndClosing) {
    frmSplash splash;
    auto* version = splash.findChild<QLabel*>("lblVersion");
    auto* date = splash.findChild<QLabel*>("lblDate");
    ASSERT_TRUE(version && date);
    EXPECT_EQ(version->text(), "Версия 7.0  (Сборка 1300)");
    EXPECT_EQ(date->text(), "Обновление: 05.10.2002.a");

    auto* timer = splash.findChild<QTimer*>("Timer");
    auto* scroll = splash.findChild<QTimer*>("Timer1");
    ASSERT_TRUE(timer && scroll);
    EXPECT_EQ(timer->interval(), 5500);
    EXPECT_FALSE(timer->isActive());  // only StartTimer starts the wait
    EXPECT_EQ(scroll->interval(), 200);
    EXPECT_TRUE(scroll->isActive());

    // 200 twips a step; past -1000 twips the picture starts again at 1.
    std::vector<int> lefts;
    for (int i = 0; i < 8; ++i) {
        splash.Scroll();
        lefts.push_back(splash.ImageLeftTwips());
    }
    EXPECT_EQ(lefts, (std::vector<int>{-199, -399, -599, -799, -999, 1, -199, -399}));

    std::vector<bool> closes;
    QObject::connect(&splash, &frmSplash::closed, [&](bool byTimer) { closes.push_back(byTimer); });
    splash.show();
    splash.grab().save("/tmp/kz-splash.png");
    splash.StartTimer();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(&splash, &key);
    EXPECT_FALSE(timer->isActive());
    splash.CloseSplash(true);  // a late timer must not close twice
    EXPECT_EQ(closes, std::vector<bool>{false});
}

TEST(Splash, FrameClickAndTimerClose) {
    frmSplash clicked;
    std::vector<bool> closes;
    QObject::connect(&clicked, &frmSplash::closed,
                     [&](bool byTimer) { closes.push_back(byTimer); });
    auto* frame = clicked.findChild<QWidget*>("Frame1");
    ASSERT_TRUE(frame);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), frame->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &press);
    EXPECT_EQ(closes, std::vector<bool>{false});

    frmSplash timed;
    std::vector<bool> timedCloses;
    QObject::connect(&timed, &frmSplash::closed,
                     [&](bool byTimer) { timedCloses.push_back(byTimer); });
    auto* timer = timed.findChild<QTimer*>("Timer");
    timer->setInterval(0);  // the wait itself is not what is tested
    timed.StartTimer();
    for (int i = 0; i < 100 && timedCloses.empty(); ++i) QApplication::processEvents();
    EXPECT_EQ(timedCloses, std::vector<bool>{true});
}

TEST(About, ShowsVersionBuildAndTheProgramFolder) {
    ScriptedPlatform ui;
    TempDir dir;
    App app(ui, dir.Path(), dir.Path());
    frmAbout about(app);
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Версия 7.0  (Сборка 1300)");
    EXPECT_EQ(about.findChild<QLabel*>("lblDate")->text(), "Обновление: 05.10.2002.a");
    EXPECT_EQ(about.findChild<QLabel*>("lblFolder")->text(), QString::fromStdString(dir.Path()));
    about.show();
    about.grab().save("/tmp/kz-about.png");
    about.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kz
