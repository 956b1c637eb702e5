#pragma once

#include <QDialog>

#include "core/Document.h"
#include "platform/Platform.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kz {

// Sets, changes or removes the password of the open document. Only the
// document changes; the file follows at the next save.
class frmPass : public QDialog {
    Q_OBJECT
public:
    frmPass(BudgetFile& doc, Platform& ui, QWidget* parent = nullptr);

    // Prepares the choices from the document's protection before showing.
    void Update();

private:
    void ApplyChoice();
    void Ready();

    BudgetFile& doc_;
    Platform& ui_;
    QRadioButton* opNewP = nullptr;
    QRadioButton* opChangeP = nullptr;
    QRadioButton* opDelP = nullptr;
    QLabel* lblOldP = nullptr;
    QLineEdit* txtOldP = nullptr;
    QLabel* lblNewP = nullptr;
    QLineEdit* txtNewP = nullptr;
    QLabel* lblConfP = nullptr;
    QLineEdit* txtConfP = nullptr;
    QPushButton* cmdReady = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace kz
