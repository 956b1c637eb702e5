// Installs the program into a temporary prefix and runs it from there, the
// way a packaged installation runs: from a folder the user cannot write to.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

#include "core/DataFile.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

#ifdef KZ_ASSET_PROBE

int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs with $T the test's folder, which holds the user's folders: the probe
// reports, then the program runs until its window shows (FOUND) or it ends.
const char* const kRun = R"(export HOME=$T/home XDG_RUNTIME_DIR=$T/runtime XDG_DATA_HOME=$T/data
export XDG_CONFIG_HOME=$T/config XDG_CACHE_HOME=$T/cache QT_QPA_PLATFORM=xcb
"$T/prefix/bin/kz_asset_probe" >"$HOME/probe.out" 2>&1
"$T/prefix/bin/kervazyl" --open "$HOME/home.kv7" &
for i in $(seq 120); do
  xwininfo -root -tree | grep -qF '"Brisklane Kerva Zyl - home.kv7"' && { echo FOUND; break; }
  kill -0 $! 2>/dev/null || { echo ENDED; break; }
  sleep 0.5
done
kill $! 2>/dev/null; wait $!; exit 0
)";

TEST(Installation, InstalledProgramFindsItsAssetsAndWritesOnlyToTheUserDataFolder) {
    test::TempDir dir;  // a path of letters, digits and dashes: no quoting needed
    const std::string T = dir.Path();
    ASSERT_EQ(Shell(std::string(KZ_CMAKE_COMMAND) + " --install " + KZ_BUILD_DIR + " --prefix " +
                    T + "prefix >" + T + "install.log 2>&1"),
              0)
        << test::ReadBytes(T + "install.log");
    if (Shell("command -v xvfb-run >/dev/null") != 0) GTEST_SKIP() << "no xvfb-run";
    ASSERT_EQ(Shell("command -v xwininfo >/dev/null"), 0) << "xwininfo (x11-utils) is needed";

    // As root the program runs as "nobody", for whom the prefix is read-only
    // as it is for any user of a packaged installation.
    const bool root = geteuid() == 0;
    for (const char* sub : {"home", "runtime", "data", "config", "cache"})
        fs::create_directory(T + sub);
    // A data file of today, so that opening it announces no month-end.
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    test::ScriptedPlatform ui;
    ui.SetToday(local->tm_mday, local->tm_mon + 1, local->tm_year + 1900);
    BudgetFile doc;
    AppSettings settings;
    ASSERT_TRUE(NewDocument(doc, ui, settings, T + "home/home.kv7", {}));
    test::WriteBytes(T + "run.sh", kRun);
    // The probe sees what the program sees only from the program's folder.
    fs::copy_file(KZ_ASSET_PROBE, T + "prefix/bin/kz_asset_probe");
    ASSERT_EQ(Shell("cd " + T + " && chmod 755 . && chmod 700 runtime && " +
                    (root ? "chown -R 65534:65534 home runtime data config cache"
                          : "chmod -R a-w prefix") +
                    " && find prefix -printf '%p %s %T@ %m\\n' >before.txt"),
              0);
    // -noreset: the display outlives the probe; displays from :170 on, away
    // from the other display tests.
    const std::string asUser = root ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    EXPECT_EQ(
        Shell(asUser + "env T=" + T.substr(0, T.size() - 1) + " HOME=" + T +
              "home timeout 150 xvfb-run -a -n 170 -s '-noreset -screen 0 1024x768x24' bash " + T +
              "run.sh >" + T + "run.log 2>&1"),
        0)
        << test::ReadBytes(T + "run.log");

    // Assets from <prefix>/share/kervazyl.
    const std::string report = test::ReadBytes(T + "home/probe.out");
    const std::string assets = fs::canonical(T + "prefix/share/kervazyl").string() + "/";
    EXPECT_NE(report.find("assets=" + assets + "\n"), std::string::npos) << report;
    for (const char* name : {"start.wav", "blikup.wav", "coins.wav", "Help/index.html"})
        EXPECT_NE(report.find(std::string(name) + "=found"), std::string::npos) << report;
    // The real program opened the file and kept its settings and data folder
    // in the user's data folder, leaving the installation as it was.
    EXPECT_NE(test::ReadBytes(T + "run.log").find("FOUND"), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(T + "data/kervazyl/kervazyl.ini"));
    EXPECT_TRUE(fs::is_directory(T + "data/kervazyl/Kerva Files"));
    ASSERT_EQ(Shell("cd " + T + " && find prefix -printf '%p %s %T@ %m\\n' >after.txt"), 0);
    EXPECT_EQ(test::ReadBytes(T + "after.txt"), test::ReadBytes(T + "before.txt"))
        << "the program wrote into the installation";
}

#endif

}  // namespace
}  // namespace kz
