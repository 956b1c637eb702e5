#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "GuiHelpers.h"
#include "gui/App.h"
#include "platform/qt/ListGrid.h"
#include "reports/ClientReport.h"
#include "reports/frmReport.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/client/frmClient.h"
#include "windows/client/frmClientInfo.h"
#include "windows/client/frmOldGrid.h"
#include "windows/client/frmPayment.h"
#include "windows/main/frmMain.h"
#include "windows/state/frmChangeIE.h"

namespace kz {
namespace {

using test::Child;

// The cells of a grid's data rows up to the first empty one, tab-joined.
QStringList Rows(const ListGrid* grid) {
    QStringList rows;
    for (int r = 0; r < grid->rowCount() && !grid->item(r, 1)->text().isEmpty(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c) cells << grid->item(r, c)->text();
        rows << cells.join('\t');
    }
    return rows;
}

// An open file whose client Иванов has a monthly payment of 1000 owed to the
// user this month, 400 of it returned, and a dated one the user owes.
class ClientGui : public ::testing::Test {
protected:
    ClientGui() {
        ui.SetToday(15, 3, 2002);
        BudgetFile& doc = app.doc;
        FillNewDocumentDefaults(doc);
        doc.FilePath = dir / "home.kv7";
        doc.LastDate = ui.Today();
        doc.clientkol = 2;
        doc.Client(1).clientname = "Петров";
        ClientRecord& c = doc.Client(2);
        c.clientname = "Иванов";
        c.clinfo = "Надежный";
        PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
        PushEntry(c.clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
        PushEntry(c.clvydolkm, "300\t01.04.2002\tАренда");
        app.settings.BackUp = false;
        main = app.Main();
        main->Refresh();
    }
    // Hidden, not closed: closing a large window ends the program.
    ~ClientGui() override {
        app.Client()->hide();
        main->hide();
        test::CloseShown({"frmReport"});
    }

    // Opens Иванов from the main window, as a user does.
    frmClient* Open() {
        Child<QListWidget>(main, "lstClients")->setCurrentRow(1);
        Child<QPushButton>(main, "cmdOpenClient")->click();
        return app.Client();
    }

    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
    frmMain* main = nullptr;
};

TEST_F(ClientGui, WindowActsOnTheChosenRowOfEachSideAndGoesBackWithTheReminders) {
    main->show();
    frmClient* w = Open();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(app.doc.CurrentClient, 2);
    EXPECT_EQ(Child<QLabel>(w, "Label2")->text(), "Иванов");
    auto* owed = Child<ListGrid>(w, "OnDolGrid");
    auto* owing = Child<ListGrid>(w, "VyDolGrid");
    EXPECT_EQ(Rows(owed), QStringList{"1\t1000\tежемесячно\t(за 3.2002)Работа"});
    EXPECT_EQ(Rows(owing), QStringList{"1\t300\t01.04.2002\tАренда"});

    // A button of the second side with no row chosen there.
    owed->SetCurrent(1, 1);
    Child<QPushButton>(w, "cmdInfo2")->click();
    Child<QPushButton>(w, "cmdInfo")->click();
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{
                              "Выберите запись в списке.",
                              "По данному платежу Вам еще должны выплатить: 600 из 1000 (р.)"}));

    ui.Answer(Answer::Yes);
    ui.Input("600");
    ui.Answer(Answer::Yes);
    Child<QPushButton>(w, "cmdReturn")->click();
    EXPECT_EQ(Rows(owed), QStringList{"ok\t1000\tежемесячно\t(за 3.2002)Работа"});

    ui.Input("3");
    Child<QPushButton>(w, "lblReput")->click();
    EXPECT_EQ(Child<QPushButton>(w, "lblReput")->text(), "Репутация: 3");
    ui.Input("Иванов-Гай");
    Child<QPushButton>(w, "lblClientName")->click();
    EXPECT_EQ(Child<QLabel>(w, "Label2")->text(), "Иванов-Гай");

    // The unit: the warning, then the unit dialog in its client mode.
    ui.Answer(Answer::Yes);
    test::WhenModal<frmChangeIE>([](frmChangeIE* dialog) {
        Child<QComboBox>(dialog, "cmbIE")->setCurrentIndex(1);
        Child<QPushButton>(dialog, "cmdOK")->click();
    });
    Child<QPushButton>(w, "lblIE")->click();
    EXPECT_EQ(Child<QPushButton>(w, "lblIE")->text(), "доллары($)");

    // May of this year, from the report menu.
    Child<QAction>(w, "mnuItemReport_5")->trigger();
    auto* report = test::Shown<frmReport>("frmReport");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Text(), ClientReport(app.doc, 2, {2002, 5, 1}, ui.Today()));

    // Back: the main window shows what changed.
    Child<QPushButton>(w, "imgGoBack")->click();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(w->isVisible());
    auto* clients = Child<QListWidget>(main, "lstClients");
    EXPECT_EQ(test::Rows(clients), (QStringList{"Петров", "Иванов-Гай"}));
    EXPECT_EQ(clients->currentRow(), 1);  // still the client just seen
    EXPECT_EQ(Child<QPlainTextEdit>(main, "txtClientToday")->toPlainText(),
              "Вы должны некоторым клиентам вернуть деньги.\n\nРепутация клиентов:\nхорошая:1\n"
              "плохая:0");
    ui.ExpectAllAnswered();
}

