// Small helpers shared by the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTimer>
#include <QWidget>

#include "gui/App.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz::test {

// The visible top-level window with this object name, or null.
template <typename T = QWidget>
T* Shown(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible()) return static_cast<T*>(w);
    return nullptr;
}

// A child that must exist: a missing one fails the test instead of crashing it later.
template <typename T = QWidget>
T* Child(const QObject* in, const char* name) {
    T* w = in ? in->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Runs `act` on the modal dialog of type T once it shows: a dialog shown
// with exec() waits for it. One that never shows fails the test and the
// modal window in its place is closed, so that the test does not hang.
template <class T, class F>
void WhenModal(F act, int triesLeft = 200) {
    QTimer::singleShot(0, [act = std::move(act), triesLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<T*>(modal)) {
            act(dialog);
        } else if (triesLeft > 0) {
            WhenModal<T>(std::move(act), triesLeft - 1);
        } else {
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className();
            if (modal) modal->close();
        }
    });
}

// A key pressed in `w`, with the text a real Tab carries (a text box types it).
inline void Key(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Tab ? "\t" : "");
    QApplication::sendEvent(w, &press);
}

// The program with a new open file "home.kv7" of the given day, in a folder
// of its own, backups off; a test fills in the rest and refreshes the main
// window.
struct Program {
    TempDir dir;
    ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};

    explicit Program(Date today = {2002, 10, 5}) {
        ui.SetToday(today.day, today.month, today.year);
        FillNewDocumentDefaults(app.doc);
        app.doc.FilePath = dir / "home.kv7";
        app.doc.LastDate = ui.Today();
        app.settings.BackUp = false;
    }
    // The next test starts with no windows: closing a large one would end the program.
    ~Program() {
        for (const char* large : {"frmLogin", "frmMain", "frmSost", "frmOld", "frmClient"})
            while (QWidget* w = Shown(large)) w->hide();
        for (const char* tool :
             {"frmReport", "frmGraph", "frmNote", "frmPhone", "frmShtrih", "frmErrorReport"})
            while (QWidget* w = Shown(tool)) w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace kz::test
