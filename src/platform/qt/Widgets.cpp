#include "platform/qt/Widgets.h"

#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace kz {

QString ShownText(const std::string& text) {
    QString shown = Q(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

std::string StoredText(const QString& shown) {
    const std::string s = S(shown);
    std::string out;
    out.reserve(s.size() + s.size() / 16);
    for (char c : s) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
    return Named(new QLabel(text, parent), name);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* button = Named(new QPushButton(text, parent), name);
    if (!tip.isEmpty()) button->setToolTip(tip);
    return button;
}

QLabel* Heading(QLabel* label, double scale) {
    QFont f = label->font();
    f.setBold(true);
    if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * scale);
    label->setFont(f);
    return label;
}

QPushButton* LinkButton(QWidget* parent, const char* name, const QString& text,
                        const QString& tip) {
    QPushButton* button = Button(parent, name, text, tip);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { border: none; padding: 1px 2px; text-align: left; color: palette(link);"
        " text-decoration: underline; }"
        "QPushButton:focus { background: palette(highlight); color: palette(highlighted-text); }"));
    return button;
}

QAction* MenuItem(QMenu* menu, const char* name, const QString& text) {
    return Named(menu->addAction(text), name);
}

QLabel* FieldLabel(QWidget* parent, const char* name, const QString& text, QWidget* field) {
    QLabel* label = Label(parent, name, text);
    label->setBuddy(field);
    return label;
}

SaveHooks WindowSaveHooks(QWidget* window, Navigation& nav) {
    SaveHooks hooks;
    hooks.setTitle = [window](const std::string& title) { window->setWindowTitle(Q(title)); };
    hooks.closeNotepad = [&nav] { nav.CloseNotepad(); };
    return hooks;
}

void IconOnly(QWidget* control, const QString& tip) {
    control->setToolTip(tip);
    control->setAccessibleName(tip);
}

}  // namespace kz
