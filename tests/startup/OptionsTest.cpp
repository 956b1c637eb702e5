#include <gtest/gtest.h>

#include "core/Files.h"
#include "startup/Options.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::ScriptedPlatform;
using test::TempDir;

TEST(Options, BoxesCarryTheSettingsBothWays) {
    TempDir dir;
    ScriptedPlatform ui;
    AppSettings s = ReadSettings(dir / "kervazyl.ini");  // no file: all on
    OptionsForm form = LoadOpt(s);
    EXPECT_TRUE(form.backUp && form.sound && form.exitConf);

    form.sound = false;
    SaveOpt(form, s);
    EXPECT_TRUE(s.BackUp);
    EXPECT_FALSE(s.Sound);
    EXPECT_TRUE(s.ExitConf);
    ASSERT_TRUE(WriteSettings(ui, dir / "kervazyl.ini", s));
    EXPECT_NE(test::ReadBytes(dir / "kervazyl.ini").find("sound=1\r\n"), std::string::npos);

    const OptionsForm back = LoadOpt(ReadSettings(dir / "kervazyl.ini"));
    EXPECT_TRUE(back.backUp);
    EXPECT_FALSE(back.sound);
    EXPECT_TRUE(back.exitConf);
}

TEST(Options, TurningBackupsOffIsConfirmed) {
    ScriptedPlatform ui;
    ui.Answer(Answer::No);
    EXPECT_FALSE(ConfirmBackUpOff(ui));
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(ConfirmBackUpOff(ui));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text,
              "Эта функция очень рекомендуется. Ее выключение может привести к потере данных в "
              "некоторых случаях!\r\n\r\nВы уверены, что хотите выключить ее?");
    EXPECT_EQ(ui.messages[0].title, "Предупреждение");
    EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
}

}  // namespace
}  // namespace kz
