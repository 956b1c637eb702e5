#pragma once

#include <string>
#include <vector>

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

// Also keeps the titles and proposed answers of input boxes.
struct InputRecordingPlatform : ScriptedPlatform {
    std::vector<std::string> inputTitles, proposals;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override {
        inputTitles.push_back(title);
        proposals.push_back(proposed);
        return ScriptedPlatform::InputBox(prompt, title, proposed);
    }
};

}  // namespace kz::test
