#pragma once

#include <QWidget>

#include "platform/qt/Navigation.h"

class QCloseEvent;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace kz {

// The start window: choose to create or open a data file, name it, type the
// password of a protected file and enter. It stays loaded for the whole run;
// closing it ends the program.
class frmLogin : public QWidget {
    Q_OBJECT
public:
    explicit frmLogin(WindowContext context, QWidget* parent = nullptr);

    // After the settings were read: the last file into txtFile with "open"
    // chosen, or the data folder in front of the field when there is none.
    void PrepareFromSettings();
    // A data file named on the command line: into txtFile, "open" chosen.
    void SetFileArgument(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ChooseOpen(bool open);
    void OpenOrCreate();
    void PrefixDataFolder();
    void BrowseForFile();
    void LaunchCalculator();

    WindowContext ctx_;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLineEdit* txtFile = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* cmdMD = nullptr;
    QGroupBox* framePass = nullptr;
    QLineEdit* txtPass = nullptr;
    QPushButton* cmdEnter = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdAdditional = nullptr;
    QMenu* mnuAdFunc = nullptr;
};

}  // namespace kz
