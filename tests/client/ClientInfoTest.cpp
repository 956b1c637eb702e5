#include <gtest/gtest.h>

#include "ClientFixture.h"
#include "windows/client/ClientInfo.h"
#include "windows/client/ClientWindow.h"
#include "windows/client/PaymentEntry.h"

namespace kz {
namespace {

using test::DocWithClient;
using test::InputRecordingPlatform;

TEST(ClientReputation, AcceptsMinusThreeToThreeRoundedHalfToEven) {
    struct Case {
        const char* answer;
        int stored;
    };
    const Case accepted[] = {{"3", 3},   {"-3", -3},  {"2,5", 2},  {"2.5", 2},
                             {"1.5", 2}, {"-0.5", 0}, {"2abc", 2}, {" -2.7", -3}};
    for (const Case& c : accepted) {
        BudgetFile doc = DocWithClient();
        doc.Client(1).reput = 1;
        InputRecordingPlatform ui;
        ui.Input(c.answer);
        EXPECT_TRUE(ChangeReputation(doc, ui)) << c.answer;
        EXPECT_EQ(doc.Client(1).reput, c.stored) << c.answer;
        EXPECT_TRUE(doc.Dirty);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(ui.prompts[0], "Введите уровень доверенности к клиенту (от -3 до 3)");
        EXPECT_EQ(ui.inputTitles[0], "Изменение сведений о клиенте");
        EXPECT_EQ(ui.proposals[0], "1");
    }

    for (const char* refused : {"3.4", "-3.01", "4", "100000"}) {
        BudgetFile doc = DocWithClient();
        doc.Client(1).reput = -1;
        InputRecordingPlatform ui;
        ui.Input(refused);
        EXPECT_FALSE(ChangeReputation(doc, ui)) << refused;
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text,
                  std::string("Нужно ввести число от -3 до 3. Вы ввели ") + refused);
        EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
        EXPECT_EQ(doc.Client(1).reput, -1);
        EXPECT_FALSE(doc.Dirty);
    }

    BudgetFile doc = DocWithClient();
    InputRecordingPlatform ui;
    ui.Input("");
    EXPECT_FALSE(ChangeReputation(doc, ui));
    EXPECT_FALSE(doc.Dirty);
}

TEST(ClientName, EmptyAnswerKeepsTheNameAndDuplicatesAreAllowed) {
    BudgetFile doc = DocWithClient();
    doc.clientkol = 2;
    doc.Client(2).clientname = "Петров";
    doc.CurrentClient = 2;
    InputRecordingPlatform ui;

    ui.Input("");
    EXPECT_FALSE(RenameClient(doc, ui));
    EXPECT_EQ(doc.Client(2).clientname, "Петров");
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(ui.prompts[0], "Введите новое имя клиента:");
    EXPECT_EQ(ui.inputTitles[0], "Изменения сведений о клиенте");
    EXPECT_EQ(ui.proposals[0], "Петров");

    ui.Input("Иванов");
    EXPECT_TRUE(RenameClient(doc, ui));
    EXPECT_EQ(doc.Client(2).clientname, "Иванов");
    EXPECT_EQ(doc.Client(1).clientname, "Иванов");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(ClientWindowView(doc, 2).name, "Иванов");
}

TEST(ClientInfo, OpeningKeepsAClientWindowDocumentCleanAndSavingEscapesBrackets) {
    BudgetFile doc = DocWithClient();
    doc.Client(1).clinfo = "Надежный\r\nплатит в срок";

    EXPECT_EQ(ShowInfo(doc, InfoOpener::ClientWindow), "Надежный\r\nплатит в срок");
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(ShowInfo(doc, InfoOpener::MainWindow), "Надежный\r\nплатит в срок");
    EXPECT_TRUE(doc.Dirty);

    // An empty note leaves the box as it was, so nothing is marked.
    doc.Dirty = false;
    doc.Client(1).clinfo.clear();
    EXPECT_EQ(ShowInfo(doc, InfoOpener::MainWindow), "");
    EXPECT_FALSE(doc.Dirty);

    SaveInfo(doc, "[client1]\r\nтел. [дом]");
    EXPECT_EQ(doc.Client(1).clinfo, "{client1]\r\nтел. {дом]");
    EXPECT_TRUE(doc.Dirty);
}

TEST(ClientUnit, ChangingTheUnitConvertsNothing) {
    BudgetFile doc = DocWithClient();
    PushEntry(doc.Client(1).clondolkm, "1500\t20.05.2002\tРабота");
    test::ScriptedPlatform ui;

    ui.Answer(Answer::No);
    EXPECT_FALSE(ConfirmClientUnitChange(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Предупреждение");
    EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text.rfind("Изменять и.е. не рекомендуется, т.к. суммы платежей "
                                        "автоматически не конвертируются из прежней и.е. в "
                                        "новую.\r\n\r\n",
                                        0),
              0u);
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(ConfirmClientUnitChange(ui));

    SetClientUnit(doc, 2);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(doc.Client(1).clondolkm[0], "1500\t20.05.2002\tРабота");
    EXPECT_EQ(ClientWindowView(doc, 1).unit, "доллары($)");
    ui.SetToday(15, 3, 2002);
    EXPECT_EQ(InitPaymentEntry(doc, ui, PaymentMode::Add, Side::OwedToYou, 0).sumLabel, "Сумма,$:");
}

}  // namespace
}  // namespace kz
