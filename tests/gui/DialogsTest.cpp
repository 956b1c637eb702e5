#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "GuiHelpers.h"
#include "startup/frmOptions.h"
#include "startup/frmPass.h"

namespace kz {
namespace {

using test::Child;

TEST(Dialogs, OptionsShowEachSettingInItsBoxWarnBeforeTheBackupGoesOffAndSaveOnlyWithOK) {
    test::Program p;
    AppSettings& s = p.app.settings;
    s = {};
    s.Sound = false;
    frmOptions w(s, p.ui);
    w.LoadOpt();
    w.show();
    const std::vector<QCheckBox*> boxes = {Child<QCheckBox>(&w, "chkBackUp"),
                                           Child<QCheckBox>(&w, "chkSound"),
                                           Child<QCheckBox>(&w, "chkExitConf")};
    EXPECT_EQ(
        std::vector<bool>({boxes[0]->isChecked(), boxes[1]->isChecked(), boxes[2]->isChecked()}),
        std::vector<bool>({true, false, true}));
    p.ui.Answer(Answer::No);  // the backup stays on
    boxes[0]->click();
    EXPECT_TRUE(boxes[0]->isChecked());
    p.ui.Answer(Answer::Yes);
    for (QCheckBox* b : boxes) b->click();
    ASSERT_EQ(p.ui.messages.size(), 2u);
    EXPECT_NE(p.ui.messages[1].text.find("Ее выключение может привести к потере данных"),
              std::string::npos);
    EXPECT_TRUE(s.BackUp);  // nothing saved before the button
    Child<QPushButton>(&w, "cmdOK")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(std::vector<bool>({s.BackUp, s.Sound, s.ExitConf}),
              std::vector<bool>({false, true, false}));

    w.LoadOpt();
    boxes[1]->click();
    Child<QPushButton>(&w, "cmdCancel")->click();
    EXPECT_TRUE(s.Sound);
    p.ui.ExpectAllAnswered();
}

TEST(Dialogs, PasswordChoicesFollowTheFileAndReadySetsTheNewOne) {
    test::Program p;
    frmPass w(p.app.doc, p.ui);
    auto* txtOldP = Child<QLineEdit>(&w, "txtOldP");
    auto* txtNewP = Child<QLineEdit>(&w, "txtNewP");
    // A protected file offers deleting, which needs only the old password.
    p.app.doc.IsProtected = true;
    w.Update();
    Child<QRadioButton>(&w, "opDelP")->click();
    EXPECT_TRUE(txtOldP->isEnabled() && !txtNewP->isEnabled());
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

}  // namespace
}  // namespace kz
