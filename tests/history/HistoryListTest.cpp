#include <gtest/gtest.h>

#include "core/Text.h"
#include "support/ScriptedPlatform.h"
#include "windows/state/HistoryList.h"

namespace kz {
namespace {

// A new document whose first state holds three incomes, newest first.
BudgetFile SmallDocument() {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    SostRecord& s = doc.Sost(1);
    s.bal = 1500.5;
    PushEntry(s.dohod, "1000\t01.03.2002\tЗарплата");
    PushEntry(s.dohod, "250,5\t01.03.2002\tПремия");
    PushEntry(s.dohod, "300\t02.03.2002\t");
    return doc;
}

TEST(ListTable, IncomeListInFull) {
    BudgetFile doc = SmallDocument();
    const ListLayout l = ListWindowLayout(doc, kListDohod);
    EXPECT_EQ(l.windowName, "Старые доходы состояния Личные деньги");
    EXPECT_FALSE(l.debtActions);
    EXPECT_EQ(ListTableText(l.captions, doc.Sost(1).dohod),
              "\tСумма\tДата\tПовод\r\n"
              "1\t300\t02.03.2002\t\r\n"
              "2\t250,5\t01.03.2002\tПремия\r\n"
              "3\t1000\t01.03.2002\tЗарплата\r\n");

    test::ScriptedPlatform ui;
    const ListView v = OpenList(doc, ui, kListDohod);
    EXPECT_EQ(ui.progressShown, 1);
    EXPECT_EQ(ui.progressHidden, 1);
    ASSERT_EQ(v.rows.size(), 100u);
    const std::vector<std::string> row2{"2", "250,5", "01.03.2002", "Премия"};
    EXPECT_EQ(v.rows[2], row2);
    EXPECT_EQ(v.rows[99], std::vector<std::string>(4));
}

TEST(ListTable, DebtListsShowTheAmountDueInColumnFive) {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    SostRecord& s = doc.Sost(1);
    s.bal = 8970;
    // Lent 1000 on 01.03.2002 at 3 % a month, no return date: 1030 after 30 days.
    PushEntry(s.ondol, "1000\t01.03.2002\tИван\tремонт\t\t3\t");
    // A fixed return sum typed with a comma.
    PushEntry(s.ondol, "500\t05.03.2002\tПетр\t\t1200,5\t\t10.04.2002");
    test::ScriptedPlatform ui;
    ui.SetToday(31, 3, 2002);

    const ListView on = OpenList(doc, ui, kListOnDol);
    EXPECT_TRUE(on.layout.debtActions);
    EXPECT_EQ(on.layout.windowInfo,
              "Текущий баланс: 8970р.. Столбец Сумма-Возврата автоматически вычисляется исходя "
              "из даты займа, текущей даты, исходной суммы и количества процентов.");
    ASSERT_EQ(on.rows.size(), 101u);
    const std::vector<std::string> row1{"1", "500",    "05.03.2002", "Петр",
                                        "",  "1200,5", "",           "10.04.2002"};
    const std::vector<std::string> row2{"2",      "1000", "01.03.2002", "Иван",
                                        "ремонт", "1030", "3",          ""};
    EXPECT_EQ(on.rows[1], row1);
    EXPECT_EQ(on.rows[2], row2);
    EXPECT_EQ(on.rows[3][5], "");
    // The stored entry keeps its typed return sum.
    EXPECT_EQ(GetField(s.ondol[1], '\t', 4), "");

    EXPECT_EQ(OpenList(doc, ui, kListVyDol).rows.size(), 100u);
}

TEST(FillGrid, RowsAndCellsFromTableText) {
    // "|" splits a cell, extra cells are dropped, short rows are padded, and
    // the final row mark adds an empty row.
    const GridRows rows = FillGrid("\tA\tB\r\n1\tx|y\r\n2\tp\tq\tr\r\n3\r\n", 6, 2);
    const GridRows expected{{"", "A", "B"}, {"1", "x", "y"}, {"2", "p", "q"},
                            {"3", "", ""},  {"", "", ""},    {"", "", ""}};
    EXPECT_EQ(rows, expected);
    // Without the final row mark the last line is a row of its own too.
    EXPECT_EQ(FillGrid("\tA\r\n1\tz", 2, 1), (GridRows{{"", "A"}, {"1", "z"}}));
}

TEST(FillGrid, CutToTheRowCountAndProgressPerCharacter) {
    EntryList list;
    for (int i = 0; i < kListSize; ++i) PushEntry(list, std::to_string(i) + "\t01.01.2003");
    const std::string table = ListTableText({"Сумма", "Дата"}, list);

    test::ScriptedPlatform ui;
    const GridRows hundred = FillGrid(table, 100, 2, &ui);
    // The caption row takes one of the 100 rows: slot 100 does not fit.
    ASSERT_EQ(hundred.size(), 100u);
    EXPECT_EQ(hundred[99][0], "99");
    const GridRows more = FillGrid(table, 101, 2);
    EXPECT_EQ(more[100][0], "100");
    EXPECT_EQ(more[100][1], "0");

    // A CR LF pair is one character of the scan; Cyrillic letters count once.
    ASSERT_FALSE(ui.progress.empty());
    const long long chars = static_cast<long long>(CharCount(table)) - 101;
    EXPECT_EQ(ui.progress.size(), static_cast<std::size_t>(chars));
    EXPECT_EQ(ui.progress.back(), std::make_pair(chars, chars));
    EXPECT_EQ(ui.progress.front(), std::make_pair(1LL, chars));
}

TEST(StrikeOut, RemovesTheChosenSlotAfterConfirmation) {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    SostRecord& s = doc.Sost(1);
    s.bal = 700;
    for (int i = 5; i >= 1; --i)
        PushEntry(s.rashod, std::to_string(i * 10) + "\t0" + std::to_string(i) + ".04.2003\tхлеб");
    PushEntry(s.oldbal, "900\t01.04.2003");

    test::ScriptedPlatform ui;
    // An empty current cell or the caption row does nothing and asks nothing.
    EXPECT_FALSE(StrikeOutEntry(doc, ui, kListRashod, 3, ""));
    EXPECT_FALSE(StrikeOutEntry(doc, ui, kListRashod, 0, "Сумма"));
    EXPECT_FALSE(StrikeOutEntry(doc, ui, kListRashod, 6, "6"));  // free slot
    EXPECT_TRUE(ui.messages.empty());

    ui.Answer(Answer::No);
    EXPECT_FALSE(StrikeOutEntry(doc, ui, kListRashod, 3, "30"));
    EXPECT_EQ(CountEntries(s.rashod), 5);
    EXPECT_FALSE(doc.Dirty);

    ui.Answer(Answer::Yes);
    EXPECT_TRUE(StrikeOutEntry(doc, ui, kListRashod, 3, "30"));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text,
              "Выбранная запись:\r\n\r\n30, 03.04.2003, хлеб\r\n\r\n"
              "Вы ДЕЙСТВИТЕЛЬНО хотите вычеркнуть эту запись?");
    EXPECT_EQ(CountEntries(s.rashod), 4);
    EXPECT_EQ(s.rashod[2], "40\t04.04.2003\tхлеб");
    EXPECT_EQ(s.rashod[3], "50\t05.04.2003\tхлеб");
    EXPECT_EQ(s.rashod[4], "");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(s.bal, 700);
    EXPECT_EQ(CountEntries(s.oldbal), 1);

