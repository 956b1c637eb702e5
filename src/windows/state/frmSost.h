#pragma once

#include "windows/common/frmLargeWindow.h"
#include "windows/state/StateWindow.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kz {

// One state of the document: its name, balance and unit, and every
// operation on it, its lists and its reports.
class frmSost : public frmLargeWindow {
    Q_OBJECT
public:
    explicit frmSost(WindowContext context);

    // Shows state `s` (1 to 10): name, balance, unit and the debt buttons.
    void InitSost(int s);
    // The debt buttons in the colour of their lists.
    void UpdateButtons();

    // What the window shows now.
    const StateView& View() const { return view_; }

protected:
    void GoBack() override;

private:
    void BuildControls();
    void BuildMenus();
    void ShowView();
    // After a dialog that changed the state: the state shown anew and the
    // main window refreshed.
    void Changed();

    void OnAddSell(bool income);
    void OnZanOdol(bool borrow);
    void OnChangeUnit();
    void OnReport(int item);

    StateView view_;

    QLabel* Label2 = nullptr;
    QPushButton* lblSostName = nullptr;
    QPushButton* Label4 = nullptr;
    QLineEdit* txtCurSum = nullptr;
    QPushButton* lblIE = nullptr;
    QPushButton* cmdOnDol = nullptr;
    QPushButton* cmdVyDol = nullptr;
    QPushButton* cmdReport = nullptr;
};

}  // namespace kz
