// Every window as a keyboard or screen-reader user meets it: each control has
// a name of its own, Tab goes through the controls in the order they are laid
// out and reaches them all, Enter presses the default button, Escape closes
// what it should, and the large windows fit the smallest screen. The windows
// are in one table: a new window is one more line in kWindows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include <map>
#include <set>

#include "GuiHelpers.h"
#include "gui/App.h"
#include "platform/qt/QtPlatform.h"
#include "reports/frmGraph.h"
#include "startup/frmAbout.h"
#include "startup/frmLogin.h"
#include "startup/frmOptions.h"
#include "startup/frmPass.h"
#include "startup/frmSplash.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/client/frmClientInfo.h"
#include "windows/client/frmOldGrid.h"
#include "windows/client/frmPayment.h"
#include "windows/main/frmMain.h"
#include "windows/state/frmAddSell.h"
#include "windows/state/frmChangeIE.h"
#include "windows/state/frmZanOdol.h"

namespace kz {
namespace {

using test::Child;

// An open file in which every list has rows.
struct Program {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};

    Program() {
        ui.SetToday(5, 10, 2002);
        BudgetFile& doc = app.doc;
        FillNewDocumentDefaults(doc);
        doc.FilePath = dir / "home.kv7";
        doc.LastDate = ui.Today();
        doc.sostkol = 2;
        doc.Sost(2).sostname = "Карта";
        doc.clientkol = 1;
        doc.CurrentClient = 1;
        ClientRecord& client = doc.Client(1);
        client.clientname = "Иванов";
        client.ienum = 1;
        client.clinfo = "Платит в срок";
        PushEntry(client.clondolkm, "1000\tежемесячно\t(за 10.2002)Аренда");
        PushEntry(client.clondolok, "400\t01.10.2002\t(за 10.2002)Аренда");
        PushEntry(client.clvydolkm, "300\t20.10.2002\tРемонт");
        doc.phones[0] = "Сидоров\t555-55-55";
        doc.phones[1] = "Аптека\t22-33-44";
        doc.phones[2] = "Такси\t068";
        app.settings.BackUp = false;
        app.Main()->Refresh();
    }
};

using Visit = std::function<void(QWidget*)>;

// A modeless window as its user finds it: shown, in front and active.
void Front(QWidget* window, const Visit& visit) {
    ASSERT_NE(window, nullptr);
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    visit(window);
}

// A box of the desktop platform: `ask` opens it, `visit` sees it while it
// shows, then it is cancelled.
void Modal(const Visit& visit, const std::function<void()>& ask) {
    QObject guard;  // no look is left pending once this returns
    bool seen = false;
    std::function<void(int)> look = [&](int triesLeft) {
        QTimer::singleShot(5, &guard, [&, triesLeft] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) {
                if (triesLeft > 0) look(triesLeft - 1);
                return;
            }
            seen = true;
            QApplication::setActiveWindow(box);
            visit(box);
            if (auto* dialog = qobject_cast<QDialog*>(box); dialog && dialog->isVisible())
                dialog->reject();
        });
    };
    look(200);
    ask();
    EXPECT_TRUE(seen) << "no box showed";
}

struct WindowCase {
    const char* name;
    std::function<void(Program&, const Visit&)> open;
};

const char* const kDataFilter = "Kerva Zyl Files|*.kv7|Kerva 6 Files|*.kv6|Все файлы|*.*";

