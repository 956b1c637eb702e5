#pragma once

#include <string>

#include "core/Document.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz::test {

// A new document whose file lies in a temporary folder, opened on `today`.
struct OpenDocument {
    TempDir dir;
    BudgetFile doc;
    ScriptedPlatform ui;

    OpenDocument(int day, int month, int year) {
        FillNewDocumentDefaults(doc);
        doc.FilePath = dir / "домашний.kv7";
        ui.SetToday(day, month, year);
        doc.LastDate = ui.Today();
    }
    std::string ReportPath(const std::string& date) const {
        return dir / ("домашний-report-" + date + ".txt");
    }
};

}  // namespace kz::test
