#pragma once

// The small helpers every window builds its controls with. One argument
// order for all: the parent, the control's name, then its text.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>

class QAbstractButton;
class QAbstractItemView;
class QAction;
class QCalendarWidget;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kz {

// UTF-8 texts of the logic to and from Qt.
inline QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string S(const QString& q) {
    return q.toStdString();
}
// The logic breaks lines with CR LF, Qt's text boxes with LF.
QString ShownText(const std::string& text);    // CR LF -> LF
std::string StoredText(const QString& shown);  // LF -> CR LF

// Gives a control the name by which tests and automation find it.
template <class W>
W* Named(W* control, const char* name) {
    control->setObjectName(QString::fromUtf8(name));
    return control;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text);
QPushButton* Button(QWidget* parent, const char* name, const QString& text,
                    const QString& tip = {});
QAction* MenuItem(QMenu* menu, const char* name, const QString& text);

// Bold and larger by `scale`, as the headings of windows and panels.
QLabel* Heading(QLabel* label, double scale = 1.15);

// A label that names a field: the field is its buddy, so a screen reader
// announces the field by the label's text. Label and field share `parent`.
// Lists and grids do not read their buddy; they take the text as their name.
QLabel* FieldLabel(QWidget* parent, const char* name, const QString& text, QWidget* field);

// A control that shows only an icon: its tip is also what a screen reader
// says for it.
void IconOnly(QWidget* control, const QString& tip);

// A label the user clicks like a link (the user's name, "Удалить" under the
// units): a flat button dressed as a link, so that Tab reaches it, Space or
// Enter presses it and a screen reader can press it too. Its tip is what a
// screen reader adds after the name.
QPushButton* LinkButton(QWidget* parent, const char* name, const QString& text,
                        const QString& tip = {});

// A month calendar and the parts Qt builds inside it (the month arrows and
// the table of days), named for a screen reader after `name`.
void NameCalendar(QCalendarWidget* calendar, const QString& name);

// Two controls of a window with one caption (two "Удалить") are told apart by
// what they act on: the name a screen reader says is the caption followed by
// `what`, so that the caption a user sees still starts it.
void ActsOn(QAbstractButton* control, const QString& what);

// The windows act on the current row of a list; a row chosen through the
// accessibility interface is only selected. The current row follows the
// selection, so that both mean the same row.
void CurrentFollowsSelection(QAbstractItemView* view);

// Puts a text the program computed into a field so that its start shows (the
// integer part of a long result), unless the user is typing there.
void ShowFieldText(QLineEdit* field, const QString& text);

// Tab goes through the window's controls in the order of its layouts: each
// layout's rows and columns as arranged, all of a panel before the next.
void TabOrderFollowsLayout(QWidget* window);

// The keys of a window that is not a dialog (dialogs have them from Qt):
// Enter presses the focused button, or else `defaultButton` when there is one
// (a text field passes Enter on); Escape closes the window, as its close
// button would, when `escapeCloses`.
void WindowKeys(QWidget* window, QPushButton* defaultButton, bool escapeCloses);

// Sizes a window to `wanted`, or smaller where the screen is smaller, so that
// the window with its frame fits the screen's free area.
void FitOnScreen(QWidget* window, QSize wanted);
// Moves a shown window back inside the screen's free area where it stands out.
void KeepOnScreen(QWidget* window);

// The one modeless window of a kind that `window` holds. An open one is
// brought to the front; otherwise `make` creates it without a parent (the
// large windows take turns on the screen, and a child would vanish with the
// one that opened it), it deletes itself when closed and is placed over
// `near` when given. Returns the window shown.
template <class W, class Make>
W* ShowToolWindow(QPointer<W>& window, QWidget* near, Make&& make) {
    // A closed window only waits to be deleted; it is not shown again.
    if (window && !window->isVisible()) {
        window->deleteLater();
        window = nullptr;
    }
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (near) window->move(near->frameGeometry().center() - window->rect().center());
    }
    KeepOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace kz
