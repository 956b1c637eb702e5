#pragma once

#include <string>
#include <vector>

#include "support/ScriptedPlatform.h"

namespace kz::test {

// The scripted platform, also keeping what the progress window and the file
// dialog were shown.
class LoginPlatform : public ScriptedPlatform {
public:
    struct Dialog {
        std::string title, filter, proposed, folder;
    };
    std::vector<std::string> progressMessages;
    std::vector<Dialog> dialogs;

    void ShowProgress(const std::string& message) override {
        progressMessages.push_back(message);
        ScriptedPlatform::ShowProgress(message);
    }
    std::string OpenFileDialog(const std::string& title, const std::string& filter,
                               const std::string& proposed, const std::string& folder) override {
        dialogs.push_back({title, filter, proposed, folder});
        return ScriptedPlatform::OpenFileDialog(title, filter, proposed, folder);
    }
};

}  // namespace kz::test
