#pragma once

#include <QDialog>
#include <string>

class QPushButton;

namespace kz {

// The about box: version, build tag, the program's folder and a word on
// reporting errors.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(const std::string& programFolder, QWidget* parent = nullptr);

private:
    QPushButton* cmdOK = nullptr;
};

}  // namespace kz
