#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kz {

class App;

// Sets, changes or removes the password of the open document. Only the
// document changes; the file follows at the next save.
class frmPass : public QDialog {
    Q_OBJECT
public:
    explicit frmPass(App& app, QWidget* parent = nullptr);

    // Prepares the choices from the document's protection before showing.
    void Update();

private:
    void ApplyChoice();
    void Ready();

    App& app_;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label6 = nullptr;
    QRadioButton* opNewP = nullptr;
    QRadioButton* opChangeP = nullptr;
    QRadioButton* opDelP = nullptr;
    QLabel* lblOldP = nullptr;
    QLineEdit* txtOldP = nullptr;
    QLabel* lblNewP = nullptr;
    QLineEdit* txtNewP = nullptr;
    QLabel* lblConfP = nullptr;
    QLineEdit* txtConfP = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdReady = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace kz
