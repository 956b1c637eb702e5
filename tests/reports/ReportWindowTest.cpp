#include <gtest/gtest.h>

#include <filesystem>

#include "reports/ReportWindow.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

TEST(ReportWindow, PrintAsksFirstAndSaveWritesTheChosenFileInTheCodePage) {
    // A report as the user may have edited it after unlocking the window.
    const std::string edited = "Баланс: 1500р.\r\nДоходы:";
    test::TempDir dir;
    test::ScriptedPlatform ui;
    ui.Answer(Answer::No);
    EXPECT_FALSE(PrintReport(ui, edited));
    EXPECT_TRUE(ui.printed.empty());
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(PrintReport(ui, edited));
    EXPECT_EQ(ui.printed, std::vector<std::string>{edited});

    ui.saveDialogResults.push_back("");
    EXPECT_FALSE(SaveReport(ui, edited, dir.Path()));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    ui.saveDialogResults.push_back(dir / "октябрь.txt");
    ASSERT_TRUE(SaveReport(ui, edited, dir.Path()));
    EXPECT_EQ(test::ReadBytes(dir / "октябрь.txt"),
              "\xc1\xe0\xeb\xe0\xed\xf1: 1500\xf0.\r\n\xc4\xee\xf5\xee\xe4\xfb:\r\n");
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_EQ(ui.fileDialogs[1].filter, "Text Files|*.txt");
    EXPECT_EQ(ui.fileDialogs[1].folder, dir.Path());
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
