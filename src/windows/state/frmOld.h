#pragma once

#include <QPointer>

#include "windows/common/frmLargeWindow.h"
#include "windows/state/HistoryList.h"

class QLabel;
class QPushButton;

namespace kz {

class ListGrid;
class frmGraph;

// One list of the current state in a grid: the five history lists, which
// can be struck out and drawn as a graph, and the two debt lists, whose
// debts are repaid or struck out.
class frmOld : public frmLargeWindow {
    Q_OBJECT
public:
    explicit frmOld(WindowContext context);
    ~frmOld() override;

    // Fills the window with list `mode` (EntryMode, 0 to 6) of the current
    // state.
    void ShowList(int mode);

    int EntryMode() const { return mode_; }

protected:
    void GoBack() override;

private:
    void OnDel();
    void OnReturn();
    void OnCreateGraph();

    int mode_ = kListOldBal;
    QPointer<frmGraph> graph_;

    QLabel* lblWindowName = nullptr;
    QLabel* lblWindowInfo = nullptr;
    ListGrid* grid = nullptr;
    QPushButton* cmdDel = nullptr;
    QPushButton* cmdReturn = nullptr;
    QPushButton* lblCreateGraph = nullptr;
};

}  // namespace kz
