#pragma once

#include <QWidget>
#include <string>

class QCloseEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kz {

class App;

// The error notes: a free text kept in its own file in the program's folder,
// saved on request or when the window closes. Modeless.
class frmErrorReport : public QWidget {
    Q_OBJECT
public:
    explicit frmErrorReport(App& app, QWidget* parent = nullptr);

    App& Owner() const { return app_; }
    // The notes as they stand, with CR LF line breaks.
    std::string Text() const;
    bool Changed() const { return changed_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SaveErrorNotes();

    App& app_;
    bool changed_ = false;
    QLabel* Label1 = nullptr;
    QLabel* lblVer = nullptr;
    QLabel* lblUpdate = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
};

// Shows the error-notes window without blocking the caller; an open one is
// brought to the front (two windows over one file would overwrite each
// other). `parent` only places it.
void ShowErrorReportWindow(App& app, QWidget* parent);

}  // namespace kz
