#include "platform/qt/Navigation.h"

#include <QWidget>

#include "platform/qt/Widgets.h"

namespace kz {

SaveHooks WindowSaveHooks(QWidget* window, Navigation& nav) {
    SaveHooks hooks;
    hooks.setTitle = [window](const std::string& title) { window->setWindowTitle(Q(title)); };
    hooks.closeNotepad = [&nav] { nav.CloseNotepad(); };
    return hooks;
}

}  // namespace kz
