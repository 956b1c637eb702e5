#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/CliMain.h"
#include "cli/DocumentJson.h"
#include "cli/JsonValue.h"
#include "core/Cp1251.h"
#include "core/DataFile.h"
#include "support/SampleDocuments.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using json = nlohmann::json;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

struct Result {
    int code;
    std::string out, err;
};

Result Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = cli::Run(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(Cli, NewThenDumpWithTheMonthFlagsOfTheDay) {
    TempDir dir;
    Result r = Cli({"new", dir / "home.kv7"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    r = Cli({"dump", dir / "home.kv7", "--today", "05.12.2026"});
    ASSERT_EQ(r.code, 0) << r.err;
    json j = json::parse(r.out);
    EXPECT_EQ(j["sosts"][0]["sostname"], "Личные деньги");
    for (const char* list : {"oldbal", "oldzan", "oldodol", "rashod", "dohod", "ondol", "vydol"})
        EXPECT_EQ(j["sosts"][0][list].size(), 100u) << list;
    EXPECT_EQ(j["phones"].size(), 100u);
    EXPECT_EQ(j["ReportsReady"], false);
    // The file was written today; a run "in 2099" sees an old file.
    j = json::parse(Cli({"dump", dir / "home.kv7", "--today", "05.02.2099"}).out);
    EXPECT_EQ(j["ReportsReady"], true);
    EXPECT_EQ(j["MonthEndDue"], false);
}

TEST(Cli, DumpPrintsExactlyWhatTheJsonLibraryPrints) {
    // Control characters, quotes, backslashes, Cyrillic, longer characters and
    // invalid UTF-8 (which the library replaces), at every place of the blocks
    // the writer reads at once.
    const std::string tricky = "a\t\"\\\x01\x1f\x7fЯё€😀\x80\xD0\xC0\x80\xE2\x82";
    BudgetFile doc = test::RichDocument();
    doc.Sost(1).bal = std::numeric_limits<double>::max();
    doc.Sost(2).bal = -0.0;
    for (std::size_t k = 0; k < 40; ++k) doc.Sost(1).rashod[k] = std::string(k, 'x') + tricky;
    for (const BudgetFile& d : {doc, test::FullDocument(), BudgetFile{}})
        EXPECT_EQ(cli::DocumentJsonText(d),
                  cli::DocumentToJson(d).dump(2, ' ', false, json::error_handler_t::replace));
}

// The write command checks all texts against the code page side by side;
// a character split between two texts is still refused, as the library does.
TEST(Cli, TheWriteCommandRefusesACharacterSplitBetweenTwoTexts) {
    for (const std::string text : {"[\"\xd0\", \"\x90\"]", "{\"\xd0\":\"a\"}"}) {
        EXPECT_TRUE(json::parse(text, nullptr, false).is_discarded());
        EXPECT_FALSE(cli::JsonDocument().Parse(text)) << ::testing::PrintToString(text);
    }
}

// A JSON file cut short by another program after it was opened is refused
// as such, not taken for malformed JSON nor read past its end.
TEST(Cli, AJsonFileCutShortWhileItIsReadIsRefused) {
    TempDir dir;
    WriteBytes(dir / "in.json", cli::DocumentJsonText(test::FullDocument()));
    WholeFile json;
    int err = 0;
    ASSERT_TRUE(json.Read(dir / "in.json", err));
    ASSERT_EQ(::truncate((dir / "in.json").c_str(), 100), 0);
    BudgetFile doc;
    std::string problem;
    EXPECT_FALSE(cli::DocumentFromJson(std::move(json), Date{2026, 12, 6}, doc, problem));
    EXPECT_EQ(problem, "файл изменила другая программа, пока он читался");
}

TEST(Cli, WriteFromShortListsAndDumpAgain) {
    TempDir dir;
    WriteBytes(dir / "in.json", R"({
      "name": "Анна", "sostkol": 2, "clientkol": 1,
      "units": [{"cap": "рубли", "short": "р."}, {"cap": "евро", "short": "€"}],
      "sosts": [{"sostname": "Касса", "bal": 1234.5, "dohod": ["5000\t05.10.2002\tЗарплата"]},
                {"sostname": "Банк", "bal": -7, "ienum": 2}],
      "clients": [{"clientname": "Пётр", "reput": -2, "clinfo": "строка 1\r\nстрока 2"}],
      "notes": "заметка"
    })");
    Result r = Cli({"write", dir / "in.json", dir / "out.kv7", "--password", "пароль"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir / "out.kv7").find("Kerva"), std::string::npos);
    r = Cli({"dump", dir / "out.kv7", "--password", "пароль"});
    ASSERT_EQ(r.code, 0) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["pass"], "пароль");
    EXPECT_EQ(j["sosts"][0]["dohod"][0], "5000\t05.10.2002\tЗарплата");
    EXPECT_EQ(j["sosts"][1]["ienum"], 2);
    EXPECT_EQ(j["units"][1]["short"], "€");
    EXPECT_EQ(j["clients"][0]["clinfo"], "строка 1\r\nстрока 2");

    // The dump itself can be written back and gives the same file.
    WriteBytes(dir / "again.json", r.out);
    ASSERT_EQ(Cli({"write", dir / "again.json", dir / "again.kv7", "--password", "пароль"}).code,
              0);
    EXPECT_EQ(ReadBytes(dir / "again.kv7"), ReadBytes(dir / "out.kv7"));
}

TEST(Cli, RefusalsAndUsage) {
    TempDir dir;
    for (const char* bad : {"{\"sostkol\": 11}", "{\"name\": \"a\\nb\"}",
                            "{\"notes\": \"ok\\r\\n[section\"}", "not json"}) {
        WriteBytes(dir / "bad.json", bad);
        const Result r = Cli({"write", dir / "bad.json", dir / "x.kv7"});
        EXPECT_EQ(r.code, 1) << bad;
        EXPECT_NE(r.err, "") << bad;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "x.kv7"));
    const Result r = Cli({"dump", dir / "missing.kv7"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Указанный файл\n\n" + (dir / "missing.kv7") + "\n\nне найден.\n\n");
    for (const std::vector<std::string>& usage : {std::vector<std::string>{},
                                                  {"frobnicate"},
                                                  {"dump"},
                                                  {"dump", "a", "--today", "2026-12-05"},
                                                  {"dump", "a.kv7", "--colour", "red"},
                                                  {"convert", "a.kv7", "b.kv7"}})
        EXPECT_EQ(Cli(usage).code, 2) << usage.size();
    EXPECT_NE(Cli({"--help"}).out.find("convert"), std::string::npos);
}

TEST(Cli, AFileSizeLimitFailsTheSaveInsteadOfKillingTheTool) {
    TempDir dir;
    const std::string out = dir / "out.kv7";
    ASSERT_EQ(Cli({"new", out}).code, 0);
    const std::string before = ReadBytes(out);
    WriteBytes(dir / "doc.json", R"({"notes": ")" + std::string(20000, 'x') + R"("})");
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(::open((dir / "err.txt").c_str(), O_WRONLY | O_CREAT, 0600), 2);
        // As a shell's "ulimit -f" leaves it: the limit, and the signal that
        // ends a process beyond it.
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::execl(KZ_CLI_PATH, KZ_CLI_PATH, "write", (dir / "doc.json").c_str(), out.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(
        ReadBytes(dir / "err.txt").find("Ошибка при сохранении файла!\n\nФайл слишком большой."),
        std::string::npos);
    EXPECT_EQ(ReadBytes(out), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 4);
}

TEST(Cli, ConvertsAnOlderFile) {
    TempDir dir;
    std::string old;
    ASSERT_TRUE(
        Utf8ToCp1251("type=Kerva60st\r\n[user]\r\nname=Иван\r\npass=\r\nbal=99,5\r\niecap=рубли\r\n"
                     "ieshort=р.\r\n[dohod]\r\nd1=100\t01.01.2001\tподарок\r\n[notes]\r\n\r\n",
                     old));
    WriteBytes(dir / "old.kv6", old);
    Result r = Cli({"convert", dir / "old.kv6", dir / "new.kv7"});
    ASSERT_EQ(r.code, 0) << r.err;
    const json j = json::parse(Cli({"dump", dir / "new.kv7"}).out);
    EXPECT_EQ(j["sosts"][0]["bal"], 99.5);
    EXPECT_EQ(j["sosts"][0]["dohod"][0], "100\t01.01.2001\tподарок");
    EXPECT_EQ(ReadBytes(dir / "old.kv6"), old);  // never overwritten
}

TEST(Cli, RemindersRunMonthEndAndSaveLikeTheProgram) {
    TempDir dir;
    WriteBytes(dir / "in.json", R"({"sostkol": 2,
      "sosts": [{"sostname": "Касса", "bal": 1500.5}, {"sostname": "Банк", "bal": 200}]})");
    ASSERT_EQ(Cli({"write", dir / "in.json", dir / "home.kv7"}).code, 0);
    std::tm march{};  // noon of 15 March 2026
    march.tm_year = 126;
    march.tm_mon = 2;
    march.tm_mday = 15;
    march.tm_hour = 12;
    const timespec times[2] = {{std::mktime(&march), 0}, {std::mktime(&march), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "home.kv7").c_str(), times, 0), 0);

    Result r = Cli({"reminders", dir / "home.kv7", "--today", "02.05.2026", "--save"});
    ASSERT_EQ(r.code, 0) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["lstSost"], json::parse(R"(["Касса", "Банк"])"));
    EXPECT_NE(j["messages"].dump().find("окончанием календарного месяца"), std::string::npos);
    // The report file of all states lies beside the data file.
    EXPECT_TRUE(std::filesystem::exists(dir / "home-report-02.05.2026.txt"));
    // Saved: the past balances are in the file, the old file in the backup.
    EXPECT_TRUE(std::filesystem::exists(dir / "home.bak.kv7"));
    r = Cli({"dump", dir / "home.kv7", "--today", "02.05.2026"});
    const json saved = json::parse(r.out);
    EXPECT_EQ(saved["sosts"][0]["oldbal"][0], "1500,5\t30.04.2026");
    EXPECT_EQ(saved["sosts"][1]["oldbal"][0], "200\t30.04.2026");
    EXPECT_EQ(saved["MonthEndDue"], false);  // saved this month

    // Opened again the same month: nothing more happens.
    r = Cli({"reminders", dir / "home.kv7", "--today", "03.05.2026"});
    EXPECT_EQ(json::parse(r.out)["messages"].size(), 0u);
}

TEST(Cli, ReportsAndBarcode) {
    TempDir dir;
    ASSERT_EQ(Cli({"new", dir / "home.kv7"}).code, 0);
    Result r = Cli({"report", "state", dir / "home.kv7", "1", "--date", "05.12.2026"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Личные деньги"), std::string::npos);
    EXPECT_EQ(Cli({"report", "state", dir / "home.kv7", "2"}).code, 1);
    EXPECT_EQ(Cli({"report", "client", dir / "home.kv7", "1"}).code, 1);
    EXPECT_EQ(Cli({"report", "weekly", dir / "home.kv7"}).code, 2);
    r = Cli({"report", "all", dir / "home.kv7", "--today", "05.12.2026"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Cp1251ToUtf8(ReadBytes(dir / "home-report-05.12.2026.txt")), r.out + "\r\n");

    EXPECT_EQ(Cli({"barcode", "4006381333932"}).out, "Этот штрих-код поддельный!\n");
    EXPECT_EQ(Cli({"barcode", "12345"}).code, 2);
}

}  // namespace
}  // namespace kz
