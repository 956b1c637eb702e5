#include <gtest/gtest.h>

#include "core/Text.h"
#include "support/ScriptedPlatform.h"
#include "windows/state/HistoryList.h"

namespace kz {
namespace {

using Row = std::vector<std::string>;

struct HistoryListTest : ::testing::Test {
    BudgetFile doc;
    SostRecord& s = doc.Sost(1);
    test::ScriptedPlatform ui;
    void SetUp() override { FillNewDocumentDefaults(doc); }
};

TEST_F(HistoryListTest, ListsShowNewestFirstAndDebtsTheAmountDueInColumnFive) {
    PushEntry(s.dohod, "1000\t01.03.2002\tЗарплата");
    PushEntry(s.dohod, "250,5\t01.03.2002\tПремия");
    const ListView incomes = OpenList(doc, ui, kListDohod);
    ASSERT_EQ(incomes.rows.size(), 100u);
    EXPECT_EQ(incomes.rows[1], (Row{"1", "250,5", "01.03.2002", "Премия"}));
    EXPECT_EQ(incomes.rows[2], (Row{"2", "1000", "01.03.2002", "Зарплата"}));

    // Lent 1000 at 3 % a month, no return date: 1030 after 30 days; a fixed
    // return sum typed with a comma.
    PushEntry(s.ondol, "1000\t01.03.2002\tИван\tремонт\t\t3\t");
    PushEntry(s.ondol, "500\t05.03.2002\tПетр\t\t1200,5\t\t10.04.2002");
    ui.SetToday(31, 3, 2002);
    const ListView on = OpenList(doc, ui, kListOnDol);
    ASSERT_EQ(on.rows.size(), 101u);
    EXPECT_EQ(on.rows[1], (Row{"1", "500", "05.03.2002", "Петр", "", "1200,5", "", "10.04.2002"}));
    EXPECT_EQ(on.rows[2], (Row{"2", "1000", "01.03.2002", "Иван", "ремонт", "1030", "3", ""}));
    EXPECT_EQ(GetField(s.ondol[1], '\t', 4), "");  // the stored entry keeps its return sum
}

TEST_F(HistoryListTest, StrikeOutRemovesTheChosenSlotAfterConfirmationOnly) {
    s.bal = 700;
    for (int i = 1; i <= kListSize; ++i)
        PushEntry(s.rashod,
                  std::to_string(i) + "\t0" + std::to_string(i % 9 + 1) + ".04.2003\tхлеб");
    PushEntry(s.ondol, "100\t01.04.2003\tИван\t\t100\t\t");
    // An empty current cell, the caption row or a debt list does nothing and asks nothing.
    EXPECT_FALSE(StrikeOutEntry(doc, ui, kListRashod, 3, ""));
    EXPECT_FALSE(StrikeOutEntry(doc, ui, kListRashod, 0, "Сумма"));
    EXPECT_FALSE(StrikeOutEntry(doc, ui, kListOnDol, 1, "1"));
    EXPECT_TRUE(ui.messages.empty());

    ui.Answer(Answer::No);
    EXPECT_FALSE(StrikeOutEntry(doc, ui, kListRashod, 3, "98"));
    EXPECT_FALSE(doc.Dirty);
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(StrikeOutEntry(doc, ui, kListRashod, 3, "98"));
    EXPECT_NE(ui.messages.back().text.find("\r\n98, 09.04.2003, хлеб\r\n"), std::string::npos);
    EXPECT_EQ(CountEntries(s.rashod), 99);
    EXPECT_EQ(s.rashod[2], "97\t08.04.2003\tхлеб");
    EXPECT_EQ(s.rashod[98], "1\t02.04.2003\tхлеб");
    EXPECT_EQ(s.rashod[99], "");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(s.bal, 700);
    EXPECT_EQ(CountEntries(s.ondol), 1);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
