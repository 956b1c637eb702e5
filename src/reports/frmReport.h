#pragma once

#include <QWidget>
#include <string>

#include "core/Document.h"
#include "platform/Platform.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace kz {

// The report window: one report text, read-only until unlocked, with print
// and save. Modeless; there is one at a time (Navigation::ShowReport).
class frmReport : public QWidget {
    Q_OBJECT
public:
    frmReport(const BudgetFile& doc, Platform& ui, QWidget* parent = nullptr);

    // Replaces the shown text (CR LF line breaks).
    void SetText(const std::string& text);
    // The text as it stands, hand edits included, with CR LF line breaks.
    std::string Text() const;

private:
    const BudgetFile& doc_;
    Platform& ui_;
    QPlainTextEdit* txt = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdSaveAs = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace kz
