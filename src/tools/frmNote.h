#pragma once

#include <QWidget>

#include "core/Document.h"
#include "platform/Platform.h"

class QAction;
class QCloseEvent;
class QMenu;
class QMenuBar;
class QPlainTextEdit;

namespace kz {

// "Записная книжка": the document's notes in one text box. Every change goes
// into the document at once (a character the data file cannot hold is
// refused and taken out again); closing stores the text for good.
class frmNote : public QWidget {
    Q_OBJECT
public:
    frmNote(BudgetFile& doc, Platform& ui, QWidget* parent = nullptr);

    // Puts the document's notes into the text box; a clean document stays
    // clean.
    void LoadNotes();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnTextChanged();
    void InsertDateTime();
    void ClearNotes();
    void PrintNotes();

    BudgetFile& doc_;
    Platform& ui_;
    QPlainTextEdit* txtNote = nullptr;
    QString accepted_;  // the text the document holds
    QMenuBar* menuBar_ = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuItemNew = nullptr;
    QAction* mnuItemPrint = nullptr;
    QAction* mnuItemSaveAndClose = nullptr;
    QMenu* mnuIns = nullptr;
    QAction* mnuItemDT = nullptr;
};

}  // namespace kz
