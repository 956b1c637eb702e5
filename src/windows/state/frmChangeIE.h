#pragma once

#include <QDialog>

#include "core/Document.h"
#include "windows/state/ChangeIE.h"

class QComboBox;
class QPushButton;

namespace kz {

// "Настройка состояния": points the current state, or the current client,
// at another currency unit. Modal; accepted when a unit was chosen, after
// which the opener shows its record anew.
class frmChangeIE : public QDialog {
    Q_OBJECT
public:
    frmChangeIE(BudgetFile& doc, UnitOwner owner, QWidget* parent = nullptr);

    // Fills the list with the used units and chooses the owner's.
    void Update();

private:
    void OnOK();

    BudgetFile& doc_;
    UnitOwner owner_;
    UnitChoice choice_;
    QComboBox* cmbIE = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace kz
