#pragma once

#include <gtest/gtest.h>

#include "core/Document.h"
#include "core/Settings.h"
#include "support/ScriptedPlatform.h"

namespace kz::test {

// A fresh document whose first state is open, and a platform whose today is fixed.
class StateTest : public ::testing::Test {
protected:
    StateTest() {
        FillNewDocumentDefaults(doc);
        doc.CurrentSost = 1;
        ui.SetToday(5, 10, 2002);
    }
    SostRecord& sost() { return doc.Sost(1); }

    // Exactly one message since the last call, with the application title.
    void ExpectOnly(const std::string& text, Icon icon, Buttons buttons = Buttons::OK) {
        ASSERT_EQ(ui.messages.size(), 1u) << text;
        EXPECT_EQ(ui.messages[0].text, text);
        EXPECT_EQ(ui.messages[0].icon, icon);
        EXPECT_EQ(ui.messages[0].buttons, buttons);
        EXPECT_EQ(ui.messages[0].title, kAppTitle);
        ui.messages.clear();
    }

    BudgetFile doc;
    ScriptedPlatform ui;
    AppSettings settings;
};

}  // namespace kz::test
