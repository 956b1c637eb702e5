#pragma once

#include <QDialog>

#include "core/Settings.h"
#include "platform/Platform.h"

class QCheckBox;
class QPushButton;

namespace kz {

// The per-installation options. Saving only changes the settings in memory;
// the settings file is written after an open and at the end of the program.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(AppSettings& settings, Platform& ui, QWidget* parent = nullptr);

    // Fills the check boxes from the settings (ticked means on).
    void LoadOpt();

private:
    void SaveOpt();
    void BackUpToggled(bool checked);

    AppSettings& settings_;
    Platform& ui_;
    QCheckBox* chkBackUp = nullptr;
    QCheckBox* chkSound = nullptr;
    QCheckBox* chkExitConf = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace kz
