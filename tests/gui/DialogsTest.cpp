#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "GuiHelpers.h"
#include "reports/frmReport.h"
#include "startup/frmOptions.h"
#include "startup/frmPass.h"

namespace kz {
namespace {

using test::Child;

TEST(Dialogs, OptionsShowEachSettingInItsBoxWarnBeforeTheBackupGoesOffAndSaveOnlyWithOK) {
    test::Program p;
    p.app.settings = {};
    p.app.settings.Sound = false;
    frmOptions w(p.app.settings, p.ui);
    w.LoadOpt();
    w.show();
    auto* backUp = Child<QCheckBox>(&w, "chkBackUp");
    auto* sound = Child<QCheckBox>(&w, "chkSound");
    auto* exitConf = Child<QCheckBox>(&w, "chkExitConf");
    EXPECT_EQ(std::vector<bool>({backUp->isChecked(), sound->isChecked(), exitConf->isChecked()}),
              std::vector<bool>({true, false, true}));
    p.ui.Answer(Answer::No);
    backUp->click();
    EXPECT_TRUE(backUp->isChecked());
    p.ui.Answer(Answer::Yes);
    backUp->click();
    sound->click();
    exitConf->click();
    EXPECT_EQ(p.ui.Texts(), std::vector<std::string>(
                                2,
                                "Эта функция очень рекомендуется. Ее выключение может привести "
                                "к потере данных в некоторых случаях!\r\n\r\nВы уверены, что "
                                "хотите выключить ее?"));
    EXPECT_EQ(p.ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(p.ui.messages[0].title, "Предупреждение");
    EXPECT_TRUE(p.app.settings.BackUp);  // nothing saved before the button
    Child<QPushButton>(&w, "cmdOK")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(
        std::vector<bool>({p.app.settings.BackUp, p.app.settings.Sound, p.app.settings.ExitConf}),
        std::vector<bool>({false, true, false}));

    w.LoadOpt();
    w.show();
    sound->click();
    Child<QPushButton>(&w, "cmdCancel")->click();
    EXPECT_TRUE(p.app.settings.Sound);
    p.ui.ExpectAllAnswered();
}

TEST(Dialogs, PasswordChoicesFollowTheFileAndReadySetsTheNewOne) {
    test::Program p;
    frmPass w(p.app.doc, p.ui);
    auto* txtOldP = Child<QLineEdit>(&w, "txtOldP");
    auto* txtNewP = Child<QLineEdit>(&w, "txtNewP");
    // A protected file offers change and delete; deleting needs only the old one.
    p.app.doc.IsProtected = true;
    w.Update();
    EXPECT_FALSE(Child<QRadioButton>(&w, "opNewP")->isEnabled());
    EXPECT_TRUE(txtOldP->isEnabled() && txtNewP->isEnabled());
    Child<QRadioButton>(&w, "opDelP")->click();
    EXPECT_TRUE(txtOldP->isEnabled());
    EXPECT_FALSE(txtNewP->isEnabled());

    // An unprotected file offers only a new password.
    p.app.doc.IsProtected = false;
    w.Update();
    w.show();
    EXPECT_FALSE(Child<QRadioButton>(&w, "opDelP")->isEnabled() || txtOldP->isEnabled());
    txtNewP->setText("Ключ");
    Child<QLineEdit>(&w, "txtConfP")->setText("Ключ");
    Child<QPushButton>(&w, "cmdReady")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(p.app.doc.IsProtected);
    EXPECT_EQ(p.app.doc.pass, "Ключ");
}

TEST(Dialogs, ReportWindowTakesEditsOnlyWhenAskedAndIsReused) {
    test::Program p;
    QPointer<frmReport> report = qobject_cast<frmReport*>(p.app.ShowReport("Баланс: 1500р."));
    ASSERT_TRUE(report);
    auto* txt = Child<QPlainTextEdit>(report, "txt");
    EXPECT_TRUE(txt->isReadOnly());
    Child<QCheckBox>(report, "Check1")->setChecked(true);
    txt->appendPlainText("исправлено");
    EXPECT_EQ(report->Text(), "Баланс: 1500р.\r\nисправлено");

    EXPECT_EQ(p.app.ShowReport("другой"), report.data());
    EXPECT_EQ(report->Text(), "другой");
    Child<QPushButton>(report, "cmdOK")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(report);
}

}  // namespace
}  // namespace kz
