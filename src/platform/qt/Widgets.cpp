#include "platform/qt/Widgets.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
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

QLabel* Heading(QLabel* label, double scale) {
    QFont f = label->font();
    f.setBold(true);
    if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * scale);
    label->setFont(f);
    return label;
}

QLabel* LinkLabel(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    QLabel* label = Label(parent, name, text);
    label->setToolTip(tip);
    label->setCursor(Qt::PointingHandCursor);
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
    // A dotted frame shows the focus of one that takes it (WhenClicked);
    // the transparent one keeps the text from moving.
    label->setStyleSheet(
        QStringLiteral("QLabel { color: palette(link); border: 1px solid transparent; }"
                       "QLabel:focus { border: 1px dotted palette(link); }"));
    return label;
}

namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QLabel* label, std::function<void()> action)
        : QObject(label), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        bool hit = false;
        if (event->type() == QEvent::MouseButtonRelease)
            hit = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        else if (event->type() == QEvent::KeyPress)
            hit = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                  static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter ||
                  static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
        if (!hit) return QObject::eventFilter(watched, event);
        action_();
        return true;
    }

private:
    std::function<void()> action_;
};

}  // namespace

void WhenClicked(QLabel* label, std::function<void()> action) {
    label->setFocusPolicy(Qt::StrongFocus);
    label->installEventFilter(new ClickFilter(label, std::move(action)));
}

}  // namespace kz
