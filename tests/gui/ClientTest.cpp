#include <gtest/gtest.h>

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "GuiHelpers.h"
#include "platform/qt/ListGrid.h"
#include "reports/ClientReport.h"
#include "reports/frmReport.h"
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

// Client Иванов, opened from the main window, has a monthly payment of 1000
// owed to the user this month with 400 of it returned, and a dated one the
// user owes.
struct ClientGui : ::testing::Test, test::Program {
    ClientGui() : Program({2002, 3, 15}) {
        BudgetFile& doc = app.doc;
        doc.clientkol = 2;
        doc.Client(1).clientname = "Петров";
        ClientRecord& c = doc.Client(2);
        c.clientname = "Иванов";
        c.clinfo = "Надежный";
        PushEntry(c.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
        PushEntry(c.clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
        PushEntry(c.clvydolkm, "300\t01.04.2002\tАренда");
        main->Refresh();
        main->show();
        Child<QListWidget>(main, "lstClients")->setCurrentRow(1);
        Child<QPushButton>(main, "cmdOpenClient")->click();
    }
    void Press(const char* button) { Child<QPushButton>(w, button)->click(); }
    ClientRecord& client = app.doc.Client(2);
    frmMain* main = app.Main();
    frmClient* w = app.Client();
    ListGrid* owed = Child<ListGrid>(w, "OnDolGrid");
    ListGrid* owing = Child<ListGrid>(w, "VyDolGrid");
};

TEST_F(ClientGui, ButtonsActOnTheChosenSideAndTheMainWindowFollowsOnReturn) {
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(Rows(owed), QStringList{"1\t1000\tежемесячно\t(за 3.2002)Работа"});
    owed->SetCurrent(1, 1);
    Press("cmdInfo2");  // no row chosen on the other side
    Press("cmdInfo");
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{
                              "Выберите запись в списке.",
                              "По данному платежу Вам еще должны выплатить: 600 из 1000 (р.)"}));
    ui.Input("Иванов-Гай");
    Press("lblClientName");
    ui.Answer(Answer::Yes);  // the unit: the warning, then the dialog in its client mode
    test::WhenModal<frmChangeIE>([](frmChangeIE* dialog) {
        Child<QComboBox>(dialog, "cmbIE")->setCurrentIndex(1);
        Child<QPushButton>(dialog, "cmdOK")->click();
    });
    Press("lblIE");
    EXPECT_EQ(client.ienum, 2);
    Child<QAction>(w, "mnuItemReport_5")->trigger();  // May of this year
    ASSERT_NE(test::Shown<frmReport>("frmReport"), nullptr);
    EXPECT_EQ(test::Shown<frmReport>("frmReport")->Text(),
              ClientReport(app.doc, 2, {2002, 5, 1}, ui.Today()));

    Press("imgGoBack");
    EXPECT_TRUE(main->isVisible());
    auto* clients = Child<QListWidget>(main, "lstClients");
    EXPECT_EQ(test::Rows(clients), (QStringList{"Петров", "Иванов-Гай(должен)"}));
    EXPECT_EQ(clients->currentRow(), 1);  // still the client just seen
    ui.ExpectAllAnswered();
}

TEST_F(ClientGui, PaymentChangedIntoADatedOneReturnDeletedAndEscapeCancels) {
    PushEntry(client.clondolok, "600\t10.03.2002\t(за 3.2002)Работа");  // paid in full
    owing->SetCurrent(1, 1);
    test::WhenModal<frmPayment>([this](frmPayment* d) {
        auto* source = Child<QLineEdit>(d, "txtSource");
        EXPECT_FALSE(source->isEnabled());  // change mode keeps the info
        EXPECT_EQ(Child<QLineEdit>(d, "txtSum")->text(), "300");
        auto* calendar = Child<QCalendarWidget>(d, "MonthView1");
        Q_EMIT calendar->clicked(QDate(2002, 3, 14));
        EXPECT_EQ(ui.Texts(),
                  std::vector<std::string>{"Вы указали дату, предшествующую текущей дате!"});
        Q_EMIT calendar->clicked(QDate(2002, 4, 10));
        test::Key(d, Qt::Key_Return);
    });
    Press("cmdChange2");
    EXPECT_EQ(client.clvydolkm[0], "300\t10.04.2002\tАренда");
    EXPECT_TRUE(Rows(owed).front().startsWith("ok\t"));

    test::WhenModal<frmOldGrid>([this](frmOldGrid* d) {
        auto* grid = Child<ListGrid>(d, "Grid");
        grid->SetCurrent(1, 1);
        ui.Answer(Answer::Yes);
        Child<QPushButton>(d, "cmdClear")->click();
        EXPECT_EQ(Rows(grid),
                  QStringList{"2\t400\t05.03.2002\t(за 3.2002)Работа"});  // numbers kept
        test::Key(d, Qt::Key_Escape);
    });
    Press("cmdOldReturn");
    EXPECT_EQ(CountEntries(client.clondolok), 1);
    EXPECT_TRUE(Rows(owed).front().startsWith("1\t"));  // due again, as the window shows

    test::WhenModal<frmPayment>([](frmPayment* d) {
        Child<QLineEdit>(d, "txtSum")->setText("1");
        test::Key(d, Qt::Key_Escape);
    });
    Press("cmdAdd");
    EXPECT_EQ(CountEntries(client.clondolkm), 1);
    ui.ExpectAllAnswered();
}

TEST_F(ClientGui, InformationWindowFromBothWindows) {
    // From the client window: opening keeps a clean document clean, and
    // Escape keeps the note.
    app.doc.Dirty = false;
    test::WhenModal<frmClientInfo>([this](frmClientInfo* d) {
        auto* box = Child<QPlainTextEdit>(d, "txtInfo");
        EXPECT_EQ(box->toPlainText(), "Надежный");
        EXPECT_FALSE(app.doc.Dirty);
        box->setPlainText("Ненадежный");
        test::Key(d, Qt::Key_Escape);
    });
    Press("lblClientInfo");
    EXPECT_EQ(client.clinfo, "Надежный");

    // From the main window's "Инфо": OK stores the lines.
    test::WhenModal<frmClientInfo>([](frmClientInfo* d) {
        Child<QPlainTextEdit>(d, "txtInfo")->setPlainText("Платит в срок\n[тел.] 555");
        Child<QPushButton>(d, "cmdSave")->click();
    });
    Child<QPushButton>(main, "cmdClientInfo")->click();
    EXPECT_EQ(client.clinfo, "Платит в срок\r\n{тел.] 555");
}

}  // namespace
}  // namespace kz
