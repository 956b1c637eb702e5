#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "GuiHelpers.h"
#include "platform/qt/ListGrid.h"
#include "reports/frmGraph.h"
#include "windows/main/frmMain.h"
#include "windows/state/frmChangeIE.h"
#include "windows/state/frmOld.h"
#include "windows/state/frmSost.h"

namespace kz {
namespace {

using test::Child;

// An open file whose second state ("Карта", 1500 р.) holds two incomes and a
// debt owed to the user; the main window opens the state.
struct StateWindowsGui : ::testing::Test, test::Program {
    StateWindowsGui() : Program({2002, 3, 20}) {
        BudgetFile& doc = app.doc;
        doc.sostkol = 2;
        doc.Sost(2).sostname = "Карта";
        doc.Sost(2).bal = 1500;
        PushEntry(doc.Sost(2).dohod, "1000\t01.03.2002\tЗарплата");
        PushEntry(doc.Sost(2).dohod, "250,5\t05.03.2002\tПремия");
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

TEST_F(StateWindowsGui, BalanceNameAndUnitChangeAndTheMainWindowFollowsOnReturn) {
    EXPECT_EQ(app.doc.CurrentSost, 2);
    ui.Answer(Answer::Yes);
    ui.Input("1234.5");
    Press(state, "Label4");
    ui.Input("Сейф");
    Press(state, "lblSostName");
    EXPECT_EQ(Text(state, "Label2"), "Сейф");
    ui.Answer(Answer::Yes);  // amounts are not converted: go on
    test::WhenModal<frmChangeIE>([](frmChangeIE* dialog) {
        Child<QComboBox>(dialog, "cmbIE")->setCurrentIndex(1);
        Child<QPushButton>(dialog, "cmdOK")->click();
    });
    Press(state, "lblIE");
    EXPECT_EQ(Text(state, "txtCurSum"), "1234,5");

    Press(state, "imgGoBack");
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(test::Rows(Child<QListWidget>(main, "lstSost")),
              (QStringList{"Личные деньги", "Сейф"}));
    EXPECT_EQ(Child<QListWidget>(main, "lstSost")->currentRow(), 1);
    EXPECT_NE(Child<QPlainTextEdit>(main, "txtSostToday")->toPlainText().indexOf("1234,5$"), -1);
    ui.ExpectAllAnswered();
}

TEST_F(StateWindowsGui, ListWindowsStrikeOutAndPrintTheGraph) {
    Press(state, "cmdOnDol");
    frmOld* list = app.List();
    auto* grid = Child<ListGrid>(list, "grid");
    Press(list, "cmdReturn");  // nothing chosen: nothing asked
    grid->SetCurrent(1, 3);
    ui.Answer(Answer::Yes);
    Press(list, "cmdDel");
    EXPECT_EQ(grid->item(0, 0)->text(), "");
    EXPECT_EQ(CountEntries(app.doc.Sost(2).ondol), 0);
    Press(list, "imgGoBack");
    EXPECT_TRUE(state->isVisible());

    Press(state, "cmdDohod");
    Press(list, "lblCreateGraph");
    auto* graph = test::Shown<frmGraph>("frmGraph");
    ASSERT_NE(graph, nullptr);
    graph->showNormal();
    graph->resize(700, 500);
    Press(graph, "lblPrint");
    ASSERT_EQ(ui.printedPictures.size(), 1u);
    EXPECT_EQ(ui.printedPictures[0].width, 700);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
