#include <gtest/gtest.h>

#include "support/ScriptedPlatform.h"
#include "windows/main/MainWindow.h"

namespace kz {
namespace {

// Keeps the proposed answers of input boxes too.
class Ui : public test::ScriptedPlatform {
public:
    std::vector<std::string> proposals;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override {
        proposals.push_back(proposed);
        return ScriptedPlatform::InputBox(prompt, title, proposed);
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        FillNewDocumentDefaults(doc);
        ui.SetToday(5, 10, 2002);
        doc.LastDate = ui.Today();
        view = RefreshMainWindow(doc, ui);
    }
    // The only message since the last call, with one OK button.
    void ExpectOnlyMessage(const std::string& text, Icon icon) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, text);
        EXPECT_EQ(ui.messages[0].icon, icon);
        EXPECT_EQ(ui.messages[0].buttons, Buttons::OK);
        ui.messages.clear();
    }
    void AddClients(std::initializer_list<const char*> names) {
        for (const char* n : names) AppendClient(doc, n);
        view = RefreshMainWindow(doc, ui);
    }

    BudgetFile doc;
    Ui ui;
    MainView view;
};

TEST_F(MainWindowTest, AddStateUpToTenThenRefusesBeforeAsking) {
    for (int i = 2; i <= 9; ++i) AppendState(doc, "Счет " + std::to_string(i));
    // A used slot behind the count must not leak into the new state.
    doc.Sosts[9].bal = 77;
    doc.Sosts[9].dohod[0] = "77\t01.01.2002\tстарое";
    doc.Unit(1) = {"", ""};  // a new state still gets unit 1

    ui.Input("   ");
    ASSERT_TRUE(AddState(doc, ui, view));
    EXPECT_EQ(ui.proposals.back(), "Личные деньги");
    EXPECT_EQ(doc.sostkol, 10);
    EXPECT_EQ(doc.Sost(10).sostname, "   ");
    EXPECT_EQ(doc.Sost(10).ienum, 1);
    EXPECT_EQ(doc.Sost(10).bal, 0);
    EXPECT_EQ(CountEntries(doc.Sost(10).dohod), 0);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(view.sostRows.size(), 10u);

    const std::size_t prompts = ui.prompts.size();
    EXPECT_FALSE(AddState(doc, ui, view));
    EXPECT_EQ(ui.prompts.size(), prompts);
    ExpectOnlyMessage("Вы не можете создать более 10 состояний!", Icon::Critical);
    EXPECT_EQ(doc.sostkol, 10);
}

TEST_F(MainWindowTest, EmptyOrUnwritableAnswersChangeNothing) {
    // State, client, a unit without a short sign, user name.
    for (const char* answer : {"", "", "евро", "", ""}) ui.Input(answer);
    EXPECT_FALSE(AddState(doc, ui, view));
    EXPECT_FALSE(AddClient(doc, ui, view));
    EXPECT_FALSE(AddCurrencyUnit(doc, ui, view));
    EXPECT_FALSE(RenameUser(doc, ui, view));
    EXPECT_TRUE(ui.messages.empty());

    ui.Input("Счет 中");
    EXPECT_FALSE(AddState(doc, ui, view));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("«中»"), std::string::npos);
    EXPECT_EQ(doc.sostkol, 1);
    EXPECT_EQ(doc.clientkol, 0);
    EXPECT_TRUE(doc.Unit(3).cap.empty());
    EXPECT_EQ(doc.name, "Пользователь");
    EXPECT_FALSE(doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowTest, DeleteStateMovesLaterStatesUp) {
    AppendState(doc, "Карта");
    AppendState(doc, "Сейф");
    doc.Sost(3).bal = 300;
    doc.Sost(3).ienum = 2;
    for (int i = 0; i < kListSize; ++i) doc.Sost(3).vydol[i] = "v" + std::to_string(i);
    view = RefreshMainWindow(doc, ui);

    view.sostSel = 0;
    EXPECT_FALSE(DeleteState(doc, ui, view));
    ExpectOnlyMessage(
        "Не выбрано состояние! Выберите состояние, которое вы хотите удалить и нажмите Удалить "
        "еще раз.",
        Icon::Information);

    view.sostSel = 2;
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeleteState(doc, ui, view));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Внимание: все данные, относящиеся к выбранному состоянию\r\nКарта\r\nбудут "
              "удалены. Удалить?");
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(doc.sostkol, 3);
    EXPECT_FALSE(doc.Dirty);

    ui.Answer(Answer::Yes);
    ASSERT_TRUE(DeleteState(doc, ui, view));
    EXPECT_EQ(doc.sostkol, 2);
    EXPECT_EQ(doc.Sost(2).sostname, "Сейф");
    EXPECT_EQ(doc.Sost(2).bal, 300);
    EXPECT_EQ(doc.Sost(2).ienum, 2);
    EXPECT_EQ(doc.Sost(2).vydol[99], "v99");
    EXPECT_EQ(view.sostRows, (std::vector<std::string>{"Личные деньги", "Сейф"}));
    EXPECT_TRUE(doc.Dirty);
}

