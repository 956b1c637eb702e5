// Installs the program into a temporary prefix and runs it from there, the
// way a packaged installation runs: from a folder the user cannot write to.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <regex>

#include "core/DataFile.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

#ifdef KZ_ASSET_PROBE

std::string Quote(const std::string& s) {
    return "'" + std::regex_replace(s, std::regex("'"), "'\\''") + "'";
}

int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Every file below `root` with its size, modification time and mode.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        struct stat st {};
        lstat(e.path().c_str(), &st);
        files[e.path().string()] =
            std::to_string(st.st_size) + "/" + std::to_string(st.st_mtim.tv_sec) + "." +
            std::to_string(st.st_mtim.tv_nsec) + "/" + std::to_string(st.st_mode);
    }
    return files;
}

TEST(Installation, InstalledProgramFindsItsAssetsAndWritesOnlyToTheUserDataFolder) {
    test::TempDir dir;
    const fs::path prefix = fs::path(dir.Path()) / "prefix";
    const fs::path assets = prefix / "share/kervazyl";
    ASSERT_EQ(Shell(Quote(KZ_CMAKE_COMMAND) + " --install " + Quote(KZ_BUILD_DIR) + " --prefix " +
                    Quote(prefix) + " >" + Quote(dir / "install.log") + " 2>&1"),
              0)
        << test::ReadBytes(dir / "install.log");

    if (Shell("command -v xvfb-run >/dev/null") != 0) GTEST_SKIP() << "no xvfb-run";
    ASSERT_EQ(Shell("command -v xwininfo >/dev/null"), 0) << "xwininfo (x11-utils) is needed";
    // As root the program runs as "nobody", for whom the prefix is read-only
    // as it is for any user of a packaged installation.
    const bool root = geteuid() == 0;
    const uid_t user = root ? 65534 : geteuid();
    const gid_t group = root ? 65534 : getegid();
    chmod(dir.Path().c_str(), 0755);
    std::string script;
    for (const char* sub : {"home", "runtime", "data", "config", "cache", "fakebin"}) {
        fs::create_directory(dir / sub);
        ASSERT_EQ(chown((dir / sub).c_str(), user, group), 0) << sub;
    }
    chmod((dir / "runtime").c_str(), 0700);
    for (const auto& [var, sub] : std::map<std::string, std::string>{{"HOME", "home"},
                                                                     {"XDG_RUNTIME_DIR", "runtime"},
                                                                     {"XDG_DATA_HOME", "data"},
                                                                     {"XDG_CONFIG_HOME", "config"},
                                                                     {"XDG_CACHE_HOME", "cache"},
                                                                     {"PATH", "fakebin"}})
        script += "export " + var + "=" + Quote(dir / sub) + (var == "PATH" ? ":$PATH\n" : "\n");

    // A browser stand-in records the page the help asks for.
    const std::string opened = dir / "home/opened.txt";
    test::WriteBytes(dir / "fakebin/xdg-open",
                     "#!/bin/sh\nprintf '%s\\n' \"$@\" >>" + Quote(opened));
    chmod((dir / "fakebin/xdg-open").c_str(), 0755);

    // A data file of today, so that opening it announces no month-end.
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    test::ScriptedPlatform ui;
    ui.SetToday(local->tm_mday, local->tm_mon + 1, local->tm_year + 1900);
    BudgetFile doc;
    AppSettings settings;
    const std::string file = dir / "home/home.kv7";
    ASSERT_TRUE(NewDocument(doc, ui, settings, file, {}));
    ASSERT_EQ(chown(file.c_str(), user, group), 0);

    // The probe sees what the program sees only from the program's folder.
    const fs::path probe = prefix / "bin/kz_asset_probe";
    fs::copy_file(KZ_ASSET_PROBE, probe);
    if (!root) {
        ASSERT_EQ(Shell("chmod -R a-w " + Quote(prefix)), 0);
    }
    const auto before = Snapshot(prefix);
    // The probe, then the program until its window shows (FOUND) or it ends.
    script += "export QT_QPA_PLATFORM=xcb\n" + Quote(probe) + " >" + Quote(dir / "home/probe.out") +
              " 2>&1\nfor i in $(seq 40); do [ -s " + Quote(opened) +
              " ] && break; sleep 0.25; done\n" + Quote(prefix / "bin/kervazyl") + " --open " +
              Quote(file) +
              " &\nfor i in $(seq 120); do\n"
              "  xwininfo -root -tree | grep -qF '\"Brisklane Kerva Zyl - home.kv7\"' && "
              "{ echo FOUND; break; }\n  kill -0 $! 2>/dev/null || { echo ENDED; break; }\n"
              "  sleep 0.5\ndone\nkill $! 2>/dev/null; wait $!\nexit 0\n";
    test::WriteBytes(dir / "run.sh", script);
    const std::string asUser =
        root
            ? "setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=" + Quote(dir / "home") +
                  " "
            : "";
    // -noreset: the display outlives the probe; displays from :170 on, away
    // from the other display tests.
    EXPECT_EQ(Shell(asUser + "timeout 150 xvfb-run -a -n 170 -s '-noreset -screen 0 1024x768x24' " +
                    "bash " + Quote(dir / "run.sh") + " >" + Quote(dir / "run.log") + " 2>&1"),
              0)
        << test::ReadBytes(dir / "run.log");

    // Assets from <prefix>/share/kervazyl, the user's data folder as the
    // writable program folder, the help opened without a message.
    const std::string report = test::ReadBytes(dir / "home/probe.out");
    const std::string canonicalAssets = fs::canonical(assets).string() + "/";
    EXPECT_NE(report.find("assets=" + canonicalAssets + "\n"), std::string::npos) << report;
    EXPECT_NE(report.find("program=" + (dir / "data/kervazyl/") + "\n"), std::string::npos);
    for (const char* name : {"start.wav", "blikup.wav", "coins.wav", "Help/index.html"})
        EXPECT_NE(report.find(std::string(name) + "=found"), std::string::npos) << report;
    EXPECT_EQ(report.find("message="), std::string::npos) << report;
    EXPECT_NE(test::ReadBytes(opened).find("file://" + canonicalAssets + "Help/index.html"),
              std::string::npos);
    // The real program opened the file and kept its settings and data folder
    // in the user's data folder, leaving the installation as it was.
    EXPECT_NE(test::ReadBytes(dir / "run.log").find("FOUND"), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(dir / "data/kervazyl/kervazyl.ini"));
    EXPECT_TRUE(fs::is_directory(dir / "data/kervazyl/Kerva Files"));
    EXPECT_EQ(Snapshot(prefix), before) << "the program wrote into the installation";
}

#endif

}  // namespace
}  // namespace kz
