#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "tools/Export.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

const std::string kExpected = std::string(KZ_TEST_DATA_DIR) + "/export/";

// Small, but with what a CSV or QIF writer gets wrong: commas, quotes, line
// breaks and Cyrillic in texts, a gap in a list, a tab typed into a text, a
// date that is no date, a date without its century, units and amounts due.
BudgetFile SampleDocument() {
    BudgetFile d;
    FillNewDocumentDefaults(d);
    d.Unit(3) = {"евро", "€"};
    d.sostkol = 2;
    SostRecord& s = d.Sost(1);
    s.bal = 1234.5;
    s.oldbal[0] = "1000\t30.09.2002";
    s.dohod[0] = "5000\t05.10.2002\tЗарплата, аванс";
    s.dohod[2] = "250,5\t1.2.02\tПремия \"лучший\"";
    s.rashod[0] = "10\t31.02.2002\tКофе";
    s.oldzan[0] = "300\t01.10.2002\tИван\tна ремонт";
    s.oldodol[0] = "200\t03.10.2002\tПётр [сосед]/друг\t";
    s.ondol[0] = "200\t03.10.2002\tПётр [сосед]/друг\t\t\t3\t";
    s.vydol[0] = "300\t01.10.2002\tИван\tна ремонт\t350\t\t01.12.2002";
    d.Sost(2).sostname = "Сбережения";
    d.Sost(2).ienum = 3;
    d.Sost(2).bal = -0.1;
    d.Sost(2).rashod[99] = "10\t01.01.2003\tКофе\tс собой";
    d.clientkol = 1;
    ClientRecord& c = d.Client(1);
    c.clientname = "ООО «Ромашка», филиал";
    c.reput = -3;
    c.clinfo = "Телефон 123\r\nГлавный офис";
    c.clondolkm[0] = "1000\tежемесячно\t(за 11.2002)Аренда";
    c.clondolok[0] = "400.5\t01.11.2002\t(за 11.2002)Аренда";
    c.clvydolkm[0] = "150,5\t20.11.2002\tЗапчасти";
    return d;
}

const Date kToday{2002, 11, 2};

TEST(Export, SampleDocumentGivesTheExpectedCsvAndQifFiles) {
    std::set<std::string> expectedNames;
    for (const auto& e : fs::directory_iterator(kExpected))
        if (e.path().extension() == ".csv") expectedNames.insert(e.path().filename().string());

    std::set<std::string> names;
    for (const ExportFile& f : CsvExport(SampleDocument(), kToday)) {
        names.insert(f.name);
        EXPECT_EQ(f.bytes, test::ReadBytes(kExpected + f.name)) << f.name;
    }
    EXPECT_EQ(names, expectedNames);

    const QifExport qif = ExportQif(SampleDocument(), kToday);
    EXPECT_EQ(qif.text, test::ReadBytes(kExpected + "sample.qif"));
    EXPECT_EQ(qif.skipped, 1);  // the expense of the 31st of February
}

TEST(Export, MenuItemWritesEveryFileAndAsksBeforeReplacingAnEarlierExport) {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    ui.SetToday(2, 11, 2002);
    BudgetFile doc = SampleDocument();
    const std::string folder = dir / "выгрузка";
    const std::string states = folder + "/Состояния.csv";

    ui.folderDialogResults = {""};
    ExportToCsv(doc, ui);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(ui.messages.empty());

    ui.folderDialogResults = {folder};
    ExportToCsv(doc, ui);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
              static_cast<long>(CsvExport(doc, kToday).size()));
    EXPECT_EQ(test::ReadBytes(states), test::ReadBytes(kExpected + "Состояния.csv"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Экспорт завершен. Файлы CSV записаны в папку:\r\n" + folder);

    // A second export names the same files: nothing is replaced on "No".
    doc.Sost(1).sostname = "Другое имя";
    ui.messages.clear();
    ui.folderDialogResults = {folder, folder};
    ui.Answer(Answer::No);
    ExportToCsv(doc, ui);
    EXPECT_EQ(test::ReadBytes(states), test::ReadBytes(kExpected + "Состояния.csv"));
    ui.Answer(Answer::Yes);
    ExportToCsv(doc, ui);
    EXPECT_NE(test::ReadBytes(states).find("Другое имя"), std::string::npos);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_FALSE(doc.Dirty);
    ui.ExpectAllAnswered();

    // A file where the folder should be.
    ui.messages.clear();
    test::WriteBytes(dir / "файл", "x");
    ui.folderDialogResults = {dir / "файл"};
    ExportToCsv(doc, ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Не удалось создать папку " + (dir / "файл") + ".", 0), 0u);
}

}  // namespace
}  // namespace kz