const WindowCase kWindows[] = {
    {"frmSplash",
     [](Program&, const Visit& v) {
         frmSplash w;
         Front(&w, v);
     }},
    {"frmLogin", [](Program& p, const Visit& v) { Front(p.app.Login(), v); }},
    {"frmMain", [](Program& p, const Visit& v) { Front(p.app.Main(), v); }},
    {"frmPass",
     [](Program& p, const Visit& v) {
         frmPass w(p.app.doc, p.ui);
         w.Update();
         Front(&w, v);
     }},
    {"frmOptions",
     [](Program& p, const Visit& v) {
         frmOptions w(p.app.settings, p.ui);
         w.LoadOpt();
         Front(&w, v);
     }},
    {"frmAbout",
     [](Program& p, const Visit& v) {
         frmAbout w(p.dir.Path());
         Front(&w, v);
     }},
    {"frmReport",
     [](Program& p, const Visit& v) {
         QWidget* w = p.app.ShowReport("Отчет\r\n1500р.");
         Child<QCheckBox>(w, "Check1")->setChecked(true);  // editing: Tab still leaves the text
         Front(w, v);
     }},
    {"frmShtrih",
     [](Program& p, const Visit& v) {
         p.app.ShowBarcodeCheck(nullptr);
         Front(test::Shown("frmShtrih"), v);
     }},
    {"frmPhone",
     [](Program& p, const Visit& v) {
         p.app.ShowPhoneBook(nullptr);
         Front(test::Shown("frmPhone"), v);
     }},
    {"frmNote",
     [](Program& p, const Visit& v) {
         p.app.ShowNotepad(nullptr);
         Front(test::Shown("frmNote"), v);
     }},
    {"frmErrorReport",
     [](Program& p, const Visit& v) {
         p.app.ShowErrorNotes(nullptr);
         Front(test::Shown("frmErrorReport"), v);
     }},
    {"frmSost",
     [](Program& p, const Visit& v) {
         p.app.OpenState(p.app.Main());
         Front(test::Shown("frmSost"), v);
     }},
    {"frmOld",
     [](Program& p, const Visit& v) {
         p.app.OpenState(p.app.Main());
         p.app.OpenList(test::Shown("frmSost"), 5);
         Front(test::Shown("frmOld"), v);
     }},
    {"frmAddSell",
     [](Program& p, const Visit& v) {
         frmAddSell w(p.app.doc, p.ui, p.app.settings);
         w.InitAdd();
         Front(&w, v);
     }},
    {"frmZanOdol",
     [](Program& p, const Visit& v) {
         frmZanOdol w(p.app.doc, p.ui);
         w.InitZan();
         Front(&w, v);
     }},
    {"frmChangeIE",
     [](Program& p, const Visit& v) {
         frmChangeIE w(p.app.doc, UnitOwner::State);
         w.Update();
         Front(&w, v);
     }},
    {"frmClient",
     [](Program& p, const Visit& v) {
         p.app.OpenClientWindow(p.app.Main());
         Front(test::Shown("frmClient"), v);
     }},
    {"frmPayment",
     [](Program& p, const Visit& v) {
         frmPayment w(p.app.doc, p.ui, PaymentMode::Add, Side::OwedToYou, 0);
         w.Init();
         Front(&w, v);
     }},
    {"frmPayment change",
     [](Program& p, const Visit& v) {
         frmPayment w(p.app.doc, p.ui, PaymentMode::Change, Side::OwedByYou, 1);
         w.Init();
         Front(&w, v);
     }},
    {"frmOldGrid",
     [](Program& p, const Visit& v) {
         frmOldGrid w(p.app.doc, p.ui, Side::OwedToYou);
         w.Fill();
         Front(&w, v);
     }},
    {"frmClientInfo",
     [](Program& p, const Visit& v) {
         frmClientInfo w(p.app.doc, p.ui, InfoOpener::ClientWindow);
         w.LoadInfo();
         Front(&w, v);
     }},
    {"frmChangeIE client",
     [](Program& p, const Visit& v) {
         frmChangeIE w(p.app.doc, UnitOwner::Client);
         w.Update();
         Front(&w, v);
     }},
    {"frmGraph",
     [](Program& p, const Visit& v) {
         frmGraph w(p.ui);
         GraphData data;
         data.Reset();
         data.title = "Карта: график доходов";
         data.count = 2;
         data.labels[0] = "01.03.2002";
         data.labels[1] = "31.03.2002";
         data.values[0] = 100;
         data.values[1] = 200;
         w.Update(data);
         Front(&w, v);
     }},
    {"frmProc",
     [](Program&, const Visit& v) {
         QtPlatform qt;
         qt.ShowProgress("Открытие файла...");
         v(qt.ProgressWindow());
         qt.HideProgress();
     }},
    {"message box",
     [](Program&, const Visit& v) {
         QtPlatform qt;
         Modal(v, [&] {
             qt.MessageBox("Сохранить изменения?", Icon::Question, Buttons::YesNoCancel,
                           kDefaultTitle);
         });
     }},
    {"input box",
     [](Program&, const Visit& v) {
         QtPlatform qt;
         Modal(v, [&] {
             qt.InputBox("Введите имя нового клиента:", "Создание нового клиента", "Клиент1");
         });
     }},
    {"file dialog",
     [](Program& p, const Visit& v) {
         QtPlatform qt;
         Modal(v, [&] {
             qt.OpenFileDialog("Открытие файла Kerva", kDataFilter, "*.kv7", p.dir.Path());
         });
     }},
};

