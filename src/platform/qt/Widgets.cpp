#include "platform/qt/Widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBoxLayout>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <vector>

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

QAction* MenuItem(QMenu* menu, const char* name, const QString& text) {
    return Named(menu->addAction(text), name);
}

QLabel* FieldLabel(QWidget* parent, const char* name, const QString& text, QWidget* field) {
    QLabel* label = Label(parent, name, text);
    label->setBuddy(field);
    if (qobject_cast<QAbstractItemView*>(field)) field->setAccessibleName(text);
    return label;
}

void IconOnly(QWidget* control, const QString& tip) {
    control->setToolTip(tip);
    control->setAccessibleName(tip);
}

QPushButton* LinkButton(QWidget* parent, const char* name, const QString& text,
                        const QString& tip) {
    QPushButton* link = Button(parent, name, text, tip);
    link->setFlat(true);
    link->setAutoDefault(false);
    link->setCursor(Qt::PointingHandCursor);
    QFont f = link->font();
    f.setUnderline(true);
    link->setFont(f);
    // The frame is there only to show the keyboard focus; it keeps its width
    // so that the text does not move.
    link->setStyleSheet(QStringLiteral(
        "QPushButton { color: palette(link); background: transparent; border: 1px solid "
        "transparent; padding: 1px 2px; text-align: left; }"
        "QPushButton:focus { border: 1px dotted palette(link); }"));
    return link;
}

void NameCalendar(QCalendarWidget* calendar, const QString& name) {
    calendar->setAccessibleName(name);
    const std::pair<const char*, QString> parts[] = {
        {"qt_calendar_prevmonth", QStringLiteral("Предыдущий месяц")},
        {"qt_calendar_nextmonth", QStringLiteral("Следующий месяц")},
        {"qt_calendar_calendarview", name + QStringLiteral(": дни месяца")},
    };
    for (const auto& [part, spoken] : parts)
        if (auto* w = calendar->findChild<QWidget*>(QString::fromLatin1(part)))
            w->setAccessibleName(spoken);
}

void ActsOn(QAbstractButton* control, const QString& what) {
    QString caption = control->text();
    caption.remove(QChar('&'));
    control->setAccessibleName(caption + QChar(' ') + what);
}

void CurrentFollowsSelection(QAbstractItemView* view) {
    QItemSelectionModel* model = view->selectionModel();
    QObject::connect(model, &QItemSelectionModel::selectionChanged, view, [view, model] {
        const QModelIndexList chosen = model->selectedIndexes();
        if (chosen.isEmpty()) return;
        const QModelIndex current = view->currentIndex();
        if (current.isValid() && current.row() == chosen.first().row()) return;
        const QModelIndex at =
            current.isValid() ? chosen.first().siblingAtColumn(current.column()) : chosen.first();
        model->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
    });
}

void ShowFieldText(QLineEdit* field, const QString& text) {
    // setText puts the cursor, and with it the visible part, at the end.
    if (field->text() != text) field->setText(text);
    if (!field->hasFocus()) field->setCursorPosition(0);
}

namespace {

void CollectTabStops(QLayout* layout, std::vector<QWidget*>& out);

void CollectTabStops(QWidget* widget, std::vector<QWidget*>& out) {
    if (widget->isWindow()) return;
    if (widget->focusPolicy() & Qt::TabFocus) out.push_back(widget);
    if (widget->layout()) CollectTabStops(widget->layout(), out);
}

void CollectTabStops(QLayout* layout, std::vector<QWidget*>& out) {
    struct Placed {
        int row, column;
        QLayoutItem* item;
    };
    std::vector<Placed> items;
    auto* grid = qobject_cast<QGridLayout*>(layout);
    auto* box = qobject_cast<QBoxLayout*>(layout);
    const bool reversed = box && (box->direction() == QBoxLayout::RightToLeft ||
                                  box->direction() == QBoxLayout::BottomToTop);
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0, column = reversed ? -i : i, rowSpan = 0, columnSpan = 0;
        if (grid) grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        items.push_back({row, column, layout->itemAt(i)});
    }
    std::stable_sort(items.begin(), items.end(), [](const Placed& a, const Placed& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (const Placed& p : items) {
        if (QWidget* w = p.item->widget())
            CollectTabStops(w, out);
        else if (QLayout* inner = p.item->layout())
            CollectTabStops(inner, out);
    }
}

// Enter and Escape that reach the window: no control of it took them.
class WindowKeyRules : public QObject {
public:
    WindowKeyRules(QWidget* window, QPushButton* defaultButton, bool escapeCloses)
        : QObject(window), window_(window), default_(defaultButton), escape_(escapeCloses) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        if (key->key() == Qt::Key_Escape && escape_) {
            window_->close();
            return true;
        }
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        // A push or tool button with the focus is pressed itself; a check box or
        // a choice, like a field, leaves Enter to the default button.
        auto* focused = qobject_cast<QAbstractButton*>(window_->focusWidget());
        if (focused && !qobject_cast<QCheckBox*>(focused) &&
            !qobject_cast<QRadioButton*>(focused)) {
            focused->click();
            return true;
        }
        if (default_ && default_->isEnabled() && default_->isVisible()) {
            default_->click();
            return true;
        }
        return false;
    }

private:
    QWidget* window_;
    QPushButton* default_;
    bool escape_;
};

QScreen* ScreenOf(const QWidget* window) {
    QScreen* screen = window->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

// The frame the window system puts around a window: known once it has been
// shown with one; before that, a title bar and thin borders are assumed.
QSize FrameOf(const QWidget* window) {
    const QSize measured = window->frameGeometry().size() - window->size();
    if (measured.width() > 0 || measured.height() > 0) return measured;
    return {12, 44};
}

}  // namespace

void TabOrderFollowsLayout(QWidget* window) {
    QWidget* top = window;
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->centralWidget())
        top = main->centralWidget();
    std::vector<QWidget*> stops;
    if (top->layout()) CollectTabStops(top->layout(), stops);
    for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}

void WindowKeys(QWidget* window, QPushButton* defaultButton, bool escapeCloses) {
    if (defaultButton) defaultButton->setDefault(true);
    window->installEventFilter(new WindowKeyRules(window, defaultButton, escapeCloses));
}

void FitOnScreen(QWidget* window, QSize wanted) {
    if (QScreen* screen = ScreenOf(window))
        wanted = wanted.boundedTo(screen->availableGeometry().size() - FrameOf(window));
    window->resize(wanted);
}

void KeepOnScreen(QWidget* window) {
    QScreen* screen = ScreenOf(window);
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize outer = window->size() + FrameOf(window);
    const QPoint at = window->pos();
    const int x =
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y =
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != at) window->move(x, y);
}

}  // namespace kz
