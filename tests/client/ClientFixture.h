#pragma once

#include "core/Document.h"
#include "support/ScriptedPlatform.h"

namespace kz::test {

// One client, "Иванов", in roubles, opened as the current one.
inline BudgetFile DocWithClient() {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    doc.clientkol = 1;
    doc.Client(1).clientname = "Иванов";
    doc.CurrentClient = 1;
    return doc;
}

}  // namespace kz::test