    // Debts are not struck out here.
    PushEntry(s.ondol, "100\t01.04.2003\tИван\t\t100\t\t");
    EXPECT_FALSE(StrikeOutEntry(doc, ui, kListOnDol, 1, "1"));
    EXPECT_EQ(CountEntries(s.ondol), 1);
    ui.ExpectAllAnswered();
}

TEST(StrikeOut, OnlyEntryAndFullList) {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    SostRecord& s = doc.Sost(1);
    PushEntry(s.oldbal, "900\t01.04.2003");
    for (int i = 1; i <= kListSize; ++i) PushEntry(s.dohod, std::to_string(i) + "\t01.04.2003\t");
    test::ScriptedPlatform ui;
    ui.Answer(Answer::Yes);
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(StrikeOutEntry(doc, ui, kListOldBal, 1, "900"));
    EXPECT_EQ(CountEntries(s.oldbal), 0);
    EXPECT_TRUE(StrikeOutEntry(doc, ui, kListDohod, 1, "1"));
    EXPECT_EQ(CountEntries(s.dohod), 99);
    EXPECT_EQ(s.dohod[0], "99\t01.04.2003\t");
    EXPECT_EQ(s.dohod[98], "1\t01.04.2003\t");
    EXPECT_EQ(s.dohod[99], "");
}

TEST(StrikeOut, GridRowGoesAndTheGridKeepsItsRows) {
    EntryList list;
    for (int i = 1; i <= 5; ++i) PushEntry(list, std::to_string(i) + "\t01.04.2003");
    GridRows rows = FillGrid(ListTableText({"Сумма", "Дата"}, list), 100, 2);
    RemoveGridRow(rows, 3, 100);
    ASSERT_EQ(rows.size(), 100u);
    // Slot numbers are not renumbered until the list is opened again.
    EXPECT_EQ(rows[2][0], "2");
    EXPECT_EQ(rows[3][0], "4");
    EXPECT_EQ(rows[4][0], "5");
    EXPECT_EQ(rows[5][0], "");
}

}  // namespace
}  // namespace kz
