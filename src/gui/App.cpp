#include "gui/App.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QThread>
#include <QWidget>

#include "core/SaveCommands.h"
#include "platform/qt/Widgets.h"
#include "reports/frmReport.h"
#include "startup/Startup.h"
#include "startup/frmAbout.h"
#include "startup/frmLogin.h"
#include "tools/frmErrorReport.h"
#include "tools/frmNote.h"
#include "tools/frmPhone.h"
#include "tools/frmShtrih.h"
#include "windows/client/frmClient.h"
#include "windows/client/frmClientInfo.h"
#include "windows/main/frmMain.h"
#include "windows/state/frmChangeIE.h"
#include "windows/state/frmOld.h"
#include "windows/state/frmSost.h"

namespace kz {

App::App(Platform& ui, std::string programFolder, std::string assetFolder)
    : ui_(ui), programFolder_(std::move(programFolder)), assetFolder_(std::move(assetFolder)) {}

App::~App() {
    // The windows refer to the document and the settings while they are
    // destroyed; tool windows still open go without asking.
    for (QWidget* tool :
         std::initializer_list<QWidget*>{notepad_, phoneBook_, barcodeCheck_, errorNotes_, report_})
        delete tool;
    client_.reset();
    list_.reset();
    state_.reset();
    main_.reset();
    login_.reset();
}

std::string App::SettingsPath() const {
    return programFolder_ + kSettingsFileName;
}

std::string App::DataFolder() const {
    return programFolder_ + kDataFolderName;
}

WindowContext App::Context() {
    return {doc, settings, ui_, *this, programFolder_, SettingsPath()};
}

frmLogin* App::Login() {
    if (!login_) login_ = std::make_unique<frmLogin>(Context());
    return login_.get();
}

frmMain* App::Main() {
    if (!main_) main_ = std::make_unique<frmMain>(Context());
    return main_.get();
}

frmSost* App::State() {
    if (!state_) state_ = std::make_unique<frmSost>(Context());
    return state_.get();
}

frmOld* App::List() {
    if (!list_) list_ = std::make_unique<frmOld>(Context());
    return list_.get();
}

frmClient* App::Client() {
    if (!client_) client_ = std::make_unique<frmClient>(Context());
    return client_.get();
}

void App::OpenState(QWidget* from) {
    frmSost* state = State();
    SwitchWindow(from, state);
    state->InitSost(doc.CurrentSost);
}

void App::OpenList(QWidget* from, int mode) {
    frmOld* list = List();
    SwitchWindow(from, list);
    list->ShowList(mode);
}

void App::OpenClientWindow(QWidget* from) {
    frmClient* client = Client();
    SwitchWindow(from, client);
    client->Init();
}

void App::ReturnToMain(QWidget* from) {
    RefreshMain();
    SwitchWindow(from, Main());
}

void App::RefreshMain() {
    frmMain* main = Main();
    main->Refresh();
    main->SelectCurrent(doc.CurrentSost, doc.CurrentClient);
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
            if (source && target) ShowFieldText(target, source->text());
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

void App::EnterMainWindow() {
    frmMain* m = Main();
    m->Refresh();
    m->show();
    m->raise();
    m->activateWindow();
    Login()->hide();
}

void App::CloseFile(QWidget* from) {
    // The notepad and the phone book belong to the file being closed.
    CloseNotepad();
    if (phoneBook_ && phoneBook_->isVisible()) phoneBook_->close();
    frmLogin* login = Login();
    login->show();
    login->raise();
    login->activateWindow();
    if (from && from != login) from->hide();
}

bool App::CloseProgram(QWidget* window) {
    // Tool windows close first, so that one holding unsaved text can ask and
    // the notepad can hand its text to the document before the save question.
    // One that stays open keeps the program running.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == window || !w->isVisible() || !w->isWindow() || w->windowType() == Qt::Popup ||
            w == static_cast<QWidget*>(main_.get()) || w == static_cast<QWidget*>(login_.get()) ||
            w == static_cast<QWidget*>(state_.get()) || w == static_cast<QWidget*>(list_.get()) ||
            w == static_cast<QWidget*>(client_.get()))
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

void App::ShowClientInfo(QWidget* parent) {
    frmClientInfo info(doc, ui_, InfoOpener::MainWindow, parent);
    info.LoadInfo();
    info.exec();
}

void App::ShowNotepad(QWidget* near) {
    // An open notepad already holds the notes (and the user's undo steps).
    ShowToolWindow(notepad_, near, [this] {
        auto* note = new frmNote(doc, ui_);
        note->LoadNotes();
        return note;
    });
}

void App::CloseNotepad() {
    if (notepad_ && notepad_->isVisible()) notepad_->close();
}

void App::ShowPhoneBook(QWidget* near) {
    ShowToolWindow(phoneBook_, near, [this] { return new frmPhone(doc, ui_); })->LoadPhones();
}

void App::ShowBarcodeCheck(QWidget* near) {
    ShowToolWindow(barcodeCheck_, near, [this] { return new frmShtrih(ui_); });
}

void App::ShowErrorNotes(QWidget* near) {
    // One window at a time: two over one file would overwrite each other.
    ShowToolWindow(errorNotes_, near, [this] { return new frmErrorReport(ui_, programFolder_); });
}

QWidget* App::ShowReport(const std::string& text) {
    frmReport* report =
        ShowToolWindow(report_, nullptr, [this] { return new frmReport(doc, ui_); });
    report->SetText(text);
    return report;
}

bool App::ChangeUnit(QWidget* parent, UnitOwner owner) {
    frmChangeIE dialog(doc, owner, parent);
    dialog.Update();
    return dialog.exec() == QDialog::Accepted;
}

void App::ShowHelp() {
    kz::ShowHelp(ui_, assetFolder_);
}

void App::ShowAbout(QWidget* parent) {
    frmAbout about(programFolder_, parent);
    about.exec();
}

void App::PlaySoundFile(const std::string& fileName) {
    kz::PlaySoundFile(ui_, settings, fileName);
}

}  // namespace kz
