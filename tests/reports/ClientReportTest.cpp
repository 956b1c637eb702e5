#include <gtest/gtest.h>

#include "reports/ClientReport.h"

namespace kz {
namespace {

class ClientReportTest : public ::testing::Test {
protected:
    ClientReportTest() {
        FillNewDocumentDefaults(doc);
        doc.clientkol = 1;
        client().clientname = "Иванов";
    }
    ClientRecord& client() { return doc.Client(1); }
    std::string Report(const Date& day) { return ClientReport(doc, 1, day, today); }

    BudgetFile doc;
    Date today{2002, 10, 25};
};

const char* const kOwedToYouColumns = " Сумма\tДата\tИнформация\r\n";

TEST_F(ClientReportTest, ClientWithoutEntries) {
    EXPECT_EQ(Report({2002, 10, 25}),
              "Brisklane Kerva Zylance v7.0.1300\r\n"
              "Отчет о клиенте 'Иванов' за Октябрь 2002 года:\r\n"
              "\r\n"
              "\r\nЗа этот месяц клиент Вам еще должен:\r\n Сумма\tДата\tИнформация\r\n"
              "------------------\r\nИтого: 0р.\r\n"
              "\r\nВыплачено (Клиентом):\r\n Сумма\tДата\tИнформация\r\n"
              "------------------\r\nИтого: 0р."
              "\r\n\r\nВы еще должны клиенту:\r\n Сумма\tДата\tУ кого\tИнформация\r\n"
              "------------------\r\nИтого: 0р.\r\n"
              "\r\nВыплачено (Вами):\r\nСумма\tДата\tКому\tИнформация\r\n"
              "------------------\r\nИтого: 0р.");
}

TEST_F(ClientReportTest, MonthlyPaymentSettledByTwoReturns) {
    client().ienum = 2;
    client().clondolkm[0] = "500\tежемесячно\t(за 10.2002)аренда";
    client().clondolok[0] = "200\t20.10.2002\t(за 10.2002)аренда";
    client().clondolok[1] = "300\t05.10.2002\t(за 10.2002)аренда";
    client().clvydolok[0] = "75.5\t02.10.2002\t(за 02.10.2002)ремонт";
    EXPECT_EQ(Report({2002, 10, 1}),
              "Brisklane Kerva Zylance v7.0.1300\r\n"
              "Отчет о клиенте 'Иванов' за Октябрь 2002 года:\r\n"
              "\r\n"
              "\r\nЗа этот месяц клиент Вам еще должен:\r\n Сумма\tДата\tИнформация\r\n"
              "------------------\r\nИтого: 0$\r\n"
              "\r\nВыплачено (Клиентом):\r\n Сумма\tДата\tИнформация\r\n"
              "200\t20.10.2002\t(за 10.2002)аренда\r\n300\t05.10.2002\t(за 10.2002)аренда\r\n"
              "------------------\r\nИтого: 500$"
              "\r\nКлиент оплатил все долги за указанный месяц.\r\n\r\n"
              "\r\n\r\nВы еще должны клиенту:\r\n Сумма\tДата\tУ кого\tИнформация\r\n"
              "------------------\r\nИтого: 0$\r\n"
              "\r\nВыплачено (Вами):\r\nСумма\tДата\tКому\tИнформация\r\n"
              "75.5\t02.10.2002\t(за 02.10.2002)ремонт\r\n"
              "------------------\r\nИтого: 75,5$"
              "\r\nВы оплатили все долги клиенту за указанный месяц.\r\n\r\n");
}

TEST_F(ClientReportTest, OpenPaymentsOfEarlierMonthsAndOtherYears) {
    // September's rent kept open by the month-end processing, October's paid.
    client().clondolkm[0] = "500\tежемесячно\t(за 10.2002)аренда";
    client().clondolkm[1] = "500\tежемесячно\t(за 9.2002)аренда";
    client().clondolkm[2] = "120\t15.10.2001\tстарый заказ";  // same month, other year
    client().clondolkm[3] = "80\t15.11.2002\tследующий месяц";
    client().clondolok[0] = "500\t03.10.2002\t(за 10.2002)аренда";
    client().clondolok[1] = "100\t04.10.2002\t(за 9.2002)аренда";

    for (const Date& day : {Date{2002, 10, 1}, Date{2002, 11, 30}}) {
        const std::string text = Report(day);
        EXPECT_NE(text.find("500\tежемесячно\t(за 9.2002)аренда\r\n"), std::string::npos);
        EXPECT_EQ(text.find("500\tежемесячно\t(за 10.2002)аренда\r\n"), std::string::npos);
    }
    const std::string october = Report({2002, 10, 1});
    EXPECT_NE(
        october.find(std::string(kOwedToYouColumns) + "500\tежемесячно\t(за 9.2002)аренда\r\n"
                                                      "120\t15.10.2001\tстарый заказ\r\n"
                                                      "------------------\r\nИтого: 620р.\r\n"),
        std::string::npos)
        << october;
    EXPECT_NE(october.find("Итого: 600р.\r\nКлиент НЕ оплатил долги за указанный месяц.\r\n\r\n"),
              std::string::npos);

    // Nothing paid in November: no line about the client's payments.
    const std::string november = Report({2002, 11, 30});
    EXPECT_NE(november.find("80\t15.11.2002\tследующий месяц\r\n"), std::string::npos);
    EXPECT_EQ(november.find("оплатил"), std::string::npos);
}

TEST_F(ClientReportTest, WhatTheUserOwesAndPaid) {
    client().clvydolkm[0] = "1000\tежемесячно\t(за 10.2002)зарплата";
    client().clvydolkm[1] = "250,5\t30.10.2002\tзапчасти";
    client().clvydolok[0] = "400\t10.10.2002\t(за 10.2002)зарплата";
    const std::string text = Report({2002, 10, 31});
    EXPECT_NE(text.find("Вы еще должны клиенту:\r\n Сумма\tДата\tУ кого\tИнформация\r\n"
                        "1000\tежемесячно\t(за 10.2002)зарплата\r\n250,5\t30.10.2002\tзапчасти\r\n"
                        "------------------\r\nИтого: 1250,5р.\r\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(
        text.ends_with("400\t10.10.2002\t(за 10.2002)зарплата\r\n"
                       "------------------\r\nИтого: 400р."
                       "\r\nВы НЕ оплатили долги клиенту за указанный месяц.\r\n\r\n"));
}

}  // namespace
}  // namespace kz
