#include "core/Text.h"
#include "reports/Finance.h"
#include "state/StateFixture.h"
#include "windows/state/ZanOdol.h"

namespace kz {
namespace {

using test::StateTest;

class ZanOdolTest : public StateTest {
protected:
    ZanOdolForm Loan() {
        ZanOdolForm f;
        f.person = "Иван";
        f.sum = "1000";
        f.date = "01.03.2002";
        f.reason = "ремонт";
        f.percent = "3";
        return f;
    }
};

TEST_F(ZanOdolTest, ChecksRunInOrder) {
    sost().bal = 500;
    const std::string noReturn =
        "Необходимо указать или количество процентов ежемесячно или конкретную сумму "
        "возвращаемых денег.\r\n\r\nПримечание о количестве процентов: итоговая сумма будет "
        "равна исходной сумме + кол-во процентов,умноженных на количество прошедших месяцев.";
    struct Case {
        ZanOdolMode mode;
        void (*change)(ZanOdolForm&);
        std::string message;
        Icon icon;
    };
    const Case cases[] = {
        {ZanOdolMode::Borrow,
         [](ZanOdolForm& f) { f.date.clear(), f.sum.clear(), f.person.clear(); },
         "Необходимо указать дату (по умолчанию - текущая).", Icon::Information},
        {ZanOdolMode::Borrow, [](ZanOdolForm& f) { f.sum = "0", f.person.clear(); },
         "Необходимо указать сумму денег.", Icon::Information},
        {ZanOdolMode::Borrow, [](ZanOdolForm& f) { f.person.clear(), f.percent.clear(); },
         "Необходимо указать человека, у которого вы занимаете.", Icon::Information},
        {ZanOdolMode::Lend, [](ZanOdolForm& f) { f.person.clear(), f.date = "31.02.2002"; },
         "Необходимо указать человека, который у вас занимает.", Icon::Information},
        {ZanOdolMode::Lend, [](ZanOdolForm& f) { f.percent.clear(), f.date = "31.02.2002"; },
         noReturn, Icon::Exclamation},
        {ZanOdolMode::Borrow,
         [](ZanOdolForm& f) { f.date = "31.02.2002", f.returnDate = "1.1.01"; },
         "Необходимо указать дату займа!", Icon::Critical},
        {ZanOdolMode::Lend, [](ZanOdolForm& f) { f.returnDate = "28.02.2002", f.sum = "900"; },
         "Введенная дата возврата предшествует дате займа.", Icon::Information},
        {ZanOdolMode::Lend, [](ZanOdolForm& f) { f.sum = "500,01", f.returnDate = "01.03.2002"; },
         "Вы не можете отдать больше, чем у вас есть!", Icon::Exclamation},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        ZanOdolForm form = Loan();
        c.change(form);
        EXPECT_FALSE(SubmitZanOdol(doc, ui, c.mode, form)) << c.message;
        ASSERT_EQ(ui.messages.size(), 1u) << c.message;
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(ui.messages[0].icon, c.icon);
        EXPECT_EQ(ui.messages[0].buttons, Buttons::OK);
    }
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(sost().bal, 500);
    EXPECT_EQ(CountEntries(sost().ondol) + CountEntries(sost().vydol) +
                  CountEntries(sost().oldzan) + CountEntries(sost().oldodol) +
                  CountEntries(sost().oldbal),
              0);
}

TEST_F(ZanOdolTest, SumIsRewrittenWithPointsEvenWhenACheckFails) {
    ZanOdolForm form = Loan();
    form.sum = "1,5";
    form.date.clear();
    EXPECT_FALSE(SubmitZanOdol(doc, ui, ZanOdolMode::Borrow, form));
    EXPECT_EQ(form.sum, "1.5");
}

TEST_F(ZanOdolTest, BorrowingRecordsHistoryDebtAndOldBalance) {
    sost().bal = 200;
    ZanOdolForm form = Loan();
    form.sum = "1000,5";
    form.returnDate = "16.03.2002";
    ui.Answer(Answer::Yes);
    // Borrowing is not limited by the balance.
    EXPECT_TRUE(SubmitZanOdol(doc, ui, ZanOdolMode::Borrow, form));
    EXPECT_EQ(ui.messages.back().text, "Вы уверены, что хотите занять 1000,5 и.е. у Иван?");
    EXPECT_EQ(ui.messages.back().icon, Icon::Information);
    EXPECT_EQ(ui.messages.back().buttons, Buttons::YesNo);
    EXPECT_EQ(sost().oldzan[0], "1000,5\t01.03.2002\tИван\tремонт");
    EXPECT_EQ(sost().vydol[0], "1000,5\t01.03.2002\tИван\tремонт\t\t3\t16.03.2002");
    EXPECT_EQ(sost().oldbal[0], "200\t01.03.2002");
    EXPECT_EQ(sost().bal, 1200.5);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(CountEntries(sost().ondol) + CountEntries(sost().oldodol), 0);
    EXPECT_TRUE(ui.sounds.empty());
}

TEST_F(ZanOdolTest, LendingTheWholeBalanceAndItsAmountDue) {
    sost().bal = 1000;
    ZanOdolForm form = Loan();
    form.keepOldBalance = false;
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitZanOdol(doc, ui, ZanOdolMode::Lend, form));
    EXPECT_EQ(ui.messages.back().text, "Вы уверены, что хотите одолжить 1000 и.е. ?");
    EXPECT_EQ(sost().oldodol[0], "1000\t01.03.2002\tИван\tремонт");
    EXPECT_EQ(sost().ondol[0], "1000\t01.03.2002\tИван\tремонт\t\t3\t");
    EXPECT_EQ(CountEntries(sost().oldbal), 0);
    EXPECT_EQ(sost().bal, 0);
    // The stored debt is what the amount due is computed from: 30 days at 3 %.
    EXPECT_EQ(AmountText(ComputeReturn(sost().ondol[0], Date{2002, 3, 31}).ReturnAmount), "1030");
}

TEST_F(ZanOdolTest, ReturnDateRules) {
    sost().bal = 5000;
    // Equal to the loan date is accepted.
    ZanOdolForm same = Loan();
    same.returnDate = "01.03.2002";
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitZanOdol(doc, ui, ZanOdolMode::Lend, same));

