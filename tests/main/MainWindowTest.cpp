#include <gtest/gtest.h>

#include "core/SaveCommands.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/main/MainWindow.h"

namespace kz {
namespace {

using Texts = std::vector<std::string>;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        FillNewDocumentDefaults(doc);
        ui.SetToday(5, 10, 2002);
        doc.LastDate = ui.Today();
    }
    void Add(bool (*append)(BudgetFile&, const std::string&),
             std::initializer_list<const char*> names) {
        for (const char* n : names) append(doc, n);
        view = RefreshMainWindow(doc, ui);
    }

    BudgetFile doc;
    test::ScriptedPlatform ui;
    MainView view;
};

TEST_F(MainWindowTest, NewStatesAndClientsUpToTheLimitsAndEmptyAnswersChangeNothing) {
    // State, client, a unit without a short sign, user name.
    for (const char* answer : {"", "", "евро", "", ""}) ui.Input(answer);
    EXPECT_FALSE(AddState(doc, ui, view) || AddClient(doc, ui, view) ||
                 AddCurrencyUnit(doc, ui, view) || RenameUser(doc, ui, view));
    EXPECT_EQ(doc.sostkol + doc.clientkol, 1);
    EXPECT_TRUE(doc.Unit(3).cap.empty());
    EXPECT_FALSE(doc.Dirty);

    Add(AppendState, {"2", "3", "4", "5", "6", "7", "8", "9"});
    // A used slot behind the count must not leak into the new state.
    doc.Sosts[9].bal = 77;
    doc.Sosts[9].dohod[0] = "77\t01.01.2002\tстарое";
    doc.Unit(1) = {"", ""};  // a new state still gets unit 1
    ui.Input("Касса");
    ASSERT_TRUE(AddState(doc, ui, view));
    const SostRecord& s = doc.Sost(10);
    EXPECT_EQ(s.sostname + "|" + std::to_string(s.ienum) + "|" + s.dohod[0], "Касса|1|");
    EXPECT_EQ(s.bal, 0);
    EXPECT_TRUE(view.sostRows.size() == 10u && doc.Dirty);
    while (doc.clientkol < 20) AppendClient(doc, "x");
    // Refused before anything is asked (nothing is scripted).
    EXPECT_FALSE(AddState(doc, ui, view));
    EXPECT_FALSE(AddClient(doc, ui, view));
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(doc.sostkol + doc.clientkol, 30);
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowTest, DeletingMovesLaterStatesAndClientsUpWithAllTheirData) {
    Add(AppendState, {"Карта", "Сейф"});
    doc.Sost(3).bal = 300;
    doc.Sost(3).ienum = 2;
    doc.Sost(3).vydol[99] = "v99";
    Add(AppendClient, {"Иванов", "Петров", "Сидоров"});
    ClientRecord& petrov = doc.Client(2);
    petrov.ienum = 3;
    petrov.reput = 2;
    petrov.clinfo = "инфо";
    petrov.clvydolok[99] = "последний";

    view.sostSel = view.clientSel = 0;
    EXPECT_FALSE(DeleteState(doc, ui, view) || DeleteClient(doc, ui, view));
    view.sostSel = 2;
    view.clientSel = 1;
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeleteState(doc, ui, view));
    EXPECT_FALSE(doc.Dirty);
    ui.Answer(Answer::Yes);
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(DeleteState(doc, ui, view));
    ASSERT_TRUE(DeleteClient(doc, ui, view));
    EXPECT_TRUE(ui.Texts().back().ends_with("клиенту\r\nИванов\r\nбудут удалены. Удалить?"));

    const SostRecord& s = doc.Sost(2);
    EXPECT_EQ(s.sostname + "|" + std::to_string(s.ienum) + "|" + s.vydol[99], "Сейф|2|v99");
    EXPECT_EQ(s.bal, 300);
    const ClientRecord& c = doc.Client(1);
    EXPECT_EQ(c.clientname + "|" + std::to_string(c.ienum) + "|" + std::to_string(c.reput) + "|" +
                  c.clinfo + "|" + c.clvydolok[99],
              "Петров|3|2|инфо|последний");
    // The freed last slots are empty.
    EXPECT_EQ(doc.sostkol + doc.clientkol, 4);
    EXPECT_EQ(doc.Sost(3).sostname + doc.Client(3).clientname + doc.Client(3).clvydolok[99], "");
    EXPECT_EQ(view.sostRows, (Texts{"Личные деньги", "Сейф"}));
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowTest, UnitRowsMapToTheirSlotsAndAUnitInUseStays) {
    doc.Unit(2) = {"", ""};
    doc.Unit(3) = {"евро", "€"};
    Add(AppendState, {"Валюта"});
    view.ieSel = 2;
    for (const char* answer : {"евро ЕС", "EUR", "доллары", "$"}) ui.Input(answer);
    ASSERT_TRUE(ChangeCurrencyUnit(doc, ui, view));
    ASSERT_TRUE(AddCurrencyUnit(doc, ui, view));
    EXPECT_EQ(view.ieRows, (Texts{"рубли(р.)", "доллары($)", "евро ЕС(EUR)"}));
    EXPECT_FALSE(AddCurrencyUnit(doc, ui, view));  // a fourth: refused before asking

    // States are searched before clients; the unit stays while either uses it.
    doc.Sost(2).ienum = 2;
    Add(AppendClient, {"Smith"});
    doc.Client(1).ienum = 2;
    view.ieSel = 2;
    EXPECT_FALSE(DeleteCurrencyUnit(doc, ui, view));
    EXPECT_NE(ui.Texts().back().find("в состоянии Валюта"), std::string::npos);
    doc.Sost(2).ienum = 1;
    EXPECT_FALSE(DeleteCurrencyUnit(doc, ui, view));
    EXPECT_NE(ui.Texts().back().find("клиентом Smith"), std::string::npos);
    doc.Client(1).ienum = 1;
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeleteCurrencyUnit(doc, ui, view));
    EXPECT_EQ(doc.Unit(2).cap, "доллары");
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(DeleteCurrencyUnit(doc, ui, view));
    EXPECT_EQ(doc.Unit(2).cap + doc.Unit(2).short_, "");
    EXPECT_EQ(view.ieRows, (Texts{"рубли(р.)", "евро ЕС(EUR)"}));
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowTest, OpeningNeedsASelectionAndTheReportIsThePreviousMonthsWhileDue) {
    Add(AppendState, {"Карта"});
    Add(AppendClient, {"Иванов", "Петров"});
    view.sostSel = view.clientSel = 0;
    EXPECT_FALSE(OpenState(doc, ui, view) || OpenClient(doc, ui, view) ||
                 ShowClientInfo(doc, ui, view) || ShowStateReport(doc, ui, view));
    view.sostSel = view.clientSel = 2;
    ASSERT_TRUE(OpenState(doc, ui, view) && OpenClient(doc, ui, view));
    EXPECT_EQ(doc.CurrentSost + doc.CurrentClient, 4);
    view.clientSel = 1;
    ASSERT_TRUE(ShowClientInfo(doc, ui, view));
    EXPECT_EQ(doc.CurrentClient, 1);
    EXPECT_FALSE(doc.Dirty);

    view.sostSel = 1;
    doc.Sost(1).oldbal[0] = "870\t30.09.2002";
    EXPECT_NE(ShowStateReport(doc, ui, view)->find("' за Октябрь 2002 года:"), std::string::npos);
    doc.ReportsReady = true;
    EXPECT_NE(ShowStateReport(doc, ui, view)->find("' за Сентябрь 2002 года:"), std::string::npos);
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
