// Run from an installed bin/ folder by the installation test: prints where
// the program keeps its files and which assets it finds.
#include <QApplication>
#include <cstdio>

#include "core/Files.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    kz::QtPlatform platform;
    const std::string assets = platform.AssetFolder();
    std::printf("assets=%s\nprogram=%s\n", assets.c_str(), platform.ProgramFolder().c_str());
    for (const char* name : {"start.wav", "blikup.wav", "coins.wav", "Help/index.html"})
        std::printf("%s=%s\n", name, kz::FileExists(assets + name) ? "found" : "missing");
    return 0;
}
