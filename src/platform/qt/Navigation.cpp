#include "platform/qt/Navigation.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "platform/qt/Widgets.h"

namespace kz {

SaveHooks WindowSaveHooks(QWidget* window, Navigation& nav) {
    SaveHooks hooks;
    hooks.setTitle = [window](const std::string& title) { window->setWindowTitle(Q(title)); };
    hooks.closeNotepad = [&nav] { nav.CloseNotepad(); };
    return hooks;
}

QMenu* BuildHelpMenu(QMainWindow* window, Navigation& nav, const char* contentsName, bool web) {
    QMenu* mnuHelp = Named(window->menuBar()->addMenu(QStringLiteral("&Помощь")), "mnuHelp");
    std::vector<QAction*> help = {MenuItem(mnuHelp, contentsName, QStringLiteral("Вызов справки"))};
    if (web) {
        // The maker's web pages are not shipped; both items lead to the help pages.
        QMenu* mnuWeb = Named(mnuHelp->addMenu(QStringLiteral("Brisklane в Интернете")), "mnuWeb");
        help.push_back(MenuItem(mnuWeb, "mnuItemMainSite", QStringLiteral("Главная страница")));
        help.push_back(MenuItem(mnuWeb, "mnuItemKervaPage", QStringLiteral("Проект Kerva")));
    }
    mnuHelp->addSeparator();
    QAction* about = MenuItem(mnuHelp, "mnuItemAbout", QStringLiteral("О программе"));
    for (QAction* item : help)
        QObject::connect(item, &QAction::triggered, window, [&nav] { nav.ShowHelp(); });
    QObject::connect(about, &QAction::triggered, window, [&nav, window] { nav.ShowAbout(window); });
    return mnuHelp;
}

}  // namespace kz
