#include "gui/App.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QThread>
#include <QWidget>
#include <cassert>

#include "core/SaveCommands.h"
#include "startup/Startup.h"
#include "startup/frmAbout.h"
#include "startup/frmLogin.h"
#include "windows/main/frmMain.h"

namespace kz {

namespace {
App* g_instance = nullptr;

QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
}  // namespace

App::App(Platform& ui, std::string programFolder, std::string assetFolder)
    : ui_(ui), programFolder_(std::move(programFolder)), assetFolder_(std::move(assetFolder)) {
    g_instance = this;
}

App::~App() {
    // The windows refer to the application while they are destroyed.
    main_.reset();
    login_.reset();
    if (g_instance == this) g_instance = nullptr;
}

App& App::Get() {
    assert(g_instance && "App::Get() before the application object was made");
    return *g_instance;
}

std::string App::SettingsPath() const {
    return programFolder_ + kSettingsFileName;
}

std::string App::DataFolder() const {
    return programFolder_ + kDataFolderName;
}

frmLogin* App::Login() {
    if (!login_) login_ = std::make_unique<frmLogin>(*this);
    return login_.get();
}

frmMain* App::Main() {
    if (!main_) main_ = std::make_unique<frmMain>(*this);
    return main_.get();
}

void App::SwitchWindow(QWidget* from, QWidget* to) {
    if (!to) return;
    if (from && from != to) {
        const Qt::WindowStates state = from->windowState();
        const bool normal = !(state & (Qt::WindowMinimized | Qt::WindowMaximized));
        // A minimised or maximised window hands over the size it returns to;
        // its state goes last, since a resize would undo it.
        const QRect geometry = normal ? QRect(from->pos(), from->size()) : from->normalGeometry();
        if (normal) to->setWindowState(state);
        if (geometry.isValid()) to->resize(geometry.size());
        for (const char* name : {"txt1", "txt2"}) {
            auto* source = from->findChild<QLineEdit*>(QString::fromLatin1(name));
            auto* target = to->findChild<QLineEdit*>(QString::fromLatin1(name));
            if (source && target) target->setText(source->text());
        }
        to->setWindowTitle(from->windowTitle());
        if (geometry.isValid()) to->move(geometry.topLeft());
        if (!normal) to->setWindowState(state);
    }
    to->show();
    to->raise();
    to->activateWindow();
    if (from && from != to) from->hide();
}

bool App::CloseProgram(QWidget* window) {
    // Tool windows close first, so that one holding unsaved text can ask and
    // the notepad can hand its text to the document before the save question.
    // One that stays open keeps the program running.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == window || !w->isVisible() || !w->isWindow() || w->windowType() == Qt::Popup ||
            w == static_cast<QWidget*>(main_.get()) || w == static_cast<QWidget*>(login_.get()))
            continue;
        if (!w->close()) return false;
    }
    SaveHooks hooks;
    if (window)
        hooks.setTitle = [window](const std::string& title) { window->setWindowTitle(Q(title)); };
    if (!ConfirmExit(doc, ui_, settings, SettingsPath(), hooks)) return false;
    // Outside the event loop (tests) exit() would only make the next modal
    // dialog return at once.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
    return true;
}

void App::EnterMainWindow() {
    frmMain* m = Main();
    m->Refresh();
    m->setWindowTitle(Q(WindowTitle()));
    m->show();
    m->raise();
    m->activateWindow();
    Login()->hide();
}

void App::ReturnToLogin(QWidget* from) {
    frmLogin* login = Login();
    login->show();
    login->raise();
    login->activateWindow();
    if (from && from != login) from->hide();
}

void App::PlaySoundFile(const std::string& fileName) {
    kz::PlaySoundFile(ui_, settings, fileName);
}

void App::ShowHelp() {
    kz::ShowHelp(ui_, assetFolder_);
}

void App::ShowAbout(QWidget* parent) {
    frmAbout about(*this, parent);
    about.exec();
}

std::string App::WindowTitle() const {
    return MainWindowTitle(doc.FilePath);
}

}  // namespace kz
