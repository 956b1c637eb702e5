#pragma once

// The small helpers every window builds its controls with. One argument
// order for all: the parent, the control's name, then its text.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>

#include "core/SaveCommands.h"
#include "platform/qt/Navigation.h"

class QAction;
class QLabel;
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

// A text the user clicks like a link. It is a flat button, so that the keys
// (Tab, then Space or Enter) and a screen reader reach it as well; `tip` is
// its tooltip and accessible description.
QPushButton* LinkButton(QWidget* parent, const char* name, const QString& text,
                        const QString& tip = {});

// A label that names a field: the field is its buddy, so a screen reader
// announces the field by the label's text. Label and field share `parent`.
QLabel* FieldLabel(QWidget* parent, const char* name, const QString& text, QWidget* field);

// What the save commands of a large window need: its title follows the
// file's new name, and the notepad closes through `nav`.
SaveHooks WindowSaveHooks(QWidget* window, Navigation& nav);

// A control that shows only an icon: its tip is also what a screen reader
// says for it.
void IconOnly(QWidget* control, const QString& tip);

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
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace kz
