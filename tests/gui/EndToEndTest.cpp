// Starts the real program on a virtual X display with a data file on its
// command line and waits for the main window of that file to appear.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDate>
#include <filesystem>

#include "core/DataFile.h"
#include "install/ProgramRun.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::Quote;

TEST(EndToEnd, ProgramOpensTheFileNamedOnItsCommandLine) {
    if (!test::OnPath("xvfb-run")) GTEST_SKIP() << "xvfb-run is not installed";
    ASSERT_TRUE(test::OnPath("xwininfo")) << "xwininfo (x11-utils) is needed to see the windows";

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
    test::WriteBytes(
        script,
        test::UserEnvironment(dir.Path()) +
            test::RunUntilWindow(Quote(KZ_PROGRAM_PATH) + " --open " + Quote(file), "home.kv7"));
    const std::string log = dir / "run.log";
    const int rc = test::Shell("timeout 150 xvfb-run -a -s '-screen 0 1024x768x24' bash " +
                               Quote(script) + " >" + Quote(log) + " 2>&1");
    const std::string text = test::ReadBytes(log);
    EXPECT_EQ(rc, 0) << text;
    EXPECT_NE(text.find("FOUND"), std::string::npos) << text;
}

}  // namespace
}  // namespace kz
