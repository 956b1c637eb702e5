#pragma once

#include <QWidget>
#include <string>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace kz {

class App;

// The report window: one report text, read-only until unlocked, with print
// and save. Modeless; there is one at a time (see ShowReportWindow).
class frmReport : public QWidget {
    Q_OBJECT
public:
    explicit frmReport(App& app, QWidget* parent = nullptr);

    // Replaces the shown text (CR LF line breaks).
    void SetText(const std::string& text);
    // The text as it stands, hand edits included, with CR LF line breaks.
    std::string Text() const;
    App& Owner() const { return app_; }

private:
    App& app_;
    QPlainTextEdit* txt = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdSaveAs = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdOK = nullptr;
};

// Shows `text` in the report window without blocking the caller: the open
// window is reused, otherwise one is created. Returns the window.
frmReport* ShowReportWindow(App& app, const std::string& text);

}  // namespace kz
