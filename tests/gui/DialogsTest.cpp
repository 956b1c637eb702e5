#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "GuiHelpers.h"
#include "gui/App.h"
#include "reports/frmReport.h"
#include "startup/frmOptions.h"
#include "startup/frmPass.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::Child;

struct DialogGui : ::testing::Test {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
};

TEST_F(DialogGui, OptionsWarnBeforeTheBackupGoesOffAndSaveOnlyWithOK) {
    app.settings.Sound = false;
    frmOptions w(app.settings, ui);
    w.LoadOpt();
    w.show();
    auto* backUp = Child<QCheckBox>(&w, "chkBackUp");
    auto* sound = Child<QCheckBox>(&w, "chkSound");
    auto* exitConf = Child<QCheckBox>(&w, "chkExitConf");
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

    Child<QPushButton>(&w, "cmdOK")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(app.settings.BackUp);
    EXPECT_TRUE(app.settings.Sound);
    EXPECT_FALSE(app.settings.ExitConf);

    frmOptions again(app.settings, ui);
    again.LoadOpt();
    again.show();
    Child<QCheckBox>(&again, "chkSound")->click();
    Child<QPushButton>(&again, "cmdCancel")->click();
    EXPECT_TRUE(app.settings.Sound);
    ui.ExpectAllAnswered();
}

TEST_F(DialogGui, PasswordChoicesFollowTheFileAndReadySetsTheNewOne) {
    app.doc.FilePath = dir / "home.kv7";
    frmPass w(app.doc, ui);
    auto* opNewP = Child<QRadioButton>(&w, "opNewP");
    auto* opChangeP = Child<QRadioButton>(&w, "opChangeP");
    auto* opDelP = Child<QRadioButton>(&w, "opDelP");
    auto* txtOldP = Child<QLineEdit>(&w, "txtOldP");
    auto* txtNewP = Child<QLineEdit>(&w, "txtNewP");
    auto* txtConfP = Child<QLineEdit>(&w, "txtConfP");
    ASSERT_TRUE(opNewP && opChangeP && opDelP && txtOldP && txtNewP && txtConfP);

    // A protected file offers change and delete; deleting needs only the old one.
    app.doc.IsProtected = true;
    w.Update();
    EXPECT_TRUE(opChangeP->isChecked());
    EXPECT_FALSE(opNewP->isEnabled());
    EXPECT_TRUE(txtOldP->isEnabled() && txtNewP->isEnabled());
    opDelP->click();
    EXPECT_TRUE(txtOldP->isEnabled());
    EXPECT_FALSE(txtNewP->isEnabled());
    EXPECT_FALSE(Child<QLabel>(&w, "lblConfP")->isEnabled());

    // An unprotected file offers only a new password.
    app.doc.IsProtected = false;
    w.Update();
    w.show();
    EXPECT_TRUE(opNewP->isChecked());
    EXPECT_FALSE(opChangeP->isEnabled() || opDelP->isEnabled() || txtOldP->isEnabled());
    EXPECT_FALSE(Child<QLabel>(&w, "lblOldP")->isEnabled());
    EXPECT_TRUE(txtNewP->isEnabled() && txtConfP->isEnabled());

    txtNewP->setText("Ключ");
    txtConfP->setText("Ключ");
    Child<QPushButton>(&w, "cmdReady")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(app.doc.IsProtected);
    EXPECT_EQ(app.doc.pass, "Ключ");
}

TEST_F(DialogGui, ReportWindowUnlocksEditsPrintsSavesAndIsReused) {
    const std::string kReport =
        "Отчет по состоянию 'Личные деньги' за 10.2002\r\nБаланс: 1500р.\r\nДоходы:\r\n"
        "500р. 01.10.2002 премия";
    QPointer<frmReport> report = qobject_cast<frmReport*>(app.ShowReport(kReport));
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->isVisible());
    auto* txt = Child<QPlainTextEdit>(report, "txt");
    auto* check = Child<QCheckBox>(report, "Check1");
    ASSERT_TRUE(txt && check);
    EXPECT_EQ(report->Text(), kReport);
    EXPECT_TRUE(txt->isReadOnly());

    check->setChecked(true);
    EXPECT_FALSE(txt->isReadOnly());
    txt->appendPlainText("исправлено");
    const std::string edited = kReport + "\r\nисправлено";
    EXPECT_EQ(report->Text(), edited);
    check->setChecked(false);
    EXPECT_TRUE(txt->isReadOnly());

    // The edited text goes to the printer and into the file.
    ui.Answer(Answer::Yes);
    Child<QPushButton>(report, "cmdPrint")->click();
    EXPECT_EQ(ui.printed, std::vector<std::string>{edited});

    ui.saveDialogResults.push_back(dir / "report.txt");
    Child<QPushButton>(report, "cmdSaveAs")->click();
    EXPECT_TRUE(test::ReadBytes(dir / "report.txt")
                    .ends_with("\r\n\xe8\xf1\xef\xf0\xe0\xe2\xeb\xe5\xed\xee\r\n"));  // исправлено

    // A second report replaces the text of the open window.
    EXPECT_EQ(app.ShowReport("другой"), report.data());
    EXPECT_EQ(report->Text(), "другой");

    Child<QPushButton>(report, "cmdOK")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(report);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
