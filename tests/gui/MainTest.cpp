#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>

#include "GuiHelpers.h"
#include "core/Files.h"
#include "reports/StateReport.h"
#include "reports/frmReport.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

// An open file with two states and two clients.
struct MainWindowGui : ::testing::Test, test::Program {
    MainWindowGui() {
        doc.sostkol = 2;
        doc.Sost(2).sostname = "Карта";
        doc.Sost(2).bal = 250;
        doc.Sost(2).ienum = 2;
        doc.clientkol = 2;
        doc.Client(1).clientname = "Иванов";
        doc.Client(2).clientname = "Петров";
        main->Refresh();
    }
    template <typename T = QPushButton>
    T* Get(const char* name) {
        return test::Child<T>(main, name);
    }
    BudgetFile& doc = app.doc;
    frmMain* main = app.Main();
};

TEST_F(MainWindowGui, ReportButtonAllReportsAndTheCsvExportOfTheMenus) {
    Get<QListWidget>("lstSost")->setCurrentRow(1);
    Get("cmdReport")->click();
    auto* report = test::Shown<frmReport>("frmReport");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Text(), StateReport(doc, ui, 2, {2002, 10, 5}));
    Get<QAction>("mnuItemCreateAllRep")->trigger();
    EXPECT_TRUE(FileExists(dir / "home-report-05.10.2002.txt"));
    EXPECT_TRUE(report->Text().starts_with(StateReport(doc, ui, 1, {2002, 10, 5})));

    ui.folderDialogResults.push_back(dir / "csv");
    Get<QAction>("mnuItemExportCsv")->trigger();
    EXPECT_NE(test::ReadBytes(dir / "csv/Состояния.csv").find("\r\n2,Карта,250,$,доллары\r\n"),
              std::string::npos);
}

// Saving, leaving and closing the file through the buttons are the AT-SPI scenarios'.
TEST_F(MainWindowGui, SaveAsRenamesTheWindowAndRefusedExitKeepsIt) {
    ui.saveDialogResults.push_back(dir / "копия");
    Get<QAction>("mnuItemSaveAs")->trigger();
    EXPECT_EQ(main->windowTitle(), "Brisklane Kerva Zyl - копия.kv7");
    EXPECT_TRUE(FileExists(dir / "копия.kv7"));
    main->show();
    ui.Answer(Answer::No);  // "Выйти из Kerva?"
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
