#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>
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
    EXPECT_EQ(j["name"], "Пользователь");
    EXPECT_EQ(j["units"][0]["short"], "р.");
    ASSERT_EQ(j["sosts"].size(), 1u);
    EXPECT_EQ(j["sosts"][0]["sostname"], "Личные деньги");
    for (const char* list : {"oldbal", "oldzan", "oldodol", "rashod", "dohod", "ondol", "vydol"})
        EXPECT_EQ(j["sosts"][0][list].size(), 100u) << list;
    EXPECT_EQ(j["phones"].size(), 100u);
    EXPECT_EQ(j["clients"].size(), 0u);
    EXPECT_EQ(j["ReportsReady"], false);
    // The file was written today; a run "in 2099" sees an old file.
    j = json::parse(Cli({"dump", dir / "home.kv7", "--today", "05.02.2099"}).out);
    EXPECT_EQ(j["ReportsReady"], true);
    EXPECT_EQ(j["MonthEndDue"], false);
}

TEST(Cli, DumpPrintsExactlyWhatTheJsonLibraryPrints) {
    // Texts of every kind, at every place of the blocks the writer reads at
    // once: control characters, quotes and backslashes, Cyrillic, longer
    // characters, and invalid UTF-8 (which the library replaces).
    const std::string pieces[] = {"a",    "\t",       "\"",       "\\",        "\x01", "\x1f",
                                  "\x7f", "Я",        "ё",        "€",         "😀",    "\x80",
                                  "\xD0", "\xC0\x80", "\xE2\x82", "0123456789"};
    std::mt19937 rng(2);
    BudgetFile doc = test::RichDocument();
    doc.Sost(1).bal = std::numeric_limits<double>::max();
    doc.Sost(2).bal = -0.0;
    for (auto& entry : doc.Sost(1).rashod) {
        for (std::size_t n = rng() % 14; n > 0; --n) entry += pieces[rng() % std::size(pieces)];
    }
    doc.Sost(2).dohod[0] = std::string(15, 'x') + "Я" + std::string(15, 'y') + "\t";
    const auto library = [](const BudgetFile& d) {
        return cli::DocumentToJson(d).dump(2, ' ', false, json::error_handler_t::replace);
    };
    EXPECT_EQ(cli::DocumentJsonText(doc), library(doc));
    for (const BudgetFile& d : {test::FullDocument(), BudgetFile{}})
        EXPECT_EQ(cli::DocumentJsonText(d), library(d));
    std::ostringstream streamed;
    cli::WriteDocumentJson(test::FullDocument(), streamed);
    EXPECT_EQ(streamed.str(), library(test::FullDocument()));
}

// The fuzzer compares the values read on random texts; these are the edges
// where a reader of its own most easily parts from the library.
TEST(Cli, TheWriteCommandTakesTheJsonTheJsonLibraryTakes) {
    // clang-format off
    const std::string texts[] = {
        R"({"a":1,"a":[2]})", "[1e-400, -0, 18446744073709551616, -9223372036854775809, -0.0]",
        "\xEF\xBB\xBF{}", "\xEF\xBB{}", " {} ", R"({"a":"\ud800"})", R"({"a":"\udc00"})",
        R"(["\u0000"])", "[01]", "[1.]", "[.5]", "[-]", "[1e]", "[\"\x7f\"]", "[\"\x1f\"]",
        "[\"\xc0\x80\"]", "[\"\xed\xa0\x80\"]", "[\"\xd0\", \"\x90\"]", "{\"\xd0\":\"a\"}",
        "[1,]", R"({"a":1,})", "[]  x", "", "  ",
        R"(["\/\b\f\n\r\t\"\\"])", R"(["\x"])", R"(["\uD83D\uDE00"])", R"(["\uD83Dx"])",
        "[tru]", "\xEF\xBB\xBF", "[2e308]", "[1 2]", "{\"a\" 1}", "{1:2}",
        std::string("6\0x", 3), std::string("{}\0{", 4), std::string("\0{}", 3)};
    // clang-format on
    for (const std::string& text : texts) {
        EXPECT_EQ(cli::JsonDocument().Parse(text),
                  !json::parse(text, nullptr, false).is_discarded())
            << ::testing::PrintToString(text);
    }
    // Numbers keep their kind and value.
    cli::JsonDocument doc;
    ASSERT_TRUE(doc.Parse("[18446744073709551615, -9223372036854775808, -0.0, 1E2]"));
    const cli::JsonValue& v = doc.Root();
    EXPECT_EQ(v[0].Unsigned(), 18446744073709551615ull);
    EXPECT_EQ(v[1].Integer(), std::numeric_limits<long long>::min());
    EXPECT_TRUE(std::signbit(v[2].Number()));
    EXPECT_EQ(v[3].kind(), cli::JsonValue::Kind::Float);
    ASSERT_TRUE(doc.Parse(R"(["\uD83D\uDE00\u00e9"])"));
    EXPECT_EQ(doc.Root()[0].Text(), "😀é");
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
    EXPECT_EQ(j["sosts"][0]["dohod"][1], "");
    EXPECT_EQ(j["sosts"][1]["ienum"], 2);
    EXPECT_EQ(j["units"][1]["short"], "€");
    EXPECT_EQ(j["units"][2]["cap"], "");
    EXPECT_EQ(j["clients"][0]["clinfo"], "строка 1\r\nстрока 2");
    EXPECT_EQ(j["clients"][0]["clondolkm"].size(), 100u);

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
    r = Cli({"dump", dir / "new.kv7"});
    const json j = json::parse(r.out);
    EXPECT_EQ(j["name"], "Иван");
    EXPECT_EQ(j["sosts"][0]["sostname"], "Домашний бюджет");
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
    EXPECT_NE(r.out.find("\r\n"), std::string::npos);
    EXPECT_EQ(Cli({"report", "state", dir / "home.kv7", "2"}).code, 1);
    EXPECT_EQ(Cli({"report", "client", dir / "home.kv7", "1"}).code, 1);
    EXPECT_EQ(Cli({"report", "weekly", dir / "home.kv7"}).code, 2);
    r = Cli({"report", "all", dir / "home.kv7", "--today", "05.12.2026"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Cp1251ToUtf8(ReadBytes(dir / "home-report-05.12.2026.txt")), r.out + "\r\n");

    r = Cli({"barcode", "4006381333931"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("Германия"), std::string::npos);
    EXPECT_EQ(Cli({"barcode", "4006381333932"}).out, "Этот штрих-код поддельный!\n");
    EXPECT_EQ(Cli({"barcode", "12345"}).code, 2);
}

}  // namespace
}  // namespace kz
