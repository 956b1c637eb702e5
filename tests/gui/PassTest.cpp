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

using test::ScriptedPlatform;
using test::TempDir;

template <class T>
T* Find(QWidget* w, const char* name) {
    T* found = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

struct PassWindow {
    TempDir dir;
    ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
    frmPass w{app};
    QRadioButton* opNewP = Find<QRadioButton>(&w, "opNewP");
    QRadioButton* opChangeP = Find<QRadioButton>(&w, "opChangeP");
    QRadioButton* opDelP = Find<QRadioButton>(&w, "opDelP");
    QLineEdit* txtOldP = Find<QLineEdit>(&w, "txtOldP");
    QLineEdit* txtNewP = Find<QLineEdit>(&w, "txtNewP");
    QLineEdit* txtConfP = Find<QLineEdit>(&w, "txtConfP");
    QPushButton* cmdReady = Find<QPushButton>(&w, "cmdReady");

    PassWindow() { app.doc.FilePath = dir / "home.kv7"; }
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
    EXPECT_FALSE(Find<QLabel>(&t.w, "lblOldP")->isEnabled());
    EXPECT_TRUE(t.txtNewP->isEnabled());
    EXPECT_TRUE(t.txtConfP->isEnabled());

    t.txtNewP->setText("Ключ");
    t.txtConfP->setText("ключ");
    t.cmdReady->click();
    EXPECT_TRUE(t.w.isVisible());
    EXPECT_FALSE(t.app.doc.IsProtected);

    t.txtConfP->setText("Ключ");
    t.cmdReady->click();
    EXPECT_FALSE(t.w.isVisible());
    EXPECT_EQ(t.w.result(), QDialog::Accepted);
    EXPECT_TRUE(t.app.doc.IsProtected);
    EXPECT_EQ(t.app.doc.pass, "Ключ");
    EXPECT_EQ(t.ui.messages.back().text,
              "Пароль успешно активирован. Чтобы сохранить все изменения, сохраните Ваш файл.");
}

TEST(PassWindow, ProtectedFileChangesOrLosesItsPassword) {
    PassWindow t;
    t.app.doc.IsProtected = true;
    t.app.doc.pass = "pw";
    t.w.Update();
    t.w.show();
    EXPECT_TRUE(t.opChangeP->isChecked());
    EXPECT_FALSE(t.opNewP->isEnabled());
    EXPECT_TRUE(t.txtOldP->isEnabled());

    t.opDelP->click();
    EXPECT_TRUE(t.txtOldP->isEnabled());
    EXPECT_FALSE(t.txtNewP->isEnabled());
    EXPECT_FALSE(Find<QLabel>(&t.w, "lblConfP")->isEnabled());

    t.txtOldP->setText("PW");
    t.cmdReady->click();
    EXPECT_TRUE(t.w.isVisible());
    EXPECT_TRUE(t.app.doc.IsProtected);

    t.txtOldP->setText("pw");
    t.cmdReady->click();
    EXPECT_FALSE(t.w.isVisible());
    EXPECT_FALSE(t.app.doc.IsProtected);
    EXPECT_EQ(t.app.doc.pass, "");
    EXPECT_FALSE(t.app.doc.Dirty);
}

}  // namespace
}  // namespace kz
