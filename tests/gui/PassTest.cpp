#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/App.h"
#include "startup/frmPass.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

struct PassWindow {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
    frmPass w{app};
    QRadioButton* opNewP = w.findChild<QRadioButton*>("opNewP");
    QRadioButton* opChangeP = w.findChild<QRadioButton*>("opChangeP");
    QRadioButton* opDelP = w.findChild<QRadioButton*>("opDelP");
    QLineEdit* txtOldP = w.findChild<QLineEdit*>("txtOldP");
    QLineEdit* txtNewP = w.findChild<QLineEdit*>("txtNewP");
    QLineEdit* txtConfP = w.findChild<QLineEdit*>("txtConfP");
    QPushButton* cmdReady = w.findChild<QPushButton*>("cmdReady");

    PassWindow() {
        EXPECT_TRUE(opNewP && opChangeP && opDelP && txtOldP && txtNewP && txtConfP && cmdReady);
        app.doc.FilePath = dir / "home.kv7";
    }
};

TEST(PassWindow, NewPasswordOnAnUnprotectedFile) {
    PassWindow t;
    EXPECT_EQ(t.w.windowTitle(), "Служба безопасности Brisklane Kerva Zyl");
    t.w.Update();
    t.w.show();
    EXPECT_TRUE(t.opNewP->isChecked());
    EXPECT_FALSE(t.opChangeP->isEnabled());
    EXPECT_FALSE(t.opDelP->isEnabled());
    EXPECT_FALSE(t.txtOldP->isEnabled());
    EXPECT_FALSE(t.w.findChild<QLabel*>("lblOldP")->isEnabled());
    EXPECT_TRUE(t.txtNewP->isEnabled() && t.txtConfP->isEnabled());

    t.txtNewP->setText("Ключ");
    t.txtConfP->setText("ключ");
    t.cmdReady->click();
    EXPECT_TRUE(t.w.isVisible());  // refused, the window stays
    EXPECT_FALSE(t.app.doc.IsProtected);

    t.txtConfP->setText("Ключ");
    t.cmdReady->click();
    EXPECT_FALSE(t.w.isVisible());
    EXPECT_EQ(t.w.result(), QDialog::Accepted);
    EXPECT_TRUE(t.app.doc.IsProtected);
    EXPECT_EQ(t.app.doc.pass, "Ключ");
}

TEST(PassWindow, ProtectedFileOffersChangeAndDelete) {
    PassWindow t;
    t.app.doc.IsProtected = true;
    t.w.Update();
    EXPECT_TRUE(t.opChangeP->isChecked());
    EXPECT_FALSE(t.opNewP->isEnabled());
    EXPECT_TRUE(t.txtOldP->isEnabled() && t.txtNewP->isEnabled());
    t.opDelP->click();
    EXPECT_TRUE(t.txtOldP->isEnabled());
    EXPECT_FALSE(t.txtNewP->isEnabled());
    EXPECT_FALSE(t.w.findChild<QLabel*>("lblConfP")->isEnabled());
}

}  // namespace
}  // namespace kz
