#pragma once

#include <QDialog>

#include "core/Document.h"
#include "core/Settings.h"
#include "platform/Platform.h"
#include "windows/state/AddSell.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kz {

// Income and spending of the current state: the date, the amount and its
// source or purpose. Modal; accepted when the operation was made.
class frmAddSell : public QDialog {
    Q_OBJECT
public:
    frmAddSell(BudgetFile& doc, Platform& ui, const AppSettings& settings,
               QWidget* parent = nullptr);

    // Prepares the dialog for an income or for a spending.
    void InitAdd();
    void InitSell();

private:
    void Init(AddSellMode mode);
    void OnAdd();

    BudgetFile& doc_;
    Platform& ui_;
    const AppSettings& settings_;
    AddSellMode EntryMode = AddSellMode::Income;

    QLabel* lblAddSell = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblSource = nullptr;
    QLabel* lblIE = nullptr;
    QLineEdit* txtDate = nullptr;
    QLineEdit* txtSum = nullptr;
    QLineEdit* txtSource = nullptr;
    QCheckBox* chkAddToList = nullptr;
    QPushButton* cmdAdd = nullptr;
};

}  // namespace kz
