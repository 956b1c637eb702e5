#pragma once

#include <QWidget>
#include <string>

#include "platform/Platform.h"

class QCloseEvent;
class QPlainTextEdit;
class QPushButton;

namespace kz {

// The error notes: a free text kept in its own file in the program's folder,
// saved on request or when the window closes. Modeless.
class frmErrorReport : public QWidget {
    Q_OBJECT
public:
    frmErrorReport(Platform& ui, std::string programFolder, QWidget* parent = nullptr);

    // The notes as they stand, with CR LF line breaks.
    std::string Text() const;
    bool Changed() const { return changed_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SaveErrorNotes();

    Platform& ui_;
    std::string programFolder_;
    bool changed_ = false;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace kz