TEST_F(ClientGui, PaymentEntryAddsAMonthlyPaymentAndChangesItIntoADatedOne) {
    frmClient* w = Open();
    test::WhenModal<frmPayment>([this](frmPayment* d) {
        Child<QLineEdit>(d, "txtSum")->setText("250,5");
        Child<QLineEdit>(d, "txtSource")->setText("Уборка");
        Child<QCheckBox>(d, "chkKM")->toggle();  // as a screen reader ticks it: no click
        EXPECT_FALSE(Child<QLineEdit>(d, "txtDate")->isEnabled());
        EXPECT_FALSE(Child<QCalendarWidget>(d, "MonthView1")->isEnabled());
        test::Key(d, Qt::Key_Return);
        EXPECT_TRUE(ui.messages.empty());
    });
    Child<QPushButton>(w, "cmdAdd2")->click();
    EXPECT_EQ(app.doc.Client(2).clvydolkm[0], "250,5\tежемесячно\t(за 3.2002)Уборка");
    auto* owing = Child<ListGrid>(w, "VyDolGrid");
    EXPECT_EQ(Rows(owing).size(), 2);

    // Change mode: the info stays, unticking takes the month off it, and a
    // day before today is refused by the calendar.
    owing->SetCurrent(1, 1);
    test::WhenModal<frmPayment>([this](frmPayment* d) {
        auto* source = Child<QLineEdit>(d, "txtSource");
        EXPECT_FALSE(source->isEnabled());
        EXPECT_EQ(Child<QLineEdit>(d, "txtSum")->text(), "250,5");
        Child<QCheckBox>(d, "chkKM")->click();
        EXPECT_EQ(source->text(), "Уборка");
        auto* calendar = Child<QCalendarWidget>(d, "MonthView1");
        Q_EMIT calendar->clicked(QDate(2002, 3, 14));
        EXPECT_EQ(ui.Texts(),
                  std::vector<std::string>{"Вы указали дату, предшествующую текущей дате!"});
        Q_EMIT calendar->clicked(QDate(2002, 4, 10));
        EXPECT_EQ(Child<QLineEdit>(d, "txtDate")->text(), "10.04.2002");
        Child<QPushButton>(d, "cmdAdd")->click();
    });
    Child<QPushButton>(w, "cmdChange2")->click();
    EXPECT_EQ(app.doc.Client(2).clvydolkm[0], "250,5\t10.04.2002\tУборка");

    // Escape cancels.
    test::WhenModal<frmPayment>([](frmPayment* d) {
        Child<QLineEdit>(d, "txtSum")->setText("1");
        test::Key(d, Qt::Key_Escape);
    });
    Child<QPushButton>(w, "cmdAdd")->click();
    EXPECT_EQ(CountEntries(app.doc.Client(2).clondolkm), 1);
}

TEST_F(ClientGui, ReturnsWindowDeletesTheChosenReturnAndKeepsTheShownNumbers) {
    PushEntry(app.doc.Client(2).clondolok, "600\t10.03.2002\t(за 3.2002)Работа");
    frmClient* w = Open();
    EXPECT_EQ(Rows(Child<ListGrid>(w, "OnDolGrid")).front().left(3), "ok\t");
    test::WhenModal<frmOldGrid>([this](frmOldGrid* d) {
        auto* grid = Child<ListGrid>(d, "Grid");
        EXPECT_EQ(Rows(grid), (QStringList{"1\t600\t10.03.2002\t(за 3.2002)Работа",
                                           "2\t400\t05.03.2002\t(за 3.2002)Работа"}));
        grid->SetCurrent(1, 1);
        ui.Answer(Answer::Yes);
        Child<QPushButton>(d, "cmdClear")->click();
        EXPECT_EQ(Rows(grid), QStringList{"2\t400\t05.03.2002\t(за 3.2002)Работа"});
        test::Key(d, Qt::Key_Escape);
    });
    Child<QPushButton>(w, "cmdOldReturn")->click();
    EXPECT_EQ(CountEntries(app.doc.Client(2).clondolok), 1);
    // 400 of 1000 returned now: the payment is due again.
    EXPECT_EQ(Rows(Child<ListGrid>(w, "OnDolGrid")).front().left(2), "1\t");
    ui.ExpectAllAnswered();
}

TEST_F(ClientGui, InformationWindowFromBothWindows) {
    // From the client window: opening keeps a clean document clean, and
    // Escape keeps the note.
    frmClient* w = Open();
    app.doc.Dirty = false;
    test::WhenModal<frmClientInfo>([this](frmClientInfo* d) {
        auto* box = Child<QPlainTextEdit>(d, "txtInfo");
        EXPECT_EQ(box->toPlainText(), "Надежный");
        EXPECT_FALSE(app.doc.Dirty);
        box->setPlainText("Ненадежный");
        EXPECT_TRUE(app.doc.Dirty);
        test::Key(d, Qt::Key_Escape);
    });
    Child<QPushButton>(w, "lblClientInfo")->click();
    EXPECT_EQ(app.doc.Client(2).clinfo, "Надежный");

    // From the main window's "Инфо": OK stores the lines.
    test::WhenModal<frmClientInfo>([](frmClientInfo* d) {
        Child<QPlainTextEdit>(d, "txtInfo")->setPlainText("Платит в срок\n[тел.] 555");
        Child<QPushButton>(d, "cmdSave")->click();
    });
    Child<QPushButton>(main, "cmdClientInfo")->click();
    EXPECT_EQ(app.doc.Client(2).clinfo, "Платит в срок\r\n{тел.] 555");
}

}  // namespace
}  // namespace kz
