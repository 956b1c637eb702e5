#pragma once

#include <memory>
#include <string>

#include "core/Document.h"
#include "core/Settings.h"
#include "platform/Platform.h"

class QWidget;

namespace kz {

class frmLogin;
class frmMain;

// The program's one document, its settings, the desktop it talks to and its
// large windows. Created in main(); windows reach it through Get(). Tests
// create their own with a scripted platform.
class App {
public:
    explicit App(Platform& ui, std::string programFolder, std::string assetFolder);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    static App& Get();

    BudgetFile doc;
    AppSettings settings;
    Platform& ui() { return ui_; }

    // P: the writable program folder, with a trailing "/".
    const std::string& ProgramFolder() const { return programFolder_; }
    // Read-only assets (sounds, help pages), with a trailing "/".
    const std::string& AssetFolder() const { return assetFolder_; }
    std::string SettingsPath() const;  // P + "kervazyl.ini"
    std::string DataFolder() const;    // P + "Kerva Files"

    // The two windows that stay loaded for the whole run (created on first use).
    frmLogin* Login();
    frmMain* Main();

    // Hands the screen from one large window to another: window state, size,
    // the converter fields txt1/txt2, caption, position; shows `to`, hides `from`.
    void SwitchWindow(QWidget* from, QWidget* to);
    // The close event of a large window: ask to save, confirm the exit when
    // the option is on, write the settings. True when the program ends.
    bool CloseProgram(QWidget* window);
    // After a file was opened or created: the main window is refreshed, gets
    // the title "Brisklane Kerva Zyl - NAME" and is shown; the start window hides.
    void EnterMainWindow();
    // CloseFile: back to the start window.
    void ReturnToLogin(QWidget* from);

    void PlaySoundFile(const std::string& fileName);  // silent when sounds are off
    void ShowHelp();
    void ShowAbout(QWidget* parent);
    // The main window title for the open file.
    std::string WindowTitle() const;

private:
    Platform& ui_;
    std::string programFolder_;
    std::string assetFolder_;
    std::unique_ptr<frmLogin> login_;
    std::unique_ptr<frmMain> main_;
};

}  // namespace kz
