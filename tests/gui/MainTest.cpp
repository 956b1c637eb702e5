#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>

#include "GuiHelpers.h"
#include "reports/StateReport.h"
#include "reports/frmReport.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

// The menus and the report button reach their commands; saving, leaving and
// closing the file through the buttons are the AT-SPI scenarios'.
TEST(MainWindowGui, ReportOfTheChosenStateAndCsvExport) {
    test::Program p;
    p.app.doc.sostkol = 2;
    p.app.doc.Sost(2).sostname = "Карта";
    p.app.doc.Sost(2).bal = 250;
    frmMain* main = p.app.Main();
    main->Refresh();
    test::Child<QListWidget>(main, "lstSost")->setCurrentRow(1);
    test::Child<QPushButton>(main, "cmdReport")->click();
    auto* report = test::Shown<frmReport>("frmReport");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Text(), StateReport(p.app.doc, p.ui, 2, {2002, 10, 5}));

    p.ui.folderDialogResults.push_back(p.dir / "csv");
    test::Child<QAction>(main, "mnuItemExportCsv")->trigger();
    EXPECT_NE(test::ReadBytes(p.dir / "csv/Состояния.csv").find("\r\n2,Карта,250,"),
              std::string::npos);
}

}  // namespace
}  // namespace kz
