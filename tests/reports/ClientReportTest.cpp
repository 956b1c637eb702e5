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
    std::string Report(const Date& day) { return ClientReport(doc, 1, day, {2002, 10, 25}); }
    void ExpectPart(const std::string& report, const std::string& part) {
        EXPECT_NE(report.find(part), std::string::npos) << part << "\n--- in ---\n" << report;
    }

    BudgetFile doc;
};

TEST_F(ClientReportTest, MonthlyPaymentSettledByTwoReturnsInFull) {
    client().ienum = 2;
    client().clondolkm[0] = "500\tежемесячно\t(за 10.2002)аренда";
    client().clondolok[0] = "200\t20.10.2002\t(за 10.2002)аренда";
    client().clondolok[1] = "300\t05.10.2002\t(за 10.2002)аренда";
    client().clvydolok[0] = "75.5\t02.10.2002\t(за 02.10.2002)ремонт";
    const std::string report = Report({2002, 10, 1});
    ExpectPart(report, "'Иванов' за Октябрь 2002 года:\r\n\r\n\r\nЗа этот месяц клиент Вам");
    ExpectPart(report,
               "\r\n200\t20.10.2002\t(за 10.2002)аренда\r\n300\t05.10.2002\t(за 10.2002)аренда"
               "\r\n------------------\r\nИтого: 500$\r\nКлиент оплатил все долги");
    EXPECT_TRUE(
        report.ends_with("Информация\r\n75.5\t02.10.2002\t(за 02.10.2002)ремонт\r\n"
                         "------------------\r\nИтого: 75,5$\r\nВы оплатили все долги "
                         "клиенту за указанный месяц.\r\n\r\n"));
}

TEST_F(ClientReportTest, OpenPaymentsOfTheMonthAndVerdictsOnlyWhenSomethingWasPaid) {
    // September's rent kept open by the month end, October's paid.
    client().clondolkm[0] = "500\tежемесячно\t(за 10.2002)аренда";
    client().clondolkm[1] = "500\tежемесячно\t(за 9.2002)аренда";
    client().clondolkm[2] = "120\t15.10.2001\tстарый заказ";  // same month, other year
    client().clondolkm[3] = "80\t15.11.2002\tследующий месяц";
    client().clondolok[0] = "500\t03.10.2002\t(за 10.2002)аренда";
    client().clondolok[1] = "100\t04.10.2002\t(за 9.2002)аренда";
    client().clvydolkm[0] = "250,5\t30.10.2002\tзапчасти";
    client().clvydolok[0] = "400\t10.10.2002\t(за 10.2002)зарплата";

    const std::string october = Report({2002, 10, 1});
    ExpectPart(october,
               " Сумма\tДата\tИнформация\r\n500\tежемесячно\t(за 9.2002)аренда\r\n"
               "120\t15.10.2001\tстарый заказ\r\n------------------\r\nИтого: 620р.\r\n");
    ExpectPart(october, "Итого: 600р.\r\nКлиент НЕ оплатил долги за указанный месяц.\r\n\r\n");
    ExpectPart(october, "Информация\r\n250,5\t30.10.2002\tзапчасти\r\n---");
    EXPECT_TRUE(
        october.ends_with("Итого: 400р.\r\nВы НЕ оплатили долги клиенту за указанный "
                          "месяц.\r\n\r\n"));

    // Nothing paid in November: no verdict at all.
    const std::string november = Report({2002, 11, 30});
    ExpectPart(november,
               "Информация\r\n500\tежемесячно\t(за 9.2002)аренда\r\n80\t15.11.2002\tследующий");
    EXPECT_EQ(november.find("оплатил"), std::string::npos);
}

}  // namespace
}  // namespace kz
