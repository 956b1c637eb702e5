#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

#include "gui/App.h"
#include "startup/frmOptions.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

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

TEST(OptionsWindow, BackupWarningAndSaving) {
    TempDir dir;
    ScriptedPlatform ui;
    App app(ui, dir.Path(), dir.Path());
    app.settings.Sound = false;

    frmOptions w(app);
    EXPECT_EQ(w.windowTitle(), "Настройка Brisklane Kerva");
    w.LoadOpt();
    w.show();
    auto* backUp = Find<QCheckBox>(&w, "chkBackUp");
    auto* sound = Find<QCheckBox>(&w, "chkSound");
    auto* exitConf = Find<QCheckBox>(&w, "chkExitConf");
    EXPECT_TRUE(backUp->isChecked());
    EXPECT_FALSE(sound->isChecked());
    EXPECT_TRUE(exitConf->isChecked());
    EXPECT_TRUE(ui.messages.empty());  // loading asks nothing

    ui.Answer(Answer::No);
    backUp->click();
    EXPECT_TRUE(backUp->isChecked());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Предупреждение");

    ui.Answer(Answer::Yes);
    backUp->click();
    EXPECT_FALSE(backUp->isChecked());
    sound->click();
    exitConf->click();
    EXPECT_EQ(ui.messages.size(), 2u);  // only unticking the backup asks
    EXPECT_TRUE(app.settings.BackUp);   // nothing saved yet

    Find<QPushButton>(&w, "cmdOK")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(app.settings.BackUp);
    EXPECT_TRUE(app.settings.Sound);
    EXPECT_FALSE(app.settings.ExitConf);

    // Cancel keeps the settings as they were.
    frmOptions again(app);
    again.LoadOpt();
    again.show();
    Find<QCheckBox>(&again, "chkSound")->click();
    Find<QPushButton>(&again, "cmdCancel")->click();
    EXPECT_TRUE(app.settings.Sound);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
