#include <gtest/gtest.h>

#include <filesystem>

#include "reports/ReportWindow.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

// Keeps what the save dialog was given and how often the wait cursor showed.
class Ui : public test::ScriptedPlatform {
public:
    std::string title, filter, proposed, folder;
    int busyOn = 0;
    std::string SaveFileDialog(const std::string& t, const std::string& f, const std::string& p,
                               const std::string& d) override {
        title = t;
        filter = f;
        proposed = p;
        folder = d;
        return ScriptedPlatform::SaveFileDialog(t, f, p, d);
    }
    void SetBusy(bool b) override {
        if (b) ++busyOn;
        ScriptedPlatform::SetBusy(b);
    }
};

// A report as the user may have edited it after unlocking the window.
const std::string kEdited =
    "Отчет по состоянию 'Личные деньги' за 10.2002\r\n"
    "Баланс: 1500р.\r\n"
    "Доходы:\r\n"
    "500р. 01.10.2002 премия (исправлено вручную)";

TEST(ReportWindow, PrintAsksFirstAndPrintsTheTextAsItStands) {
    Ui ui;
    ui.Answer(Answer::No);
    EXPECT_FALSE(PrintReport(ui, kEdited));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Напечатать отчет?");
    EXPECT_EQ(ui.messages[0].icon, Icon::Question);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(ui.printed.empty());

    ui.Answer(Answer::Yes);
    EXPECT_TRUE(PrintReport(ui, kEdited));
    EXPECT_EQ(ui.printed, std::vector<std::string>{kEdited});

    ui.ExpectAllAnswered();
}

TEST(ReportWindow, SaveWritesTheChosenFileInTheCodePage) {
    test::TempDir dir;
    Ui ui;

    ui.saveDialogResults.push_back("");
    EXPECT_FALSE(SaveReport(ui, kEdited, dir.Path()));
    EXPECT_EQ(ui.title, "Сохранение отчета");
    EXPECT_EQ(ui.filter, "Text Files|*.txt");
    EXPECT_EQ(ui.proposed, "*.txt");
    EXPECT_EQ(ui.folder, dir.Path());
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    EXPECT_EQ(ui.busyOn, 0);

    ui.saveDialogResults.push_back(dir / "октябрь.txt");
    ASSERT_TRUE(SaveReport(ui, "Баланс: 1500р.\r\nДоходы:", dir.Path()));
    EXPECT_EQ(test::ReadBytes(dir / "октябрь.txt"),
              "\xc1\xe0\xeb\xe0\xed\xf1: 1500\xf0.\r\n\xc4\xee\xf5\xee\xe4\xfb:\r\n");
    EXPECT_GE(ui.busyOn, 1);
    EXPECT_FALSE(ui.busy);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kz
