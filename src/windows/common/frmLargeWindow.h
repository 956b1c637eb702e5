#pragma once

#include <QMainWindow>
#include <functional>

#include "core/SaveCommands.h"
#include "platform/qt/Navigation.h"

class QBoxLayout;
class QHBoxLayout;
class QMenu;
class QPushButton;
class QToolButton;

namespace kz {

class frmConv;

// What the state, list and client windows share: the file menu, the way
// back and the close-file button, the row of tools, the converter, and the
// close event that ends the program.
class frmLargeWindow : public QMainWindow {
    Q_OBJECT
protected:
    frmLargeWindow(WindowContext context, const char* name);

    // "&Файл" with "Сохранить", "Сохранить как..." and "В&ыход", named `name`.
    QMenu* BuildFileMenu(const char* name = "mnuFile");
    // "Отчет" with `nowText` for this month's report, the previous month's
    // and the submenu of the months of this year; `button` pops it up under
    // itself. `show` is given the item chosen: kReportThisMonth,
    // kReportPreviousMonth or the month.
    QMenu* BuildReportMenu(const QString& nowText, QPushButton* button,
                           std::function<void(int item)> show);
    // "<<< Назад" and the close-file button, connected to GoBack and the
    // close-file question.
    QHBoxLayout* BackAndExitButtons(QWidget* parent);
    // The calculator, notepad, phone book and barcode buttons in one row, or
    // in one column when `column`.
    QBoxLayout* ToolButtons(QWidget* parent, bool column = false);
    // The currency converter whose two fields travel with the window switch.
    frmConv* Converter(QWidget* parent);

    // Once every control is laid out: Tab follows the layout, Enter presses
    // the focused button.
    void FinishLayout();

    // "<<< Назад".
    virtual void GoBack() = 0;
    void closeEvent(QCloseEvent* event) override;

    SaveHooks Hooks();
    WindowContext ctx_;

private:
    void OnCloseFile();
};

}  // namespace kz