const WindowCase& Window(const char* name) {
    for (const WindowCase& w : kWindows)
        if (std::string_view(w.name) == name) return w;
    throw std::invalid_argument(name);
}

// Opens each window of kWindows in a program of its own and runs `check` on it.
void ForEachWindow(const std::function<void(QWidget*)>& check) {
    for (const WindowCase& w : kWindows) {
        SCOPED_TRACE(w.name);
        Program p;
        w.open(p, check);
    }
}

std::string Who(const QWidget* w) {
    const QString name = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
    return name.toStdString();
}

// Scroll bars, viewports and the inner fields of a combined control belong to it.
bool PartOfAnother(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p) ||
            qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p))
            return true;
    return false;
}

// The controls of a window that a user can reach with Tab.
std::vector<QWidget*> TabStops(QWidget* window) {
    std::vector<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled() &&
            !PartOfAnother(w, window))
            stops.push_back(w);
    return stops;
}

void SendKey(QWidget* to, int key) {
    // With the text a real key carries: a text box would type a Tab.
    const QString text = key == Qt::Key_Tab ? QStringLiteral("\t") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
}

TEST(Accessibility, EveryControlHasANameOfItsOwnInItsWindow) {
    ForEachWindow([](QWidget* window) {
        EXPECT_FALSE(window->windowTitle().isEmpty()) << "a window without a title";
        std::map<QString, std::string> names;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window) || PartOfAnother(w, window)) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr) << Who(w);
            const bool actionable =
                a->actionInterface() && !a->actionInterface()->actionNames().isEmpty();
            if (!(w->focusPolicy() & Qt::TabFocus) && !actionable) continue;
            const QString name = a->text(QAccessible::Name);
            EXPECT_FALSE(name.trimmed().isEmpty()) << Who(w) << " has no name";
            if (const auto [it, fresh] = names.emplace(name, Who(w)); !fresh)
                ADD_FAILURE() << Who(w) << " and " << it->second << " are both called \""
                              << name.toStdString() << '"';
            // A tip is said after the name, unless a description of its own is.
            if (!w->toolTip().isEmpty() && w->accessibleDescription().isEmpty()) {
                EXPECT_EQ(a->text(QAccessible::Description).toStdString(),
                          w->toolTip().toStdString())
                    << Who(w);
            }
        }
        // Menu items are named by their texts, each once in its menu.
        for (const QMenu* menu : window->findChildren<QMenu*>()) {
            std::set<QString> items;
            for (const QAction* item : menu->actions()) {
                if (item->isSeparator()) continue;
                QString text = item->text();
                text.remove(QChar('&'));
                EXPECT_FALSE(text.isEmpty()) << "an item of " << Who(menu);
                EXPECT_TRUE(items.insert(text).second)
                    << text.toStdString() << " twice in " << Who(menu);
            }
        }
    });
}

// b stands before a for a reader: to its left on the same line, or above it
// in the same column.
bool Before(const QRect& b, const QRect& a) {
    const bool sameLine = b.top() < a.bottom() && a.top() < b.bottom();
    const bool sameColumn = b.left() < a.right() && a.left() < b.right();
    return (sameLine && b.right() <= a.left()) || (sameColumn && b.bottom() <= a.top());
}