    // A return date that is not a date is refused before anything changes.
    ZanOdolForm bad = Loan();
    bad.returnDate = "завтра";
    ui.messages.clear();
    EXPECT_FALSE(SubmitZanOdol(doc, ui, ZanOdolMode::Lend, bad));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::OK);
    EXPECT_EQ(CountEntries(sost().ondol), 1);

    // The calendar refuses days before today and writes others as dd.mm.yyyy.
    ZanOdolForm form = Loan();
    ui.messages.clear();
    EXPECT_FALSE(ChooseReturnDay(ui, Date{2002, 10, 4}, form));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Вы указали дату, предшествующую текущей дате!");
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
    EXPECT_EQ(form.returnDate, "");
    EXPECT_TRUE(ChooseReturnDay(ui, Date{2002, 10, 5}, form));
    EXPECT_EQ(form.returnDate, "05.10.2002");
    ui.ExpectAllAnswered();
}

TEST_F(ZanOdolTest, LeavingTheSumWithoutPercentMakesALoanWithoutInterest) {
    ZanOdolForm form = Loan();
    form.sum = "500";
    EXPECT_FALSE(OnSumLeft(form));  // a percent is typed: nothing changes
    EXPECT_EQ(form.returnSum, "");
    form.percent.clear();
    EXPECT_TRUE(OnSumLeft(form));
    EXPECT_EQ(form.returnSum, "500");
}

TEST_F(ZanOdolTest, PersonsAreClientsThenPhoneLines) {
    doc.clientkol = 2;
    doc.Client(1).clientname = "ООО Ромашка";
    doc.Client(2).clientname = "Петров";
    doc.Client(3).clientname = "не в списке";
    doc.phones[4] = "Сидоров\t123-45-67";
    doc.phones[60] = "Мама";
    ZanOdolSetup setup = PrepareZanOdol(doc, ZanOdolMode::Borrow, ui.Today());
    EXPECT_EQ(setup.persons,
              (std::vector<std::string>{"ООО Ромашка", "Петров", "Сидоров /123-45-67", "Мама"}));
    EXPECT_EQ(setup.label4, "Сколько (р.):");
    EXPECT_EQ(setup.label3, "У кого:");
    EXPECT_EQ(setup.txtDate, "05.10.2002");
    EXPECT_EQ(PrepareZanOdol(doc, ZanOdolMode::Lend, ui.Today()).label3, "Кому:");
}

}  // namespace
}  // namespace kz
