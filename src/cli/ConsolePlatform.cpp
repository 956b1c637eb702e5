#include "cli/ConsolePlatform.h"

#include <unistd.h>

#include <ctime>
#include <ostream>

#include "core/Files.h"

namespace kz::cli {

Answer ConsolePlatform::MessageBox(const std::string& text, Icon, Buttons buttons,
                                   const std::string&) {
    messages.push_back(text);
    std::string plain;
    plain.reserve(text.size());
    for (char c : text)
        if (c != '\r') plain += c;
    err_ << plain << "\n\n";
    err_.flush();
    switch (buttons) {
        case Buttons::OK:
            return Answer::OK;
        case Buttons::YesNo:
            return Answer::No;
        case Buttons::YesNoCancel:
        case Buttons::RetryCancel:
            return Answer::Cancel;
    }
    return Answer::OK;
}

DateTime ConsolePlatform::Now() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    DateTime now{{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}, tm.tm_hour, tm.tm_min, tm.tm_sec};
    if (today_) now.date = *today_;
    return now;
}

std::optional<Date> ConsolePlatform::FileModificationDate(const std::string& path) {
    return FileModificationDateOf(path);
}

bool ConsolePlatform::PrintPlainText(const std::string&, int, int& errorNumber,
                                     std::string& errorText) {
    errorNumber = 482;
    errorText = "Принтер недоступен в командной строке.";
    return false;
}

bool ConsolePlatform::PrintPicture(const Picture&, int& errorNumber, std::string& errorText) {
    return PrintPlainText({}, 0, errorNumber, errorText);
}

bool ConsolePlatform::StartCalculator(std::string& program, std::string& errorText) {
    program = "calculator";
    errorText = "Калькулятор недоступен в командной строке.";
    return false;
}

bool ConsolePlatform::OpenHelpPage(const std::string&, std::string& errorText) {
    errorText = "Браузер недоступен в командной строке.";
    return false;
}

std::string ConsolePlatform::ProgramFolder() {
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    return FolderOf(std::string(buf, static_cast<std::size_t>(n)));
}

std::string ConsolePlatform::AssetFolder() {
    return ProgramFolder();
}

}  // namespace kz::cli
