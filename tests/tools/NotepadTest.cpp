#include <gtest/gtest.h>

#include "support/ScriptedPlatform.h"
#include "tools/Notepad.h"

namespace kz {
namespace {

// A stand-in for the text box: filling it is a change, as in the window.
struct Editor {
    BudgetFile& doc;
    std::string text;
    void Set(const std::string& t) {
        text = t;
        NoteEdited(doc, text);
    }
};

TEST(Notepad, OpeningLeavesACleanDocumentCleanAndADirtyOneDirty) {
    BudgetFile doc;
    doc.notes = "Купить хлеб\r\nПозвонить {маме}";
    Editor box{doc, {}};
    OpenNotes(doc, [&](const std::string& t) { box.Set(t); });
    EXPECT_EQ(box.text, "Купить хлеб\nПозвонить {маме}");
    EXPECT_FALSE(doc.Dirty);
    StoreNotes(doc, box.text);
    EXPECT_EQ(doc.notes, "Купить хлеб\r\nПозвонить {маме}");
    EXPECT_FALSE(doc.Dirty);

    doc.Dirty = true;
    OpenNotes(doc, [&](const std::string& t) { box.Set(t); });
    EXPECT_TRUE(doc.Dirty);

    // Typing after the opening marks the document.
    doc.Dirty = false;
    box.Set(box.text + "!");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(doc.notes, "Купить хлеб\r\nПозвонить {маме}!");
}

TEST(Notepad, BracketsBecomeBracesWhenStoredAndStayBraces) {
    BudgetFile doc;
    StoreNotes(doc, "[a]\n[Sost1]");
    EXPECT_EQ(doc.notes, "{a]\r\n{Sost1]");
    EXPECT_EQ(NotesForEditor(doc.notes), "{a]\n{Sost1]");
    // Line breaks of any kind come back as CR LF.
    EXPECT_EQ(NotesFromEditor("a\r\nb\rc\n"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(NotesForEditor("a\r\nb\rc"), "a\nb\nc");
}

TEST(Notepad, DateAndTimeGoOnANewLine) {
    DateTime now{{2002, 10, 5}, 9, 7, 3};
    EXPECT_EQ(DateTimeStamp(now), "05.10.2002 09:07:03");
    EXPECT_EQ(AppendDateTime("", now), "\r\n05.10.2002 09:07:03");
    EXPECT_EQ(AppendDateTime("Заметка", now), "Заметка\r\n05.10.2002 09:07:03");
}

TEST(Notepad, ClearAndPrintAskFirst) {
    test::ScriptedPlatform ui;
    ui.Answer(Answer::No);
    EXPECT_FALSE(ConfirmClearNotes(ui));
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(ConfirmClearNotes(ui));
    EXPECT_EQ(ui.messages.back().text, "Вы уверены, что хотите очистить весь текст?");
    EXPECT_EQ(ui.messages.back().icon, Icon::Question);

    EXPECT_FALSE(PrintNotes(ui, ""));  // nothing asked, nothing printed
    EXPECT_EQ(ui.messages.size(), 2u);
    ui.Answer(Answer::No);
    EXPECT_FALSE(PrintNotes(ui, "[1]\nдва"));
    EXPECT_TRUE(ui.printed.empty());
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(PrintNotes(ui, "[1]\nдва"));
    EXPECT_EQ(ui.messages.back().text, "Вы уверены, что хотите распечатать текст Записной книжки?");
    // The printer gets the text as typed, brackets and all.
    ASSERT_EQ(ui.printed.size(), 1u);
    EXPECT_EQ(ui.printed[0], "[1]\r\nдва");
}

}  // namespace
}  // namespace kz
