#include <gtest/gtest.h>

#include "support/ScriptedPlatform.h"
#include "tools/Notepad.h"

namespace kz {
namespace {

TEST(Notepad, OpeningKeepsTheDirtyFlagAndTypingSetsIt) {
    BudgetFile doc;
    test::ScriptedPlatform ui;
    doc.notes = "Купить хлеб\r\nПозвонить {маме}";
    std::string box;
    // Filling the box is a change, as in the window.
    auto fill = [&](const std::string& t) { NoteEdited(doc, ui, box = t); };
    OpenNotes(doc, fill);
    EXPECT_EQ(box, "Купить хлеб\nПозвонить {маме}");
    EXPECT_FALSE(doc.Dirty);
    doc.Dirty = true;
    OpenNotes(doc, fill);
    EXPECT_TRUE(doc.Dirty);

    doc.Dirty = false;
    NoteEdited(doc, ui, box + " [a]");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(doc.notes, "Купить хлеб\r\nПозвонить {маме} {a]");
}

TEST(Notepad, StoredTextHasBracesAndCrLf) {
    BudgetFile doc;
    StoreNotes(doc, "[a]\n[Sost1]\rb\r\n");
    EXPECT_EQ(doc.notes, "{a]\r\n{Sost1]\r\nb\r\n");
    EXPECT_EQ(NotesForEditor(doc.notes), "{a]\n{Sost1]\nb\n");
    EXPECT_EQ(AppendDateTime("", {{2002, 10, 5}, 9, 7, 3}), "\r\n05.10.2002 09:07:03");
}

TEST(Notepad, ClearAndPrintAskFirst) {
    test::ScriptedPlatform ui;
    ui.Answer(Answer::No);
    EXPECT_FALSE(ConfirmClearNotes(ui));
    EXPECT_EQ(ui.messages.back().text, "Вы уверены, что хотите очистить весь текст?");

    EXPECT_FALSE(PrintNotes(ui, ""));  // nothing asked, nothing printed
    EXPECT_EQ(ui.messages.size(), 1u);
    ui.Answer(Answer::No);
    EXPECT_FALSE(PrintNotes(ui, "[1]\nдва"));
    EXPECT_TRUE(ui.printed.empty());
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(PrintNotes(ui, "[1]\nдва"));
    EXPECT_EQ(ui.messages.back().text, "Вы уверены, что хотите распечатать текст Записной книжки?");
    // The printer gets the text as typed, brackets and all.
    EXPECT_EQ(ui.printed, std::vector<std::string>{"[1]\r\nдва"});
}

}  // namespace
}  // namespace kz
