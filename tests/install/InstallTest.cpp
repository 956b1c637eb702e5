// Installs the program into a temporary prefix and runs it from there, the
// way a packaged installation runs: from a folder the user cannot write to.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <regex>

#include "core/DataFile.h"
#include "install/ProgramRun.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

#ifdef KZ_ASSET_PROBE

using test::Quote;
using test::Shell;

// The value of "Key=" in a desktop entry, without a trailing ";".
std::string DesktopValue(const std::string& text, const std::string& key) {
    std::smatch m;
    if (!std::regex_search(text, m, std::regex("(^|\n)" + key + "=([^\n;]*)"))) return "";
    return m[2];
}

// Every file below `root` with its size and modification time, to see that a
// run changed nothing there.
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
    const std::string installLog = dir / "install.log";
    ASSERT_EQ(Shell(Quote(KZ_CMAKE_COMMAND) + " --install " + Quote(KZ_BUILD_DIR) + " --prefix " +
                    Quote(prefix) + " >" + Quote(installLog) + " 2>&1"),
              0)
        << test::ReadBytes(installLog);

    const fs::path assets = prefix / "share/kervazyl";
    for (const char* bin : {"bin/kervazyl", "bin/kervazyl-cli"})
        EXPECT_EQ(access((prefix / bin).c_str(), X_OK), 0) << bin;
    for (const char* name : {"start.wav", "blikup.wav", "coins.wav", "Help/index.html"})
        EXPECT_TRUE(fs::is_regular_file(assets / name)) << name;

    // The desktop entry names the icon and the file type that the other
    // installed files provide, and the type claims the data files.
    const std::string desktop = test::ReadBytes(prefix / "share/applications/kervazyl.desktop");
    const std::string mime = test::ReadBytes(prefix / "share/mime/packages/kervazyl.xml");
    ASSERT_FALSE(desktop.empty());
    ASSERT_FALSE(mime.empty());
    EXPECT_EQ(DesktopValue(desktop, "Exec").substr(0, 9), "kervazyl ");
    EXPECT_TRUE(fs::is_regular_file(prefix / "share/icons/hicolor/scalable/apps" /
                                    (DesktopValue(desktop, "Icon") + ".svg")));
    const std::string type = DesktopValue(desktop, "MimeType");
    EXPECT_NE(mime.find("<mime-type type=\"" + type + "\">"), std::string::npos) << type;
    EXPECT_NE(mime.find("<glob pattern=\"*.kv7\"/>"), std::string::npos);

    // Every link between the help pages leads to an installed file.
    for (const auto& page : fs::directory_iterator(assets / "Help")) {
        if (page.path().extension() != ".html") continue;
        const std::string html = test::ReadBytes(page.path());
        const std::regex link("(href|src)=\"([^\"#:]+)");
        for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it)
            EXPECT_TRUE(fs::exists(assets / "Help" / (*it)[2].str()))
                << page.path().filename() << " -> " << (*it)[2];
    }

    if (!test::OnPath("xvfb-run")) GTEST_SKIP() << "xvfb-run is not installed";
    ASSERT_TRUE(test::OnPath("xwininfo")) << "xwininfo (x11-utils) is needed to see the windows";

    // The user's folders. Root may write anywhere, so as root the program
    // runs as the unprivileged "nobody", for whom the prefix is read-only
    // as it is for any user of a packaged installation.
    const bool root = geteuid() == 0;
    const uid_t user = root ? 65534 : geteuid();
    const gid_t group = root ? 65534 : getegid();
    chmod(dir.Path().c_str(), 0755);
    for (const char* sub : {"home", "runtime", "data", "config", "cache", "fakebin"}) {
        fs::create_directory(dir / sub);
        ASSERT_EQ(chown((dir / sub).c_str(), user, group), 0) << sub;
    }
    chmod((dir / "runtime").c_str(), 0700);

    // A browser stand-in records the page the help asks for.
    const std::string opened = dir / "home/opened.txt";
    const std::string fakeOpen = dir / "fakebin/xdg-open";
    test::WriteBytes(fakeOpen, "#!/bin/sh\nprintf '%s\\n' \"$@\" >>" + Quote(opened) + "\n");
    chmod(fakeOpen.c_str(), 0755);

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

    const std::string probeOut = dir / "home/probe.out";
    const std::string script = dir / "run.sh";
    test::WriteBytes(
        script, test::UserEnvironment(dir.Path()) + "export PATH=" + Quote(dir / "fakebin") +
                    ":$PATH\n" + Quote(probe) + " >" + Quote(probeOut) +
                    " 2>&1\nfor i in $(seq 1 40); do [ -s " + Quote(opened) +
                    " ] && break; sleep 0.25; done\n" +
                    test::RunUntilWindow(Quote(prefix / "bin/kervazyl") + " --open " + Quote(file),
                                         "home.kv7"));
    chmod(script.c_str(), 0755);
    const std::string log = dir / "run.log";
    std::string asUser;
    if (root)
        asUser =
            "setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=" + Quote(dir / "home") +
            " ";
    // -noreset: the display must outlive the probe for the program that follows.
    // Displays from :170 on, so as not to race the other display tests for :99.
    const int rc =
        Shell(asUser + "timeout 150 xvfb-run -a -n 170 -s '-noreset -screen 0 1024x768x24' bash " +
              Quote(script) + " >" + Quote(log) + " 2>&1");
    const std::string runLog = test::ReadBytes(log);
    const std::string report = test::ReadBytes(probeOut);
    EXPECT_EQ(rc, 0) << runLog;

    // Assets come from <prefix>/share/kervazyl; the writable program folder
    // is the user's data folder; the help opens without a message.
    const std::string canonicalAssets = fs::canonical(assets).string() + "/";
    EXPECT_NE(report.find("assets=" + canonicalAssets + "\n"), std::string::npos) << report;
    EXPECT_NE(report.find("program=" + (dir / "data/kervazyl/") + "\n"), std::string::npos)
        << report;
    for (const char* name : {"start.wav", "blikup.wav", "coins.wav", "Help/index.html"})
        EXPECT_NE(report.find(std::string(name) + "=found"), std::string::npos) << report;
    EXPECT_EQ(report.find("message="), std::string::npos) << report;
    EXPECT_NE(test::ReadBytes(opened).find("file://" + canonicalAssets + "Help/index.html"),
              std::string::npos)
        << report;

    // The real program opened the file from the installation and kept its
    // settings and data folder in the user's data folder.
    EXPECT_NE(runLog.find("FOUND"), std::string::npos) << runLog;
    EXPECT_TRUE(fs::is_regular_file(dir / "data/kervazyl/kervazyl.ini"));
    EXPECT_TRUE(fs::is_directory(dir / "data/kervazyl/Kerva Files"));
    EXPECT_EQ(Snapshot(prefix), before) << "the program wrote into the installation";
}

#else

TEST(Installation, InstalledProgramFindsItsAssetsAndWritesOnlyToTheUserDataFolder) {
    GTEST_SKIP() << "built without the desktop program";
}

#endif

}  // namespace
}  // namespace kz
