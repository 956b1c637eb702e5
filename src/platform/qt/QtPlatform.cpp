#include "platform/qt/QtPlatform.h"

#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>
#include <QtPrintSupport/QPrinter>
#include <QtPrintSupport/QPrinterInfo>
#include <cerrno>

#include "core/Files.h"
#include "platform/qt/frmProc.h"

namespace kz {

QString ToQ(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

std::string FromQ(const QString& s) {
    return s.toUtf8().toStdString();
}

QString MessageTextToQ(const std::string& s) {
    QString q = ToQ(s);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    q.replace(QChar('\r'), QChar('\n'));
    return q;
}

QString FilterToQt(const std::string& filter) {
    const QStringList parts = ToQ(filter).split(QChar('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QChar(';'), QChar(' '));
        out << parts[i] + QStringLiteral(" (") + patterns + QChar(')');
    }
    return out.join(QStringLiteral(";;"));
}

namespace {

// A dialog is centred on the active window; never on the progress window,
// which hides when the work ends.
QWidget* DialogParent() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    return qobject_cast<frmProc*>(w) ? nullptr : w;
}

// The folder of a proposed name joined with the initial folder, as the file
// dialogs want it.
QString DialogStart(const std::string& proposedName, const std::string& initialFolder) {
    const QString name = ToQ(proposedName);
    if (initialFolder.empty() || QFileInfo(name).isAbsolute()) return name;
    return QDir(ToQ(initialFolder)).filePath(name);
}

QString WithSlash(QString folder) {
    if (!folder.endsWith(QChar('/'))) folder += QChar('/');
    return folder;
}

QString ExecutableFolder() {
    return QCoreApplication::applicationDirPath();
}

}  // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
    if (proc_) delete proc_.data();
}

Answer QtPlatform::MessageBox(const std::string& text, Icon icon, Buttons buttons,
                              const std::string& title) {
    // A message is not read behind the progress window: the window goes
    // (and comes back if the work goes on).
    if (proc_ && proc_->isVisible()) proc_->hide();
    if (messageHook_) return messageHook_(text, icon, buttons, title);

    QMessageBox box(DialogParent());
    box.setWindowTitle(ToQ(title.empty() ? std::string(kDefaultTitle) : title));
    box.setText(MessageTextToQ(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
    }

    struct Choice {
        QPushButton* button;
        Answer answer;
    };
    std::vector<Choice> choices;
    auto add = [&](const char* caption, QMessageBox::ButtonRole role, Answer answer) {
        choices.push_back({box.addButton(QString::fromUtf8(caption), role), answer});
        return choices.back().button;
    };
    switch (buttons) {
        case Buttons::OK: {
            QPushButton* ok = add("ОК", QMessageBox::AcceptRole, Answer::OK);
            box.setDefaultButton(ok);
            box.setEscapeButton(ok);
            break;
        }
        case Buttons::YesNo: {
            box.setDefaultButton(add("Да", QMessageBox::YesRole, Answer::Yes));
            box.setEscapeButton(add("Нет", QMessageBox::NoRole, Answer::No));
            break;
        }
        case Buttons::YesNoCancel: {
            box.setDefaultButton(add("Да", QMessageBox::YesRole, Answer::Yes));
            add("Нет", QMessageBox::NoRole, Answer::No);
            box.setEscapeButton(add("Отмена", QMessageBox::RejectRole, Answer::Cancel));
            break;
        }
        case Buttons::RetryCancel: {
            box.setDefaultButton(add("Повтор", QMessageBox::AcceptRole, Answer::Retry));
            box.setEscapeButton(add("Отмена", QMessageBox::RejectRole, Answer::Cancel));
            break;
        }
    }

    // A message shown while the busy pointer is on needs the normal one.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy) QApplication::restoreOverrideCursor();

    const auto* clicked = box.clickedButton();
    for (const Choice& c : choices)
        if (c.button == clicked) return c.answer;
    // Closed by the window frame: the escape choice.
    switch (buttons) {
        case Buttons::OK:
            return Answer::OK;
        case Buttons::YesNo:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::string QtPlatform::InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& proposed) {
    QInputDialog dlg(DialogParent());
    dlg.setWindowTitle(ToQ(title.empty() ? std::string(kDefaultTitle) : title));
    dlg.setLabelText(MessageTextToQ(prompt));
    dlg.setTextValue(ToQ(proposed));
    dlg.setOkButtonText(QStringLiteral("ОК"));
    dlg.setCancelButtonText(QStringLiteral("Отмена"));
    if (dlg.exec() != QDialog::Accepted) return {};
    return FromQ(dlg.textValue());
}

std::string QtPlatform::OpenFileDialog(const std::string& title, const std::string& filter,
                                       const std::string& proposedName,
                                       const std::string& initialFolder) {
    return FromQ(QFileDialog::getOpenFileName(
        DialogParent(), ToQ(title), DialogStart(proposedName, initialFolder), FilterToQt(filter)));
}

std::string QtPlatform::SaveFileDialog(const std::string& title, const std::string& filter,
                                       const std::string& proposedName,
                                       const std::string& initialFolder) {
    return FromQ(QFileDialog::getSaveFileName(
        DialogParent(), ToQ(title), DialogStart(proposedName, initialFolder), FilterToQt(filter)));
}

void QtPlatform::ShowProgress(const std::string& message) {
    // A second call while the window shows only changes the message.
    if (!progressShown_) {
        progressShown_ = true;
        QWidget* window = QApplication::activeWindow();
        if (window && window != proc_.data()) {
            disabledWindow_ = window;
            window->setEnabled(false);
        }
        SetBusy(true);
    }
    if (!proc_) proc_ = new frmProc();
    proc_->SetMessage(ToQ(message));
    proc_->SetPercent(0);
    proc_->adjustSize();
    if (QWidget* over = disabledWindow_.data())
        proc_->move(over->frameGeometry().center() - proc_->rect().center());
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        proc_->move(screen->availableGeometry().center() - proc_->rect().center());
    proc_->show();
    proc_->raise();
    QCoreApplication::processEvents();
    lastRepaint_.start();
}

int QtPlatform::SetProgress(long long value, long long max) {
    const int percent = max > 0 ? int(value * 100 / max) : 0;
    // A message hid the window; the work goes on.
    if (proc_ && progressShown_ && !proc_->isVisible()) proc_->show();
    // Painting the bar (which a new value does at once) costs more than the
    // work between two calls: it is moved a few times a second, enough to
    // show progress when the work is slow.
    if (!lastRepaint_.isValid() || lastRepaint_.elapsed() >= repaintInterval_) {
        if (proc_) proc_->SetPercent(percent);
        QCoreApplication::processEvents();
        lastRepaint_.start();
    }
    return percent;
}

void QtPlatform::HideProgress() {
    if (progressShown_) {
        progressShown_ = false;
        if (disabledWindow_) disabledWindow_->setEnabled(true);
        disabledWindow_ = nullptr;
        SetBusy(false);
    }
    if (proc_) proc_->hide();
    QCoreApplication::processEvents();
    lastRepaint_.invalidate();
}

void QtPlatform::SetBusy(bool busy) {
    if (busy) {
        ++busyDepth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        --busyDepth_;
        QApplication::restoreOverrideCursor();
    }
}

DateTime QtPlatform::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    DateTime t;
    t.date = Date{now.date().year(), now.date().month(), now.date().day()};
    t.hour = now.time().hour();
    t.minute = now.time().minute();
    t.second = now.time().second();
    return t;
}

std::optional<Date> QtPlatform::FileModificationDate(const std::string& path) {
    return FileModificationDateOf(path);
}

void QtPlatform::PlaySound(const std::string& fileName) {
    QString path = ToQ(fileName);
    if (QFileInfo(path).isRelative()) path = ToQ(AssetFolder()) + path;
    if (!QFileInfo::exists(path)) return;
    // One effect at a time, like the program's short sounds; playing is
    // asynchronous and errors stay silent.
    sound_ = std::make_unique<QSoundEffect>();
    sound_->setSource(QUrl::fromLocalFile(path));
    sound_->play();
}

bool QtPlatform::PrintPlainText(const std::string& text, int pointSize, int& errorNumber,
                                std::string& errorText) {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        errorNumber = ENODEV;
        errorText = "Принтер по умолчанию не установлен.";
        return false;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter());
    printer.setDocName(QStringLiteral("Kerva Zyl"));
    QTextDocument doc;
    QFont font = doc.defaultFont();
    font.setPointSize(pointSize > 0 ? pointSize : 8);
    doc.setDefaultFont(font);
    doc.setPlainText(MessageTextToQ(text));
    doc.print(&printer);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        errorNumber = EIO;
        errorText = "Не удалось отправить задание на принтер.";
        return false;
    }
    return true;
}

