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

    BudgetFile doc;
    ScriptedPlatform ui;
    AppSettings settings;
};

}  // namespace kz::test
