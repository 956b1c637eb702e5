#include "core/Text.h"
#include "core/TextFiles.h"
#include "finance/Finance.h"
#include "state/StateFixture.h"
#include "windows/state/ZanOdol.h"

namespace kz {
namespace {

class ZanOdolTest : public test::StateTest {
protected:
    ZanOdolForm form{"Иван", "1000", "01.03.2002", "ремонт", "", "3", "", true};
};

TEST_F(ZanOdolTest, ChecksRunInOrderAndLeaveTheDocumentAlone) {
    sost().bal = 500;
    const auto borrow = ZanOdolMode::Borrow, lend = ZanOdolMode::Lend;
    ZanOdolForm f = form;
    f.date = "";
    f.sum = "1,5";
    f.person = "";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, borrow, f));
    ExpectOnly("Необходимо указать дату (по умолчанию - текущая).", Icon::Information);
    EXPECT_EQ(f.sum, "1.5");  // rewritten even though a check failed

    f.date = "31.02.2002";
    f.sum = "0";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, borrow, f));
    ExpectOnly("Необходимо указать сумму денег.", Icon::Information);
    f.sum = "900";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, borrow, f));
    ExpectOnly("Необходимо указать человека, у которого вы занимаете.", Icon::Information);
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    ExpectOnly("Необходимо указать человека, который у вас занимает.", Icon::Information);
    f.person = "Иван";
    f.percent = "";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    ExpectOnly(
        "Необходимо указать или количество процентов ежемесячно или конкретную сумму "
        "возвращаемых денег.\r\n\r\nПримечание о количестве процентов: итоговая сумма "
        "будет равна исходной сумме + кол-во процентов,умноженных на количество прошедших "
        "месяцев.",
        Icon::Exclamation);
    f.returnSum = "1e400";  // beyond every number: as if none were given
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    ui.messages.clear();
    f.returnSum = "950";
    f.returnDate = "28.02.2002";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    ExpectOnly("Необходимо указать дату займа!", Icon::Critical);
    f.date = "01.03.2002";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    ExpectOnly("Введенная дата возврата предшествует дате займа.", Icon::Information);
    f.returnDate = "01.03.2002";  // the loan day itself is accepted
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    ExpectOnly("Вы не можете отдать больше, чем у вас есть!", Icon::Exclamation);
    f.person = "Łukasz";  // a letter the data file cannot hold
    EXPECT_FALSE(SubmitZanOdol(doc, ui, borrow, f));
    ExpectOnly(UnwritableCharText("Ł"), Icon::Exclamation);
    f.person = "Иван";
    f.returnDate = "завтра";  // not a date: refused rather than stored
    EXPECT_FALSE(SubmitZanOdol(doc, ui, borrow, f));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::OK);

    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(sost().bal, 500);
    EXPECT_EQ(CountEntries(sost().ondol) + CountEntries(sost().vydol) +
                  CountEntries(sost().oldzan) + CountEntries(sost().oldodol) +
                  CountEntries(sost().oldbal),
              0);
}

TEST_F(ZanOdolTest, BorrowingRecordsHistoryDebtAndOldBalance) {
    sost().bal = 200;
    form.sum = "1000,5";
    form.returnDate = "16.03.2002";
    ui.Answer(Answer::Yes);
    // Borrowing is not limited by the balance.
    EXPECT_TRUE(SubmitZanOdol(doc, ui, ZanOdolMode::Borrow, form));
    ExpectOnly("Вы уверены, что хотите занять 1000,5 и.е. у Иван?", Icon::Information,
               Buttons::YesNo);
    EXPECT_EQ(sost().oldzan[0], "1000,5\t01.03.2002\tИван\tремонт");
    EXPECT_EQ(sost().vydol[0], "1000,5\t01.03.2002\tИван\tремонт\t\t3\t16.03.2002");
    EXPECT_EQ(sost().oldbal[0], "200\t01.03.2002");
    EXPECT_EQ(sost().bal, 1200.5);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(CountEntries(sost().ondol) + CountEntries(sost().oldodol), 0);
}

TEST_F(ZanOdolTest, LendingTheWholeBalance) {
    sost().bal = 1000;
    form.keepOldBalance = false;
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitZanOdol(doc, ui, ZanOdolMode::Lend, form));
    ExpectOnly("Вы уверены, что хотите одолжить 1000 и.е. ?", Icon::Information, Buttons::YesNo);
    EXPECT_EQ(sost().oldodol[0], "1000\t01.03.2002\tИван\tремонт");
    EXPECT_EQ(sost().ondol[0], "1000\t01.03.2002\tИван\tремонт\t\t3\t");
    EXPECT_EQ(CountEntries(sost().oldbal), 0);
    EXPECT_EQ(sost().bal, 0);
    EXPECT_EQ(AmountText(ComputeReturn(sost().ondol[0], Date{2002, 3, 31}).ReturnAmount), "1030");
}

TEST_F(ZanOdolTest, DialogEvents) {
    // The calendar refuses days before today (05.10.2002).
    EXPECT_FALSE(ChooseReturnDay(ui, Date{2002, 10, 4}, form));
    ExpectOnly("Вы указали дату, предшествующую текущей дате!", Icon::Critical);
    EXPECT_EQ(form.returnDate, "");
    EXPECT_TRUE(ChooseReturnDay(ui, Date{2002, 10, 5}, form));
    EXPECT_EQ(form.returnDate, "05.10.2002");

    // Leaving the amount without a percent makes a loan without interest.
    form.sum = "500";
    EXPECT_FALSE(OnSumLeft(form));
    EXPECT_EQ(form.returnSum, "");
    form.percent = "";
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
}

}  // namespace
}  // namespace kz
