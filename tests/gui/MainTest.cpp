#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "GuiHelpers.h"
#include "core/Files.h"
#include "gui/App.h"
#include "reports/StateReport.h"
#include "reports/frmReport.h"
#include "startup/frmLogin.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/main/frmMain.h"

namespace kz {
namespace {

using test::Child;
using test::Rows;

// An open file with two states and two clients, one of whom still owes.
class MainWindowGui : public ::testing::Test {
protected:
    MainWindowGui() : app(ui, dir.Path(), dir.Path()) {
        ui.SetToday(5, 10, 2002);
        BudgetFile& doc = app.doc;
        FillNewDocumentDefaults(doc);
        doc.name = "Анна";
        doc.FilePath = dir / "home.kv7";
        doc.LastDate = ui.Today();
        doc.Sost(1).bal = 1500;
        doc.sostkol = 2;
        doc.Sost(2).sostname = "Карта";
        doc.Sost(2).bal = 250;
        doc.Sost(2).ienum = 2;
        doc.clientkol = 2;
        doc.Client(1).clientname = "Иванов";
        doc.Client(1).ienum = 1;
        doc.Client(1).clondolkm[0] = "300\t31.10.2002\tРабота";
        doc.Client(2).clientname = "Петров";
        doc.Client(2).ienum = 1;
        app.settings.BackUp = false;
        main = app.Main();
        main->Refresh();
    }
    ~MainWindowGui() override { test::CloseShown({"frmReport"}); }

    template <typename T>
    T* Get(const char* name) {
        return Child<T>(main, name);
    }

    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app;
    frmMain* main = nullptr;
};

TEST_F(MainWindowGui, ShowsTheDocument) {
    EXPECT_EQ(Rows(Get<QListWidget>("lstSost")), (QStringList{"Личные деньги", "Карта"}));
    EXPECT_EQ(Rows(Get<QListWidget>("lstClients")), (QStringList{"Иванов(должен)", "Петров"}));
    EXPECT_EQ(Rows(Get<QListWidget>("lstIE")), (QStringList{"рубли(р.)", "доллары($)"}));
    EXPECT_EQ(Get<QListWidget>("lstSost")->currentRow(), 0);
    EXPECT_EQ(Get<QListWidget>("lstClients")->currentRow(), 0);
    EXPECT_EQ(Get<QPushButton>("lblUserName")->text(), "Анна");
    EXPECT_EQ(Get<QPlainTextEdit>("txtSostToday")->toPlainText(),
              "Общая сумма 2 состояний: \n1500р.,250$\n\nВы должны:0\nВам должны:0");
    EXPECT_TRUE(Get<QPlainTextEdit>("txtClientToday")
                    ->toPlainText()
                    .startsWith("Есть клиенты, не расплатившиеся за текущий месяц."));
}

TEST_F(MainWindowGui, ButtonsChangeTheDocumentAndTheLists) {
    ui.Input("Сейф");
    Get<QPushButton>("cmdAddSost")->click();
    EXPECT_TRUE(app.doc.Dirty);
    EXPECT_EQ(Rows(Get<QListWidget>("lstSost")), (QStringList{"Личные деньги", "Карта", "Сейф"}));

    // The row the user picks is the one deleted.
    Get<QListWidget>("lstSost")->setCurrentRow(1);
    ui.Answer(Answer::Yes);
    Get<QPushButton>("cmdDelSost")->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Внимание: все данные, относящиеся к выбранному состоянию\r\nКарта\r\nбудут "
              "удалены. Удалить?");
    EXPECT_EQ(Rows(Get<QListWidget>("lstSost")), (QStringList{"Личные деньги", "Сейф"}));
    EXPECT_EQ(app.doc.Sost(2).sostname, "Сейф");

    Get<QListWidget>("lstClients")->setCurrentRow(1);
    Get<QPushButton>("cmdOpenClient")->click();
    EXPECT_EQ(app.doc.CurrentClient, 2);

    // Units are now used by state 1 only; dollars can go.
    Get<QListWidget>("lstIE")->setCurrentRow(1);
    ui.Answer(Answer::Yes);
    Get<QPushButton>("lblDelIE")->click();
    EXPECT_EQ(Rows(Get<QListWidget>("lstIE")), QStringList{"рубли(р.)"});
    EXPECT_TRUE(app.doc.Unit(2).cap.empty());

    ui.Input("Анна Петровна");
    Get<QPushButton>("lblUserName")->click();
    EXPECT_EQ(app.doc.name, "Анна Петровна");
    EXPECT_EQ(Get<QPushButton>("lblUserName")->text(), "Анна Петровна");

    // With nothing chosen the report is refused and nothing changes.
    app.doc.Dirty = false;
    Get<QListWidget>("lstSost")->setCurrentRow(-1);
    Get<QPushButton>("cmdReport")->click();
    EXPECT_EQ(ui.messages.back().text, "Не выбрано состояние!");
    EXPECT_FALSE(app.doc.Dirty);
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowGui, ReportButtonAndAllReportsShowTheReportWindow) {
    Get<QListWidget>("lstSost")->setCurrentRow(1);
    Get<QPushButton>("cmdReport")->click();
    auto* report = test::Shown<frmReport>("frmReport");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Text(), StateReport(app.doc, ui, 2, {2002, 10, 5}));

    Get<QAction>("mnuItemCreateAllRep")->trigger();
    EXPECT_TRUE(FileExists(dir / "home-report-05.10.2002.txt"));
    // The same window now shows all states.
    EXPECT_TRUE(report->Text().starts_with(StateReport(app.doc, ui, 1, {2002, 10, 5})));
    EXPECT_NE(report->Text().find("**********************"), std::string::npos);
}

TEST_F(MainWindowGui, ToolsMenuExportsTheDocumentToCsv) {
    auto* item = Get<QAction>("mnuItemExportCsv");
    ASSERT_TRUE(Get<QMenu>("mnuOptions")->actions().contains(item));
    ui.folderDialogResults.push_back(dir / "csv");
    item->trigger();
    EXPECT_NE(test::ReadBytes(dir / "csv/Состояния.csv").find("\r\n2,Карта,250,$,доллары\r\n"),
              std::string::npos);
    EXPECT_EQ(ui.messages.back().icon, Icon::Information);
}

TEST_F(MainWindowGui, SaveSaveAsCloseFileAndExit) {
    app.doc.Dirty = true;
    Get<QToolButton>("Image1")->click();
    EXPECT_TRUE(FileExists(dir / "home.kv7"));
    EXPECT_FALSE(app.doc.Dirty);

    ui.saveDialogResults.push_back(dir / "копия");
    Get<QAction>("mnuItemSaveAs")->trigger();
    EXPECT_EQ(main->windowTitle(), "Brisklane Kerva Zyl - копия.kv7");
    EXPECT_TRUE(FileExists(dir / "копия.kv7"));

    main->show();
    ui.Answer(Answer::No);  // "Выйти из Kerva?"
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(FileExists(app.SettingsPath()));

    app.doc.Dirty = true;
    ui.Answer(Answer::No);   // do not save
    ui.Answer(Answer::Yes);  // close the file
    Get<QToolButton>("imgExit")->click();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(app.Login()->isVisible());
    app.Login()->hide();
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
