#pragma once

#include <QDate>
#include <QDialog>

#include "core/Document.h"
#include "platform/Platform.h"
#include "windows/state/ZanOdol.h"

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kz {

// Borrowing and lending of the current state: the other party, the amount,
// a monthly percent or a fixed return sum, and a return date. Modal;
// accepted when the loan was recorded.
class frmZanOdol : public QDialog {
    Q_OBJECT
public:
    frmZanOdol(BudgetFile& doc, Platform& ui, QWidget* parent = nullptr);

    // Prepares the dialog for borrowing or for lending.
    void InitZan();
    void InitSell();

private:
    void Init(ZanOdolMode mode);
    ZanOdolForm Form() const;
    void ChoosePercent();
    void ChooseReturnSum();
    void OnSumLeft();
    void OnDayChosen(const QDate& day);
    void OnGo();

    BudgetFile& doc_;
    Platform& ui_;
    ZanOdolMode EntryMode = ZanOdolMode::Borrow;
    QDate clicked_;  // a double click must not choose the day twice

    QLabel* lblAddSell = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* cmbTo = nullptr;
    QLineEdit* txtSum = nullptr;
    QLineEdit* txtDate = nullptr;
    QLineEdit* txtPovod = nullptr;
    QRadioButton* opProc = nullptr;
    QLineEdit* txtProc = nullptr;
    QRadioButton* Option1 = nullptr;
    QLineEdit* txtReturnSum = nullptr;
    QLineEdit* txtReturnDate = nullptr;
    QCalendarWidget* MonthView = nullptr;
    QCheckBox* chkAddToList = nullptr;
    QPushButton* cmdGo = nullptr;
};

}  // namespace kz
