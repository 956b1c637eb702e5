#include <gtest/gtest.h>

#include "support/ScriptedPlatform.h"
#include "tools/Notepad.h"

namespace kz {
namespace {

TEST(Notepad, OpeningKeepsTheDirtyFlagAndTypedBracketsAreStoredAsBraces) {
    BudgetFile doc;
    test::ScriptedPlatform ui;
    doc.notes = "Купить хлеб\r\nПозвонить {маме}";
    std::string box;
    // Filling the box is a change, as in the window.
    auto fill = [&](const std::string& t) { NoteEdited(doc, ui, box = t); };
    for (bool dirty : {false, true}) {
        doc.Dirty = dirty;
        OpenNotes(doc, fill);
        EXPECT_EQ(doc.Dirty, dirty);
    }
    EXPECT_EQ(box, "Купить хлеб\nПозвонить {маме}");

    doc.Dirty = false;
    NoteEdited(doc, ui, "[a]\n[Sost1]\rb\r\n");
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(doc.notes, "{a]\r\n{Sost1]\r\nb\r\n");
    EXPECT_EQ(AppendDateTime("", {{2002, 10, 5}, 9, 7, 3}), "\r\n05.10.2002 09:07:03");
}

}  // namespace
}  // namespace kz
