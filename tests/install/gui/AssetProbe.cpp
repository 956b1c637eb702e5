// Run from an installed bin/ folder by the installation test. Prints where
// the program started from this folder keeps its files and which assets it
// finds there, then opens the help exactly as the help buttons do; any
// message the program would show is printed instead of shown.
#include <QApplication>
#include <cstdio>
#include <string>

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
    const std::string program = platform.ProgramFolder();
    std::printf("assets=%s\nprogram=%s\n", assets.c_str(), program.c_str());
    for (const char* name : {"start.wav", "blikup.wav", "coins.wav", "Help/index.html"})
        std::printf("%s=%s\n", name, kz::FileExists(assets + name) ? "found" : "missing");

    kz::App app(platform, program, assets);
    app.ShowHelp();
    std::printf("help=done\n");
    std::fflush(stdout);
    return 0;
}