TEST(Keyboard, TabReachesEveryControlInTheOrderOfTheLayout) {
    ForEachWindow([](QWidget* window) {
        // Round the window from wherever the focus starts, back to it.
        if (!QApplication::focusWidget() || QApplication::focusWidget()->window() != window)
            SendKey(window, Qt::Key_Tab);
        std::vector<QWidget*> cycle;
        for (int i = 0; i < 200; ++i) {
            QWidget* at = QApplication::focusWidget();
            if (!at || at->window() != window) break;
            if (std::find(cycle.begin(), cycle.end(), at) != cycle.end()) {
                EXPECT_EQ(at, cycle.front())
                    << "Tab is caught between " << Who(at) << " and " << Who(cycle.back());
                break;
            }
            cycle.push_back(at);
            SendKey(at, Qt::Key_Tab);
        }
        std::vector<std::string> missed;
        for (QWidget* w : TabStops(window)) {
            // Of a group of choices, Tab stops at the chosen one; the arrows move on.
            const auto* choice = qobject_cast<QRadioButton*>(w);
            if (choice && choice->autoExclusive() && !choice->isChecked()) continue;
            // A control that hands its focus on (a calendar to its days) is reached there.
            QWidget* takes = w;
            while (takes->focusProxy()) takes = takes->focusProxy();
            if (std::find(cycle.begin(), cycle.end(), takes) == cycle.end())
                missed.push_back(Who(w));
        }
        EXPECT_TRUE(missed.empty()) << "Tab never reaches " << ::testing::PrintToString(missed);
        // Going round, Tab turns back to the start once.
        std::vector<std::string> back;
        for (std::size_t i = 0; i < cycle.size() && cycle.size() > 1; ++i) {
            QWidget* a = cycle[i];
            QWidget* b = cycle[(i + 1) % cycle.size()];
            const QRect ra(a->mapTo(window, QPoint()), a->size());
            const QRect rb(b->mapTo(window, QPoint()), b->size());
            if (Before(rb, ra)) back.push_back(Who(a) + " -> " + Who(b));
        }
        EXPECT_LE(back.size(), 1u) << ::testing::PrintToString(back);
    });
}

TEST(Keyboard, EnterPressesTheFocusedButtonOrElseTheDefaultOne) {
    struct Case {
        const char* window;
        const char* focus;    // where Enter is pressed
        const char* pressed;  // the button that answers
    };
    const Case cases[] = {
        {"frmLogin", "txtFile", "cmdEnter"},   {"frmLogin", "Option2", "cmdEnter"},
        {"frmLogin", "cmdMD", "cmdMD"},        {"frmShtrih", "txt5", "cmdStart"},
        {"frmShtrih", "cmdClear", "cmdClear"}, {"frmPass", "txtConfP", "cmdReady"},
        {"frmOptions", "chkSound", "cmdOK"},   {"frmMain", "lblDelIE", "lblDelIE"},
        {"frmMain", "imgExit", "imgExit"},     {"frmPhone", "cmdBuf", "cmdBuf"},
        {"frmClient", "lblIE", "lblIE"},       {"frmClient", "imgExit", "imgExit"},
        {"frmPayment", "txtSum", "cmdAdd"},    {"frmPayment", "chkKM", "cmdAdd"},
        {"frmOldGrid", "Grid", "cmdOK"},       {"frmClientInfo", "cmdCancel", "cmdCancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.focus);
        Program p;
        p.ui.Answer(Answer::No);  // the close-file question of imgExit
        Window(c.window).open(p, [&](QWidget* window) {
            std::vector<std::string> pressed;
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
                QObject::connect(b, &QAbstractButton::clicked, window,
                                 [&pressed, b] { pressed.push_back(Who(b)); });
            auto* focus = Child<QWidget>(window, c.focus);
            ASSERT_NE(focus, nullptr);
            focus->setFocus();
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(focus, &enter);
            EXPECT_EQ(pressed, std::vector<std::string>{c.pressed});
        });
    }
}

TEST(Keyboard, EscapeClosesDialogsToolWindowsAndTheReportButNotTheLargeWindows) {
    const std::pair<const char*, bool> cases[] = {
        {"frmLogin", false},          {"frmMain", false},    {"frmPass", true},
        {"frmOptions", true},         {"frmAbout", true},    {"frmReport", true},
        {"frmShtrih", true},          {"frmPhone", true},    {"frmNote", true},
        {"frmErrorReport", true},     {"message box", true}, {"input box", true},
        {"file dialog", true},        {"frmClient", false},  {"frmPayment", true},
        {"frmPayment change", true},  {"frmOldGrid", true},  {"frmClientInfo", true},
        {"frmChangeIE client", true},
    };
    for (const auto& [name, closes] : cases) {
        SCOPED_TRACE(name);
        Program p;
        Window(name).open(p, [closes = closes](QWidget* window) {
            QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
            SendKey(focus, Qt::Key_Escape);
            EXPECT_EQ(window->isVisible(), !closes);
        });
    }
}

TEST(Screen, LargeWindowsWithTheirFrameFitTheSmallestScreen) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    // The offscreen screen is the smallest the program accepts; a title bar
    // and borders of the usual size go around the window.
    ASSERT_EQ(screen->size(), QSize(800, 600));
    const QSize free = screen->availableGeometry().size() - QSize(12, 44);
    for (const char* name : {"frmLogin", "frmMain", "frmSost", "frmOld", "frmClient"}) {
        SCOPED_TRACE(name);
        Program p;
        Window(name).open(p, [&](QWidget* window) {
            EXPECT_TRUE(free.expandedTo(window->size()) == free)
                << window->width() << "x" << window->height();
            EXPECT_TRUE(free.expandedTo(window->minimumSizeHint()) == free)
                << window->minimumSizeHint().width() << "x" << window->minimumSizeHint().height();
        });
    }
}

