#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "core/Document.h"
#include "core/Settings.h"
#include "platform/Platform.h"
#include "platform/qt/Navigation.h"

class QWidget;

namespace kz {

class frmClient;
class frmErrorReport;
class frmLogin;
class frmMain;
class frmNote;
class frmPhone;
class frmReport;
class frmOld;
class frmShtrih;
class frmSost;

// The program's one document, its settings, the desktop it talks to and its
// windows. Created in main(); each window is given what it needs of it (a
// WindowContext or plain references). Tests create their own with a
// scripted platform.
class App : public Navigation {
public:
    explicit App(Platform& ui, std::string programFolder, std::string assetFolder);
    ~App() override;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    BudgetFile doc;
    AppSettings settings;
    Platform& ui() { return ui_; }

    // P: the writable program folder, with a trailing "/".
    const std::string& ProgramFolder() const { return programFolder_; }
    // Read-only assets (sounds, help pages), with a trailing "/".
    const std::string& AssetFolder() const { return assetFolder_; }
    std::string SettingsPath() const;  // P + "kervazyl.ini"
    std::string DataFolder() const;    // P + "Kerva Files"

    // What a large window is given.
    WindowContext Context();

    // The two windows that stay loaded for the whole run (created on first use).
    frmLogin* Login();
    frmMain* Main();
    // The state, list and client windows (created on first use).
    frmSost* State();
    frmOld* List();
    frmClient* Client();

    void SwitchWindow(QWidget* from, QWidget* to) override;
    void OpenState(QWidget* from) override;
    void OpenList(QWidget* from, int mode) override;
    void OpenClientWindow(QWidget* from) override;
    void ReturnToMain(QWidget* from) override;
    void RefreshMain() override;
    void EnterMainWindow() override;
    void CloseFile(QWidget* from) override;
    bool CloseProgram(QWidget* window) override;

    void ShowNotepad(QWidget* near) override;
    void CloseNotepad() override;
    void ShowPhoneBook(QWidget* near) override;
    void ShowBarcodeCheck(QWidget* near) override;
    void ShowErrorNotes(QWidget* near) override;
    QWidget* ShowReport(const std::string& text) override;
    bool ChangeUnit(QWidget* parent, UnitOwner owner) override;
    void ShowClientInfo(QWidget* parent) override;

    void ShowHelp() override;
    void ShowAbout(QWidget* parent) override;
    void PlaySoundFile(const std::string& fileName) override;

private:
    Platform& ui_;
    std::string programFolder_;
    std::string assetFolder_;
    std::unique_ptr<frmLogin> login_;
    std::unique_ptr<frmMain> main_;
    std::unique_ptr<frmSost> state_;
    std::unique_ptr<frmOld> list_;
    std::unique_ptr<frmClient> client_;
    QPointer<frmNote> notepad_;
    QPointer<frmPhone> phoneBook_;
    QPointer<frmShtrih> barcodeCheck_;
    QPointer<frmErrorReport> errorNotes_;
    QPointer<frmReport> report_;
};

}  // namespace kz
