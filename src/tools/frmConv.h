#pragma once

#include <QGroupBox>

#include "tools/Converter.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kz {

class App;

// The "Конвертер валют" box that the large windows carry: two ratio fields,
// the direction, the amount and the result. It touches nothing of the
// document; the window switch hands txt1 and txt2 on to the next window.
class frmConv : public QGroupBox {
    Q_OBJECT
public:
    explicit frmConv(App& app, QWidget* parent = nullptr);

    // The fields as they stand, and back (the comma rule rewrites them).
    ConverterForm Form() const;
    void SetForm(const ConverterForm& form);

private:
    void OnConvert();
    void OnCopy();

    App& app_;
    QLabel* Label1 = nullptr;
    QLineEdit* txt1 = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* txt2 = nullptr;
    QLabel* Label10 = nullptr;
    QRadioButton* op1to2 = nullptr;
    QRadioButton* op2to1 = nullptr;
    QLabel* Label14 = nullptr;
    QLineEdit* txtIN = nullptr;
    QPushButton* cmdConv = nullptr;
    QLabel* Label15 = nullptr;
    QLineEdit* txtRes = nullptr;
    QPushButton* cmdCopy = nullptr;
};

}  // namespace kz
