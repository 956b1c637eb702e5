#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace kz::cli {

// The platform of the command-line tool: messages go to standard error, one
// group of lines each; questions are answered No (or Cancel), which changes
// nothing; there is no progress window, sound or printer.
class ConsolePlatform : public Platform {
public:
    explicit ConsolePlatform(std::ostream& err) : err_(err) {}

    // Sets the date the whole run sees.
    void SetToday(const Date& d) { today_ = d; }
    // Every message shown in this run, in order.
    std::vector<std::string> messages;

    Answer MessageBox(const std::string& text, Icon icon = Icon::None,
                      Buttons buttons = Buttons::OK,
                      const std::string& title = kDefaultTitle) override;
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string OpenFileDialog(const std::string&, const std::string&, const std::string&,
                               const std::string&) override {
        return {};
    }
    std::string SaveFileDialog(const std::string&, const std::string&, const std::string&,
                               const std::string&) override {
        return {};
    }
    void ShowProgress(const std::string&) override {}
    int SetProgress(long long value, long long max) override {
        return max > 0 ? static_cast<int>(value * 100 / max) : 0;
    }
    void HideProgress() override {}
    void SetBusy(bool) override {}
    DateTime Now() override;
    std::optional<Date> FileModificationDate(const std::string& path) override;
    void PlaySound(const std::string&) override {}
    bool PrintPlainText(const std::string&, int, int& errorNumber, std::string& errorText) override;
    bool PrintPicture(const Picture&, int& errorNumber, std::string& errorText) override;
    void SetClipboardText(const std::string&) override {}
    bool StartCalculator(std::string& program, std::string& errorText) override;
    bool OpenHelpPage(const std::string&, std::string& errorText) override;
    bool AnotherInstanceRunning() override { return false; }
    ScreenSize Screen() override { return {}; }
    std::string ProgramFolder() override;
    std::string AssetFolder() override;
    std::string FolderDialog(const std::string&, const std::string&) override { return {}; }

private:
    std::ostream& err_;
    std::optional<Date> today_;
};

}  // namespace kz::cli
