#pragma once

#include <QWidget>

#include "tools/PhoneBook.h"

class QPushButton;
class QTableWidget;

namespace kz {

// "Телефонная книжка": the phone entries of the document in a grid with the
// buttons that change them. A modeless tool window.
class frmPhone : public QWidget {
    Q_OBJECT
public:
    frmPhone(BudgetFile& doc, Platform& ui, QWidget* parent = nullptr);

    // Fills the grid from the document.
    void LoadPhones();

private:
    // Runs a button with the grid's current cell; shows the rows it leaves.
    template <typename Op>
    void Run(Op op);
    void ShowRows();
    void TakeSelection();

    BudgetFile& doc_;
    Platform& ui_;
    PhoneView view_;
    QTableWidget* Grid = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdChange = nullptr;
    QPushButton* cmdDel = nullptr;
    QPushButton* cmdClearAll = nullptr;
    QPushButton* cmdBuf = nullptr;
    QPushButton* cmdClose = nullptr;
};

}  // namespace kz
