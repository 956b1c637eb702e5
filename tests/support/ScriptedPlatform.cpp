#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include "core/Files.h"

namespace kz::test {

std::vector<std::string> ScriptedPlatform::Texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
}

void ScriptedPlatform::ExpectAllAnswered() const {
    EXPECT_TRUE(answers.empty()) << answers.size() << " scripted answers were not used";
    EXPECT_TRUE(inputs.empty()) << inputs.size() << " scripted inputs were not used";
}

kz::Answer ScriptedPlatform::MessageBox(const std::string& text, Icon icon, Buttons buttons,
                                        const std::string& title) {
    messages.push_back({text, icon, buttons, title});
    if (buttons == Buttons::OK) return kz::Answer::OK;
    if (answers.empty()) {
        ADD_FAILURE() << "Unscripted question: " << text;
        return buttons == Buttons::RetryCancel || buttons == Buttons::YesNoCancel
                   ? kz::Answer::Cancel
                   : kz::Answer::No;
    }
    kz::Answer a = answers.front();
    answers.pop_front();
    return a;
}

namespace {

// The next scripted answer of an input box or dialog; one nobody scripted fails the test.
std::string Next(std::deque<std::string>& results, const std::string& what) {
    if (results.empty()) {
        ADD_FAILURE() << "Unscripted " << what;
        return {};
    }
    std::string s = results.front();
    results.pop_front();
    return s;
}

// The next scripted result of a print job; a failure fills the error.
bool NextPrint(std::deque<bool>& results, int& errorNumber, std::string& errorText) {
    bool ok = true;
    if (!results.empty()) {
        ok = results.front();
        results.pop_front();
    }
    if (!ok) {
        errorNumber = 482;
        errorText = "Ошибка принтера.";
    }
    return ok;
}

}  // namespace

std::string ScriptedPlatform::InputBox(const std::string& prompt, const std::string&,
                                       const std::string& proposed) {
    prompts.push_back(prompt);
    proposals.push_back(proposed);
    return Next(inputs, "input box: " + prompt);
}

std::string ScriptedPlatform::OpenFileDialog(const std::string& title, const std::string& filter,
                                             const std::string& proposedName,
                                             const std::string& initialFolder) {
    fileDialogs.push_back({title, filter, proposedName, initialFolder});
    return Next(openDialogResults, "open dialog");
}

std::string ScriptedPlatform::SaveFileDialog(const std::string& title, const std::string& filter,
                                             const std::string& proposedName,
                                             const std::string& initialFolder) {
    fileDialogs.push_back({title, filter, proposedName, initialFolder});
    return Next(saveDialogResults, "save dialog");
}

std::string ScriptedPlatform::FolderDialog(const std::string& title,
                                           const std::string& initialFolder) {
    fileDialogs.push_back({title, {}, {}, initialFolder});
    return Next(folderDialogResults, "folder dialog");
}

std::optional<Date> ScriptedPlatform::FileModificationDate(const std::string& path) {
    auto it = modDates.find(path);
    if (it != modDates.end()) return it->second;
    return FileModificationDateOf(path);
}

bool ScriptedPlatform::PrintPlainText(const std::string& text, int, int& errorNumber,
                                      std::string& errorText) {
    if (!NextPrint(printResults, errorNumber, errorText)) return false;
    printed.push_back(text);
    return true;
}

bool ScriptedPlatform::PrintPicture(const Picture&, int& errorNumber, std::string& errorText) {
    return NextPrint(printResults, errorNumber, errorText);
}

}  // namespace kz::test