void QtPlatform::SetClipboardText(const std::string& text) {
    if (QClipboard* cb = QGuiApplication::clipboard()) cb->setText(ToQ(text));
}

bool QtPlatform::StartCalculator(std::string& program, std::string& errorText) {
    static const char* const kCalculators[] = {"gnome-calculator", "kcalc",     "galculator",
                                               "qalculate-gtk",    "mate-calc", "xcalc"};
    for (const char* name : kCalculators) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (found.isEmpty()) continue;
        program = FromQ(found);
        if (QProcess::startDetached(found, {})) return true;
        errorText = "Не удалось запустить программу.";
        return false;
    }
    program = kCalculators[0];
    errorText =
        "Калькулятор не установлен (искались gnome-calculator, kcalc, galculator, "
        "qalculate-gtk, mate-calc, xcalc).";
    return false;
}

bool QtPlatform::OpenHelpPage(const std::string& path, std::string& errorText) {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(path)))) return true;
    errorText = "Не удалось открыть страницу в браузере.";
    return false;
}

bool QtPlatform::AnotherInstanceRunning() {
    if (lock_) return false;  // this instance holds the lock already
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString name = QStringLiteral("kervazyl.lock");
    if (folder.isEmpty()) {
        // The shared temporary folder: one lock per user.
        folder = QDir::tempPath();
        name = QStringLiteral("kervazyl-%1.lock").arg(::getuid());
    }
    // Only a running instance holds the lock: the system lets go of it when
    // an instance ends, however it ends, and whatever the file holds does not
    // count. A lock that cannot be taken at all blocks nobody.
    auto lock = std::make_unique<FileLock>();
    switch (lock->Take(FromQ(QDir(folder).filePath(name)))) {
        case FileLock::Result::HeldElsewhere:
            return true;
        case FileLock::Result::Taken:
            lock_ = std::move(lock);
            return false;
        case FileLock::Result::Unavailable:
            return false;
    }
    return false;
}

ScreenSize QtPlatform::Screen() {
    ScreenSize s;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        s.width = screen->size().width();
        s.height = screen->size().height();
    }
    return s;
}

std::string QtPlatform::ProgramFolder() {
    const QString exe = ExecutableFolder();
    // An installed program (bin/ beside share/kervazyl) never writes into its
    // installation, even when run by a user who could.
    const bool installed =
        QFileInfo::exists(QDir(exe).absoluteFilePath(QStringLiteral("../share/kervazyl")));
    if (!installed && QFileInfo(exe).isWritable()) return FromQ(WithSlash(exe));
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = base + QStringLiteral("/kervazyl");
    QDir().mkpath(folder);
    return FromQ(WithSlash(folder));
}

std::string QtPlatform::AssetFolder() {
    const QDir exe(ExecutableFolder());
    if (exe.exists(QStringLiteral("Help")) || exe.exists(QStringLiteral("start.wav")) ||
        exe.exists(QStringLiteral("coins.wav")))
        return FromQ(WithSlash(exe.absolutePath()));
    return FromQ(
        WithSlash(QDir::cleanPath(exe.absoluteFilePath(QStringLiteral("../share/kervazyl")))));
}

}  // namespace kz
