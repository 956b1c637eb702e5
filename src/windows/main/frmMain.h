#pragma once

#include <QMainWindow>

#include "core/SaveCommands.h"
#include "platform/qt/Navigation.h"
#include "reports/Refresh.h"

class QAction;
class QCloseEvent;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace kz {

class frmConv;

// The hub while a data file is open: the states, clients and currency units
// with their operations, the user name, the reminder boxes and the menus.
// Every operation is one of the window-free functions of MainWindow.h or
// SaveCommands.h; this class copies the selections in and shows the result.
// Other windows are reached through the context's navigation.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(WindowContext context, QWidget* parent = nullptr);

    // Runs the refresh of the document and shows its lists, selections, user
    // name and reminder boxes.
    void Refresh();

    // Chooses state `s` and client `c` (1-based) in their lists; one out of
    // its list leaves that list's choice as it is.
    void SelectCurrent(int s, int c);

    // What the window shows now.
    const MainView& View() const { return view_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void Connect();
    // Shows view_ in the controls.
    void ShowView();
    // Runs an operation that replaces view_ when it changes the document.
    template <typename Op>
    void Run(Op op);
    SaveHooks Hooks();

    void OnReport();
    void OnCreateAllReports();
    void OnSave();
    void OnSaveAs();
    void OnCloseFile();
    void OnPassword();
    void OnOptions();

    WindowContext ctx_;
    MainView view_;
    bool showing_ = false;  // selection signals while the lists are refilled

    QPushButton* lblUserName = nullptr;
    QToolButton* Image1 = nullptr;
    QToolButton* imgExit = nullptr;

    QListWidget* lstSost = nullptr;
    QPushButton* cmdOpenSost = nullptr;
    QPushButton* cmdAddSost = nullptr;
    QPushButton* cmdDelSost = nullptr;
    QPushButton* cmdReport = nullptr;
    QListWidget* lstClients = nullptr;
    QPushButton* cmdOpenClient = nullptr;
    QPushButton* cmdAddClient = nullptr;
    QPushButton* cmdDelClient = nullptr;
    QPushButton* cmdClientInfo = nullptr;

    QPlainTextEdit* txtRemindToday = nullptr;
    QPlainTextEdit* txtSostToday = nullptr;
    QPlainTextEdit* txtClientToday = nullptr;

    QListWidget* lstIE = nullptr;
    QPushButton* cmdAddIE = nullptr;
    QPushButton* cmdChangeIE = nullptr;
    QPushButton* lblDelIE = nullptr;
    QPushButton* cmdHelp = nullptr;

    QPushButton* cmdCalc = nullptr;
    QPushButton* cmdNotepad = nullptr;
    QPushButton* cmdPhoneBook = nullptr;
    QPushButton* cmdShtrihCheck = nullptr;
    frmConv* frameConv = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuItemCreateAllRep = nullptr;
    QAction* mnuItemSave = nullptr;
    QAction* mnuItemSaveAs = nullptr;
    QAction* mnuItemExit = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuItemPass = nullptr;
    QAction* mnuItemErrReport = nullptr;
    QAction* mnuItemExportCsv = nullptr;
    QAction* mnuItemOptions = nullptr;
    QAction* mnuItemUpdateMe = nullptr;
};

}  // namespace kz