// The accessibility interface's own action on a control, as a screen reader
// runs it; a button so pressed answers a moment later.
void DoAction(QWidget* control, const QString& action, const QString& child = {}) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(a, nullptr);
    if (!child.isEmpty()) {
        QAccessibleInterface* row = nullptr;
        for (int i = 0; i < a->childCount() && !row; ++i)
            if (a->child(i) && a->child(i)->text(QAccessible::Name) == child) row = a->child(i);
        ASSERT_NE(row, nullptr) << child.toStdString();
        a = row;
    }
    ASSERT_NE(a->actionInterface(), nullptr);
    bool clicked = false;
    QMetaObject::Connection c;
    if (auto* button = qobject_cast<QAbstractButton*>(control); button && child.isEmpty())
        c = QObject::connect(button, &QAbstractButton::clicked, [&clicked] { clicked = true; });
    a->actionInterface()->doAction(action);
    if (c) {
        QElapsedTimer waited;
        waited.start();
        while (!clicked && waited.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        QObject::disconnect(c);
        EXPECT_TRUE(clicked) << Who(control);
    }
}

TEST(Accessibility, ARowChosenAndAButtonPressedThroughTheAccessibilityInterface) {
    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    Program p;
    Window("frmMain").open(p, [&](QWidget* main) {
        DoAction(Child<QListWidget>(main, "lstSost"), toggle, "Карта");
        p.ui.Answer(Answer::No);
        DoAction(Child<QPushButton>(main, "cmdDelSost"), press);
        ASSERT_FALSE(p.ui.messages.empty());
        EXPECT_NE(p.ui.messages.back().text.find("\r\nКарта\r\n"), std::string::npos);

        // The links are buttons a screen reader presses.
        DoAction(Child<QListWidget>(main, "lstIE"), toggle, "доллары($)");
        p.ui.Answer(Answer::Yes);
        DoAction(Child<QPushButton>(main, "lblDelIE"), press);
        EXPECT_TRUE(p.app.doc.Unit(2).cap.empty());
        p.ui.Input("Анна");
        DoAction(Child<QPushButton>(main, "lblUserName"), press);
        EXPECT_EQ(p.app.doc.name, "Анна");
    });
    Window("frmPhone").open(p, [&](QWidget* phone) {
        DoAction(Child<QTableWidget>(phone, "Grid"), toggle, "Аптека");
        p.ui.Answer(Answer::Yes);
        DoAction(Child<QPushButton>(phone, "cmdDel"), press);
        EXPECT_EQ(p.ui.messages.back().text,
                  "Вы действительно хотите удалить запись:\r\n\r\nАптека?");
        EXPECT_EQ(p.app.doc.phones[1], "Такси\t068");
    });
    p.ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