TEST_F(MainWindowTest, ClientsAddDeleteAndLimit) {
    ui.Input("Клиент1");
    ASSERT_TRUE(AddClient(doc, ui, view));
    EXPECT_EQ(ui.proposals.back(), "Клиент1");
    AddClients({"Иванов", "Петров", "Иванов"});  // duplicates are allowed
    doc.Client(2).reput = -3;
    doc.Client(2).clondolkm[0] = "500\tежемесячно\t(за 10.2002)аренда";
    for (int i = 0; i < kListSize; ++i) doc.Client(2).clvydolok[i] = "1\t01.10.2002\tr";
    ClientRecord& petrov = doc.Client(3);
    petrov.ienum = 3;
    petrov.reput = 2;
    petrov.clinfo = "инфо";
    petrov.clvydolok[99] = "последний";
    view = RefreshMainWindow(doc, ui);
    ASSERT_EQ(view.clientRows[1], "Иванов(должен)");

    view.clientSel = 2;
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(DeleteClient(doc, ui, view));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Внимание: все данные, относящиеся к выбранному клиенту\r\nИванов(должен)\r\nбудут "
              "удалены. Удалить?");
    EXPECT_EQ(doc.clientkol, 3);
    // Moving up carries every field and list; the freed slot is emptied.
    EXPECT_EQ(doc.Client(2).clientname, "Петров");
    EXPECT_EQ(doc.Client(2).ienum, 3);
    EXPECT_EQ(doc.Client(2).reput, 2);
    EXPECT_EQ(doc.Client(2).clinfo, "инфо");
    EXPECT_EQ(doc.Client(2).clvydolok[99], "последний");
    EXPECT_EQ(doc.Client(3).clientname, "Иванов");
    EXPECT_TRUE(doc.Client(4).clientname.empty());
    EXPECT_EQ(CountEntries(doc.Client(4).clvydolok), 0);

    while (doc.clientkol < 20) AppendClient(doc, "x");
    ui.messages.clear();
    EXPECT_FALSE(AddClient(doc, ui, view));
    ExpectOnlyMessage("Вы не можете создать более 20 клиентов!", Icon::Critical);

    view.clientSel = 0;
    EXPECT_FALSE(DeleteClient(doc, ui, view));
    ExpectOnlyMessage(
        "Не выбран клиент! Выберите клиента, которого вы хотите удалить и нажмите Удалить еще "
        "раз.",
        Icon::Information);
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowTest, UnitRowsMapToTheirSlots) {
    doc.Unit(2) = {"", ""};
    doc.Unit(3) = {"евро", "€"};
    view = RefreshMainWindow(doc, ui);
    ASSERT_EQ(view.ieRows, (std::vector<std::string>{"рубли(р.)", "евро(€)"}));

    view.ieSel = 2;
    ui.Input("евро ЕС");
    ui.Input("EUR");
    ASSERT_TRUE(ChangeCurrencyUnit(doc, ui, view));
    EXPECT_EQ(ui.prompts[0], "Введите новое название используемой единице евро");
    EXPECT_EQ(ui.proposals, (std::vector<std::string>{"евро", "€"}));
    EXPECT_EQ(doc.Unit(3).cap, "евро ЕС");
    EXPECT_EQ(doc.Unit(3).short_, "EUR");
    EXPECT_TRUE(doc.Unit(2).cap.empty());
    EXPECT_EQ(view.ieRows[1], "евро ЕС(EUR)");

    ui.Input("доллары");
    ui.Input("$");
    ASSERT_TRUE(AddCurrencyUnit(doc, ui, view));
    EXPECT_EQ(doc.Unit(2).cap, "доллары");
    EXPECT_EQ(view.ieSlots, (std::vector<int>{1, 2, 3}));

    EXPECT_FALSE(AddCurrencyUnit(doc, ui, view));
    ExpectOnlyMessage("Нельзя создать более 3 и.е.!", Icon::Critical);
    view.ieSel = 0;
    EXPECT_FALSE(ChangeCurrencyUnit(doc, ui, view));
    ExpectOnlyMessage("Необходимо выбрать и.е. в списке!", Icon::None);
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowTest, DeleteUnitOnlyWhenNothingUsesIt) {
    AppendState(doc, "Валюта");
    doc.Sost(2).ienum = 2;
    AddClients({"Иванов", "Smith"});
    doc.Client(2).ienum = 2;
    view = RefreshMainWindow(doc, ui);

    view.ieSel = 0;
    EXPECT_FALSE(DeleteCurrencyUnit(doc, ui, view));
    ExpectOnlyMessage("Выберите и.е.,которую вы хотите удалить, и нажмите Удалить еще раз.",
                      Icon::Information);

    // States are searched before clients.
    view.ieSel = 2;
    EXPECT_FALSE(DeleteCurrencyUnit(doc, ui, view));
    ExpectOnlyMessage(
        "Эта и.е. используется в состоянии Валюта\r\nИзмените и.е. в этом состоянии и повторите "
        "попытку удаления.",
        Icon::Critical);
    doc.Sost(2).ienum = 1;
    EXPECT_FALSE(DeleteCurrencyUnit(doc, ui, view));
    ExpectOnlyMessage(
        "Эта и.е. используется клиентом Smith\r\nИзмените и.е. клиента и повторите попытку "
        "удаления.",
        Icon::Critical);

    doc.Client(2).ienum = 1;
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeleteCurrencyUnit(doc, ui, view));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Вы уверены, что хотите удалить Используемую денежную Единицу доллары?");
    EXPECT_EQ(doc.Unit(2).cap, "доллары");

    ui.Answer(Answer::Yes);
    ASSERT_TRUE(DeleteCurrencyUnit(doc, ui, view));
    EXPECT_TRUE(doc.Unit(2).cap.empty() && doc.Unit(2).short_.empty());
    EXPECT_EQ(view.ieRows, (std::vector<std::string>{"рубли(р.)"}));
    EXPECT_TRUE(doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowTest, RenameUserNeedsNoRefresh) {
    view.remindToday = "как было";
    ui.Input("Анна");
    ASSERT_TRUE(RenameUser(doc, ui, view));
    EXPECT_EQ(ui.proposals[0], "Пользователь");
    EXPECT_EQ(view.userName, "Анна");
    EXPECT_EQ(view.remindToday, "как было");
    EXPECT_TRUE(doc.Dirty);
}

