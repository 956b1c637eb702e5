// Every window as a keyboard or screen-reader user meets it: each control has
// a name of its own, Tab reaches them all, Enter presses the default button
// and Escape closes what it should. The windows the AT-SPI scenarios drive are
// theirs; the main window stays for Escape, which a large window ignores.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <functional>
#include <map>
#include <memory>

#include "GuiHelpers.h"
#include "reports/frmGraph.h"
#include "startup/frmAbout.h"
#include "startup/frmOptions.h"
#include "startup/frmPass.h"
#include "windows/client/frmClientInfo.h"
#include "windows/client/frmOldGrid.h"
#include "windows/main/frmMain.h"
#include "windows/state/frmChangeIE.h"

namespace kz {
namespace {

using test::Child;
using test::Shown;

using Visit = std::function<void(QWidget*)>;

// An open file in which every list has rows; it owns the window a case makes.
struct Program : test::Program {
    Program() {
        BudgetFile& doc = app.doc;
        doc.clientkol = 1;
        doc.CurrentClient = 1;
        ClientRecord& client = doc.Client(1);
        client.clientname = "Иванов";
        PushEntry(client.clondolkm, "1000\tежемесячно\t(за 10.2002)Аренда");
        PushEntry(client.clondolok, "400\t01.10.2002\t(за 10.2002)Аренда");
        doc.phones[0] = "Сидоров\t555-55-55";
        app.Main()->Refresh();
    }
    std::unique_ptr<QWidget> own;

    // A dialog of its own, made ready by `init` as its opener does.
    template <class W, class... A>
    QWidget* Own(void (W::*init)(), A&&... args) {
        auto* w = new W(std::forward<A>(args)...);
        own.reset(w);
        if (init) (w->*init)();
        return w;
    }
};

// The window `open` makes is shown, in front and active, and visited.
struct WindowCase {
    const char* name;
    std::function<QWidget*(Program&)> open;

    void Show(Program& p, const Visit& visit) const {
        QWidget* window = open(p);
        ASSERT_NE(window, nullptr);
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        visit(window);
    }
};

const WindowCase kWindows[] = {
    {"frmMain", [](Program& p) -> QWidget* { return p.app.Main(); }},
    {"frmPass", [](Program& p) { return p.Own(&frmPass::Update, p.app.doc, p.ui); }},
    {"frmOptions", [](Program& p) { return p.Own(&frmOptions::LoadOpt, p.app.settings, p.ui); }},
    {"frmAbout", [](Program& p) { return p.Own<frmAbout>(nullptr, p.dir.Path()); }},
    {"frmReport",
     [](Program& p) {
         QWidget* w = p.app.ShowReport("Отчет\r\n1500р.");
         Child<QCheckBox>(w, "Check1")->setChecked(true);  // editing: Tab still leaves the text
         return w;
     }},
    {"frmShtrih", [](Program& p) { return (p.app.ShowBarcodeCheck(nullptr), Shown("frmShtrih")); }},
    {"frmPhone", [](Program& p) { return (p.app.ShowPhoneBook(nullptr), Shown("frmPhone")); }},
    {"frmNote", [](Program& p) { return (p.app.ShowNotepad(nullptr), Shown("frmNote")); }},
    {"frmErrorReport",
     [](Program& p) { return (p.app.ShowErrorNotes(nullptr), Shown("frmErrorReport")); }},
    {"frmChangeIE",
     [](Program& p) { return p.Own(&frmChangeIE::Update, p.app.doc, UnitOwner::State); }},
    {"frmOldGrid",
     [](Program& p) { return p.Own(&frmOldGrid::Fill, p.app.doc, p.ui, Side::OwedToYou); }},
    {"frmClientInfo",
     [](Program& p) {
         return p.Own(&frmClientInfo::LoadInfo, p.app.doc, p.ui, InfoOpener::ClientWindow);
     }},
    {"frmGraph", [](Program& p) { return p.Own<frmGraph>(nullptr, p.ui); }},
};

const WindowCase& Window(const char* name) {
    for (const WindowCase& w : kWindows)
        if (std::string_view(w.name) == name) return w;
    throw std::invalid_argument(name);
}

// Opens each window of kWindows in a program of its own and runs `check` on it.
void ForEachWindow(const Visit& check) {
    for (const WindowCase& w : kWindows) {
        SCOPED_TRACE(w.name);
        Program p;
        w.Show(p, check);
    }
}

std::string Who(const QWidget* w) {
    const QString name = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
    return name.toStdString();
}

// Scroll bars, viewports and the inner field of a combo box belong to it.
bool PartOfAnother(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p))
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
        }
    });
}

TEST(Keyboard, TabReachesEveryControl) {
    ForEachWindow([](QWidget* window) {
        // Round the window from wherever the focus starts, back to it.
        if (!QApplication::focusWidget() || QApplication::focusWidget()->window() != window)
            test::Key(window, Qt::Key_Tab);
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
            test::Key(at, Qt::Key_Tab);
        }
        std::vector<std::string> missed;
        for (QWidget* w : TabStops(window)) {
            // Of a group of choices, Tab stops at the chosen one; the arrows move on.
            const auto* choice = qobject_cast<QRadioButton*>(w);
            if (choice && choice->autoExclusive() && !choice->isChecked()) continue;
            if (std::find(cycle.begin(), cycle.end(), w) == cycle.end()) missed.push_back(Who(w));
        }
        EXPECT_TRUE(missed.empty()) << "Tab never reaches " << ::testing::PrintToString(missed);
    });
}

TEST(Keyboard, EnterPressesTheFocusedButtonOrElseTheDefaultOne) {
    // "window focus pressed": Enter pressed in `focus` presses the button `pressed`.
    const QStringList cases =
        QString(
            "frmShtrih txt5 cmdStart, frmPass txtConfP cmdReady, frmOptions chkSound cmdOK, "
            "frmPhone cmdBuf cmdBuf, frmOldGrid Grid cmdOK, frmClientInfo cmdCancel cmdCancel")
            .split(", ");
    for (const QString& c : cases) {
        SCOPED_TRACE(c.toStdString());
        const QStringList w = c.split(' ');
        Program p;
        Window(qPrintable(w[0])).Show(p, [&](QWidget* window) {
            std::vector<std::string> pressed;
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
                QObject::connect(b, &QAbstractButton::clicked, window,
                                 [&pressed, b] { pressed.push_back(Who(b)); });
            auto* focus = Child<QWidget>(window, qPrintable(w[1]));
            ASSERT_NE(focus, nullptr);
            focus->setFocus();
            test::Key(focus, Qt::Key_Return);
            EXPECT_EQ(pressed, std::vector<std::string>{w[2].toStdString()});
        });
    }
}

TEST(Keyboard, EscapeClosesDialogsToolWindowsAndTheReportButNotTheMainWindow) {
    ForEachWindow([](QWidget* window) {
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
        test::Key(focus, Qt::Key_Escape);
        EXPECT_EQ(window->isVisible(), window->objectName() == "frmMain");
    });
}

}  // namespace
}  // namespace kz
