#include <gtest/gtest.h>

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "GuiHelpers.h"
#include "gui/App.h"
#include "platform/qt/ListGrid.h"
#include "reports/StateReport.h"
#include "reports/frmGraph.h"
#include "reports/frmReport.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/main/frmMain.h"
#include "windows/state/frmAddSell.h"
#include "windows/state/frmChangeIE.h"
#include "windows/state/frmOld.h"
#include "windows/state/frmSost.h"
#include "windows/state/frmZanOdol.h"

namespace kz {
namespace {

using test::Child;

// An open file whose second state ("Карта", 1500 р.) holds two incomes and
// a debt owed to the user; the main window shows it and opens the state.
struct StateWindowsGui : ::testing::Test {
    StateWindowsGui() {
        ui.SetToday(20, 3, 2002);
        BudgetFile& doc = app.doc;
        FillNewDocumentDefaults(doc);
        doc.FilePath = dir / "home.kv7";
        doc.LastDate = ui.Today();
        doc.sostkol = 2;
        doc.Sost(2).sostname = "Карта";
        doc.Sost(2).bal = 1500;
        PushEntry(doc.Sost(2).dohod, "1000\t01.03.2002\tЗарплата");
        PushEntry(doc.Sost(2).dohod, "250,5\t05.03.2002\tПремия");
        PushEntry(doc.Sost(2).ondol, "1000\t01.03.2002\tИван\tремонт\t1000\t\t");
        app.settings.BackUp = false;
        main = app.Main();
        main->Refresh();
        main->show();
        Child<QListWidget>(main, "lstSost")->setCurrentRow(1);
        Child<QPushButton>(main, "cmdOpenSost")->click();
        state = app.State();
    }
    ~StateWindowsGui() override {
        test::CloseShown({"frmReport", "frmGraph"});
        for (QWidget* w : {static_cast<QWidget*>(main), static_cast<QWidget*>(state),
                           static_cast<QWidget*>(app.List())})
            w->hide();
    }

