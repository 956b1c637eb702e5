#pragma once

#include <QWidget>
#include <array>

#include "tools/Barcode.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kz {

class App;

// The barcode check: thirteen one-digit boxes, the check and the clearing.
// A modeless tool window; it reads and changes nothing of the document.
class frmShtrih : public QWidget {
    Q_OBJECT
public:
    explicit frmShtrih(App& app, QWidget* parent = nullptr);

    App& Owner() const { return app_; }
    // The texts of txt1..txt13 as they stand.
    BarcodeBoxes Boxes() const;

private:
    void CheckBarcode();
    void ClearBarcode();
    // A box that now holds its one character hands the focus on, so the
    // thirteen digits can be typed in one go.
    void DigitTyped(int index);

    App& app_;
    std::array<QLineEdit*, kBarcodeLength> txt{};
    QLabel* Label1 = nullptr;
    QLabel* Metka1 = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmd = nullptr;
};

// Shows the barcode window without blocking the caller; an open one is
// brought to the front. `parent` only places it.
void ShowBarcodeWindow(App& app, QWidget* parent);

}  // namespace kz
