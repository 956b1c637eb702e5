#include <gtest/gtest.h>

#include "reports/StateReport.h"
#include "support/ScriptedPlatform.h"

namespace kz {
namespace {

class StateReportTest : public ::testing::Test {
protected:
    StateReportTest() {
        FillNewDocumentDefaults(doc);
        ui.SetToday(10, 6, 2002);
        ui.now.hour = 9;
        ui.now.minute = 5;
        ui.now.second = 7;
    }
    SostRecord& sost() { return doc.Sost(1); }

    BudgetFile doc;
    test::ScriptedPlatform ui;
};

const std::string kJuneHeading =
    "Brisklane Kerva Zylance v7.0.1300\r\n"
    "Отчет по состоянию 'Личные деньги' за Июнь 2002 года:\r\n"
    "Отчет создан 10.06.2002 в 09:05:07\r\n"
    "\r\n";

TEST_F(StateReportTest, CurrentMonthWithoutEntries) {
    sost().bal = 1234.5;
    EXPECT_EQ(StateReport(doc, ui, 1, {2002, 6, 10}),
              kJuneHeading +
                  "Последнее состояние баланса: 1234,5р.\r\n"
                  "Доходы:\r\nСумма\tДата\t\tПовод\r\n------------------\r\nИтого: 0р.\r\n\r\n"
                  "\r\nРасходы:\r\nСумма\tДата\t\tПовод\r\n------------------\r\nИтого: 0р.\r\n\r\n"
                  "\r\nЗанятые деньги:\r\nСумма\tДата\t\tУ кого\t\tПовод\r\n"
                  "------------------\r\nИтого: 0р.\r\n\r\n"
                  "\r\nВаши долги на момент составления отчета:\r\n"
                  "Сумма\tДата\t\tУ кого\tПовод\t\tСумма возврата\t% возв.\tДата возв.\r\n"
                  "------------------\r\nИтого: 0р.\r\n\r\n"
                  "\r\nДолги, которые Вам должны вернуть, на момент составления отчета:\r\n"
                  "Сумма\tДата\t\tКто\t\tПовод\t\tСумма возврата\t% возв.\tДата возв.\r\n"
                  "------------------\r\nИтого: 0р.\r\n\r\n"
                  "\r\nОдолженные деньги:\r\nСумма\tДата\t\tКому\t\tПовод\r\n"
                  "------------------\r\nИтого: 0р.\r\n\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StateReportTest, CurrentMonthListsEntriesOfTheMonthAndAllOpenDebts) {
    sost().bal = 350.5;
    sost().dohod[0] = "50,5\t08.06.2002\tпремия";
    sost().dohod[1] = "100\t1.6.02\tзарплата";
    sost().dohod[2] = "70\t15.06.2001\tпрошлый год";
    sost().dohod[3] = "80\t31.05.2002\tпрошлый месяц";
    // The stored amounts are totalled, not the amounts due with interest.
    sost().vydol[0] = "1000\t01.03.2002\tПетров\tремонт\t\t3\t";
    sost().ondol[2] = "200\t01.01.2001\tАнна\t\t250\t\t";
    const std::string text = StateReport(doc, ui, 1, {2002, 6, 10});

    EXPECT_NE(text.find("Доходы:\r\nСумма\tДата\t\tПовод\r\n"
                        "50,5\t08.06.2002\tпремия\r\n100\t1.6.02\tзарплата\r\n"
                        "------------------\r\nИтого: 150,5р.\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Дата возв.\r\n1000\t01.03.2002\tПетров\tремонт\t\t3\t\r\n"
                        "------------------\r\nИтого: 1000р.\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Дата возв.\r\n200\t01.01.2001\tАнна\t\t250\t\t\r\n"
                        "------------------\r\nИтого: 200р.\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("прошлый"), std::string::npos);
}

TEST_F(StateReportTest, PastMonthTakesNewestBalanceOfThatMonthAndNoDebts) {
    sost().bal = 9999;
    sost().oldbal[0] = "900\t03.06.2002";
    sost().oldbal[1] = "870,25\t31.05.2002";
    sost().oldbal[2] = "700\t15.05.2002";
    sost().rashod[0] = "30\t20.05.2002\tхлеб";
    sost().oldzan[0] = "500\t2-5-2002\tПетров\t";
    sost().oldodol[0] = "40\t21.05.2002\tАнна\tкино";
    sost().vydol[0] = "500\t02.05.2002\tПетров\t\t500\t\t";
    EXPECT_EQ(
        StateReport(doc, ui, 1, {2002, 5, 31}),
        "Brisklane Kerva Zylance v7.0.1300\r\n"
        "Отчет по состоянию 'Личные деньги' за Май 2002 года:\r\n"
        "Отчет создан 10.06.2002 в 09:05:07\r\n"
        "\r\n"
        "Последнее состояние баланса: 870,25р.\r\n"
        "Доходы:\r\nСумма\tДата\t\tПовод\r\n------------------\r\nИтого: 0р.\r\n\r\n"
        "\r\nРасходы:\r\nСумма\tДата\t\tПовод\r\n30\t20.05.2002\tхлеб\r\n"
        "------------------\r\nИтого: 30р.\r\n\r\n"
        "\r\nЗанятые деньги:\r\nСумма\tДата\t\tУ кого\t\tПовод\r\n500\t2-5-2002\tПетров\t\r\n"
        "------------------\r\nИтого: 500р.\r\n\r\n"
        "\r\nОдолженные деньги:\r\nСумма\tДата\t\tКому\t\tПовод\r\n40\t21.05.2002\tАнна\tкино\r\n"
        "------------------\r\nИтого: 40р.\r\n\r\n");
}

TEST_F(StateReportTest, MonthWithoutPastBalanceIsAnError) {
    sost().oldbal[0] = "870\t31.05.2002";
    sost().oldbal[1] = "600\t30.04.2001";  // April of another year
    for (const Date& day : {Date{2002, 4, 30}, Date{2002, 9, 1}}) {
        ui.messages.clear();
        const std::string text = StateReport(doc, ui, 1, day);
        const std::string month = day.month == 4 ? "Апрель" : "Сентябрь";
        EXPECT_EQ(text,
                  "Brisklane Kerva Zylance v7.0.1300\r\n"
                  "Отчет по состоянию 'Личные деньги' за " +
                      month +
                      " 2002 года:\r\n"
                      "Отчет создан 10.06.2002 в 09:05:07\r\n\r\n"
                      "Ошибка! Нет данных!");
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text,
                  "Не удается создать отчет о состоянии на указанный месяц, т.к. программе не "
                  "удается обнаружить необходимые данные.");
        EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
        EXPECT_EQ(ui.messages[0].buttons, Buttons::OK);
    }
}

TEST_F(StateReportTest, UnitSignFollowsTheStatesUnit) {
    doc.sostkol = 2;
    doc.Sost(2).sostname = "Валюта";
    doc.Sost(2).ienum = 2;
    doc.Sost(2).bal = 20;
    doc.Sost(2).dohod[0] = "20\t05.06.2002\tподарок";
    const std::string text = StateReport(doc, ui, 2, {2002, 6, 1});
    EXPECT_NE(text.find("Отчет по состоянию 'Валюта' за Июнь 2002 года:"), std::string::npos);
    EXPECT_NE(text.find("Последнее состояние баланса: 20$\r\n"), std::string::npos);
    EXPECT_NE(text.find("подарок\r\n------------------\r\nИтого: 20$\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kz
