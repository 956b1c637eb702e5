#pragma once

#include <string>

#include "core/Document.h"
#include "core/SaveCommands.h"
#include "core/Settings.h"
#include "platform/Platform.h"

class QMainWindow;
class QMenu;
class QWidget;

namespace kz {

// How a window reaches the rest of the program: the other large windows, the
// end of the program, the one-of-a-kind modeless windows, help and the about
// box. The application object implements it, as the Qt platform implements
// Platform; a window never includes the application object, nor a window of
// a sibling room, to get there. Its own dialogs it makes itself.
class Navigation {
public:
    virtual ~Navigation() = default;

    // The large windows, which take turns on the screen; the application
    // object owns them, so a window that opens another asks for it here.

    // Hands the screen from one large window to another: window state, size,
    // the converter fields txt1/txt2, caption and position; `to` shows and
    // `from` hides.
    virtual void SwitchWindow(QWidget* from, QWidget* to) = 0;
    // The state window of the current state (CurrentSost) replaces `from`
    // and shows the state anew: name, balance, unit and debt buttons.
    virtual void OpenState(QWidget* from) = 0;
    // The list window replaces `from` with list `mode` (0 to 6: past
    // balances, incomes, expenses, borrowings, lendings, debts owed to the
    // user, debts the user owes) of the current state.
    virtual void OpenList(QWidget* from, int mode) = 0;
    // The client window of the current client (CurrentClient) replaces
    // `from` and shows the client anew.
    virtual void OpenClientWindow(QWidget* from) = 0;
    // Back from a state or client window: the main window is refreshed as
    // RefreshMain does and replaces `from`.
    virtual void ReturnToMain(QWidget* from) = 0;
    // The main window's refresh (lists, reminders, the turn of the month)
    // after a change made in another window, also while that one is shown;
    // its lists choose the current state and the current client.
    virtual void RefreshMain() = 0;
    // A file was opened or created: the main window is refreshed, titled for
    // the file and shown; the start window hides.
    virtual void EnterMainWindow() = 0;
    // The file is closed: its notepad and phone book close, the start window
    // shows and `from` hides.
    virtual void CloseFile(QWidget* from) = 0;
    // The close event of a large window: tool windows close first, then the
    // save question, the exit confirmation when that option is on, and the
    // settings are written. True when the program ends.
    virtual bool CloseProgram(QWidget* window) = 0;

    // The modeless windows, one of each kind at a time: an open one comes to
    // the front, a new one opens over `near` (when given).

    // The notepad, filled from the document when it opens.
    virtual void ShowNotepad(QWidget* near) = 0;
    // Closes the notepad when it is open; its text goes into the document.
    virtual void CloseNotepad() = 0;
    // The phone book, filled from the document every time.
    virtual void ShowPhoneBook(QWidget* near) = 0;
    virtual void ShowBarcodeCheck(QWidget* near) = 0;
    virtual void ShowErrorNotes(QWidget* near) = 0;
    // Shows `text` in the report window and returns the window.
    virtual QWidget* ShowReport(const std::string& text) = 0;

    // The unit dialog for the current state or the current client, modal
    // over `parent`. True when a unit was chosen; the opener then shows its
    // record anew.
    virtual bool ChangeUnit(QWidget* parent, UnitOwner owner) = 0;
    // The client information window for the current client as the main
    // window opens it (a note it fills in marks the document changed),
    // modal over `parent`.
    virtual void ShowClientInfo(QWidget* parent) = 0;

    virtual void ShowHelp() = 0;
    virtual void ShowAbout(QWidget* parent) = 0;
    // Plays a sound of the program when sounds are on.
    virtual void PlaySoundFile(const std::string& fileName) = 0;
};

// What the save commands of a large window need: its title follows the
// file's new name, and the notepad closes through `nav`.
SaveHooks WindowSaveHooks(QWidget* window, Navigation& nav);

// The "&Помощь" menu of a large window: the help pages (the item named
// `contentsName`), with `web` the submenu "Brisklane в Интернете", and the
// about box.
QMenu* BuildHelpMenu(QMainWindow* window, Navigation& nav, const char* contentsName, bool web);

// What a large window is given when it is made: the document and settings
// it works on, the desktop, the way to the other windows and where the
// program keeps its files. Dialogs and tool windows take only the parts they
// use.
struct WindowContext {
    BudgetFile& doc;
    AppSettings& settings;
    Platform& ui;
    Navigation& nav;
    std::string programFolder;  // P, with a trailing "/"
    std::string settingsPath;   // P + "kervazyl.ini"
};

}  // namespace kz
