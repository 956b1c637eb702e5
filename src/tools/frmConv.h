#pragma once

#include <QGroupBox>

#include "tools/Converter.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kz {

// The "Конвертер валют" box that the large windows carry: two ratio fields,
// the direction, the amount and the result. It touches nothing of the
// document; the window switch hands txt1 and txt2 on to the next window.
class frmConv : public QGroupBox {
    Q_OBJECT
public:
    explicit frmConv(Platform& ui, QWidget* parent = nullptr);

    // The fields as they stand, and back (the comma rule rewrites them).
    ConverterForm Form() const;
    void SetForm(const ConverterForm& form);

private:
    void OnConvert();
    void OnCopy();

    Platform& ui_;
    QLineEdit* txt1 = nullptr;
    QLineEdit* txt2 = nullptr;
    QRadioButton* op1to2 = nullptr;
    QRadioButton* op2to1 = nullptr;
    QLineEdit* txtIN = nullptr;
    QPushButton* cmdConv = nullptr;
    QLineEdit* txtRes = nullptr;
    QPushButton* cmdCopy = nullptr;
};

}  // namespace kz
