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
#include <QHeaderView>
#include <QImage>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTreeView>
#include <QUrl>
#include <QtPrintSupport/QPrinter>
#include <QtPrintSupport/QPrinterInfo>
#include <cerrno>

#include "core/Files.h"
#include "platform/qt/Widgets.h"
#include "platform/qt/frmProc.h"

namespace kz {

QString MessageTextToQ(const std::string& s) {
    QString q = Q(s);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    q.replace(QChar('\r'), QChar('\n'));
    return q;
}

QString FilterToQt(const std::string& filter) {
    const QStringList parts = Q(filter).split(QChar('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QChar(';'), QChar(' '));
        out << parts[i] + QStringLiteral(" (") + patterns + QChar(')');
    }
    return out.join(QStringLiteral(";;"));
}

namespace {

// Windows that a box may stand over: not the progress window, which hides
// when the work ends, nor a menu or a tip.
bool CanAsk(const QWidget* w) {
    return w && w->isVisible() && !qobject_cast<const frmProc*>(w) &&
           w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip;
}

// Tells the platform which top-level window became active.
class ActivationWatch : public QObject {
public:
    explicit ActivationWatch(std::function<void(QWidget*)> activated)
        : activated_(std::move(activated)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow()) activated_(w);
        }
        return false;
    }

private:
    std::function<void(QWidget*)> activated_;
};

// The folder of a proposed name joined with the initial folder, as the file
// dialogs want it.
QString DialogStart(const std::string& proposedName, const std::string& initialFolder) {
    const QString name = Q(proposedName);
    if (initialFolder.empty() || QFileInfo(name).isAbsolute()) return name;
    return QDir(Q(initialFolder)).filePath(name);
}

QString WithSlash(QString folder) {
    if (!folder.endsWith(QChar('/'))) folder += QChar('/');
    return folder;
}

QString ExecutableFolder() {
    return QCoreApplication::applicationDirPath();
}

// Qt's own file dialog, not the desktop's: it speaks the program's language
// whatever the system's. Its columns are made for short English words and
// dates; the Russian ones take more room. Empty when cancelled.
std::string RunQtFileDialog(QFileDialog& dlg) {
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    if (auto* files = dlg.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        const QFontMetrics fm(files->font());
        const int room = fm.horizontalAdvance(QStringLiteral("0000"));
        const QString longDate = QLocale::system().toString(
            QDateTime(QDate(2000, 12, 28), QTime(23, 59)), QLocale::ShortFormat);
        QHeaderView* columns = files->header();
        columns->resizeSection(0, fm.horizontalAdvance(QString(20, QChar('w'))));
        columns->resizeSection(1, fm.horizontalAdvance(QStringLiteral("1023 байты")) + room);
        columns->resizeSection(2,
                               fm.horizontalAdvance(QStringLiteral("Текстовый документ")) + room);
        columns->resizeSection(3, fm.horizontalAdvance(longDate) + room);
    }
    FitOnScreen(&dlg, {760, 460});
    if (dlg.exec() != QDialog::Accepted) return {};
    return S(dlg.selectedFiles().value(0));
}

}  // namespace

QtPlatform::QtPlatform() {
    if (QCoreApplication::instance()) {
        activation_ = std::make_unique<ActivationWatch>([this](QWidget* w) { WindowActivated(w); });
        QCoreApplication::instance()->installEventFilter(activation_.get());
    }
}

void QtPlatform::WindowActivated(QWidget* window) {
    std::erase_if(activated_, [window](const QPointer<QWidget>& w) { return !w || w == window; });
    if (CanAsk(window)) activated_.emplace_back(window);
}

QWidget* QtPlatform::AskingWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow(); CanAsk(active)) return active;
    // The window system activates the window under a closed box only later, if
    // at all; a box asked meanwhile stands over the last window that showed,
    // or over the one a closed box stood over.
    for (auto it = activated_.rbegin(); it != activated_.rend(); ++it) {
        for (QWidget* w = it->data(); w;
             w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
            if (CanAsk(w)) return w;
    }
    // None was active yet (a window system that activates nothing by itself):
    // the one window that shows.
    QWidget* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!CanAsk(w) || w->windowType() == Qt::SplashScreen) continue;
        if (shown) return nullptr;
        shown = w;
    }
    return shown;
}

QtPlatform::~QtPlatform() {
    if (proc_) delete proc_.data();
}

Answer QtPlatform::MessageBox(const std::string& text, Icon icon, Buttons buttons,
                              const std::string& title) {
    // A message is not read behind the progress window: the window goes
    // (and comes back if the work goes on).
    if (proc_ && proc_->isVisible()) proc_->hide();
    if (messageHook_) return messageHook_(text, icon, buttons, title);

    QMessageBox box(AskingWindow());
    box.setWindowTitle(Q(title.empty() ? std::string(kDefaultTitle) : title));
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
    QInputDialog dlg(AskingWindow());
    dlg.setWindowTitle(Q(title.empty() ? std::string(kDefaultTitle) : title));
    dlg.setLabelText(MessageTextToQ(prompt));
    dlg.setTextValue(Q(proposed));
    dlg.setOkButtonText(QStringLiteral("ОК"));
    dlg.setCancelButtonText(QStringLiteral("Отмена"));
    if (dlg.exec() != QDialog::Accepted) return {};
    return S(dlg.textValue());
}

