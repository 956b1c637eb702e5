#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "GuiHelpers.h"
#include "core/Files.h"
#include "startup/frmLogin.h"
#include "startup/frmSplash.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

using test::Child;

TEST(App, LeavingWritesTheSettingsUnlessRefused) {
    test::Program p;
    QWidget window;
    p.app.doc.Dirty = true;
    p.ui.Answer(Answer::No);  // save now?
    p.ui.Answer(Answer::No);  // leave?
    EXPECT_FALSE(p.app.CloseProgram(&window));
    EXPECT_FALSE(FileExists(p.app.SettingsPath()));
    p.app.settings.ExitConf = false;  // only the save question now
    p.ui.Answer(Answer::No);
    EXPECT_TRUE(p.app.CloseProgram(&window));
    EXPECT_NE(test::ReadBytes(p.app.SettingsPath()).find("exitconf=1\r\n"), std::string::npos);
    p.ui.ExpectAllAnswered();
}

TEST(App, SplashScrollsAndClosesOnceByKeyClickOrTimer) {
    std::vector<bool> closes;  // true: closed by the timer
    frmSplash keyed, clicked, timed;
    for (frmSplash* s : {&keyed, &clicked, &timed})
        QObject::connect(s, &frmSplash::closed, [&](bool byTimer) { closes.push_back(byTimer); });
    // 200 twips a step; past -1000 twips the picture starts again at 1.
    std::vector<int> lefts;
    for (int i = 0; i < 7; ++i) {
        keyed.Scroll();
        lefts.push_back(keyed.ImageLeftTwips());
    }
    EXPECT_EQ(lefts, (std::vector<int>{-199, -399, -599, -799, -999, 1, -199}));

    keyed.show();
    keyed.StartTimer();
    test::Key(&keyed, Qt::Key_Space, " ");
    keyed.CloseSplash(true);  // a late timer must not close twice
    test::Click(Child(&clicked, "Frame1"));
    Child<QTimer>(&timed, "Timer")->setInterval(0);  // the wait itself is not what is tested
    timed.StartTimer();
    for (int i = 0; i < 100 && closes.size() < 3; ++i) QApplication::processEvents();
    EXPECT_EQ(closes, (std::vector<bool>{false, false, true}));
}

TEST(App, StartWindowTakesEnterInThePasswordField) {
    test::Program p;
    frmLogin* w = p.app.Login();
    w->show();
    auto* txtFile = Child<QLineEdit>(w, "txtFile");
    auto* txtPass = Child<QLineEdit>(w, "txtPass");
    EXPECT_FALSE(txtPass->isEnabled());  // "create" first; the password follows the choice
    Child<QRadioButton>(w, "Option2")->click();
    EXPECT_TRUE(txtPass->isEnabled());

    test::WriteBytes(p.dir / "broken.kv7", "999999999999\r\n");
    txtFile->setText(QString::fromStdString(p.dir / "broken"));
    txtPass->setText("secret");
    test::Key(txtPass, Qt::Key_Return);
    EXPECT_EQ(txtFile->text().toStdString(), p.dir / "broken.kv7");
    EXPECT_EQ(txtPass->text(), "");
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(p.app.Main()->isVisible());
    EXPECT_EQ(p.ui.messages.size(), 1u);  // pressed once, refused once
}

}  // namespace
}  // namespace kz
