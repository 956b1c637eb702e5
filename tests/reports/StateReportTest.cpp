#include <gtest/gtest.h>

#include "reports/StateReport.h"
#include "support/ScriptedPlatform.h"

namespace kz {
namespace {

class StateReportTest : public ::testing::Test {
protected:
    StateReportTest() {
        FillNewDocumentDefaults(doc);
        ui.now = {{2002, 6, 10}, 9, 5, 7};
    }
    SostRecord& sost() { return doc.Sost(1); }

    BudgetFile doc;
    test::ScriptedPlatform ui;
};

TEST_F(StateReportTest, CurrentMonthListsEntriesOfTheMonthAndAllOpenDebtsInTheStatesUnit) {
    sost().ienum = 2;
    sost().bal = 350.5;
    sost().dohod[0] = "50,5\t08.06.2002\tпремия";
    sost().dohod[1] = "100\t1.6.02\tзарплата";
    sost().dohod[2] = "70\t15.06.2001\tпрошлый год";
    sost().dohod[3] = "80\t31.05.2002\tпрошлый месяц";
    // The stored amounts are totalled, not the amounts due with interest.
    sost().vydol[0] = "1000\t01.03.2002\tПетров\tремонт\t\t3\t";
    sost().ondol[2] = "200\t01.01.2001\tАнна\t\t250\t\t";
    const std::string text = StateReport(doc, ui, 1, {2002, 6, 10});
    // Each total follows the list it sums up.
    for (const char* part :
         {"'Личные деньги' за Июнь 2002 года:", "баланса: 350,5$",
          "премия\r\n100\t1.6.02\tзарплата\r\n------------------\r\nИтого: 150,5$",
          "ремонт\t\t3\t\r\n------------------\r\nИтого: 1000$\r\n",
          "Анна\t\t250\t\t\r\n------------------\r\nИтого: 200$\r\n"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_EQ(text.find("прошлый"), std::string::npos);
}

TEST_F(StateReportTest, PastMonthTakesNewestBalanceOfThatMonthAndNoDebts) {
    sost().bal = 9999;
    sost().oldbal[0] = "900\t03.06.2002";
    sost().oldbal[1] = "870,25\t31.05.2002";
    sost().oldbal[2] = "700\t15.05.2002";
    sost().oldbal[3] = "600\t30.04.2001";  // April of another year
    sost().rashod[0] = "30\t20.05.2002\tхлеб";
    sost().oldzan[0] = "500\t2-5-2002\tПетров\t";
    sost().oldodol[0] = "40\t21.05.2002\tАнна\tкино";
    sost().vydol[0] = "500\t02.05.2002\tПетров\t\t500\t\t";
    const std::string may = StateReport(doc, ui, 1, {2002, 5, 31});
    for (const char* part :
         {"Последнее состояние баланса: 870,25р.\r\nДоходы:\r\nСумма\tДата\t\tПовод\r\n---",
          "\r\n30\t20.05.2002\tхлеб\r\n------------------\r\nИтого: 30р.\r\n",
          "\r\n500\t2-5-2002\tПетров\t\r\n------------------\r\nИтого: 500р.\r\n"})
        EXPECT_NE(may.find(part), std::string::npos) << part;
    EXPECT_TRUE(may.ends_with("\tАнна\tкино\r\n------------------\r\nИтого: 40р.\r\n\r\n"));

    // April has no past balance: an error, not a report of today's balance.
    EXPECT_TRUE(StateReport(doc, ui, 1, {2002, 4, 30})
                    .ends_with("2002 года:\r\nОтчет создан "
                               "10.06.2002 в 09:05:07\r\n\r\n"
                               "Ошибка! Нет данных!"));
    EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace kz
