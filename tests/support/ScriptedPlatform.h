#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace kz::test {

// A platform for tests: records every message box and answers questions and
// input boxes from queues. A question nobody scripted fails the test.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        std::string text;
        Icon icon;
        Buttons buttons;
        std::string title;
    };
    // What an open, save or folder dialog was given.
    struct FileDialog {
        std::string title, filter, proposedName, folder;
    };

    // Scripting
    void Answer(kz::Answer a) { answers.push_back(a); }
    void Input(std::string text) { inputs.push_back(std::move(text)); }
    void SetToday(int day, int month, int year) { now.date = Date{year, month, day}; }
    void SetModificationDate(const std::string& path, Date d) { modDates[path] = d; }

    // What happened
    std::vector<Message> messages;
    std::vector<std::string> prompts, proposals;  // of input boxes
    std::vector<std::string> sounds;
    std::vector<std::string> printed;
    std::vector<FileDialog> fileDialogs;
    std::string clipboard;
    int progressShown = 0;
    int progressHidden = 0;

    std::vector<std::string> Texts() const;
    void ExpectAllAnswered() const;  // fails when scripted answers or inputs remain

    // Results of the remaining operations, set by tests that need them.
    std::deque<kz::Answer> answers;
    std::deque<std::string> inputs;
    std::deque<std::string> openDialogResults;
    std::deque<std::string> saveDialogResults;
    std::deque<bool> printResults;  // texts and pictures; empty: printing succeeds
    bool anotherInstance = false;
    DateTime now{{2026, 12, 5}, 12, 0, 0};
    std::map<std::string, Date> modDates;
    std::string programFolder = "/tmp/kz-test/";
    std::string assetFolder = "/tmp/kz-test/";
    ScreenSize screen{};

    kz::Answer MessageBox(const std::string& text, Icon icon = Icon::None,
                          Buttons buttons = Buttons::OK,
                          const std::string& title = kDefaultTitle) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override;
    std::string OpenFileDialog(const std::string& title, const std::string& filter,
                               const std::string& proposedName,
                               const std::string& initialFolder) override;
    std::string SaveFileDialog(const std::string& title, const std::string& filter,
                               const std::string& proposedName,
                               const std::string& initialFolder) override;
    void ShowProgress(const std::string&) override { ++progressShown; }
    int SetProgress(long long value, long long max) override {
        return max > 0 ? static_cast<int>(value * 100 / max) : 0;
    }
    void HideProgress() override { ++progressHidden; }
    void SetBusy(bool) override {}
    DateTime Now() override { return now; }
    std::optional<Date> FileModificationDate(const std::string& path) override;
    void PlaySound(const std::string& fileName) override { sounds.push_back(fileName); }
    bool PrintPlainText(const std::string& text, int pointSize, int& errorNumber,
                        std::string& errorText) override;
    bool PrintPicture(const Picture& picture, int& errorNumber, std::string& errorText) override;
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    bool StartCalculator(std::string&, std::string&) override { return true; }
    bool OpenHelpPage(const std::string&, std::string&) override { return true; }
    bool AnotherInstanceRunning() override { return anotherInstance; }
    ScreenSize Screen() override { return screen; }
    std::string ProgramFolder() override { return programFolder; }
    std::string AssetFolder() override { return assetFolder; }
    std::deque<std::string> folderDialogResults;
    std::string FolderDialog(const std::string& title, const std::string& initialFolder) override;
};

}  // namespace kz::test
