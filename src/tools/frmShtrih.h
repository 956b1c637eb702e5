#pragma once

#include <QWidget>
#include <array>

#include "tools/Barcode.h"

class QLineEdit;
class QPushButton;

namespace kz {

// The barcode check: thirteen one-digit boxes, the check and the clearing.
// A modeless tool window; it reads and changes nothing of the document.
class frmShtrih : public QWidget {
    Q_OBJECT
public:
    explicit frmShtrih(Platform& ui, QWidget* parent = nullptr);

    // The texts of txt1..txt13 as they stand.
    BarcodeBoxes Boxes() const;

private:
    void CheckBarcode();
    void ClearBarcode();
    // A box that now holds its one character hands the focus on, so the
    // thirteen digits can be typed in one go.
    void DigitTyped(int index);

    Platform& ui_;
    std::array<QLineEdit*, kBarcodeLength> txt{};
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmd = nullptr;
};

}  // namespace kz
