#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "GuiHelpers.h"
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

struct AppGui : ::testing::Test {
    test::ScriptedPlatform ui;
    test::TempDir dir;
    App app{ui, dir.Path(), dir.Path()};
};

// The converter's fields travel too; that is proved with the real converter
// among the tool tests.
TEST_F(AppGui, SwitchWindowHandsOverSizePositionCaptionAndMaximisedState) {
    QWidget from, to, plain;
    from.setWindowTitle("Brisklane Kerva Zyl - home.kv7");
    from.resize(900, 650);
    from.move(40, 30);
    from.show();
    to.resize(300, 200);

    app.SwitchWindow(&from, &to);
    EXPECT_TRUE(to.isVisible());
    EXPECT_FALSE(from.isVisible());
    EXPECT_EQ(to.size(), QSize(900, 650));
    EXPECT_EQ(to.pos(), QPoint(40, 30));
    EXPECT_EQ(to.windowTitle(), "Brisklane Kerva Zyl - home.kv7");

    to.showMaximized();
    app.SwitchWindow(&to, &plain);
    EXPECT_TRUE(plain.windowState() & Qt::WindowMaximized);
    plain.hide();
}

TEST_F(AppGui, FoldersHelpAndSoundsGoThroughThePlatform) {
    EXPECT_EQ(app.SettingsPath(), dir / "kervazyl.ini");
    EXPECT_EQ(app.DataFolder(), dir / "Kerva Files");
    app.ShowHelp();  // no help pages in the folder
    EXPECT_EQ(ui.messages.size(), 1u);
    app.settings.Sound = false;
    app.PlaySoundFile("coins.wav");
    app.settings.Sound = true;
    app.PlaySoundFile("coins.wav");
    EXPECT_EQ(ui.sounds, std::vector<std::string>{"coins.wav"});
}

TEST_F(AppGui, CloseProgramStaysWhenRefusedAndWritesSettingsWhenLeaving) {
    QWidget window;
    app.doc.Dirty = true;

    // The questions themselves are the exit logic's; here: refused keeps
    // the program, leaving writes the settings.
    ui.Answer(Answer::No);  // save now?
    ui.Answer(Answer::No);  // leave?
    EXPECT_FALSE(app.CloseProgram(&window));
    EXPECT_FALSE(FileExists(app.SettingsPath()));
    app.settings.ExitConf = false;  // only the save question now
    ui.Answer(Answer::No);
    EXPECT_TRUE(app.CloseProgram(&window));
    EXPECT_NE(test::ReadBytes(app.SettingsPath()).find("exitconf=1\r\n"), std::string::npos);
    ui.ExpectAllAnswered();
}

TEST_F(AppGui, EnterMainWindowAndReturnToLogin) {
    ASSERT_TRUE(NewDocument(app.doc, ui, app.settings, dir / "home.kv7", {}));
    app.Login()->show();
    app.EnterMainWindow();
    EXPECT_TRUE(app.Main()->isVisible());
    EXPECT_FALSE(app.Login()->isVisible());
    EXPECT_EQ(app.Main()->windowTitle(), "Brisklane Kerva Zyl - home.kv7");

    app.CloseFile(app.Main());
    EXPECT_TRUE(app.Login()->isVisible());
    EXPECT_FALSE(app.Main()->isVisible());
    app.Login()->hide();
}

TEST(Splash, ScrollsAndClosesOnceByKeyClickOrTimer) {
    frmSplash splash;
    std::vector<bool> closes;  // true: closed by the timer
    QObject::connect(&splash, &frmSplash::closed, [&](bool byTimer) { closes.push_back(byTimer); });
    auto* timer = test::Child<QTimer>(&splash, "Timer");
    ASSERT_TRUE(timer);
    EXPECT_FALSE(timer->isActive());  // only StartTimer starts the wait
    EXPECT_TRUE(test::Child<QTimer>(&splash, "Timer1")->isActive());  // the picture scrolls

    // 200 twips a step; past -1000 twips the picture starts again at 1.
    std::vector<int> lefts;
    for (int i = 0; i < 8; ++i) {
        splash.Scroll();
        lefts.push_back(splash.ImageLeftTwips());
    }
    EXPECT_EQ(lefts, (std::vector<int>{-199, -399, -599, -799, -999, 1, -199, -399}));

    splash.show();
    splash.StartTimer();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(&splash, &key);
    EXPECT_FALSE(timer->isActive());
    splash.CloseSplash(true);  // a late timer must not close twice
    EXPECT_EQ(closes, std::vector<bool>{false});

    frmSplash clicked;
    QObject::connect(&clicked, &frmSplash::closed,
                     [&](bool byTimer) { closes.push_back(byTimer); });
    test::Click(test::Child<QWidget>(&clicked, "Frame1"));
    EXPECT_EQ(closes, (std::vector<bool>{false, false}));

    frmSplash timed;
    QObject::connect(&timed, &frmSplash::closed, [&](bool byTimer) { closes.push_back(byTimer); });
    test::Child<QTimer>(&timed, "Timer")->setInterval(0);  // the wait itself is not what is tested
    timed.StartTimer();
    for (int i = 0; i < 100 && closes.size() < 3; ++i) QApplication::processEvents();
    EXPECT_EQ(closes, (std::vector<bool>{false, false, true}));
}

TEST_F(AppGui, AboutShowsTheProgramFolderAndClosesWithOK) {
    frmAbout about(app.ProgramFolder());
    EXPECT_EQ(test::Child<QLabel>(&about, "lblFolder")->text(), test::Q(dir.Path()));
    about.show();
    test::Child<QPushButton>(&about, "cmdOK")->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kz