TEST_F(MainWindowTest, OpeningNeedsASelectionAndSetsTheCurrentRecord) {
    AppendState(doc, "Карта");
    AddClients({"Иванов", "Петров"});
    view.sostSel = 0;
    view.clientSel = 0;
    EXPECT_FALSE(OpenState(doc, ui, view));
    EXPECT_FALSE(OpenClient(doc, ui, view));
    EXPECT_FALSE(ShowClientInfo(doc, ui, view));
    EXPECT_FALSE(ShowStateReport(doc, ui, view));
    EXPECT_EQ(ui.Texts(),
              (std::vector<std::string>{
                  "Выделите состояние, которое вы хотите открыть, и нажмите <Открыть>",
                  "Выберите клиента, страницу которого вы хотите открыть, и нажмите <Открыть>",
                  "Не выбран клиент!", "Не выбрано состояние!"}));

    view.sostSel = 2;
    view.clientSel = 2;
    ASSERT_TRUE(OpenState(doc, ui, view));
    EXPECT_EQ(doc.CurrentSost, 2);
    ASSERT_TRUE(OpenClient(doc, ui, view));
    EXPECT_EQ(doc.CurrentClient, 2);
    view.clientSel = 1;
    ASSERT_TRUE(ShowClientInfo(doc, ui, view));
    EXPECT_EQ(doc.CurrentClient, 1);
    EXPECT_FALSE(doc.Dirty);
}

TEST_F(MainWindowTest, StateReportOfThePreviousMonthWhileReportsAreDue) {
    doc.Sost(1).oldbal[0] = "870\t30.09.2002";
    const auto current = ShowStateReport(doc, ui, view);
    ASSERT_TRUE(current);
    EXPECT_NE(current->find("' за Октябрь 2002 года:"), std::string::npos);

    doc.ReportsReady = true;
    const auto previous = ShowStateReport(doc, ui, view);
    ASSERT_TRUE(previous);
    EXPECT_NE(previous->find("' за Сентябрь 2002 года:"), std::string::npos);
    EXPECT_NE(previous->find("Последнее состояние баланса: 870р."), std::string::npos);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kz
