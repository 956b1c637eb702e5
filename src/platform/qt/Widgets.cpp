#include "platform/qt/Widgets.h"

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

QAction* MenuItem(QMenu* menu, const char* name, const QString& text) {
    return Named(menu->addAction(text), name);
}

QLabel* FieldLabel(QWidget* parent, const char* name, const QString& text, QWidget* field) {
    QLabel* label = Label(parent, name, text);
    label->setBuddy(field);
    return label;
}

void IconOnly(QWidget* control, const QString& tip) {
    control->setToolTip(tip);
    control->setAccessibleName(tip);
}

}  // namespace kz
