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
const Date kToday{2002, 11, 2};

// What a CSV or QIF writer gets wrong: commas, quotes, line breaks, Cyrillic, a list gap, a tab
// in slot 100, a bad or short date, unit 3, a negative balance, amounts due.
BudgetFile SampleDocument() {
    BudgetFile d;
    FillNewDocumentDefaults(d);
    d.Unit(3) = {"евро", "€"};
    SostRecord& s = d.Sost(1);
    s.ienum = 3;
    s.bal = -1234.5;
    s.oldbal[0] = "1000\t30.09.2002";
    s.dohod[0] = "5000\t05.10.2002\tЗарплата, аванс";
    s.dohod[2] = "250,5\t1.2.02\tПремия \"лучший\"";
    s.rashod[0] = "10\t31.02.2002\tКофе";
    s.rashod[99] = "10\t01.01.2003\tКофе\tс собой";
    s.oldzan[0] = "300\t01.10.2002\tИван\tна ремонт";
    s.oldodol[0] = "200\t03.10.2002\tПётр [сосед]/друг\t";
    s.ondol[0] = "200\t03.10.2002\tПётр [сосед]/друг\t\t\t3\t";
    s.vydol[0] = "300\t01.10.2002\tИван\tна ремонт\t350\t\t01.12.2002";
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

TEST(Export, SampleDocumentGivesTheExpectedCsvAndQifFiles) {
    std::set<std::string> expected, names;
    for (const auto& e : fs::directory_iterator(kExpected))
        if (e.path().extension() == ".csv") expected.insert(e.path().filename().string());
    for (const ExportFile& f : CsvExport(SampleDocument(), kToday)) {
        names.insert(f.name);
        EXPECT_EQ(f.bytes, test::ReadBytes(kExpected + f.name)) << f.name;
    }
    EXPECT_EQ(names, expected);

    // QIF: the opening balance, a loan, a debt and an expense paid out; the
    // expense of the 31st of February is left out.
    const QifExport qif = ExportQif(SampleDocument(), kToday);
    for (const char* part : {"!Type:Cash\r\nD01/02/2002\r\nT-6575\r\nPOpening Balance\r\n",
                             "T300\r\nPИван\r\nMна ремонт\r\nL[Вы должны - Иван]\r\n",
                             "T-200\r\nPПётр [сосед]/друг\r\nL[Вам должны - Пётр (сосед)-друг]\r\n",
                             "D01/01/2003\r\nT-10\r\nPКофе с собой\r\n"})
        EXPECT_NE(qif.text.find(part), std::string::npos) << part;
    EXPECT_EQ(qif.skipped, 1);
}

TEST(Export, MenuItemWritesEveryFileAndAsksBeforeReplacingAnEarlierExport) {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    ui.SetToday(2, 11, 2002);
    BudgetFile doc = SampleDocument();
    const std::string folder = dir / "выгрузка";
    const std::string states = folder + "/Состояния.csv";

    ui.folderDialogResults = {"", folder};  // cancelled, then chosen
    ExportToCsv(doc, ui);
    EXPECT_FALSE(fs::exists(folder));
    ExportToCsv(doc, ui);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
              static_cast<long>(CsvExport(doc, kToday).size()));
    EXPECT_EQ(test::ReadBytes(states), test::ReadBytes(kExpected + "Состояния.csv"));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{
                              "Экспорт завершен. Файлы CSV записаны в папку:\r\n" + folder});

    // A second export names the same files: nothing is replaced on "No".
    doc.Sost(1).sostname = "Другое имя";
    ui.messages.clear();
    ui.folderDialogResults = {folder, folder, dir / "файл"};
    ui.Answer(Answer::No);
    ExportToCsv(doc, ui);
    EXPECT_EQ(test::ReadBytes(states), test::ReadBytes(kExpected + "Состояния.csv"));
    ui.Answer(Answer::Yes);
    ExportToCsv(doc, ui);
    EXPECT_NE(test::ReadBytes(states).find("Другое имя"), std::string::npos);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_FALSE(doc.Dirty);

    // The files of a protected document are plain text: the owner's alone.
    doc.IsProtected = true;
    ui.folderDialogResults.push_front(dir / "закрытая");
    ExportToCsv(doc, ui);
    EXPECT_EQ(fs::status(dir / "закрытая/Состояния.csv").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    // A file where the folder should be.
    test::WriteBytes(dir / "файл", "x");
    ExportToCsv(doc, ui);
    EXPECT_EQ(ui.messages.back().text.rfind("Не удалось создать папку " + (dir / "файл") + ".", 0),
              0u);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
