#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>

#include "GuiHelpers.h"
#include "platform/qt/ListGrid.h"
#include "windows/client/frmClient.h"
#include "windows/client/frmOldGrid.h"
#include "windows/client/frmPayment.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

using test::Child;

// Client Иванов, opened from the main window, has a monthly payment of 1000
// owed to the user this month, paid with 400 and 600, and a dated one the
// user owes.
struct ClientGui : ::testing::Test, test::Program {
    ClientGui() : Program({2002, 3, 15}) {
        app.doc.clientkol = 1;
        client.clientname = "Иванов";
        PushEntry(client.clondolkm, "1000\tежемесячно\t(за 3.2002)Работа");
        PushEntry(client.clondolok, "400\t05.03.2002\t(за 3.2002)Работа");
        PushEntry(client.clondolok, "600\t10.03.2002\t(за 3.2002)Работа");
        PushEntry(client.clvydolkm, "300\t01.04.2002\tАренда");
        main->Refresh();
        main->show();
        Child<QListWidget>(main, "lstClients")->setCurrentRow(0);
        Child<QPushButton>(main, "cmdOpenClient")->click();
    }
    void Press(const char* button) { Child<QPushButton>(w, button)->click(); }
    ClientRecord& client = app.doc.Client(1);
    frmMain* main = app.Main();
    frmClient* w = app.Client();
    ListGrid* owed = Child<ListGrid>(w, "OnDolGrid");
    ListGrid* owing = Child<ListGrid>(w, "VyDolGrid");
};

TEST_F(ClientGui, PaymentChangedIntoADatedOneAndReturnDeleted) {
    owing->SetCurrent(1, 1);
    test::WhenModal<frmPayment>([this](frmPayment* d) {
        EXPECT_FALSE(Child<QLineEdit>(d, "txtSource")->isEnabled());  // the info is kept
        EXPECT_EQ(Child<QLineEdit>(d, "txtSum")->text(), "300");
        Q_EMIT Child<QCalendarWidget>(d, "MonthView1")->clicked(QDate(2002, 4, 10));
        test::Key(d, Qt::Key_Return);
    });
    Press("cmdChange2");
    EXPECT_EQ(client.clvydolkm[0], "300\t10.04.2002\tАренда");
    EXPECT_EQ(owed->item(0, 0)->text(), "ok");

    test::WhenModal<frmOldGrid>([this](frmOldGrid* d) {
        auto* grid = Child<ListGrid>(d, "Grid");
        grid->SetCurrent(1, 1);
        ui.Answer(Answer::Yes);
        Child<QPushButton>(d, "cmdClear")->click();
        EXPECT_EQ(grid->item(0, 0)->text() + grid->item(0, 1)->text(), "2400");  // numbers kept
        EXPECT_EQ(grid->item(1, 1)->text(), "");
        test::Key(d, Qt::Key_Escape);
    });
    Press("cmdOldReturn");
    EXPECT_EQ(CountEntries(client.clondolok), 1);
    EXPECT_EQ(owed->item(0, 0)->text(), "1");  // due again, as the window shows
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
