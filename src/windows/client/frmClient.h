#pragma once

#include "windows/client/ClientWindow.h"
#include "windows/common/frmLargeWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace kz {

class ListGrid;

// The client window: the current client's name, note, reputation and unit,
// and its payments both ways with their repayments. Every button is one of
// the window-free functions of ClientWindow.h and ClientInfo.h, or opens one
// of the client's dialogs; the main window is reached through navigation.
class frmClient : public frmLargeWindow {
    Q_OBJECT
public:
    explicit frmClient(WindowContext context);

    // Shows the current client: the labels and both payment tables.
    void Init();

protected:
    void GoBack() override;

private:
    // The buttons of one side of the client.
    struct SideControls {
        Side side;
        QGroupBox* box = nullptr;
        ListGrid* grid = nullptr;
        QPushButton* add = nullptr;
        QPushButton* change = nullptr;
        QPushButton* del = nullptr;
        QPushButton* ret = nullptr;
        QPushButton* oldReturn = nullptr;
        QPushButton* info = nullptr;
    };

    void BuildControls();
    void BuildMenus();
    void Connect();
    QGroupBox* BuildSide(SideControls& s, const char* boxName, const QString& caption,
                         const char* gridName, const char* suffix, const QString& addTip,
                         const QString& delTip, const QString& returnTip, const QString& infoTip);
    void ConnectSide(const SideControls& s);

    void OnAdd(Side side);
    void OnChange(const SideControls& s);
    void OnOldReturn(Side side);
    void OnClientInfo();
    void OnChangeUnit();
    void OnReport(int item);

    QLabel* Label2 = nullptr;
    QPushButton* lblClientName = nullptr;
    QPushButton* lblClientInfo = nullptr;
    QPushButton* lblReput = nullptr;
    QPushButton* lblIE = nullptr;
    SideControls onDol_{Side::OwedToYou};
    SideControls vyDol_{Side::OwedByYou};
    QPushButton* cmdReport = nullptr;
};

}  // namespace kz
