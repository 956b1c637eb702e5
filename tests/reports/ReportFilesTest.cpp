#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/Cp1251.h"
#include "reports/ReportFiles.h"
#include "reports/ReportText.h"
#include "reports/ReportsFixture.h"
#include "reports/StateReport.h"

namespace kz {
namespace {

using test::OpenDocument;

TEST(ReportMenu, EachItemReportsOnItsDay) {
    struct Case {
        int item;
        Date today, day;
    };
    const Case cases[] = {
        {kReportThisMonth, {2003, 1, 15}, {2003, 1, 15}},
        {kReportPreviousMonth, {2003, 1, 15}, {2002, 12, 31}},  // over the year's end
        {kReportPreviousMonth, {2002, 3, 15}, {2002, 2, 28}},
        {kReportPreviousMonth, {2004, 3, 1}, {2004, 2, 29}},  // a leap year
        {2, {2003, 1, 15}, {2003, 2, 1}},
        {12, {2003, 1, 15}, {2003, 12, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReportMenuDate(c.item, c.today), c.day)
            << c.item << " on " << FormatDate(c.today);
}

TEST(ReportFiles, FileNameBesideTheDataFile) {
    for (const auto& [data, report] :
         {std::pair{"/home/anna/Kerva Files/домашний.kv7", "/home/anna/Kerva Files/домашний"},
          {"/data/a.b.kv7", "/data/a.b"},
          {"/my.data/домашний", "/my.data/домашний"},  // a dot in a folder name is no extension
          {"C:\\my.data\\файл", "C:\\my.data\\файл"}})
        EXPECT_EQ(ReportFileName(data, {2002, 10, 5}),
                  report + std::string("-report-05.10.2002.txt"));
}

TEST(ReportFiles, AllStatesInOrderReplaceTheDaysFileInTheCodePage) {
    OpenDocument f(5, 10, 2002);
    f.doc.sostkol = 3;
    f.doc.Sost(2).sostname = "Карта";
    f.doc.Sost(3).sostname = "Сейф";
    f.doc.Sost(3).dohod[0] = "100\t01.10.2002\tпремия";
    const std::string today = f.ReportPath("05.10.2002");
    test::WriteBytes(today, "старый отчет, гораздо длиннее нового " + std::string(20000, 'x'));

    const std::string text = CreateAllReports(f.doc, f.ui);
    const std::string sep = "\r\n\r\n**********************\r\n\r\n";
    EXPECT_EQ(text, StateReport(f.doc, f.ui, 1, {2002, 10, 5}) + sep +
                        StateReport(f.doc, f.ui, 2, {2002, 10, 5}) + sep +
                        StateReport(f.doc, f.ui, 3, {2002, 10, 5}) + sep);
    std::string expected;
    ASSERT_TRUE(Utf8ToCp1251(text + "\r\n", expected));
    EXPECT_EQ(test::ReadBytes(today), expected);
    EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"Отчеты созданы и сохранены в файл "
                                                     "домашний-report-05.10.2002.txt"});
}

TEST(ReportFiles, TakeTheDataFilesPermissionsAndOnlyTheOwnersWhenProtected) {
    const struct {
        bool isProtected;
        mode_t data, report;
    } cases[] = {{false, 0640, 0640}, {false, 0604, 0604}, {true, 0640, 0600}, {true, 0644, 0600}};
    for (const auto& c : cases) {
        OpenDocument f(5, 10, 2002);
        f.doc.IsProtected = c.isProtected;
        test::WriteBytes(f.doc.FilePath, "data");
        ASSERT_EQ(::chmod(f.doc.FilePath.c_str(), c.data), 0);
        const std::string report = f.ReportPath("05.10.2002");
        test::WriteBytes(report, "a report of before, readable by all");
        ASSERT_EQ(::chmod(report.c_str(), 0644), 0);
        ASSERT_TRUE(BuildAllReports(f.doc, f.ui).ok);
        struct stat st {};
        ASSERT_EQ(::stat(report.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.report) << c.isProtected << " " << c.data;
    }
}

TEST(ReportFiles, WriterFailureIsTheWritersMessageOnly) {
    OpenDocument f(5, 10, 2002);
    f.doc.FilePath = f.dir / "нет такой папки/домашний.kv7";
    const AllReports r = BuildAllReports(f.doc, f.ui);
    EXPECT_TRUE(r.ok);
    EXPECT_FALSE(r.text.empty());
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_TRUE(f.ui.messages[0].text.starts_with("Ошибка при записи файла:" + f.dir.Path()));
}

}  // namespace
}  // namespace kz
