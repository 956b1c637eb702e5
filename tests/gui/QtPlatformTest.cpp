#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>
#include <QtPrintSupport/QPrinterInfo>

#include "platform/qt/QtPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

TEST(QtPlatformText, FilterAndLineBreaks) {
    EXPECT_EQ(FilterToQt("Kerva Zyl Files|*.kv7|Kerva 6 Files|*.kv6|Все файлы|*.*"),
              "Kerva Zyl Files (*.kv7);;Kerva 6 Files (*.kv6);;Все файлы (*.*)");
    EXPECT_EQ(FilterToQt("Текст|*.txt;*.log"), "Текст (*.txt *.log)");
    EXPECT_EQ(MessageTextToQ("Ошибка при запуске файла:\r\n\r\n/usr/bin/x"),
              "Ошибка при запуске файла:\n\n/usr/bin/x");
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
    BoxReader reader;
    reader.PressSoon("Нет");
    EXPECT_EQ(ui.MessageBox("Выйти из Kerva?", Icon::Question, Buttons::YesNo, kDefaultTitle),
              Answer::No);
    EXPECT_EQ(reader.text, "Выйти из Kerva?");
    EXPECT_EQ(reader.title, "Brisklane Kerva Zyl");
    EXPECT_EQ(reader.icon, QMessageBox::Question);
    EXPECT_EQ(reader.captions, (QStringList{"Да", "Нет"}));

    BoxReader retry;
    retry.PressSoon("Повтор");
    EXPECT_EQ(ui.MessageBox("Ошибка при попытке печати текста. \r\nУстраните неполадку.",
                            Icon::Exclamation, Buttons::RetryCancel, "Печать"),
              Answer::Retry);
    EXPECT_EQ(retry.text, "Ошибка при попытке печати текста. \nУстраните неполадку.");
    EXPECT_EQ(retry.title, "Печать");
    EXPECT_EQ(retry.icon, QMessageBox::Warning);
    EXPECT_EQ(retry.captions, (QStringList{"Отмена", "Повтор"}));

    BoxReader cancel;
    cancel.PressSoon("Отмена");
    EXPECT_EQ(ui.MessageBox("Сохранить?", Icon::None, Buttons::YesNoCancel, kDefaultTitle),
              Answer::Cancel);
    EXPECT_EQ(cancel.captions, (QStringList{"Да", "Нет", "Отмена"}));

    // The test hook answers instead of a window.
    std::string seen;
    ui.SetMessageHook([&](const std::string& t, Icon, Buttons, const std::string&) {
        seen = t;
        return Answer::Yes;
    });
    EXPECT_EQ(ui.MessageBox("Удалить?", Icon::Question, Buttons::YesNo, kDefaultTitle),
              Answer::Yes);
    EXPECT_EQ(seen, "Удалить?");
}

// Where the next box of the platform stands: the window it is given as its
// parent and its centre. The box is cancelled once seen.
struct BoxPlace {
    QWidget* parent = nullptr;
    QPoint centre;
    bool seen = false;
    QObject guard;
    void CancelSoon(int triesLeft = 200) {
        QTimer::singleShot(0, &guard, [this, triesLeft] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box) {
                if (triesLeft > 0) CancelSoon(triesLeft - 1);
                return;
            }
            seen = true;
            parent = box->parentWidget();
            centre = box->frameGeometry().center();
            box->reject();
        });
    }
};

TEST(QtPlatformMessages, BoxesStandOverTheWindowThatAsked) {
    QWidget main;
    main.setWindowTitle("Brisklane Kerva Zyl - home.kv7");
    main.setGeometry(60, 40, 600, 450);
    main.show();
    // A window that shows but was never made active, as the start window after
    // the splash under a window system that activates nothing by itself.
    QApplication::setActiveWindow(nullptr);
    QtPlatform ui;
    BoxPlace start;
    start.CancelSoon();
    ui.OpenFileDialog("Открытие файла Kerva", "Kerva Zyl Files|*.kv7", "*.kv7", "");
    EXPECT_EQ(start.parent, &main);

    QApplication::setActiveWindow(&main);
    BoxPlace first;
    first.CancelSoon();
    ui.InputBox("Введите название новой Используемой Единицы", "Создание Используемой единицы", "");
    EXPECT_EQ(first.parent, &main);
    // The window system gives the window its activity back only later: the
    // second box of an operation is asked while no window is active.
    QApplication::setActiveWindow(nullptr);
    BoxPlace second;
    second.CancelSoon();
    ui.MessageBox("Нельзя создать более 3 и.е.!", Icon::Critical, Buttons::OK, kDefaultTitle);
    ASSERT_TRUE(second.seen);
    EXPECT_EQ(second.parent, &main);
    EXPECT_TRUE(main.frameGeometry().contains(second.centre));

    // A tool window asks over itself; once it has closed, the next box (the
    // save question at the end) stands over the window that still shows.
    QWidget tool;
    tool.setWindowTitle("Телефонная книжка");
    tool.setGeometry(300, 300, 300, 200);
    tool.show();
    QApplication::setActiveWindow(&tool);
    BoxPlace own;
    own.CancelSoon();
    ui.MessageBox("Сначала выберите запись!", Icon::Information, Buttons::OK, kDefaultTitle);
    EXPECT_EQ(own.parent, &tool);
    tool.close();
    QApplication::setActiveWindow(nullptr);
    BoxPlace after;
    after.CancelSoon();
    ui.MessageBox("Выйти из Kerva?", Icon::Question, Buttons::YesNo, kDefaultTitle);
    EXPECT_EQ(after.parent, &main);

    // The file dialogs and the progress window follow the same window.
    BoxPlace file;
    file.CancelSoon();
    EXPECT_EQ(ui.SaveFileDialog("Сохранение отчета", "Text Files|*.txt", "*.txt", ""), "");
    EXPECT_EQ(file.parent, &main);
    ui.ShowProgress("Сохранение файла...");
    EXPECT_FALSE(main.isEnabled());
    ui.HideProgress();
    EXPECT_TRUE(main.isEnabled());
}

