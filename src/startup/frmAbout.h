#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kz {

class App;

// The about box: version, build tag, the program's folder and a word on
// reporting errors.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(App& app, QWidget* parent = nullptr);

private:
    QLabel* lblVersion = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblFolder = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace kz
