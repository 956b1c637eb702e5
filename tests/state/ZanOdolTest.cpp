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
    // Each step mends the form a little further and meets the next check.
    ZanOdolForm f = form;
    f.date = "";
    f.sum = "1,5";
    f.person = "";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, borrow, f));
    EXPECT_EQ(f.sum, "1.5");  // rewritten even though a check failed
    f.date = "31.02.2002";
    f.sum = "0";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, borrow, f));
    f.sum = "900";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, borrow, f));
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    f.person = "Иван";
    f.percent = "";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    f.returnSum = "950";
    f.returnDate = "28.02.2002";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    f.date = "01.03.2002";
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    f.returnDate = "01.03.2002";  // the loan day itself is accepted
    EXPECT_FALSE(SubmitZanOdol(doc, ui, lend, f));
    f.returnDate = "завтра";  // not a date: refused rather than stored
    EXPECT_FALSE(SubmitZanOdol(doc, ui, borrow, f));

    std::vector<std::string> texts = ui.Texts();
    ASSERT_EQ(texts.size(), 9u);
    texts.pop_back();  // the bad return date's wording is the date parser's
    const std::string neither = texts[4];
    EXPECT_EQ(neither.rfind("Необходимо указать или количество процентов ежемесячно", 0), 0u);
    EXPECT_EQ(
        texts,
        (std::vector<std::string>{
            "Необходимо указать дату (по умолчанию - текущая).", "Необходимо указать сумму денег.",
            "Необходимо указать человека, у которого вы занимаете.",
            "Необходимо указать человека, который у вас занимает.", neither,
            "Необходимо указать дату займа!", "Введенная дата возврата предшествует дате займа.",
            "Вы не можете отдать больше, чем у вас есть!"}));
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(sost().bal, 500);
    EXPECT_EQ(CountEntries(sost().vydol) + CountEntries(sost().oldbal), 0);
}

TEST_F(ZanOdolTest, BorrowingAddsToTheBalanceLendingTakesFromIt) {
    sost().bal = 200;
    form.sum = "1000,5";
    form.returnDate = "16.03.2002";
    ui.Answer(Answer::Yes);
    // Borrowing is not limited by the balance.
    EXPECT_TRUE(SubmitZanOdol(doc, ui, ZanOdolMode::Borrow, form));
    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>{"Вы уверены, что хотите занять 1000,5 и.е. у Иван?"});
    EXPECT_EQ(sost().oldzan[0], "1000,5\t01.03.2002\tИван\tремонт");
    EXPECT_EQ(sost().vydol[0], "1000,5\t01.03.2002\tИван\tремонт\t\t3\t16.03.2002");
    EXPECT_EQ(sost().oldbal[0], "200\t01.03.2002");
    EXPECT_EQ(sost().bal, 1200.5);
    EXPECT_TRUE(doc.Dirty);

    // Lending the whole balance, a return sum and no percent, no old balance kept.
    form = {"Петр", "1200,5", "02.03.2002", "", "1300", "", "", false};
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitZanOdol(doc, ui, ZanOdolMode::Lend, form));
    EXPECT_EQ(sost().oldodol[0], "1200,5\t02.03.2002\tПетр\t");
    EXPECT_EQ(sost().ondol[0], "1200,5\t02.03.2002\tПетр\t\t1300\t\t");
    EXPECT_EQ(CountEntries(sost().oldbal), 1);
    EXPECT_EQ(sost().bal, 0);
}

TEST_F(ZanOdolTest, ReturnDayAndALoanWithoutInterest) {
    // The calendar refuses days before today (05.10.2002).
    EXPECT_FALSE(ChooseReturnDay(ui, Date{2002, 10, 4}, form));
    EXPECT_EQ(form.returnDate, "");
    EXPECT_TRUE(ChooseReturnDay(ui, Date{2002, 10, 5}, form));
    EXPECT_EQ(form.returnDate, "05.10.2002");
    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>{"Вы указали дату, предшествующую текущей дате!"});

    // Leaving the amount without a percent makes a loan without interest.
    form.sum = "500";
    EXPECT_FALSE(OnSumLeft(form));
    form.percent = "";
    EXPECT_TRUE(OnSumLeft(form));
    EXPECT_EQ(form.returnSum, "500");
}

}  // namespace
}  // namespace kz