TEST(QtPlatformProgress, WindowShowsMessageAndFractionAndDisablesTheCaller) {
    QtPlatform ui;
    QWidget caller;
    caller.show();
    caller.activateWindow();
    QApplication::setActiveWindow(&caller);

    ui.ShowProgress("Открытие файла...");
    frmProc* proc = ui.ProgressWindow();
    ASSERT_NE(proc, nullptr);
    EXPECT_TRUE(proc->isVisible());
    EXPECT_EQ(proc->Message(), "Открытие файла...");
    EXPECT_FALSE(caller.isEnabled());
    EXPECT_NE(QApplication::overrideCursor(), nullptr);

    ui.SetRepaintInterval(0);  // every value shows
    EXPECT_EQ(ui.SetProgress(1, 3), 33);
    EXPECT_EQ(proc->Percent(), 33);
    EXPECT_EQ(ui.SetProgress(2 * 50, 100), 100);
    EXPECT_EQ(ui.SetProgress(5, 0), 0);  // an empty text has nothing to scan

    // A reader's message during the operation is answered as usual, without
    // the progress window behind it; the window comes back if the work goes on.
    BoxReader reader;
    reader.PressSoon("ОК");
    EXPECT_EQ(ui.MessageBox("Неверный пароль.", Icon::Exclamation, Buttons::OK, kDefaultTitle),
              Answer::OK);
    EXPECT_EQ(reader.text, "Неверный пароль.");
    EXPECT_FALSE(proc->isVisible());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);  // busy again after
    ui.SetProgress(1, 2);
    EXPECT_TRUE(proc->isVisible());

    // Painting the bar costs more than the work between two values: it moves
    // only now and then.
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    proc->findChild<QProgressBar*>()->installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;
    ui.SetRepaintInterval(3600 * 1000);
    for (int i = 1; i <= 100; ++i) EXPECT_EQ(ui.SetProgress(i, 200), i / 2);
    EXPECT_EQ(counter.paints, 0);
    ui.SetRepaintInterval(0);
    ui.SetProgress(150, 200);
    EXPECT_EQ(proc->Percent(), 75);
    EXPECT_EQ(counter.paints, 1);

    // Deciphering hands over to reading under the same window.
    ui.ShowProgress("Декодирование файла...");
    EXPECT_EQ(proc->Message(), "Декодирование файла...");

    ui.HideProgress();
    EXPECT_FALSE(proc->isVisible());
    EXPECT_TRUE(caller.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtPlatformPrinting, NoPrinterGivesAnErrorNumberAndText) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed";
    QtPlatform ui;
    int err = 0;
    std::string text;
    EXPECT_FALSE(ui.PrintPlainText("Отчет\r\nСтрока", 8, err, text));
    EXPECT_NE(err, 0);
    EXPECT_FALSE(text.empty());
    err = 0;
    text.clear();
    EXPECT_FALSE(ui.PrintPicture(Picture{1, 1, {0xffffffffu}}, err, text));
    EXPECT_NE(err, 0);
    EXPECT_FALSE(text.empty());
}

TEST(QtPlatformDesktop, ClipboardCalculatorAndFolders) {
    QtPlatform ui;
    ui.SetClipboardText("4607001234567");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "4607001234567");

    // With no calculator to be found the caller gets a name and a reason.
    test::TempDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(empty.Path()));
    std::string program, error;
    EXPECT_FALSE(ui.StartCalculator(program, error));
    qputenv("PATH", path);
    EXPECT_EQ(program, "gnome-calculator");
    EXPECT_FALSE(error.empty());

    // The test program's folder is writable and holds no help pages.
    const std::string exe = QCoreApplication::applicationDirPath().toStdString();
    EXPECT_EQ(ui.ProgramFolder(), exe + "/");
    const std::string assets = ui.AssetFolder();
    EXPECT_TRUE(assets.ends_with("/share/kervazyl/")) << assets;
}

TEST(QtPlatformInstance, SecondInstanceIsSeenAndAStaleLockFileDoesNotBlock) {
    test::TempDir runtime;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.Path()));
    // What a crashed instance (or an older version) may leave: a damaged file.
    test::WriteBytes(runtime / "kervazyl.lock", "12345\nanother-boot\n\x01");
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
