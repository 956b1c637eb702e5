#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

#include "gui/App.h"
#include "startup/frmOptions.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

TEST(OptionsWindow, BackupWarningSaveAndCancel) {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app(ui, dir.Path(), dir.Path());
    app.settings.Sound = false;

    frmOptions w(app);
    EXPECT_EQ(w.windowTitle(), "Настройка Brisklane Kerva");
    w.LoadOpt();
    w.show();
    auto* backUp = w.findChild<QCheckBox*>("chkBackUp");
    auto* sound = w.findChild<QCheckBox*>("chkSound");
    auto* exitConf = w.findChild<QCheckBox*>("chkExitConf");
    ASSERT_TRUE(backUp && sound && exitConf);
    EXPECT_TRUE(backUp->isChecked());
    EXPECT_FALSE(sound->isChecked());
    EXPECT_TRUE(exitConf->isChecked());
    EXPECT_TRUE(ui.messages.empty());  // loading asks nothing

    ui.Answer(Answer::No);
    backUp->click();
    EXPECT_TRUE(backUp->isChecked());
    ui.Answer(Answer::Yes);
    backUp->click();
    EXPECT_FALSE(backUp->isChecked());
    sound->click();
    exitConf->click();
    ASSERT_EQ(ui.messages.size(), 2u);  // only unticking the backup asks
    EXPECT_EQ(ui.messages[0].text,
              "Эта функция очень рекомендуется. Ее выключение может привести к потере данных в "
              "некоторых случаях!\r\n\r\nВы уверены, что хотите выключить ее?");
    EXPECT_EQ(ui.messages[0].title, "Предупреждение");
    EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(app.settings.BackUp);  // nothing saved before the button

    w.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(app.settings.BackUp);
    EXPECT_TRUE(app.settings.Sound);
    EXPECT_FALSE(app.settings.ExitConf);

    frmOptions again(app);
    again.LoadOpt();
    again.show();
    again.findChild<QCheckBox*>("chkSound")->click();
    again.findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_TRUE(app.settings.Sound);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
