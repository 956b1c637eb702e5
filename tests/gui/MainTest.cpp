#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

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

using test::ScriptedPlatform;
using test::TempDir;

QStringList Rows(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
}

void Click(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

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
    ~MainWindowGui() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmReport") w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T>
    T* Get(const char* name) {
        T* w = main->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    TempDir dir;
    ScriptedPlatform ui;
    App app;
    frmMain* main = nullptr;
};

TEST_F(MainWindowGui, ShowsTheDocumentAndTheFileMenuInOrder) {
    EXPECT_EQ(main->windowTitle(), "Brisklane Kerva Zyl - home.kv7");
    EXPECT_EQ(Rows(Get<QListWidget>("lstSost")), (QStringList{"Личные деньги", "Карта"}));
    EXPECT_EQ(Rows(Get<QListWidget>("lstClients")), (QStringList{"Иванов(должен)", "Петров"}));
    EXPECT_EQ(Rows(Get<QListWidget>("lstIE")), (QStringList{"рубли(р.)", "доллары($)"}));
    EXPECT_EQ(Get<QListWidget>("lstSost")->currentRow(), 0);
    EXPECT_EQ(Get<QListWidget>("lstClients")->currentRow(), 0);
    EXPECT_EQ(Get<QLabel>("lblUserName")->text(), "Анна");
    EXPECT_EQ(Get<QPlainTextEdit>("txtSostToday")->toPlainText(),
              "Общая сумма 2 состояний: \n1500р.,250$\n\nВы должны:0\nВам должны:0");
    EXPECT_TRUE(Get<QPlainTextEdit>("txtClientToday")
                    ->toPlainText()
                    .startsWith("Есть клиенты, не расплатившиеся за текущий месяц."));
    EXPECT_TRUE(Get<QPlainTextEdit>("txtRemindToday")->isReadOnly());

    QStringList menus, file;
    for (QAction* a : main->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Файл", "&Инструменты", "&Помощь"}));
    for (QAction* a : Get<QMenu>("mnuFile")->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(file, (QStringList{"mnuItemCreateAllRep", "-", "mnuItemSave", "mnuItemSaveAs", "-",
                                 "mnuItemExit"}));
}

TEST_F(MainWindowGui, ButtonsChangeTheDocumentAndTheLists) {
    ui.Input("Сейф");
    Get<QPushButton>("cmdAddSost")->click();
    EXPECT_EQ(app.doc.sostkol, 3);
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

    // Opening makes the selected client current.
    Get<QListWidget>("lstClients")->setCurrentRow(1);
    Get<QPushButton>("cmdOpenClient")->click();
    EXPECT_EQ(app.doc.CurrentClient, 2);

    // Units are now used by state 1 only; dollars can go.
    Get<QListWidget>("lstIE")->setCurrentRow(1);
    ui.Answer(Answer::Yes);
    Click(Get<QLabel>("lblDelIE"));
    EXPECT_EQ(ui.messages.back().text,
              "Вы уверены, что хотите удалить Используемую денежную Единицу доллары?");
    EXPECT_EQ(Rows(Get<QListWidget>("lstIE")), QStringList{"рубли(р.)"});
    EXPECT_TRUE(app.doc.Unit(2).cap.empty());

    ui.Input("Анна Петровна");
    Click(Get<QLabel>("lblUserName"));
    EXPECT_EQ(app.doc.name, "Анна Петровна");
    EXPECT_EQ(Get<QLabel>("lblUserName")->text(), "Анна Петровна");
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowGui, NothingSelectedIsRefusedWithItsMessage) {
    Get<QListWidget>("lstSost")->setCurrentRow(-1);
    Get<QPushButton>("cmdReport")->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Не выбрано состояние!");
    Get<QPushButton>("cmdChangeIE")->click();
    EXPECT_EQ(ui.messages.back().text, "Необходимо выбрать и.е. в списке!");
    EXPECT_FALSE(app.doc.Dirty);
}

TEST_F(MainWindowGui, ReportButtonAndAllReportsShowTheReportWindow) {
    Get<QListWidget>("lstSost")->setCurrentRow(1);
    Get<QPushButton>("cmdReport")->click();
    frmReport* report = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmReport" && w->isVisible()) report = static_cast<frmReport*>(w);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Text(), StateReport(app.doc, ui, 2, {2002, 10, 5}));

    main->findChild<QAction*>("mnuItemCreateAllRep")->trigger();
    EXPECT_EQ(ui.messages.back().text,
              "Отчеты созданы и сохранены в файл home-report-05.10.2002.txt");
    EXPECT_TRUE(FileExists(dir / "home-report-05.10.2002.txt"));
    // The same window now shows all states.
    EXPECT_TRUE(report->Text().starts_with(StateReport(app.doc, ui, 1, {2002, 10, 5})));
    EXPECT_NE(report->Text().find("**********************"), std::string::npos);
}

TEST_F(MainWindowGui, SaveSaveAsAndCloseFile) {
    app.doc.Dirty = true;
    Get<QToolButton>("Image1")->click();
    EXPECT_TRUE(FileExists(dir / "home.kv7"));
    EXPECT_FALSE(app.doc.Dirty);

    ui.saveDialogResults.push_back(dir / "копия");
    main->findChild<QAction*>("mnuItemSaveAs")->trigger();
    EXPECT_EQ(main->windowTitle(), "Brisklane Kerva Zyl - копия.kv7");
    EXPECT_TRUE(FileExists(dir / "копия.kv7"));

    main->show();
    app.doc.Dirty = true;
    ui.Answer(Answer::No);  // do not save
    ui.Answer(Answer::No);  // stay
    Get<QToolButton>("imgExit")->click();
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(app.doc.Dirty);

    ui.Answer(Answer::No);
    ui.Answer(Answer::Yes);
    Get<QToolButton>("imgExit")->click();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(app.Login()->isVisible());
    app.Login()->hide();
    ui.ExpectAllAnswered();
}

TEST_F(MainWindowGui, ClosingAsksAndStaysOnNo) {
    main->show();
    ui.Answer(Answer::No);  // "Выйти из Kerva?"
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Выйти из Kerva?"});
    EXPECT_FALSE(FileExists(app.SettingsPath()));

    main->findChild<QAction*>("mnuItemUpdateMe")->trigger();
    EXPECT_EQ(ui.messages.back().text, "В настоящий момент сервис недоступен.");
    EXPECT_EQ(ui.messages.back().icon, Icon::Information);
    main->hide();
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
