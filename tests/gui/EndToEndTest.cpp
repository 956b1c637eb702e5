// Starts the real program on a virtual X display with a data file on its
// command line and waits for the main window of that file to appear.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDate>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/DataFile.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

bool OnPath(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

TEST(EndToEnd, ProgramOpensTheFileNamedOnItsCommandLine) {
    if (!OnPath("xvfb-run")) GTEST_SKIP() << "xvfb-run is not installed";
    ASSERT_TRUE(OnPath("xwininfo")) << "xwininfo (x11-utils) is needed to see the windows";

    test::TempDir dir;
    for (const char* sub : {"home", "runtime", "data", "config", "cache"})
        std::filesystem::create_directory(dir / sub);
    chmod((dir / "runtime").c_str(), 0700);

    // The file is made as the start window would make it, dated today so
    // that opening it announces no month-end reports.
    test::ScriptedPlatform ui;
    const QDate today = QDate::currentDate();
    ui.SetToday(today.day(), today.month(), today.year());
    BudgetFile doc;
    AppSettings settings;
    const std::string file = dir / "home.kv7";
    ASSERT_TRUE(NewDocument(doc, ui, settings, file, {}));
    ASSERT_TRUE(ui.messages.empty());

    const std::string script = dir / "run.sh";
    {
        std::ofstream out(script);
        out << "export HOME=" << Quote(dir / "home") << "\n"
            << "export XDG_RUNTIME_DIR=" << Quote(dir / "runtime") << "\n"
            << "export XDG_DATA_HOME=" << Quote(dir / "data") << "\n"
            << "export XDG_CONFIG_HOME=" << Quote(dir / "config") << "\n"
            << "export XDG_CACHE_HOME=" << Quote(dir / "cache") << "\n"
            << "export QT_QPA_PLATFORM=xcb\n"
            << Quote(KZ_PROGRAM_PATH) << " --open " << Quote(file) << " &\n"
            << "pid=$!\n"
            << "for i in $(seq 1 120); do\n"
            << "  if xwininfo -root -tree | grep -qF '\"Brisklane Kerva Zyl - home.kv7\"'; then\n"
            << "    echo FOUND; break\n"
            << "  fi\n"
            << "  kill -0 $pid 2>/dev/null || { echo ENDED; break; }\n"
            << "  sleep 0.5\n"
            << "done\n"
            << "xwininfo -root -tree | grep -F 'kervazyl' || true\n"
            << "kill $pid 2>/dev/null; wait $pid 2>/dev/null\n"
            << "exit 0\n";
    }
    const std::string log = dir / "run.log";
    const std::string command = "timeout 150 xvfb-run -a -s '-screen 0 1024x768x24' bash " +
                                Quote(script) + " >" + Quote(log) + " 2>&1";
    const int rc = std::system(command.c_str());

    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(rc, 0) << text.str();
    EXPECT_NE(text.str().find("FOUND"), std::string::npos) << text.str();
}

}  // namespace
}  // namespace kz
