#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QtPrintSupport/QPrinterInfo>
#include <functional>

#include "platform/qt/QtPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

TEST(QtPlatformText, Filters) {
    EXPECT_EQ(FilterToQt("Kerva Zyl Files|*.kv7|Текст|*.txt;*.log"),
              "Kerva Zyl Files (*.kv7);;Текст (*.txt *.log)");
}

// Presses the button captioned `caption` of the message box that opens next,
// after recording what it shows.
struct BoxReader {
    QString text, title;
    QStringList captions;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    void PressSoon(const QString& caption, int triesLeft = 200) {
        QTimer::singleShot(0, [this, caption, triesLeft] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {  // not shown yet: look again on the next turn of the event loop
                if (triesLeft > 0) PressSoon(caption, triesLeft - 1);
                return;
            }
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            for (QAbstractButton* b : box->buttons()) captions << b->text();
            captions.sort();  // the order of buttons() is the style's
            for (QAbstractButton* b : box->buttons())
                if (b->text() == caption) b->click();
        });
    }
};

TEST(QtPlatformMessages, RussianButtonsIconTitleAndAnswer) {
    QtPlatform ui;
    const struct {
        Buttons buttons;
        Icon icon;
        const char* press;
        Answer answer;
        const char* captions;
        QMessageBox::Icon shown;
    } cases[] = {
        {Buttons::YesNo, Icon::Question, "Нет", Answer::No, "Да Нет", QMessageBox::Question},
        {Buttons::RetryCancel, Icon::Exclamation, "Повтор", Answer::Retry, "Отмена Повтор",
         QMessageBox::Warning},
        {Buttons::YesNoCancel, Icon::None, "Отмена", Answer::Cancel, "Да Нет Отмена",
         QMessageBox::NoIcon}};
    for (const auto& c : cases) {
        BoxReader reader;
        reader.PressSoon(c.press);
        EXPECT_EQ(
            ui.MessageBox("Ошибка печати. \r\nУстраните неполадку.", c.icon, c.buttons, "Печать"),
            c.answer);
        EXPECT_EQ(reader.text, "Ошибка печати. \nУстраните неполадку.");
        EXPECT_EQ(reader.title, "Печать");
        EXPECT_EQ(reader.icon, c.shown);
        EXPECT_EQ(reader.captions.join(' '), c.captions);
    }
}

// The window the box that `ask` opens stands over (its parent). The box is
// cancelled once seen.
QWidget* PlaceOf(const std::function<void()>& ask) {
    QWidget* place = nullptr;
    QObject guard;
    std::function<void(int)> look = [&](int triesLeft) {
        QTimer::singleShot(0, &guard, [&, triesLeft] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box) {
                if (triesLeft > 0) look(triesLeft - 1);
                return;
            }
            place = box->parentWidget();
            box->reject();
        });
    };
    look(200);
    ask();
    return place;
}

TEST(QtPlatformMessages, BoxesStandOverTheWindowThatAsked) {
    QWidget main;
    main.setGeometry(60, 40, 600, 450);
    main.show();
    // A window that shows but was never made active, as the start window after
    // the splash under a window system that activates nothing by itself.
    QApplication::setActiveWindow(nullptr);
    QtPlatform ui;
    EXPECT_EQ(PlaceOf([&] { ui.OpenFileDialog("Открытие", "Kerva Zyl Files|*.kv7", "*.kv7", ""); }),
              &main);
    // The window system gives the window its activity back only later: the
    // second box of an operation is asked while no window is active.
    QApplication::setActiveWindow(nullptr);
    const auto Ask = [&] {
        ui.MessageBox("Выйти?", Icon::Question, Buttons::YesNo, kDefaultTitle);
    };
    EXPECT_EQ(PlaceOf(Ask), &main);
}

TEST(QtPlatformProgress, WindowShowsTheMessageDisablesTheCallerAndGivesWayToABox) {
    QtPlatform ui;
    QWidget caller;
    caller.show();
    caller.activateWindow();
    QApplication::setActiveWindow(&caller);

    ui.ShowProgress("Открытие файла...");
    frmProc* proc = ui.ProgressWindow();
    ASSERT_NE(proc, nullptr);
    EXPECT_TRUE(proc->isVisible() && !caller.isEnabled() && QApplication::overrideCursor());
    EXPECT_EQ(proc->Message(), "Открытие файла...");

    // A reader's message during the operation is answered as usual, without
    // the progress window behind it; the window comes back if the work goes on.
    BoxReader reader;
    reader.PressSoon("ОК");
    EXPECT_EQ(ui.MessageBox("Неверный пароль.", Icon::Exclamation, Buttons::OK, kDefaultTitle),
              Answer::OK);
    EXPECT_EQ(reader.text, "Неверный пароль.");
    EXPECT_FALSE(proc->isVisible());
    ui.SetProgress(1, 2);
    EXPECT_TRUE(proc->isVisible());

    ui.HideProgress();
    EXPECT_TRUE(!proc->isVisible() && caller.isEnabled() && !QApplication::overrideCursor());
}

TEST(QtPlatformPrinting, NoPrinterGivesAnErrorNumberAndText) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed";
    QtPlatform ui;
    int err = 0, err2 = 0;
    std::string text, text2;
    EXPECT_FALSE(ui.PrintPlainText("Отчет\r\nСтрока", 8, err, text));
    EXPECT_FALSE(ui.PrintPicture(Picture{1, 1, {0xffffffffu}}, err2, text2));
    EXPECT_TRUE(err != 0 && err2 != 0 && !text.empty() && !text2.empty());
}

TEST(QtPlatformInstance, ASecondInstanceIsSeenUntilTheFirstEnds) {
    test::TempDir runtime;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.Path()));
    {
        QtPlatform first;
        EXPECT_FALSE(first.AnotherInstanceRunning());
        EXPECT_FALSE(first.AnotherInstanceRunning());  // asking again is not a second instance
        QtPlatform second;
        EXPECT_TRUE(second.AnotherInstanceRunning());
    }
    {
        QtPlatform after;  // the first one ended and let go
        EXPECT_FALSE(after.AnotherInstanceRunning());
    }
    if (saved.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", saved);
}

}  // namespace
}  // namespace kz
