#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "core/Text.h"
#include "gui/App.h"
#include "reports/frmReport.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::ScriptedPlatform;
using test::TempDir;

const std::string kReport =
    "Отчет по состоянию 'Личные деньги' за 10.2002\r\nБаланс: 1500р.\r\nДоходы:\r\n"
    "500р. 01.10.2002 премия";

TEST(ReportWindowGui, UnlockEditPrintSaveAndReuse) {
    ScriptedPlatform ui;
    TempDir dir;
    App app(ui, dir.Path(), dir.Path());

    QPointer<frmReport> report = ShowReportWindow(app, kReport);
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(report->windowTitle(), "Отчет");
    auto* txt = report->findChild<QPlainTextEdit*>("txt");
    auto* check = report->findChild<QCheckBox*>("Check1");
    ASSERT_TRUE(txt && check);
    EXPECT_EQ(check->text(), "Разрешить изменение отчета вручную");
    EXPECT_EQ(report->Text(), kReport);
    EXPECT_TRUE(txt->isReadOnly());

    check->setChecked(true);
    EXPECT_FALSE(txt->isReadOnly());
    txt->appendPlainText("исправлено");
    const std::string edited = kReport + "\r\nисправлено";
    EXPECT_EQ(report->Text(), edited);
    check->setChecked(false);
    EXPECT_TRUE(txt->isReadOnly());

    // The edited text goes to the printer and into the file.
    ui.Answer(Answer::Yes);
    report->findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(ui.printed, std::vector<std::string>{edited});
    ui.Answer(Answer::No);
    report->findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(ui.printed.size(), 1u);

    ui.saveDialogResults.push_back(dir / "report.txt");
    report->findChild<QPushButton*>("cmdSaveAs")->click();
    const std::string bytes = test::ReadBytes(dir / "report.txt");
    EXPECT_EQ(bytes.size(), CharCount(edited) + 2);  // one byte a character, CR LF added
    EXPECT_TRUE(bytes.ends_with("\r\n\xe8\xf1\xef\xf0\xe0\xe2\xeb\xe5\xed\xee\r\n"));  // исправлено

    // A second report replaces the text of the open window.
    EXPECT_EQ(ShowReportWindow(app, "другой"), report.data());
    EXPECT_EQ(report->Text(), "другой");

    report->findChild<QPushButton*>("cmdOK")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(report);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
