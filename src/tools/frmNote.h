#pragma once

#include <QWidget>

class QAction;
class QCloseEvent;
class QMenu;
class QMenuBar;
class QPlainTextEdit;

namespace kz {

class App;

// "Записная книжка": the document's notes in one text box. Every change goes
// into the document at once; closing stores the text for good.
class frmNote : public QWidget {
    Q_OBJECT
public:
    explicit frmNote(App& app, QWidget* parent = nullptr);
    App& Owner() const { return app_; }

    // Puts the document's notes into the text box; a clean document stays
    // clean.
    void LoadNotes();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void InsertDateTime();
    void ClearNotes();
    void PrintNotes();

    App& app_;
    QPlainTextEdit* txtNote = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuItemNew = nullptr;
    QAction* mnuItemPrint = nullptr;
    QAction* mnuItemSaveAndClose = nullptr;
    QMenu* mnuIns = nullptr;
    QAction* mnuItemDT = nullptr;
};

// The notepad buttons of the large windows: shows the notepad without
// blocking, filled from the document; an open one is brought to the front.
// `parent` only places it.
void OpenNotepad(App& app, QWidget* parent);
// Closes the notepad when it is open; closing stores its text.
void CloseNotepad();

}  // namespace kz
