#include <gtest/gtest.h>

#include "core/SaveCommands.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/main/MainWindow.h"

namespace kz {
namespace {

using Texts = std::vector<std::string>;

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
    void Add(bool (*append)(BudgetFile&, const std::string&),
             std::initializer_list<const char*> names) {
        for (const char* n : names) append(doc, n);
        view = RefreshMainWindow(doc, ui);
    }

    BudgetFile doc;
    Ui ui;
    MainView view;
};

TEST_F(MainWindowTest, NewStatesAndClientsUpToTheLimitsAndUnusableAnswersChangeNothing) {
    // State, client, a unit without a short sign, user name, an unwritable state.
    for (const char* answer : {"", "", "евро", "", "", "Счет 中"}) ui.Input(answer);
    EXPECT_FALSE(AddState(doc, ui, view));
    EXPECT_FALSE(AddClient(doc, ui, view));
    EXPECT_FALSE(AddCurrencyUnit(doc, ui, view));
    EXPECT_FALSE(RenameUser(doc, ui, view));
    EXPECT_FALSE(AddState(doc, ui, view));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("«中»"), std::string::npos);
    EXPECT_EQ(doc.sostkol + doc.clientkol, 1);
    EXPECT_TRUE(doc.Unit(3).cap.empty());
    EXPECT_EQ(doc.name, "Пользователь");
    EXPECT_FALSE(doc.Dirty);

    for (int i = 2; i <= 9; ++i) AppendState(doc, "Счет " + std::to_string(i));
    // A used slot behind the count must not leak into the new state.
    doc.Sosts[9].bal = 77;
    doc.Sosts[9].dohod[0] = "77\t01.01.2002\tстарое";
    doc.Unit(1) = {"", ""};  // a new state still gets unit 1
    ui.Input("Касса");
    ASSERT_TRUE(AddState(doc, ui, view));
    EXPECT_EQ(ui.proposals.back(), "Личные деньги");
    EXPECT_EQ(doc.Sost(10).sostname, "Касса");
    EXPECT_EQ(doc.Sost(10).ienum, 1);
    EXPECT_EQ(doc.Sost(10).bal, 0);
    EXPECT_EQ(CountEntries(doc.Sost(10).dohod), 0);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(view.sostRows.size(), 10u);
    ui.Input("Иванов");
    ASSERT_TRUE(AddClient(doc, ui, view));
    while (doc.clientkol < 20) AppendClient(doc, "x");

