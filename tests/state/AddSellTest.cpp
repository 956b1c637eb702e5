#include "core/Text.h"
#include "state/StateFixture.h"
#include "windows/state/AddSell.h"

namespace kz {
namespace {

using test::StateTest;

class AddSellTest : public StateTest {};

TEST_F(AddSellTest, ChecksRunInOrderAndLeaveTheDocumentAlone) {
    sost().bal = 100;
    struct Case {
        AddSellMode mode;
        AddSellForm form;
        std::string message;
        Icon icon;
    };
    const Case cases[] = {
        // The date comes first even when the amount is missing too.
        {AddSellMode::Income,
         {"", "", "Работа", true},
         "Необходимо указать дату (по умолчанию - текущая).",
         Icon::Information},
        {AddSellMode::Income,
         {"05.10.2002", "", "Работа", true},
         "Необходимо указать сумму денег.",
         Icon::Information},
        {AddSellMode::Income,
         {"05.10.2002", "сто", "Работа", true},
         "Необходимо указать сумму денег.",
         Icon::Information},
        {AddSellMode::Income,
         {"05.10.2002", "-5", "Работа", true},
         "Необходимо указать сумму денег.",
         Icon::Information},
        {AddSellMode::Spending,
         {"05.10.2002", "0", "Хлеб", true},
         "Необходимо указать сумму денег.",
         Icon::Information},
        // The amount is checked before the date is read.
        {AddSellMode::Income,
         {"31.02.2002", "", "Работа", true},
         "Необходимо указать сумму денег.",
         Icon::Information},
        {AddSellMode::Income,
         {"31.02.2002", "10", "Работа", true},
         "Необходимо указать дату добавления/траты денег!",
         Icon::Critical},
        {AddSellMode::Spending,
         {"вчера", "10", "Хлеб", true},
         "Необходимо указать дату добавления/траты денег!",
         Icon::Critical},
        // One cent more than the balance.
        {AddSellMode::Spending,
         {"05.10.2002", "100,01", "Хлеб", true},
         "Вы не можете отдать больше, чем у вас есть!",
         Icon::Exclamation},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        EXPECT_FALSE(SubmitAddSell(doc, ui, settings, c.mode, c.form)) << c.message;
        ASSERT_EQ(ui.messages.size(), 1u) << c.form.date << " / " << c.form.sum;
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(ui.messages[0].icon, c.icon);
        EXPECT_EQ(ui.messages[0].buttons, Buttons::OK);
        EXPECT_EQ(ui.messages[0].title, kAppTitle);
    }
    EXPECT_EQ(sost().bal, 100);
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(
        CountEntries(sost().dohod) + CountEntries(sost().rashod) + CountEntries(sost().oldbal), 0);
    EXPECT_TRUE(ui.sounds.empty());
}

TEST_F(AddSellTest, IncomeStoresTypedTextsAndAlwaysRecordsOldBalance) {
    sost().bal = 100;
    ui.Answer(Answer::Yes);
    // The old-balance box is ignored for an income; the date stays as typed.
    EXPECT_TRUE(
        SubmitAddSell(doc, ui, settings, AddSellMode::Income, {"1.2.02", "12,5", "Работа", false}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Вы уверены, что хотите добавить 12,5 и.е. к вашему балансу?");
    EXPECT_EQ(ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(sost().dohod[0], "12,5\t1.2.02\tРабота");
    EXPECT_EQ(sost().oldbal[0], "100\t1.2.02");
    EXPECT_EQ(sost().bal, 112.5);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(ui.sounds, std::vector<std::string>{"coins.wav"});

    // A blank inside the amount is skipped; an empty source is stored as an empty field.
    settings.Sound = false;
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(
        SubmitAddSell(doc, ui, settings, AddSellMode::Income, {"05.10.2002", "1 500", "", true}));
    EXPECT_EQ(sost().dohod[0], "1500\t05.10.2002\t");
    EXPECT_EQ(sost().dohod[1], "12,5\t1.2.02\tРабота");
    EXPECT_EQ(sost().oldbal[0], "112,5\t05.10.2002");
    EXPECT_EQ(sost().bal, 1612.5);
    EXPECT_EQ(ui.sounds.size(), 1u);  // sounds off: nothing more played
    ui.ExpectAllAnswered();
}

TEST_F(AddSellTest, AnswerNoChangesNothing) {
    sost().bal = 40;
    ui.Answer(Answer::No);
    EXPECT_FALSE(SubmitAddSell(doc, ui, settings, AddSellMode::Spending,
                               {"05.10.2002", "0,5", "Хлеб", true}));
    EXPECT_EQ(ui.messages.back().text, "Вы уверены, что хотите потратить 0,5 и.е. (Хлеб) ?");
    EXPECT_EQ(sost().bal, 40);
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(CountEntries(sost().rashod), 0);
}

TEST_F(AddSellTest, SpendingRecordsOldBalanceOnlyWhenAsked) {
    sost().bal = 300.75;
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitAddSell(doc, ui, settings, AddSellMode::Spending,
                              {"03.10.2002", "50,25", "Продукты", false}));
    EXPECT_EQ(sost().rashod[0], "50,25\t03.10.2002\tПродукты");
    EXPECT_EQ(CountEntries(sost().oldbal), 0);
    EXPECT_EQ(sost().bal, 250.5);

    // The whole balance may be spent.
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(SubmitAddSell(doc, ui, settings, AddSellMode::Spending,
                              {"04.10.2002", "250.5", "Аренда", true}));
    EXPECT_EQ(sost().rashod[0], "250,5\t04.10.2002\tАренда");
    EXPECT_EQ(sost().oldbal[0], "250,5\t04.10.2002");
    EXPECT_EQ(sost().bal, 0);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_TRUE(ui.sounds.empty());
    ui.ExpectAllAnswered();
}

TEST_F(AddSellTest, HundredAndFirstIncomeDropsTheOldest) {
    for (int i = 1; i <= 100; ++i) AddIncome(doc, "01.01.2002", i, "Работа");
    ASSERT_EQ(CountEntries(sost().dohod), 100);
    EXPECT_EQ(sost().dohod[99], "1\t01.01.2002\tРабота");
    AddIncome(doc, "02.01.2002", 101, "Премия");
    EXPECT_EQ(CountEntries(sost().dohod), 100);
    EXPECT_EQ(sost().dohod[0], "101\t02.01.2002\tПремия");
    EXPECT_EQ(sost().dohod[99], "2\t01.01.2002\tРабота");
    EXPECT_EQ(sost().bal, 101 * 102 / 2);
}

TEST_F(AddSellTest, PreparationShowsTheStatesUnit) {
    sost().ienum = 2;
    AddSellSetup income = PrepareAddSell(doc, AddSellMode::Income, ui.Today());
    EXPECT_EQ(income.label5, "Сумма ($):");
    EXPECT_EQ(income.lblIE, "$");
    EXPECT_EQ(income.txtDate, "05.10.2002");
    EXPECT_EQ(income.cmdAdd, "Добавить");
    EXPECT_FALSE(income.addToListEnabled);

    sost().ienum = 1;
    AddSellSetup spending = PrepareAddSell(doc, AddSellMode::Spending, Date{2002, 3, 1});
    EXPECT_EQ(spending.label5, "Сумма (р.):");
    EXPECT_EQ(spending.txtDate, "01.03.2002");
    EXPECT_EQ(spending.lblSource, "На что:");
    EXPECT_TRUE(spending.addToListEnabled);
}

}  // namespace
}  // namespace kz
