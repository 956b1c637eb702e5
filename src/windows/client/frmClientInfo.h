#pragma once

#include <QDialog>

#include "core/Document.h"
#include "platform/Platform.h"
#include "windows/client/ClientInfo.h"

class QPlainTextEdit;
class QPushButton;

namespace kz {

// "Информация о клиенте": the current client's note in a text box. Every
// edit marks the document changed; "OK" stores the note, "Отмена" and
// Escape leave it as it was. Modal.
class frmClientInfo : public QDialog {
    Q_OBJECT
public:
    frmClientInfo(BudgetFile& doc, Platform& ui, InfoOpener opener, QWidget* parent = nullptr);

    // Fills the box with the client's note, with the opener's dirty rule.
    void LoadInfo();

private:
    void OnSave();

    BudgetFile& doc_;
    Platform& ui_;
    InfoOpener opener_;
    QPlainTextEdit* txtInfo = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace kz