    // Refused before anything is asked (nothing is scripted).
    ui.messages.clear();
    EXPECT_FALSE(AddState(doc, ui, view));
    EXPECT_FALSE(AddClient(doc, ui, view));
    EXPECT_EQ(ui.Texts(), (Texts{"Вы не можете создать более 10 состояний!",
                                 "Вы не можете создать более 20 клиентов!"}));
    EXPECT_EQ(doc.sostkol + doc.clientkol, 30);
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowTest, DeletingMovesLaterStatesAndClientsUpWithAllTheirData) {
    Add(AppendState, {"Карта", "Сейф"});
    doc.Sost(3).bal = 300;
    doc.Sost(3).ienum = 2;
    for (int i = 0; i < kListSize; ++i) doc.Sost(3).vydol[i] = "v" + std::to_string(i);
    Add(AppendClient, {"Иванов", "Петров", "Сидоров"});
    doc.Client(1).clondolkm[0] = "500\tежемесячно\t(за 10.2002)аренда";
    ClientRecord& petrov = doc.Client(2);
    petrov.ienum = 3;
    petrov.reput = 2;
    petrov.clinfo = "инфо";
    petrov.clvydolok[99] = "последний";
    view = RefreshMainWindow(doc, ui);

    view.sostSel = view.clientSel = 0;
    EXPECT_FALSE(DeleteState(doc, ui, view));
    EXPECT_FALSE(DeleteClient(doc, ui, view));
    view.sostSel = 2;
    view.clientSel = 1;
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeleteState(doc, ui, view));
    EXPECT_FALSE(doc.Dirty);
    ui.Answer(Answer::Yes);
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(DeleteState(doc, ui, view));
    ASSERT_TRUE(DeleteClient(doc, ui, view));
    const Texts texts = ui.Texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[2],
              "Внимание: все данные, относящиеся к выбранному состоянию\r\nКарта\r\nбудут "
              "удалены. Удалить?");
    EXPECT_EQ(texts[4],
              "Внимание: все данные, относящиеся к выбранному клиенту\r\nИванов(должен)\r\nбудут "
              "удалены. Удалить?");

    EXPECT_EQ(doc.sostkol, 2);
    EXPECT_EQ(doc.Sost(2).sostname, "Сейф");
    EXPECT_EQ(doc.Sost(2).bal, 300);
    EXPECT_EQ(doc.Sost(2).ienum, 2);
    EXPECT_EQ(doc.Sost(2).vydol[99], "v99");
    EXPECT_TRUE(doc.Sost(3).sostname.empty());
    EXPECT_EQ(doc.clientkol, 2);
    EXPECT_EQ(doc.Client(1).clientname, "Петров");
    EXPECT_EQ(doc.Client(1).ienum, 3);
    EXPECT_EQ(doc.Client(1).reput, 2);
    EXPECT_EQ(doc.Client(1).clinfo, "инфо");
    EXPECT_EQ(doc.Client(1).clvydolok[99], "последний");
    EXPECT_TRUE(doc.Client(3).clientname.empty());
    EXPECT_EQ(CountEntries(doc.Client(3).clvydolok), 0);
    EXPECT_EQ(view.sostRows, (Texts{"Личные деньги", "Сейф"}));
    EXPECT_TRUE(doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowTest, UnitRowsMapToTheirSlotsAndAUnitInUseStays) {
    doc.Unit(2) = {"", ""};
    doc.Unit(3) = {"евро", "€"};
    view = RefreshMainWindow(doc, ui);
    view.ieSel = 2;
    ui.Input("евро ЕС");
    ui.Input("EUR");
    ASSERT_TRUE(ChangeCurrencyUnit(doc, ui, view));
    EXPECT_EQ(ui.proposals, (Texts{"евро", "€"}));
    EXPECT_EQ(doc.Unit(3).cap + "|" + doc.Unit(3).short_, "евро ЕС|EUR");
    EXPECT_TRUE(doc.Unit(2).cap.empty());
    ui.Input("доллары");
    ui.Input("$");
    ASSERT_TRUE(AddCurrencyUnit(doc, ui, view));
    EXPECT_EQ(doc.Unit(2).cap, "доллары");
    EXPECT_EQ(doc.Unit(3).cap, "евро ЕС");
    EXPECT_EQ(view.ieRows, (Texts{"рубли(р.)", "доллары($)", "евро ЕС(EUR)"}));
    EXPECT_FALSE(AddCurrencyUnit(doc, ui, view));  // a fourth: refused before asking

    // States are searched before clients; the unit stays while either uses it.
    Add(AppendState, {"Валюта"});
    doc.Sost(2).ienum = 2;
    Add(AppendClient, {"Smith"});
    doc.Client(1).ienum = 2;
    view.ieSel = 2;
    ui.messages.clear();
    EXPECT_FALSE(DeleteCurrencyUnit(doc, ui, view));
    doc.Sost(2).ienum = 1;
    EXPECT_FALSE(DeleteCurrencyUnit(doc, ui, view));
    doc.Client(1).ienum = 1;
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeleteCurrencyUnit(doc, ui, view));
    EXPECT_EQ(doc.Unit(2).cap, "доллары");
    EXPECT_EQ(ui.Texts(),
              (Texts{"Эта и.е. используется в состоянии Валюта\r\nИзмените и.е. в этом состоянии "
                     "и повторите попытку удаления.",
                     "Эта и.е. используется клиентом Smith\r\nИзмените и.е. клиента и повторите "
                     "попытку удаления.",
                     "Вы уверены, что хотите удалить Используемую денежную Единицу доллары?"}));
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(DeleteCurrencyUnit(doc, ui, view));
    EXPECT_TRUE(doc.Unit(2).cap.empty() && doc.Unit(2).short_.empty());
    EXPECT_EQ(view.ieRows, (Texts{"рубли(р.)", "евро ЕС(EUR)"}));
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowTest, OpeningNeedsASelectionAndSetsTheCurrentRecord) {
    Add(AppendState, {"Карта"});
    Add(AppendClient, {"Иванов", "Петров"});
    view.sostSel = view.clientSel = 0;
    EXPECT_FALSE(OpenState(doc, ui, view));
    EXPECT_FALSE(OpenClient(doc, ui, view));
    EXPECT_FALSE(ShowClientInfo(doc, ui, view));
    EXPECT_FALSE(ShowStateReport(doc, ui, view));
    EXPECT_EQ(ui.messages.size(), 4u);

    view.sostSel = view.clientSel = 2;
    ASSERT_TRUE(OpenState(doc, ui, view));
    EXPECT_EQ(doc.CurrentSost, 2);
    ASSERT_TRUE(OpenClient(doc, ui, view));
    EXPECT_EQ(doc.CurrentClient, 2);
    view.clientSel = 1;
    ASSERT_TRUE(ShowClientInfo(doc, ui, view));
    EXPECT_EQ(doc.CurrentClient, 1);
    EXPECT_FALSE(doc.Dirty);

    // While the month's reports are due the report is the previous month's.
    view.sostSel = 1;
    doc.Sost(1).oldbal[0] = "870\t30.09.2002";
    EXPECT_NE(ShowStateReport(doc, ui, view)->find("' за Октябрь 2002 года:"), std::string::npos);
    doc.ReportsReady = true;
    const auto previous = ShowStateReport(doc, ui, view);
    ASSERT_TRUE(previous);
    EXPECT_NE(previous->find("' за Сентябрь 2002 года:\r\nОтчет создан 05.10.2002"),
              std::string::npos);
    EXPECT_NE(previous->find("Последнее состояние баланса: 870р."), std::string::npos);
}

TEST_F(MainWindowTest, SaveAsOffersDataFilesInTheDataFilesFolder) {
    test::TempDir dir;
    doc.FilePath = dir / "home.kv7";
    ui.saveDialogResults.push_back("");
    EXPECT_FALSE(SaveAs(doc, ui, AppSettings{}));
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].title, "Сохранить как...");
    EXPECT_EQ(ui.fileDialogs[0].filter, "Kerva Zyl Files|*.kv7|Kerva 6 Files|*.kv6|Все файлы|*.*");
    EXPECT_EQ(ui.fileDialogs[0].folder, dir.Path());
}

}  // namespace
}  // namespace kz
