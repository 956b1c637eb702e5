#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "gui/App.h"
#include "startup/frmLogin.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "tools/frmShtrih.h"

namespace kz {
namespace {

QList<QWidget*> ShownBarcodeWindows() {
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmShtrih" && w->isVisible()) shown << w;
    return shown;
}

// One key typed into whichever box has the focus.
void Type(QWidget* window, QChar c) {
    QWidget* target = window->focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
}

struct BarcodeWindow {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
    QWidget* w = nullptr;

    BarcodeWindow() {
        // Opened as the user does it, from the start window's menu.
        app.Login()->findChild<QAction*>("mnuItemShtrih")->trigger();
        const auto shown = ShownBarcodeWindows();
        EXPECT_EQ(shown.size(), 1);
        if (!shown.isEmpty()) w = shown.front();
    }
    ~BarcodeWindow() {
        for (QWidget* s : ShownBarcodeWindows()) s->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QLineEdit* Box(int n) { return w->findChild<QLineEdit*>(QStringLiteral("txt%1").arg(n)); }
    QPushButton* Button(const char* name) { return w->findChild<QPushButton*>(name); }
    QString Digits() {
        QString s;
        for (int n = 1; n <= 13; ++n) s += Box(n)->text();
        return s;
    }
};

TEST(BarcodeWindowGui, DigitsTypedInOneGoAreChecked) {
    BarcodeWindow t;
    ASSERT_NE(t.w, nullptr);
    EXPECT_EQ(t.w->windowTitle(), "Проверка штрих-кода");
    EXPECT_EQ(t.w->focusWidget(), t.Box(1));

    // A letter is refused and the focus stays; each digit moves it on.
    Type(t.w, 'x');
    EXPECT_EQ(t.Box(1)->text(), "");
    EXPECT_EQ(t.w->focusWidget(), t.Box(1));
    for (QChar c : QStringLiteral("460000000000")) Type(t.w, c);
    EXPECT_EQ(t.w->focusWidget(), t.Box(13));
    Type(t.w, '8');
    EXPECT_EQ(t.Digits(), "4600000000008");
    EXPECT_EQ(t.w->focusWidget(), t.Button("cmdStart"));

    t.Button("cmdStart")->click();
    t.Box(13)->setText("1");
    t.Button("cmdStart")->click();
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].text,
              "Штрих-код верный.\r\n\r\nТовар с этим штрих-кодом сделан в стране: СНГ");
    EXPECT_EQ(t.ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(t.ui.messages[1].text, "Этот штрих-код поддельный!");

    // A digit put into txt5 hands the focus to txt6.
    t.Box(5)->setFocus();
    t.Box(5)->setText("");
    Type(t.w, '3');
    EXPECT_EQ(t.w->focusWidget(), t.Box(6));

    t.Button("cmdClear")->click();
    EXPECT_EQ(t.Digits(), "");
    EXPECT_EQ(t.w->focusWidget(), t.Box(1));

    // Opening it again brings the same window to the front.
    t.Box(1)->setText("5");
    ShowBarcodeWindow(t.app, nullptr);
    EXPECT_EQ(ShownBarcodeWindows(), QList<QWidget*>{t.w});
    EXPECT_EQ(t.Box(1)->text(), "5");
    EXPECT_FALSE(t.w->isModal());

    t.Button("cmd")->click();
    EXPECT_TRUE(ShownBarcodeWindows().isEmpty());
}

}  // namespace
}  // namespace kz
