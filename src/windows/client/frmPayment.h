#pragma once

#include <QDialog>

#include "core/Document.h"
#include "platform/Platform.h"
#include "windows/client/PaymentEntry.h"

class QCalendarWidget;
class QCheckBox;
class QDate;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kz {

// The payment entry window: adds a dated or monthly payment to one side of
// the current client, or changes one (whose info then stays as it is).
// Modal; accepted when the payment was stored.
class frmPayment : public QDialog {
    Q_OBJECT
public:
    // `entry` is the payment to change (change mode only).
    frmPayment(BudgetFile& doc, Platform& ui, PaymentMode mode, Side side, int entry,
               QWidget* parent = nullptr);

    // Fills the window for its mode: captions, and the payment's fields when
    // changing one.
    void Init();

private:
    void ShowMonthly(bool monthly);
    void OnMonthlyToggled(bool ticked);
    void OnDayClicked(const QDate& day);
    void OnAdd();

    BudgetFile& doc_;
    Platform& ui_;
    PaymentMode mode_;
    Side side_;
    int entry_;

    QLabel* lblAddSell = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* lblSum = nullptr;
    QLineEdit* txtSum = nullptr;
    QLabel* lblDate = nullptr;
    QLineEdit* txtDate = nullptr;
    QCalendarWidget* MonthView1 = nullptr;
    QCheckBox* chkKM = nullptr;
    QLabel* lblSource = nullptr;
    QLineEdit* txtSource = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace kz
