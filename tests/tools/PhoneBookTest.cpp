#include <gtest/gtest.h>

#include "support/ScriptedPlatform.h"
#include "tools/PhoneBook.h"

namespace kz {
namespace {

using Cells = std::vector<std::string>;

// Also records the proposed text of every input box.
class PhonePlatform : public test::ScriptedPlatform {
public:
    Cells proposed;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposal) override {
        proposed.push_back(proposal);
        return ScriptedPlatform::InputBox(prompt, title, proposal);
    }
};

BudgetFile WithPhones(std::initializer_list<const char*> entries) {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    std::size_t i = 0;
    for (const char* e : entries) doc.phones[i++] = e;
    return doc;
}

Cells Row(const PhoneView& view, int r) {
    return view.rows.at(static_cast<std::size_t>(r));
}

TEST(PhoneBook, GridAndAddWithTrimmingIntoTheFirstFreeSlot) {
    BudgetFile doc = WithPhones({"Сидоров\t555-55-55", "   ", "Аптека\t22-33-44"});
    doc.phones[69] = "Из файла\t70-70";  // slots past 50 are shown, though never saved
    EXPECT_EQ(PhoneTableText(doc),
              "\tИмя\tТелефон\r\n1\tСидоров\t555-55-55\r\n3\tАптека\t22-33-44\r\n"
              "70\tИз файла\t70-70\r\n");

    PhonePlatform ui;
    PhoneView view;
    ui.Input("  Петров Иван ");
    ui.Input(" 8 (812) 123-45-67  ");
    ASSERT_TRUE(AddPhone(doc, ui, view));
    EXPECT_EQ(doc.phones[1], "Петров Иван\t8 (812) 123-45-67");  // blanks only: a free slot
    EXPECT_TRUE(doc.Dirty);
    ASSERT_EQ(view.rows.size(), 101u);
    EXPECT_EQ(Row(view, 0), (Cells{"", "Имя", "Телефон"}));
    EXPECT_EQ(Row(view, 2), (Cells{"2", "Петров Иван", "8 (812) 123-45-67"}));
    EXPECT_EQ(Row(view, 4), (Cells{"70", "Из файла", "70-70"}));
    EXPECT_EQ(ui.proposed, (Cells{"Сидоров", "555-55-55"}));
}

TEST(PhoneBook, CancelledInputAndAFullBookChangeNothing) {
    BudgetFile doc = WithPhones({"Сидоров\t555-55-55"});
    PhonePlatform ui;
    PhoneView view;
    for (const char* first : {"", "   ", "Ωмега"}) {  // cancelled, blank, not writable
        ui.Input(first);
        EXPECT_FALSE(AddPhone(doc, ui, view));
    }
    ui.Input("Петров");
    ui.Input("");
    EXPECT_FALSE(AddPhone(doc, ui, view));
    view.row = 1;
    ui.Input("Сидоров П.");
    ui.Input("");
    EXPECT_FALSE(ChangePhone(doc, ui, view));

    EXPECT_EQ(doc.phones[0], "Сидоров\t555-55-55");
    EXPECT_EQ(doc.phones[1], "");
    EXPECT_FALSE(doc.Dirty);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Ω"), std::string::npos);
    ui.ExpectAllAnswered();

    // Fifty entries: refused before any input box (none is scripted).
    for (std::size_t i = 0; i < 50; ++i) doc.phones[i] = "N\t" + std::to_string(i);
    EXPECT_FALSE(AddPhone(doc, ui, view));
    EXPECT_EQ(ui.messages.back().text,
              "В телефонную книжку можно добавить только MaxSize номеров.");
    EXPECT_FALSE(doc.Dirty);
}

TEST(PhoneBook, ChangeProposesTheOldPartsAndStoresTheTrimmedNewOnes) {
    BudgetFile doc = WithPhones({"Сидоров\t555-55-55", "Аптека\t22-33-44"});
    PhonePlatform ui;
    PhoneView view;
    LoadPhones(doc, view);

    EXPECT_FALSE(ChangePhone(doc, ui, view));  // nothing selected
    view.row = 5;
    EXPECT_FALSE(ChangePhone(doc, ui, view));  // an empty slot
    EXPECT_EQ(ui.Texts(), (Cells{"Сначала выберите запись!", "Вы выбрали пустой элемент!"}));

    view.row = 2;
    ui.Input(" Аптека №5 ");
    ui.Input("22-33-45 ");
    ASSERT_TRUE(ChangePhone(doc, ui, view));
    EXPECT_EQ(ui.proposed, (Cells{"Аптека", "22-33-44"}));
    EXPECT_EQ(doc.phones[1], "Аптека №5\t22-33-45");
    EXPECT_EQ(Row(view, 2), (Cells{"2", "Аптека №5", "22-33-45"}));
    EXPECT_TRUE(doc.Dirty);
}

TEST(PhoneBook, DeleteMovesLaterEntriesUpAndClearEmptiesEverySlot) {
    BudgetFile doc = WithPhones({"А\t1", "Б\t2", "В\t3", "Г\t4", "Д\t5"});
    doc.phones[80] = "Из файла\t81";
    PhonePlatform ui;
    PhoneView view;
    LoadPhones(doc, view);
    view.row = 3;
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeletePhone(doc, ui, view));
    EXPECT_EQ(ui.messages.back().text, "Вы действительно хотите удалить запись:\r\n\r\nВ?");
    EXPECT_FALSE(doc.Dirty);

    ui.Answer(Answer::Yes);
    ASSERT_TRUE(DeletePhone(doc, ui, view));
    EXPECT_EQ(doc.phones[2], "Г\t4");
    EXPECT_EQ(doc.phones[3], "Д\t5");
    EXPECT_EQ(doc.phones[4], "");
    EXPECT_EQ(Row(view, 3), (Cells{"3", "Г", "4"}));
    EXPECT_TRUE(doc.Dirty);

    ui.Answer(Answer::Yes);
    ASSERT_TRUE(ClearPhones(doc, ui, view));
    for (const std::string& p : doc.phones) EXPECT_EQ(p, "");
    EXPECT_EQ(Row(view, 1), (Cells{"", "", ""}));
}

TEST(PhoneBook, CopyPutsTheCellAndItsRightNeighbourOnTheClipboard) {
    BudgetFile doc = WithPhones({"Сидоров\t555-55-55", "Аптека\t22-33-44"});
    PhonePlatform ui;
    PhoneView view;
    LoadPhones(doc, view);
    view.row = 7;  // an empty row
    EXPECT_FALSE(CopyPhone(ui, view));
    EXPECT_TRUE(ui.messages.empty());

    view.row = 2;
    ASSERT_TRUE(CopyPhone(ui, view));
    EXPECT_EQ(ui.messages.back().text, "Скопировано:\r\n\r\nАптека : 22-33-44");
    view.col = 2;  // nothing right of the phone: name and phone as well
    ASSERT_TRUE(CopyPhone(ui, view));
    EXPECT_EQ(ui.clipboard, "Аптека : 22-33-44");
    view.col = 0;
    ASSERT_TRUE(CopyPhone(ui, view));
    EXPECT_EQ(ui.clipboard, "2 : Аптека");
}

}  // namespace
}  // namespace kz