    template <typename T>
    T* In(QWidget* window, const char* name) {
        return Child<T>(window, name);
    }
    QString Shown(QWidget* window, const char* name) {
        return In<QWidget>(window, name)->property("text").toString();
    }

    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
    frmMain* main = nullptr;
    frmSost* state = nullptr;
};

TEST_F(StateWindowsGui, OpensFromTheMainWindowAndChangesNameBalanceAndUnit) {
    EXPECT_TRUE(state->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(app.doc.CurrentSost, 2);
    EXPECT_EQ(Shown(state, "Label2"), "Карта");
    EXPECT_EQ(Shown(state, "txtCurSum"), "1500");
    EXPECT_EQ(Shown(state, "lblIE"), "рубли(р.)");
    // A debt owed to the user colours its button, the empty list keeps the other colour.
    EXPECT_NE(In<QPushButton>(state, "cmdOnDol")->palette().color(QPalette::Button),
              In<QPushButton>(state, "cmdVyDol")->palette().color(QPalette::Button));

    ui.Answer(Answer::Yes);
    ui.Input("1234.5");
    In<QPushButton>(state, "Label4")->click();
    EXPECT_EQ(Shown(state, "txtCurSum"), "1234,5");
    ui.Input("Сейф");
    In<QPushButton>(state, "lblSostName")->click();
    EXPECT_EQ(Shown(state, "Label2"), "Сейф");
    EXPECT_EQ(Shown(state, "lblSostName"), "Сейф");

    ui.Answer(Answer::Yes);  // amounts are not converted: go on
    test::WhenModal<frmChangeIE>([](frmChangeIE* dialog) {
        Child<QComboBox>(dialog, "cmbIE")->setCurrentIndex(1);
        Child<QPushButton>(dialog, "cmdOK")->click();
    });
    In<QPushButton>(state, "lblIE")->click();
    EXPECT_EQ(Shown(state, "lblIE"), "доллары($)");
    EXPECT_EQ(Shown(state, "txtCurSum"), "1234,5");
    // The main window was refreshed behind the state window.
    EXPECT_EQ(test::Rows(Child<QListWidget>(main, "lstSost")),
              (QStringList{"Личные деньги", "Сейф"}));

    // Back: the main window shows the current state chosen.
    In<QPushButton>(state, "imgGoBack")->click();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(state->isVisible());
    EXPECT_EQ(Child<QListWidget>(main, "lstSost")->currentRow(), 1);
    EXPECT_NE(Child<QPlainTextEdit>(main, "txtSostToday")->toPlainText().indexOf("1234,5$"), -1);
    ui.ExpectAllAnswered();
}

TEST_F(StateWindowsGui, IncomeDialogAddsWithEnterAndTheWindowsFollow) {
    test::WhenModal<frmAddSell>([](frmAddSell* dialog) {
        EXPECT_FALSE(Child<QCheckBox>(dialog, "chkAddToList")->isEnabled());
        Child<QLineEdit>(dialog, "txtSum")->setText("500");
        Child<QLineEdit>(dialog, "txtSource")->setText("Премия");
        test::Key(dialog, Qt::Key_Return);  // the default button
    });
    ui.Answer(Answer::Yes);
    In<QPushButton>(state, "cmdAddZar")->click();
    EXPECT_EQ(app.doc.Sost(2).dohod[0], "500\t20.03.2002\tПремия");
    EXPECT_EQ(Shown(state, "txtCurSum"), "2000");
    EXPECT_NE(Child<QPlainTextEdit>(main, "txtSostToday")->toPlainText().indexOf("2000р."), -1);

    // Escape leaves a spending undone.
    app.doc.Dirty = false;
    test::WhenModal<frmAddSell>([](frmAddSell* dialog) {
        EXPECT_TRUE(Child<QCheckBox>(dialog, "chkAddToList")->isEnabled());
        Child<QLineEdit>(dialog, "txtSum")->setText("100");
        test::Key(dialog, Qt::Key_Escape);
    });
    In<QPushButton>(state, "cmdBuy")->click();
    EXPECT_EQ(Shown(state, "txtCurSum"), "2000");
    EXPECT_FALSE(app.doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(StateWindowsGui, LoanDialogFollowsTheReturnChoiceAndRecoloursTheDebtButton) {
    const QColor before = In<QPushButton>(state, "cmdVyDol")->palette().color(QPalette::Button);
    test::WhenModal<frmZanOdol>([this](frmZanOdol* dialog) {
        auto* sum = Child<QLineEdit>(dialog, "txtSum");
        auto* proc = Child<QLineEdit>(dialog, "txtProc");
        auto* returnSum = Child<QLineEdit>(dialog, "txtReturnSum");
        Child<QComboBox>(dialog, "cmbTo")->setEditText("Петр");
        // Leaving the amount without a percent: a fixed return sum.
        sum->setText("1000,5");
        sum->editingFinished();
        EXPECT_TRUE(Child<QRadioButton>(dialog, "Option1")->isChecked());
        EXPECT_EQ(returnSum->text(), "1000,5");
        EXPECT_FALSE(proc->isEnabled());
        Child<QRadioButton>(dialog, "opProc")->click();
        EXPECT_TRUE(proc->isEnabled());
        EXPECT_FALSE(returnSum->isEnabled());
        EXPECT_EQ(returnSum->text(), "");
        proc->setText("3");
        // A day before today is refused; a later one is the return date.
        auto* calendar = Child<QCalendarWidget>(dialog, "MonthView");
        calendar->clicked(QDate(2002, 3, 19));
        EXPECT_EQ(ui.Texts(),
                  std::vector<std::string>{"Вы указали дату, предшествующую текущей дате!"});
        calendar->clicked(QDate(2002, 4, 20));
        EXPECT_EQ(Child<QLineEdit>(dialog, "txtReturnDate")->text(), "20.04.2002");
        Child<QPushButton>(dialog, "cmdGo")->click();
    });
    ui.Answer(Answer::Yes);
    In<QPushButton>(state, "cmdZan")->click();
    EXPECT_EQ(app.doc.Sost(2).vydol[0], "1000,5\t20.03.2002\tПетр\t\t\t3\t20.04.2002");
    EXPECT_EQ(Shown(state, "txtCurSum"), "2500,5");
    EXPECT_NE(In<QPushButton>(state, "cmdVyDol")->palette().color(QPalette::Button), before);
    ui.ExpectAllAnswered();
}

TEST_F(StateWindowsGui, ReportMenuShowsTheChosenMonthOfThisYear) {
    In<QAction>(state, "mnuItemReport_2")->trigger();
    auto* report = test::Shown<frmReport>("frmReport");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Text(), StateReport(app.doc, ui, 2, {2002, 2, 1}));
    In<QAction>(state, "mnuItemPrevReport")->trigger();
    EXPECT_EQ(report->Text(), StateReport(app.doc, ui, 2, {2002, 2, 28}));
}

TEST_F(StateWindowsGui, DebtListRepaysAndTheStateWindowShowsTheResultOnReturn) {
    In<QPushButton>(state, "cmdOnDol")->click();
    frmOld* list = app.List();
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(state->isVisible());
    auto* grid = In<ListGrid>(list, "grid");
    EXPECT_EQ(grid->item(0, 5)->text(), "1000");  // the amount due
    EXPECT_TRUE(In<QPushButton>(list, "cmdReturn")->isVisibleTo(list));
    EXPECT_FALSE(In<QPushButton>(list, "lblCreateGraph")->isVisibleTo(list));

    // Nothing chosen: nothing asked.
    In<QPushButton>(list, "cmdReturn")->click();
    EXPECT_TRUE(ui.messages.empty());

    grid->SetCurrent(1, 1);
    ui.Answer(Answer::Yes);
    ui.Input("400");
    ui.Answer(Answer::Yes);
    In<QPushButton>(list, "cmdReturn")->click();
    EXPECT_EQ(grid->item(0, 5)->text(), "600");
    EXPECT_EQ(Shown(list, "lblWindowInfo").left(23), "Текущий баланс: 1900р..");

    // Struck out, the list is empty; back in the state window the button shows it.
    grid->SetCurrent(1, 3);
    ui.Answer(Answer::Yes);
    In<QPushButton>(list, "cmdDel")->click();
    EXPECT_EQ(grid->item(0, 0)->text(), "");
    In<QPushButton>(list, "imgGoBack")->click();
    EXPECT_TRUE(state->isVisible());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(Shown(state, "txtCurSum"), "1900");
    EXPECT_EQ(In<QPushButton>(state, "cmdOnDol")->palette().color(QPalette::Button),
              In<QPushButton>(state, "cmdVyDol")->palette().color(QPalette::Button));
    ui.ExpectAllAnswered();
}

TEST_F(StateWindowsGui, IncomeListStrikesOutAndDrawsThePrintableGraph) {
    In<QPushButton>(state, "cmdDohod")->click();
    frmOld* list = app.List();
    EXPECT_EQ(list->EntryMode(), 1);
    EXPECT_EQ(Shown(list, "lblWindowName"), "Старые доходы состояния Карта");
    EXPECT_FALSE(In<QPushButton>(list, "cmdReturn")->isVisibleTo(list));

    In<QPushButton>(list, "lblCreateGraph")->click();
    auto* graph = test::Shown<frmGraph>("frmGraph");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(Shown(graph, "lblTitle"), "Карта: график доходов");
    auto* title = In<QLabel>(graph, "lblTitle");
    EXPECT_GE(title->width(), title->sizeHint().width());  // the whole title shows
    // Two points: two circles at each end of the one segment.
    const std::vector<GraphPrimitive> drawing = graph->Drawing();
    EXPECT_EQ(std::count_if(
                  drawing.begin(), drawing.end(),
                  [](const GraphPrimitive& p) { return p.kind == GraphPrimitive::Kind::Circle; }),
              2);

    // The labels follow a resize; the graph keeps the drawing it was shown
    // with (the window's own maximizing counts as showing).
    QApplication::processEvents();
    const std::vector<GraphPrimitive> shown = graph->Drawing();
    ASSERT_FALSE(shown.empty());
    graph->showNormal();
    graph->resize(700, 500);
    QWidget* hint = In<QWidget>(graph, "Label1");
    QWidget* print = In<QWidget>(graph, "lblPrint");
    EXPECT_EQ(hint->y(), 500 - hint->height() - 10);
    EXPECT_EQ(print->x(), 700 - print->width() - 10);
    ASSERT_EQ(graph->Drawing().size(), shown.size());
    EXPECT_EQ(graph->Drawing()[0].y2, shown[0].y2);  // the end of the vertical axis

    In<QPushButton>(graph, "lblPrint")->click();
    ASSERT_EQ(ui.printedPictures.size(), 1u);
    EXPECT_EQ(ui.printedPictures[0].width, 700);
    ui.printResults.push_back(false);
    In<QPushButton>(graph, "lblPrint")->click();
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Ошибка печати: Ошибка принтера."});
    test::Key(graph, Qt::Key_Escape);
    EXPECT_FALSE(graph->isVisible());

    // Striking out the newest income.
    auto* grid = In<ListGrid>(list, "grid");
    grid->SetCurrent(1, 2);
    ui.Answer(Answer::Yes);
    In<QPushButton>(list, "cmdDel")->click();
    EXPECT_EQ(grid->item(0, 1)->text(), "1000");
    EXPECT_EQ(app.doc.Sost(2).dohod[1], "");
    EXPECT_TRUE(app.doc.Dirty);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
