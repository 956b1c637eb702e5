#include <gtest/gtest.h>

#include "support/ScriptedPlatform.h"
#include "tools/PhoneBook.h"

namespace kz {
namespace {

using Cells = std::vector<std::string>;

struct PhoneBookTest : ::testing::Test {
    BudgetFile doc;
    test::ScriptedPlatform ui;
    PhoneView view;
    void SetUp() override {
        FillNewDocumentDefaults(doc);
        doc.phones[0] = "Сидоров\t555-55-55";
        doc.phones[2] = "Аптека\t22-33-44";
        LoadPhones(doc, view);
    }
    Cells Row(int r) const { return view.rows.at(static_cast<std::size_t>(r)); }
};

TEST_F(PhoneBookTest, AddTrimsIntoTheFirstFreeSlotUpToTheFiftiethThenRefuses) {
    doc.phones[1] = "   ";               // blanks only: a free slot
    doc.phones[69] = "Из файла\t70-70";  // past 50: shown, never filled
    ui.Input("  Петров\tИван ");         // a pasted tab must not split the entry
    ui.Input(" 8 (812) 123-45-67  ");
    ASSERT_TRUE(AddPhone(doc, ui, view));
    EXPECT_EQ(doc.phones[1], "Петров Иван\t8 (812) 123-45-67");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(Row(2), (Cells{"2", "Петров Иван", "8 (812) 123-45-67"}));
    EXPECT_EQ(Row(4), (Cells{"70", "Из файла", "70-70"}));

    for (std::size_t i = 0; i < 49; ++i) doc.phones[i] = "N\t" + std::to_string(i);
    ui.Input("Последний");
    ui.Input("50");
    ASSERT_TRUE(AddPhone(doc, ui, view));
    EXPECT_EQ(doc.phones[49], "Последний\t50");
    EXPECT_EQ(doc.phones[50], "");
    // Full: refused before any input box (none is scripted).
    EXPECT_FALSE(AddPhone(doc, ui, view));
    EXPECT_EQ(ui.Texts(), Cells{"В телефонную книжку можно добавить только MaxSize номеров."});
}

TEST_F(PhoneBookTest, ChangeStoresTheTrimmedPartsAndCancelsChangeNothing) {
    EXPECT_FALSE(ChangePhone(doc, ui, view));  // nothing selected
    view.row = 5;
    EXPECT_FALSE(ChangePhone(doc, ui, view));  // an empty slot
    view.row = 1;
    // Cancelled, blank, then a name but no number.
    for (const char* answer : {"", "   ", "Сидоров П.", ""}) ui.Input(answer);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(ChangePhone(doc, ui, view));
    EXPECT_EQ(doc.phones[0], "Сидоров\t555-55-55");
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(ui.messages.size(), 2u);

    ui.Input(" Сидоров\tП. ");
    ui.Input("555-55-56 ");
    ASSERT_TRUE(ChangePhone(doc, ui, view));
    EXPECT_EQ(doc.phones[0], "Сидоров П.\t555-55-56");
    EXPECT_EQ(Row(1), (Cells{"1", "Сидоров П.", "555-55-56"}));
    EXPECT_TRUE(doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(PhoneBookTest, DeleteMovesLaterEntriesUpAndCopyTakesTheCellAndItsNeighbour) {
    view.row = 1;
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeletePhone(doc, ui, view));
    EXPECT_FALSE(doc.Dirty);
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(DeletePhone(doc, ui, view));
    EXPECT_EQ(doc.phones[0], "");
    EXPECT_EQ(doc.phones[1], "Аптека\t22-33-44");
    EXPECT_EQ(Row(1), (Cells{"2", "Аптека", "22-33-44"}));

    view.row = 7;  // an empty row
    EXPECT_FALSE(CopyPhone(ui, view));
    view.row = 1;
    for (const auto& [col, copied] : {std::pair{0, "2 : Аптека"}, std::pair{1, "Аптека : 22-33-44"},
                                      std::pair{2, "Аптека : 22-33-44"}}) {
        view.col = col;
        ASSERT_TRUE(CopyPhone(ui, view));
        EXPECT_EQ(ui.clipboard, copied) << col;
    }
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(ClearPhones(doc, ui, view));
    for (const std::string& p : doc.phones) EXPECT_EQ(p, "");
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
