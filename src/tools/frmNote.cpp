#include "tools/frmNote.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QVBoxLayout>

#include "gui/App.h"
#include "tools/Notepad.h"

namespace kz {

namespace {

QPointer<frmNote> g_note;

std::string S(const QString& q) {
    return q.toStdString();
}

}  // namespace

frmNote::frmNote(App& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app) {
    setObjectName("frmNote");
    setWindowTitle(QStringLiteral("Записная книжка"));
    setAttribute(Qt::WA_DeleteOnClose);

    menuBar_ = new QMenuBar(this);
    auto item = [](QMenu* menu, const QString& text, const char* name) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    mnuFile = menuBar_->addMenu(QStringLiteral("Файл"));
    mnuFile->setObjectName("mnuFile");
    mnuItemNew = item(mnuFile, QStringLiteral("Очистить все"), "mnuItemNew");
    mnuItemPrint = item(mnuFile, QStringLiteral("Печать"), "mnuItemPrint");
    mnuItemPrint->setShortcut(QKeySequence::Print);
    mnuFile->addSeparator()->setObjectName("line20");
    mnuItemSaveAndClose = item(mnuFile, QStringLiteral("Сохранить и выйти"), "mnuItemSaveAndClose");
    mnuIns = menuBar_->addMenu(QStringLiteral("Вставить"));
    mnuIns->setObjectName("mnuIns");
    mnuItemDT = item(mnuIns, QStringLiteral("дата + время"), "mnuItemDT");
    mnuItemDT->setShortcut(QKeySequence(Qt::Key_F5));

    txtNote = new QPlainTextEdit(this);
    txtNote->setObjectName("txtNote");
    txtNote->setTabChangesFocus(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setMenuBar(menuBar_);
    layout->addWidget(txtNote);

    connect(txtNote, &QPlainTextEdit::textChanged, this,
            [this] { NoteEdited(app_.doc, S(txtNote->toPlainText())); });
    connect(mnuItemNew, &QAction::triggered, this, &frmNote::ClearNotes);
    connect(mnuItemPrint, &QAction::triggered, this, &frmNote::PrintNotes);
    connect(mnuItemSaveAndClose, &QAction::triggered, this, &QWidget::close);
    connect(mnuItemDT, &QAction::triggered, this, &frmNote::InsertDateTime);

    resize(520, 420);
}

void frmNote::LoadNotes() {
    OpenNotes(app_.doc, [this](const std::string& text) {
        txtNote->setPlainText(QString::fromStdString(text));
    });
    txtNote->moveCursor(QTextCursor::End);
}

void frmNote::InsertDateTime() {
    // The stamp goes at the end whatever the cursor's position, as one
    // edit that undo takes back.
    QTextCursor cursor(txtNote->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromStdString(NotesForEditor(AppendDateTime("", app_.ui().Now()))));
    txtNote->setTextCursor(cursor);
}

void frmNote::ClearNotes() {
    if (ConfirmClearNotes(app_.ui())) txtNote->clear();
}

void frmNote::PrintNotes() {
    kz::PrintNotes(app_.ui(), S(txtNote->toPlainText()));
}

void frmNote::closeEvent(QCloseEvent* event) {
    StoreNotes(app_.doc, S(txtNote->toPlainText()));
    event->accept();
}

void OpenNotepad(App& app, QWidget* parent) {
    // A closed window only waits to be deleted; it is not shown again. One
    // left by another application object must not touch that one's document.
    if (g_note && (!g_note->isVisible() || &g_note->Owner() != &app)) {
        g_note->deleteLater();
        g_note = nullptr;
    }
    // An open notepad already holds the notes (and the user's undo steps).
    const bool created = !g_note;
    // Without a parent: the large windows take turns on the screen, and a
    // child window would vanish with the one that opened it.
    if (created) {
        g_note = new frmNote(app);
        if (parent) g_note->move(parent->frameGeometry().center() - g_note->rect().center());
        g_note->LoadNotes();
    }
    g_note->show();
    g_note->raise();
    g_note->activateWindow();
}

void CloseNotepad() {
    if (g_note && g_note->isVisible()) g_note->close();
}

}  // namespace kz
