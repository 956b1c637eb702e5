#include <gtest/gtest.h>

#include "ClientFixture.h"
#include "windows/client/ClientInfo.h"
#include "windows/client/ClientWindow.h"

namespace kz {
namespace {

TEST(ClientDetails, ReputationFromMinusThreeToThreeRoundedHalfToEven) {
    test::ScriptedPlatform ui;
    // The stored reputation after the answer, starting from 1; -99 when refused.
    const std::pair<const char*, int> cases[] = {
        {"3", 3},    {"-3", -3},  {"2,5", 2},   {"3,4", 3},     {"2.5", 2}, {"1.5", 2},
        {"-0.5", 0}, {"2abc", 2}, {"3.4", -99}, {"-3.01", -99}, {"", -99}};
    for (const auto& [answer, expected] : cases) {
        BudgetFile doc = test::DocWithClient();
        doc.Client(1).reput = 1;
        ui.Input(answer);
        const bool stored = ChangeReputation(doc, ui);
        EXPECT_EQ(stored, doc.Dirty) << answer;
        EXPECT_EQ(stored ? doc.Client(1).reput : -99, expected) << answer;
    }
    EXPECT_EQ(ui.Texts(),
              (std::vector<std::string>{"Нужно ввести число от -3 до 3. Вы ввели 3.4",
                                        "Нужно ввести число от -3 до 3. Вы ввели -3.01"}));
}

TEST(ClientDetails, NameAndNote) {
    BudgetFile doc = test::DocWithClient();
    doc.clientkol = 2;
    doc.Client(2).clientname = "Петров";
    doc.CurrentClient = 2;
    test::ScriptedPlatform ui;
    ui.Input("");
    EXPECT_FALSE(RenameClient(doc, ui));
    EXPECT_FALSE(doc.Dirty);
    ui.Input("Иванов");  // the first client's name: allowed
    EXPECT_TRUE(RenameClient(doc, ui));
    EXPECT_EQ(ClientWindowView(doc, 2).name, "Иванов");
    EXPECT_TRUE(doc.Dirty);

    // Opening the note from the client window keeps a clean document clean;
    // from the main window a non-empty note marks it.
    doc.Dirty = false;
    doc.Client(2).clinfo = "Надежный\r\nплатит в срок";
    EXPECT_EQ(ShowInfo(doc, InfoOpener::ClientWindow), "Надежный\r\nплатит в срок");
    EXPECT_FALSE(doc.Dirty);
    ShowInfo(doc, InfoOpener::MainWindow);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_TRUE(SaveInfo(doc, ui, "[client1]\r\nтел. [дом]"));
    EXPECT_EQ(doc.Client(2).clinfo, "{client1]\r\nтел. {дом]");
}

}  // namespace
}  // namespace kz