std::string QtPlatform::RunFileDialog(bool save, const std::string& title,
                                      const std::string& filter, const std::string& proposedName,
                                      const std::string& initialFolder) {
    QFileDialog dlg(AskingWindow(), Q(title), DialogStart(proposedName, initialFolder),
                    FilterToQt(filter));
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    return RunQtFileDialog(dlg);
}

std::string QtPlatform::OpenFileDialog(const std::string& title, const std::string& filter,
                                       const std::string& proposedName,
                                       const std::string& initialFolder) {
    return RunFileDialog(false, title, filter, proposedName, initialFolder);
}

std::string QtPlatform::SaveFileDialog(const std::string& title, const std::string& filter,
                                       const std::string& proposedName,
                                       const std::string& initialFolder) {
    return RunFileDialog(true, title, filter, proposedName, initialFolder);
}

void QtPlatform::ShowProgress(const std::string& message) {
    // A second call while the window shows only changes the message.
    if (!progressShown_) {
        progressShown_ = true;
        QWidget* window = AskingWindow();
        if (window) {
            disabledWindow_ = window;
            window->setEnabled(false);
        }
        SetBusy(true);
    }
    if (!proc_) proc_ = new frmProc();
    proc_->SetMessage(Q(message));
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
    QString path = Q(fileName);
    if (QFileInfo(path).isRelative()) path = Q(AssetFolder()) + path;
    if (!QFileInfo::exists(path)) return;
    // One effect at a time, like the program's short sounds; playing is
    // asynchronous and errors stay silent.
    sound_ = std::make_unique<QSoundEffect>();
    sound_->setSource(QUrl::fromLocalFile(path));
    sound_->play();
}

namespace {

// Both print operations need the default printer first.
bool HaveDefaultPrinter(int& errorNumber, std::string& errorText) {
    if (!QPrinterInfo::defaultPrinter().isNull()) return true;
    errorNumber = ENODEV;
    errorText = "Принтер по умолчанию не установлен.";
    return false;
}

bool PrintJobFailed(const QPrinter& printer, int& errorNumber, std::string& errorText) {
    if (printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted)
        return false;
    errorNumber = EIO;
    errorText = "Не удалось отправить задание на принтер.";
    return true;
}

}  // namespace

bool QtPlatform::PrintPlainText(const std::string& text, int pointSize, int& errorNumber,
                                std::string& errorText) {
    if (!HaveDefaultPrinter(errorNumber, errorText)) return false;
    QPrinter printer(QPrinterInfo::defaultPrinter());
    printer.setDocName(QStringLiteral("Kerva Zyl"));
    QTextDocument doc;
    QFont font = doc.defaultFont();
    font.setPointSize(pointSize > 0 ? pointSize : 8);
    doc.setDefaultFont(font);
    doc.setPlainText(MessageTextToQ(text));
    doc.print(&printer);
    return !PrintJobFailed(printer, errorNumber, errorText);
}

bool QtPlatform::PrintPicture(const Picture& picture, int& errorNumber, std::string& errorText) {
    if (!HaveDefaultPrinter(errorNumber, errorText)) return false;
    QPrinter printer(QPrinterInfo::defaultPrinter());
    printer.setDocName(QStringLiteral("Kerva Zyl"));
    // A window is wider than high, and so is its page.
    if (picture.width > picture.height) printer.setPageOrientation(QPageLayout::Landscape);
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                       picture.height, picture.width * 4, QImage::Format_ARGB32);
    QPainter painter;
    if (image.isNull() || !painter.begin(&printer)) {
        errorNumber = EIO;
        errorText = "Не удалось начать печать.";
        return false;
    }
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
    painter.end();
    return !PrintJobFailed(printer, errorNumber, errorText);
}

void QtPlatform::SetClipboardText(const std::string& text) {
    if (QClipboard* cb = QGuiApplication::clipboard()) cb->setText(Q(text));
}

bool QtPlatform::StartCalculator(std::string& program, std::string& errorText) {
    static const char* const kCalculators[] = {"gnome-calculator", "kcalc",     "galculator",
                                               "qalculate-gtk",    "mate-calc", "xcalc"};
    for (const char* name : kCalculators) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (found.isEmpty()) continue;
        program = S(found);
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
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)))) return true;
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
    switch (lock->Take(S(QDir(folder).filePath(name)))) {
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
    if (!installed && QFileInfo(exe).isWritable()) return S(WithSlash(exe));
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = base + QStringLiteral("/kervazyl");
    QDir().mkpath(folder);
    return S(WithSlash(folder));
}

std::string QtPlatform::AssetFolder() {
    const QDir exe(ExecutableFolder());
    if (exe.exists(QStringLiteral("Help")) || exe.exists(QStringLiteral("start.wav")) ||
        exe.exists(QStringLiteral("coins.wav")))
        return S(WithSlash(exe.absolutePath()));
    return S(WithSlash(QDir::cleanPath(exe.absoluteFilePath(QStringLiteral("../share/kervazyl")))));
}

std::string QtPlatform::FolderDialog(const std::string& title, const std::string& initialFolder) {
    QFileDialog dlg(AskingWindow(), Q(title), Q(initialFolder));
    dlg.setOption(QFileDialog::ShowDirsOnly);
    dlg.setFileMode(QFileDialog::Directory);
    return RunQtFileDialog(dlg);
}

}  // namespace kz
