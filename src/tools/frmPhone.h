#pragma once

#include <QWidget>

#include "tools/PhoneBook.h"

class QPushButton;
class QTableWidget;

namespace kz {

class App;

// "Телефонная книжка": the phone entries of the document in a grid with the
// buttons that change them. A modeless tool window.
class frmPhone : public QWidget {
    Q_OBJECT
public:
    explicit frmPhone(App& app, QWidget* parent = nullptr);
    App& Owner() const { return app_; }

    // Fills the grid from the document.
    void LoadPhones();

private:
    // Runs a button with the grid's current cell; shows the rows it leaves.
    template <typename Op>
    void Run(Op op);
    void ShowRows();
    void TakeSelection();

    App& app_;
    PhoneView view_;
    QTableWidget* Grid = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdChange = nullptr;
    QPushButton* cmdDel = nullptr;
    QPushButton* cmdClearAll = nullptr;
    QPushButton* cmdBuf = nullptr;
    QPushButton* cmdClose = nullptr;
};

// Shows the phone book without blocking the caller, loaded from the
// document; an open one is reloaded and brought to the front. `parent` only
// places it.
void ShowPhoneBook(App& app, QWidget* parent);
// Closes the phone book when it is open (the document it showed is gone).
void ClosePhoneBook();

}  // namespace kz
