#include <gtest/gtest.h>

#include "core/Files.h"
#include "reports/Refresh.h"
#include "reports/ReportsFixture.h"

namespace kz {
namespace {

using test::OpenDocument;

const char* const kReportsReadyLine = "Готовы отчеты по состояниям за прошедший месяц.\r\n\r\n";

TEST(Refresh, TotalsPerUnitLeaveOutNonPositiveSums) {
    OpenDocument f(5, 10, 2002);
    f.doc.sostkol = 4;
    f.doc.Sost(1).bal = 100;
    f.doc.Sost(2).bal = 50;
    f.doc.Sost(3).bal = -20;
    f.doc.Sost(3).ienum = 2;
    f.doc.Sost(4).bal = 50.5;
    f.doc.Sost(4).ienum = 2;
    const MainView v = RefreshMainWindow(f.doc, f.ui);
    EXPECT_EQ(v.sostToday,
              "Общая сумма 4 состояний: \r\n150р.,30,5$\r\n\r\nВы должны:0\r\nВам должны:0");
    EXPECT_EQ(v.clientToday, "Клиенты не зарегистрированы");
    EXPECT_FALSE(f.doc.Dirty);
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(Refresh, RemindersOfDebtsAndClientsWithTodaysLinesInFront) {
    OpenDocument f(31, 3, 2002);
    f.doc.sostkol = 2;
    f.doc.Sost(2).sostname = "Карта";
    // 3 % a month for the 15 days up to the return date: 1015; overdue, so not today's.
    f.doc.Sost(1).vydol[0] = "1000\t01.03.2002\tПетров\tремонт\t\t3\t16.03.2002";
    // A fixed return sum and no return date: counted, but no line.
    f.doc.Sost(1).vydol[1] = "500\t10.03.2002\tСидоров\t\t600\t\t";
    f.doc.Sost(2).vydol[0] = "200\t01.03.2002\tАнна\t\t250\t\t31.03.2002";
    // 30 days at 3 % without a return date: 1030, no dated line.
    f.doc.Sost(1).ondol[0] = "1000\t01.03.2002\tКузнецов\t\t\t3\t";

    const MainView v = RefreshMainWindow(f.doc, f.ui);
    EXPECT_EQ(v.remindToday,
              "Сегодня надо вернуть: Анна, 250р.\r\n"
              "Вам надо вернуть долг:\r\n"
              "16.03.2002: Петров, 1015р.\r\n"
              "31.03.2002: Анна, 250р.\r\n"
              "Вам должны вернуть долг:0");
    EXPECT_EQ(v.sostToday,
              "Общая сумма 2 состояний: \r\n0\r\n\r\nВы должны:1615р.,250р.\r\nВам должны:1030р.");

    // Clients: their rows, reputation and payments due today.
    f.doc.clientkol = 3;
    ClientRecord& a = f.doc.Client(1);
    ClientRecord& c = f.doc.Client(3);
    a.clientname = "Иванов";
    a.reput = 2;
    a.clondolkm[0] = "300\t31.03.2002\tРабота";
    f.doc.Client(2).clientname = "Петров";  // reputation 0: neither good nor bad
    f.doc.Client(2).clvydolkm[0] = "100\tежемесячно\t(за 3.2002)аренда";
    c.clientname = "Сидоров";
    c.reput = -1;
    c.clvydolkm[0] = "50\t31.3.02\tзапчасти";
    // Settled in full: no "(должен)" behind Сидоров.
    c.clondolkm[0] = "70\tежемесячно\t(за 3.2002)уборка";
    c.clondolok[0] = "70\t05.03.2002\t(за 3.2002)уборка";

    const MainView w = RefreshMainWindow(f.doc, f.ui);
    EXPECT_EQ(w.clientRows, (std::vector<std::string>{"Иванов(должен)", "Петров", "Сидоров"}));
    // Two clients are owed money: the line appears once.
    EXPECT_EQ(w.clientToday,
              "Сегодня Вы должны вернуть деньги клиенту.\r\n\r\n"
              "Сегодня клиент вам должен вернуть деньги.\r\n\r\n"
              "Есть клиенты, не расплатившиеся за текущий месяц.\r\n"
              "Вы должны некоторым клиентам вернуть деньги.\r\n\r\n"
              "Репутация клиентов:\r\nхорошая:1\r\nплохая:1");
}

TEST(Refresh, TurnOfTheMonthWhileOpenRunsMonthEndOnceOnThePreviousMonthsLastDay) {
    OpenDocument f(10, 6, 2002);
    f.doc.LastDate = {2002, 4, 20};  // the file stayed open through May
    f.doc.Sost(1).bal = -1234.5;
    f.doc.Sost(1).oldbal[0] = "1000\t12.04.2002";

    const MainView v = RefreshMainWindow(f.doc, f.ui);
    EXPECT_EQ(f.doc.Sost(1).oldbal[0], "-1234,5\t31.05.2002");
    EXPECT_EQ(f.doc.Sost(1).oldbal[1], "1000\t12.04.2002");
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text.rfind("В связи с окончанием календарного месяца", 0), 0u);
    EXPECT_EQ(v.remindToday.rfind(kReportsReadyLine, 0), 0u);
    EXPECT_TRUE(f.doc.Dirty && f.doc.ReportsReady && !f.doc.MonthEndDue);
    EXPECT_EQ(f.doc.LastDate, (Date{2002, 6, 10}));
    const std::string report = f.ReportPath("10.06.2002");
    EXPECT_TRUE(FileExists(report));

    // Later refreshes announce and rewrite the reports but record nothing more.
    int err = 0;
    ASSERT_TRUE(RemoveFile(report, err));
    const MainView again = RefreshMainWindow(f.doc, f.ui);
    EXPECT_EQ(again.remindToday.rfind(kReportsReadyLine, 0), 0u);
    EXPECT_EQ(f.ui.messages.size(), 1u);
    EXPECT_TRUE(f.doc.Sost(1).oldbal[2].empty());
    EXPECT_TRUE(FileExists(report));

    // The same month of another year is no turn of the month.
    OpenDocument year(20, 6, 2002);
    year.doc.LastDate = {2001, 6, 15};
    RefreshMainWindow(year.doc, year.ui);
    EXPECT_FALSE(year.doc.ReportsReady || year.doc.MonthEndDue || year.doc.Dirty);
    EXPECT_TRUE(year.ui.messages.empty());
}

TEST(Refresh, CarriesMonthlyPaymentsIntoTheNewMonth) {
    OpenDocument f(1, 10, 2002);
    f.doc.LastDate = {2002, 9, 30};
    f.doc.clientkol = 1;
    ClientRecord& c = f.doc.Client(1);
    c.clientname = "Иванов";
    // Owed to the user, settled by 300 + 200: moved on in place; a field
    // behind the info is dropped.
    c.clondolkm[0] = "500\tежемесячно\t(за 9.2002)аренда\tлишнее";
    c.clondolok[0] = "200\t20.09.2002\t(за 9.2002)аренда";
    c.clondolok[1] = "300\t15.09.2002\t(за 9.2002)аренда";
    // Owed by the user, 200 still outstanding: the old month stays behind.
    c.clvydolkm[0] = "500\tежемесячно\t(за 9.2002)аренда";
    c.clvydolkm[1] = "100\t05.10.2002\tдругое";
    c.clvydolok[0] = "300\t15.09.2002\t(за 9.2002)аренда";

    const MainView v = RefreshMainWindow(f.doc, f.ui);
    EXPECT_EQ(c.clondolkm[0], "500\tежемесячно\t(за 10.2002)аренда");
    EXPECT_TRUE(c.clondolkm[1].empty());
    EXPECT_EQ(c.clvydolkm[0], "500\tежемесячно\t(за 10.2002)аренда");
    EXPECT_EQ(c.clvydolkm[1], "500\tежемесячно\t(за 9.2002)аренда");
    EXPECT_EQ(c.clvydolkm[2], "100\t05.10.2002\tдругое");
    EXPECT_EQ(v.clientToday.rfind("Сегодня нужно выплатить ежемесячные платежи.\r\n\r\n", 0), 0u);

    // A full list loses slot 100; a text without a month label gets one.
    EntryList& list = c.clondolkm;
    for (int i = 0; i < kListSize; ++i) list[i] = std::to_string(i + 1) + "\t01.01.2002\tx";
    list[0] = "70\tежемесячно\tстарое";
    EXPECT_TRUE(CarryMonthlyPayments(f.doc, {2003, 1, 1}));
    EXPECT_EQ(list[0], "70\tежемесячно\t(за 1.2003)старое");
    EXPECT_EQ(list[1], "70\tежемесячно\tстарое");
    EXPECT_EQ(list[99], "99\t01.01.2002\tx");
}

}  // namespace
}  // namespace kz
