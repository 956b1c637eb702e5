#include "tools/frmNote.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/Widgets.h"
#include "tools/Notepad.h"

namespace kz {

frmNote::frmNote(BudgetFile& doc, Platform& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc), ui_(ui) {
    setObjectName("frmNote");
    setWindowTitle(QStringLiteral("Записная книжка"));

    menuBar_ = new QMenuBar(this);
    mnuFile = Named(menuBar_->addMenu(QStringLiteral("Файл")), "mnuFile");
    mnuItemNew = MenuItem(mnuFile, "mnuItemNew", QStringLiteral("Очистить все"));
    mnuItemPrint = MenuItem(mnuFile, "mnuItemPrint", QStringLiteral("Печать"));
    mnuItemPrint->setShortcut(QKeySequence::Print);
    mnuFile->addSeparator()->setObjectName("line20");
    mnuItemSaveAndClose =
        MenuItem(mnuFile, "mnuItemSaveAndClose", QStringLiteral("Сохранить и выйти"));
    mnuIns = Named(menuBar_->addMenu(QStringLiteral("Вставить")), "mnuIns");
    mnuItemDT = MenuItem(mnuIns, "mnuItemDT", QStringLiteral("дата + время"));
    mnuItemDT->setShortcut(QKeySequence(Qt::Key_F5));

    txtNote = Named(new QPlainTextEdit(this), "txtNote");
    txtNote->setAccessibleName(windowTitle());
    txtNote->setTabChangesFocus(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setMenuBar(menuBar_);
    layout->addWidget(txtNote);

    connect(txtNote, &QPlainTextEdit::textChanged, this, &frmNote::OnTextChanged);
    connect(mnuItemNew, &QAction::triggered, this, &frmNote::ClearNotes);
    connect(mnuItemPrint, &QAction::triggered, this, &frmNote::PrintNotes);
    connect(mnuItemSaveAndClose, &QAction::triggered, this, &QWidget::close);
    connect(mnuItemDT, &QAction::triggered, this, &frmNote::InsertDateTime);
    WindowKeys(this, nullptr, true);

    resize(520, 420);
}

void frmNote::OnTextChanged() {
    const QString text = txtNote->toPlainText();
    if (NoteEdited(doc_, ui_, S(text))) {
        accepted_ = text;
        return;
    }
    // The document kept its notes; the box goes back to them, the cursor
    // where the refused text began.
    const int at = txtNote->textCursor().position() - int(text.size() - accepted_.size());
    const QSignalBlocker quiet(txtNote);
    txtNote->setPlainText(accepted_);
    QTextCursor cursor = txtNote->textCursor();
    cursor.setPosition(std::clamp(at, 0, int(accepted_.size())));
    txtNote->setTextCursor(cursor);
}

void frmNote::LoadNotes() {
    OpenNotes(doc_, [this](const std::string& text) { txtNote->setPlainText(Q(text)); });
    txtNote->moveCursor(QTextCursor::End);
}

void frmNote::InsertDateTime() {
    // The stamp goes at the end whatever the cursor's position, as one
    // edit that undo takes back.
    QTextCursor cursor(txtNote->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(Q(NotesForEditor(AppendDateTime("", ui_.Now()))));
    txtNote->setTextCursor(cursor);
}

void frmNote::ClearNotes() {
    if (ConfirmClearNotes(ui_)) txtNote->clear();
}

void frmNote::PrintNotes() {
    kz::PrintNotes(ui_, S(txtNote->toPlainText()));
}

void frmNote::closeEvent(QCloseEvent* event) {
    StoreNotes(doc_, S(txtNote->toPlainText()));
    event->accept();
}

}  // namespace kz
