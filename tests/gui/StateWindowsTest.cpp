#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "GuiHelpers.h"
#include "platform/qt/ListGrid.h"
#include "windows/main/frmMain.h"
#include "windows/state/frmChangeIE.h"
#include "windows/state/frmOld.h"
#include "windows/state/frmSost.h"

namespace kz {
namespace {

using test::Child;

// An open file whose second state ("Карта", 1500 р.) holds a debt owed to
// the user; the main window opens the state.
struct StateWindowsGui : ::testing::Test, test::Program {
    StateWindowsGui() : Program({2002, 3, 20}) {
        BudgetFile& doc = app.doc;
        doc.sostkol = 2;
        doc.Sost(2).sostname = "Карта";
        doc.Sost(2).bal = 1500;
        PushEntry(doc.Sost(2).ondol, "1000\t01.03.2002\tИван\tремонт\t1000\t\t");
        main->Refresh();
        main->show();
        Child<QListWidget>(main, "lstSost")->setCurrentRow(1);
        Child<QPushButton>(main, "cmdOpenSost")->click();
    }
    void Press(QWidget* window, const char* button) {
        Child<QAbstractButton>(window, button)->click();
    }
    QString Text(QWidget* window, const char* name) {
        return Child(window, name)->property("text").toString();
    }
    frmMain* main = app.Main();
    frmSost* state = app.State();
};

TEST_F(StateWindowsGui, BalanceAndUnitChangeAndTheMainWindowFollowsOnReturn) {
    ui.Answer(Answer::Yes);
    ui.Input("1234.5");
    Press(state, "Label4");
    ui.Answer(Answer::Yes);  // amounts are not converted: go on
    test::WhenModal<frmChangeIE>([](frmChangeIE* dialog) {
        Child<QComboBox>(dialog, "cmbIE")->setCurrentIndex(1);
        Child<QPushButton>(dialog, "cmdOK")->click();
    });
    Press(state, "lblIE");
    EXPECT_EQ(Text(state, "txtCurSum"), "1234,5");

    Press(state, "imgGoBack");
    EXPECT_EQ(Child<QListWidget>(main, "lstSost")->currentRow(), 1);
    EXPECT_NE(Child<QPlainTextEdit>(main, "txtSostToday")->toPlainText().indexOf("1234,5$"), -1);
    ui.ExpectAllAnswered();
}

TEST_F(StateWindowsGui, ListWindowStrikesOutTheChosenDebtOnly) {
    Press(state, "cmdOnDol");
    frmOld* list = app.List();
    auto* grid = Child<ListGrid>(list, "grid");
    Press(list, "cmdReturn");  // nothing chosen: nothing asked
    grid->SetCurrent(1, 3);
    ui.Answer(Answer::Yes);
    Press(list, "cmdDel");
    EXPECT_EQ(grid->item(0, 0)->text(), "");
    EXPECT_EQ(CountEntries(app.doc.Sost(2).ondol), 0);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
