#pragma once

#include <QDialog>

#include "core/Document.h"
#include "platform/Platform.h"
#include "windows/client/ClientWindow.h"

class QPushButton;

namespace kz {

class ListGrid;

// "Возвращенные деньги": the returns of one side of the current client,
// where the user may delete one. Modal.
class frmOldGrid : public QDialog {
    Q_OBJECT
public:
    frmOldGrid(BudgetFile& doc, Platform& ui, Side side, QWidget* parent = nullptr);

    // Fills the table with the side's returns.
    void Fill();
    // True once a return was deleted.
    bool Changed() const { return changed_; }

private:
    void OnClear();

    BudgetFile& doc_;
    Platform& ui_;
    Side side_;
    bool changed_ = false;
    ListGrid* Grid = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace kz
