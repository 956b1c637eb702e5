// Run from an installed bin/ folder by the installation test: prints where
// the program keeps its files and which assets it finds, then opens the help
// as the help buttons do; a message the program would show is printed.
#include <QApplication>
#include <cstdio>

#include "core/Files.h"
#include "gui/App.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    kz::QtPlatform platform;
    platform.SetMessageHook([](const std::string& text, kz::Icon, kz::Buttons, const std::string&) {
        std::printf("message=%s\n", text.c_str());
        return kz::Answer::OK;
    });
    const std::string assets = platform.AssetFolder();
    std::printf("assets=%s\nprogram=%s\n", assets.c_str(), platform.ProgramFolder().c_str());
    for (const char* name : {"start.wav", "blikup.wav", "coins.wav", "Help/index.html"})
        std::printf("%s=%s\n", name, kz::FileExists(assets + name) ? "found" : "missing");
    kz::App app(platform, platform.ProgramFolder(), assets);
    app.ShowHelp();
    std::fflush(stdout);
    return 0;
}
