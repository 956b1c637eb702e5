#include <gtest/gtest.h>

#include "core/DataFile.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "tools/PhoneBook.h"

namespace kz {
namespace {

// Records what every input box proposed, besides the prompts.
class PhonePlatform : public test::ScriptedPlatform {
public:
    std::vector<std::pair<std::string, std::string>> asked;  // title, proposed
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override {
        asked.emplace_back(title, proposed);
        return ScriptedPlatform::InputBox(prompt, title, proposed);
    }
};

BudgetFile WithPhones(std::initializer_list<const char*> entries) {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    std::size_t i = 0;
    for (const char* e : entries) doc.phones[i++] = e;
    return doc;
}

std::vector<std::string> Row(const PhoneView& view, int r) {
    return view.rows.at(static_cast<std::size_t>(r));
}

using Cells = std::vector<std::string>;

TEST(PhoneBook, GridShowsEveryUsedSlotUnderTheHeading) {
    BudgetFile doc = WithPhones({"Сидоров\t555-55-55", "Аптека\t22-33-44"});
    doc.phones[69] = "Из файла\t70-70";  // slots past 50 are shown, though never saved
    EXPECT_EQ(PhoneTableText(doc),
              "\tИмя\tТелефон\r\n1\tСидоров\t555-55-55\r\n2\tАптека\t22-33-44\r\n"
              "70\tИз файла\t70-70\r\n");
    PhoneView view;
    LoadPhones(doc, view);
    ASSERT_EQ(view.rows.size(), 101u);
    EXPECT_EQ(Row(view, 0), (Cells{"", "Имя", "Телефон"}));
    EXPECT_EQ(Row(view, 2), (Cells{"2", "Аптека", "22-33-44"}));
    EXPECT_EQ(Row(view, 3), (Cells{"70", "Из файла", "70-70"}));
    EXPECT_EQ(Row(view, 100), (Cells{"", "", ""}));
}

TEST(PhoneBook, AddTrimsAndFillsTheFirstFreeSlot) {
    BudgetFile doc = WithPhones({"Сидоров\t555-55-55", "   ", "Аптека\t22-33-44"});
    PhonePlatform ui;
    PhoneView view;
    ui.Input("  Петров Иван ");
    ui.Input(" 8 (812) 123-45-67  ");
    ASSERT_TRUE(AddPhone(doc, ui, view));
    // A slot holding only blanks is free.
    EXPECT_EQ(doc.phones[1], "Петров Иван\t8 (812) 123-45-67");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(Row(view, 2), (Cells{"2", "Петров Иван", "8 (812) 123-45-67"}));
    EXPECT_EQ(ui.prompts,
              (std::vector<std::string>{"Введите имя человека (название организации и т.д.).",
                                        "Введите телефон (человека, организации и т.д.):"}));
    const std::string title = "Добавление в Телефонную книжку";
    EXPECT_EQ(ui.asked, (std::vector<std::pair<std::string, std::string>>{{title, "Сидоров"},
                                                                          {title, "555-55-55"}}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(PhoneBook, CancelledOrRefusedInputChangesNothing) {
    BudgetFile doc = WithPhones({"Сидоров\t555-55-55"});
    PhonePlatform ui;
    PhoneView view;
    ui.Input("");  // name box cancelled
    EXPECT_FALSE(AddPhone(doc, ui, view));
    ui.Input("Петров");
    ui.Input("");  // phone box cancelled
    EXPECT_FALSE(AddPhone(doc, ui, view));
    ui.Input("   ");  // only blanks: nothing would be left to store
    EXPECT_FALSE(AddPhone(doc, ui, view));
    ui.Input("Ωмега");  // the data file cannot hold the Greek letter
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
}

TEST(PhoneBook, FiftyEntriesRefuseBeforeAnyQuestion) {
    BudgetFile doc = WithPhones({});
    for (int i = 0; i < 50; ++i)
        doc.phones[static_cast<std::size_t>(i)] = "N\t" + std::to_string(i);
    PhonePlatform ui;
    PhoneView view;
    EXPECT_FALSE(AddPhone(doc, ui, view));  // no input scripted: asking would fail the test
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "В телефонную книжку можно добавить только MaxSize номеров.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Information);
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(doc.phones[50], "");

    // With one of the fifty freed, the gap is filled.
    doc.phones[20].clear();
    ui.Input("Новый");
    ui.Input("1");
    ASSERT_TRUE(AddPhone(doc, ui, view));
    EXPECT_EQ(doc.phones[20], "Новый\t1");
}

TEST(PhoneBook, ChangeProposesTheOldPartsAndSurvivesSaveAndReopen) {
    test::TempDir dir;
    BudgetFile doc = WithPhones({"Сидоров\t555-55-55", "Аптека\t22-33-44"});
    doc.FilePath = dir / "home.kv7";
    PhonePlatform ui;
    PhoneView view;
    LoadPhones(doc, view);

    EXPECT_FALSE(ChangePhone(doc, ui, view));  // nothing selected
    view.row = 5;
    EXPECT_FALSE(ChangePhone(doc, ui, view));  // an empty slot
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Сначала выберите запись!");
    EXPECT_EQ(ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(ui.messages[1].text, "Вы выбрали пустой элемент!");
    EXPECT_EQ(ui.messages[1].icon, Icon::None);

    view.row = 2;
    ui.Input(" Аптека №5 ");
    ui.Input("22-33-45 ");
    ASSERT_TRUE(ChangePhone(doc, ui, view));
    const std::string title = "Изменение записи Телефонной книжки";
    EXPECT_EQ(ui.asked, (std::vector<std::pair<std::string, std::string>>{{title, "Аптека"},
                                                                          {title, "22-33-44"}}));
    EXPECT_EQ(Row(view, 2), (Cells{"2", "Аптека №5", "22-33-45"}));
    EXPECT_TRUE(doc.Dirty);

    AppSettings settings;
    settings.BackUp = false;
    ASSERT_TRUE(WriteDataFile(doc, ui, settings));
    BudgetFile back;
    ASSERT_TRUE(ReadDataFile(back, ui, doc.FilePath, "", nullptr));
    EXPECT_EQ(back.phones[0], "Сидоров\t555-55-55");
    EXPECT_EQ(back.phones[1], "Аптека №5\t22-33-45");
}

TEST(PhoneBook, DeleteMovesLaterEntriesUp) {
    BudgetFile doc = WithPhones({"А\t1", "Б\t2", "В\t3", "Г\t4", "Д\t5"});
    PhonePlatform ui;
    PhoneView view;
    LoadPhones(doc, view);
    EXPECT_FALSE(DeletePhone(doc, ui, view));
    EXPECT_EQ(ui.messages.back().icon, Icon::Exclamation);

    view.row = 3;
    view.col = 1;
    ui.Answer(Answer::No);
    EXPECT_FALSE(DeletePhone(doc, ui, view));
    EXPECT_EQ(ui.messages.back().text, "Вы действительно хотите удалить запись:\r\n\r\nВ?");
    EXPECT_EQ(ui.messages.back().icon, Icon::Question);
    EXPECT_EQ(doc.phones[2], "В\t3");
    EXPECT_FALSE(doc.Dirty);

    ui.Answer(Answer::Yes);
    ASSERT_TRUE(DeletePhone(doc, ui, view));
    EXPECT_EQ(doc.phones[2], "Г\t4");
    EXPECT_EQ(doc.phones[3], "Д\t5");
    EXPECT_EQ(doc.phones[4], "");
    EXPECT_EQ(Row(view, 3), (Cells{"3", "Г", "4"}));
    EXPECT_EQ(Row(view, 4), (Cells{"4", "Д", "5"}));
    EXPECT_EQ(Row(view, 5), (Cells{"", "", ""}));
    EXPECT_TRUE(doc.Dirty);
}

TEST(PhoneBook, ClearEmptiesAllHundredSlotsOnYesOnly) {
    BudgetFile doc = WithPhones({"А\t1", "Б\t2"});
    doc.phones[80] = "Из файла\t81";
    PhonePlatform ui;
    PhoneView view;
    LoadPhones(doc, view);
    ui.Answer(Answer::No);
    EXPECT_FALSE(ClearPhones(doc, ui, view));
    EXPECT_EQ(doc.phones[0], "А\t1");
    EXPECT_FALSE(doc.Dirty);

    ui.Answer(Answer::Yes);
    ASSERT_TRUE(ClearPhones(doc, ui, view));
    EXPECT_EQ(ui.messages.back().text, "Вы уверены, что хотите очистить всю Телефонную книжку?");
    for (const std::string& p : doc.phones) EXPECT_EQ(p, "");
    EXPECT_EQ(Row(view, 1), (Cells{"", "", ""}));
    EXPECT_TRUE(doc.Dirty);
}

TEST(PhoneBook, CopyPutsTheCellAndItsRightNeighbourOnTheClipboard) {
    BudgetFile doc = WithPhones({"Сидоров\t555-55-55", "Аптека\t22-33-44"});
    PhonePlatform ui;
    PhoneView view;
    LoadPhones(doc, view);

    view.row = 0;
    EXPECT_FALSE(CopyPhone(ui, view));
    view.row = 7;  // an empty row
    EXPECT_FALSE(CopyPhone(ui, view));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.clipboard, "");

    view.row = 2;
    view.col = 1;
    ASSERT_TRUE(CopyPhone(ui, view));
    EXPECT_EQ(ui.clipboard, "Аптека : 22-33-44");
    EXPECT_EQ(ui.messages.back().text, "Скопировано:\r\n\r\nАптека : 22-33-44");
    EXPECT_EQ(ui.messages.back().icon, Icon::None);
    view.col = 2;  // nothing right of the phone: name and phone as well
    ASSERT_TRUE(CopyPhone(ui, view));
    EXPECT_EQ(ui.clipboard, "Аптека : 22-33-44");
    view.col = 0;
    ASSERT_TRUE(CopyPhone(ui, view));
    EXPECT_EQ(ui.clipboard, "2 : Аптека");
    EXPECT_FALSE(doc.Dirty);
}

}  // namespace
}  // namespace kz
