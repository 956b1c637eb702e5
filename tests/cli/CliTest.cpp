#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>
#include <set>
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

TEST(Cli, NewThenDump) {
    TempDir dir;
    Result r = Cli({"new", dir / "home.kv7"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    r = Cli({"dump", dir / "home.kv7", "--today", "05.12.2026"});
    ASSERT_EQ(r.code, 0) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["name"], "Пользователь");
    EXPECT_EQ(j["units"].size(), 3u);
    EXPECT_EQ(j["units"][0]["short"], "р.");
    EXPECT_EQ(j["sostkol"], 1);
    ASSERT_EQ(j["sosts"].size(), 1u);
    EXPECT_EQ(j["sosts"][0]["sostname"], "Личные деньги");
    EXPECT_TRUE(j["sosts"][0]["bal"].is_number());
    for (const char* list : {"oldbal", "oldzan", "oldodol", "rashod", "dohod", "ondol", "vydol"})
        EXPECT_EQ(j["sosts"][0][list].size(), 100u) << list;
    EXPECT_EQ(j["phones"].size(), 100u);
    EXPECT_EQ(j["clients"].size(), 0u);
    EXPECT_EQ(j["ReportsReady"], false);
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

// Whether the JSON library reads `text`, and the same values (kinds of
// number included) as JsonValue.
void ExpectSameJson(const std::string& text) {
    const json lib = json::parse(text, nullptr, false);
    cli::JsonValue ours;
    const bool read = cli::JsonValue::Parse(text, ours);
    ASSERT_EQ(read, !lib.is_discarded()) << ::testing::PrintToString(text);
    if (!read) return;
    std::function<void(const json&, const cli::JsonValue&)> same = [&](const json& a,
                                                                       const cli::JsonValue& b) {
        using Kind = cli::JsonValue::Kind;
        switch (b.kind()) {
            case Kind::Null:
                ASSERT_TRUE(a.is_null());
                break;
            case Kind::Bool:
                ASSERT_EQ(a, json(b.Boolean()));
                break;
            case Kind::Integer:
                ASSERT_TRUE(a.is_number_integer() && !a.is_number_unsigned());
                ASSERT_EQ(a.get<long long>(), b.Integer());
                break;
            case Kind::Unsigned:
                ASSERT_TRUE(a.is_number_unsigned());
                ASSERT_EQ(a.get<unsigned long long>(), b.Unsigned());
                break;
            case Kind::Float:
                ASSERT_TRUE(a.is_number_float());
                ASSERT_EQ(a.get<double>(), b.Number());
                ASSERT_EQ(std::signbit(a.get<double>()), std::signbit(b.Number()));
                break;
            case Kind::String:
                ASSERT_EQ(a, json(b.Text()));
                break;
            case Kind::Array:
                ASSERT_TRUE(a.is_array());
                ASSERT_EQ(a.size(), b.Size());
                for (std::size_t i = 0; i < b.Size(); ++i) same(a[i], b[i]);
                break;
            case Kind::Object: {
                ASSERT_TRUE(a.is_object());
                std::set<std::string> keys;
                for (std::size_t i = 0; i < b.Size(); ++i) keys.insert(b.KeyAt(i));
                ASSERT_EQ(keys.size(), a.size());
                for (const auto& [key, value] : a.items()) {
                    ASSERT_NE(b.Find(key), nullptr) << key;
                    same(value, *b.Find(key));
                }
                break;
            }
        }
    };
    same(lib, ours);
}

TEST(Cli, TheWriteCommandReadsJsonAsTheJsonLibraryDoes) {
    for (const char* text : {R"({"a":1,"a":[2]})",
                             "[1e-400, -0, 0, 18446744073709551615, 18446744073709551616, "
                             "-9223372036854775808, -9223372036854775809, 1.0, 1E2, -0.0, 1e308]",
                             "\xEF\xBB\xBF{}",
                             "\xEF\xBB{}",
                             " {} ",
                             R"({"a":"\ud800"})",
                             R"({"a":"\udc00"})",
                             R"(["\u0000"])",
                             "[01]",
                             "[1.]",
                             "[.5]",
                             "[-]",
                             "[1e]",
                             "[\"\x7f\"]",
                             "[\"\x1f\"]",
                             "[\"\xc0\x80\"]",
                             "[\"\xed\xa0\x80\"]",
                             "[1,]",
                             R"({"a":1,})",
                             "[]  x",
                             "",
                             "  ",
                             R"(["\/\b\f\n\r\t\"\\"])",
                             R"(["\x"])",
                             R"(["\uD83D\uDE00", "\u00e9\u0416"])",
                             R"(["\uD83Dx"])",
                             "[true,false,null]",
                             "[tru]",
                             "\xEF\xBB\xBF",
                             "[2e308]",
                             "[-1.7976931348623159e308]",
                             "{\"a\" : [ {\"b\":{}} , [] ]\t\r\n}",
                             "[1 2]",
                             "{\"a\" 1}",
                             "{1:2}"})
        ExpectSameJson(text);
    for (const std::string& text : {std::string("6\0x", 3), std::string("{}\0{", 4),
                                    std::string("[1,\0", 4), std::string("\0{}", 3)})
        ExpectSameJson(text);
    // A document as the dump command prints it, changed at random places
    // (the fuzzer tries many more).
    const std::string doc = cli::DocumentJsonText(test::RichDocument());
    std::mt19937 rng(3);
    const char odd[] = {'"', '\\', '{', '}', '[',    ']',    ',',    ':', '0',
                        '-', 'e',  '.', ' ', '\x01', '\xD0', '\x80', 'u'};
    for (int round = 0; round < 400; ++round) {
        std::string text = doc;
        for (int changes = 1 + static_cast<int>(rng() % 3); changes > 0; --changes) {
            const std::size_t at = rng() % text.size();
            switch (rng() % 3) {
                case 0:
                    text[at] = odd[rng() % sizeof odd];
                    break;
                case 1:
                    text.insert(at, 1, odd[rng() % sizeof odd]);
                    break;
                default:
                    text.erase(at, 1);
                    break;
            }
        }
        ExpectSameJson(text);
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(Cli, TodaySetsTheMonthFlags) {
    TempDir dir;
    ASSERT_EQ(Cli({"new", dir / "home.kv7"}).code, 0);
    // The file was written today; a run "next year" sees an old file.
    const Result r = Cli({"dump", dir / "home.kv7", "--today", "05.02.2099"});
    ASSERT_EQ(r.code, 0);
    const json j = json::parse(r.out);
    EXPECT_EQ(j["ReportsReady"], true);
    EXPECT_EQ(j["MonthEndDue"], false);
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
    EXPECT_EQ(j["sosts"][0]["bal"], 1234.5);
    EXPECT_EQ(j["sosts"][0]["dohod"][0], "5000\t05.10.2002\tЗарплата");
    EXPECT_EQ(j["sosts"][0]["dohod"][1], "");
    EXPECT_EQ(j["sosts"][1]["ienum"], 2);
    EXPECT_EQ(j["units"][1]["short"], "€");
    EXPECT_EQ(j["units"][2]["cap"], "");
    EXPECT_EQ(j["clients"][0]["clinfo"], "строка 1\r\nстрока 2");
    EXPECT_EQ(j["clients"][0]["clondolkm"].size(), 100u);
    EXPECT_EQ(j["notes"], "заметка");

    // The dump itself can be written back and gives the same file.
    WriteBytes(dir / "again.json", r.out);
    ASSERT_EQ(Cli({"write", dir / "again.json", dir / "again.kv7", "--password", "пароль"}).code, 0);
    EXPECT_EQ(ReadBytes(dir / "again.kv7"), ReadBytes(dir / "out.kv7"));
}

TEST(Cli, RefusalsAndUsage) {
    TempDir dir;
    WriteBytes(dir / "bad.json", "{\"sostkol\": 11}");
    Result r = Cli({"write", dir / "bad.json", dir / "x.kv7"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("sostkol"), std::string::npos);
    WriteBytes(dir / "bad.json", "{\"name\": \"a\\nb\"}");
    EXPECT_EQ(Cli({"write", dir / "bad.json", dir / "x.kv7"}).code, 1);
    WriteBytes(dir / "bad.json", "{\"notes\": \"ok\\r\\n[section\"}");
    EXPECT_EQ(Cli({"write", dir / "bad.json", dir / "x.kv7"}).code, 1);
    WriteBytes(dir / "bad.json", "not json");
    EXPECT_EQ(Cli({"write", dir / "bad.json", dir / "x.kv7"}).code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.kv7"));

    r = Cli({"dump", dir / "missing.kv7"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Указанный файл\n\n" + (dir / "missing.kv7") + "\n\nне найден.\n\n");
    EXPECT_EQ(Cli({}).code, 2);
    EXPECT_EQ(Cli({"frobnicate"}).code, 2);
    EXPECT_EQ(Cli({"dump"}).code, 2);
    EXPECT_EQ(Cli({"dump", "a.kv7", "--today", "2026-12-05"}).code, 2);
    EXPECT_EQ(Cli({"dump", "a.kv7", "--colour", "red"}).code, 2);
    EXPECT_EQ(Cli({"convert", "a.kv7", "b.kv7"}).code, 2);
    r = Cli({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("convert"), std::string::npos);
}

TEST(Cli, AFileSizeLimitFailsTheSaveInsteadOfKillingTheTool) {
    TempDir dir;
    const std::string out = dir / "out.kv7";
    ASSERT_EQ(Cli({"new", out}).code, 0);
    const std::string before = ReadBytes(out);
    WriteBytes(dir / "doc.json", R"({"notes": ")" + std::string(20000, 'x') + R"("})");
    int err[2];
    ASSERT_EQ(::pipe(err), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(err[1], 2);
        // As a shell's "ulimit -f" leaves it: the limit, and the signal that
        // ends a process beyond it.
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::execl(KZ_CLI_PATH, KZ_CLI_PATH, "write", (dir / "doc.json").c_str(), out.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(err[1]);
    std::string messages;
    char buf[512];
    for (ssize_t n; (n = ::read(err[0], buf, sizeof buf)) > 0;) messages.append(buf, n);
    ::close(err[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(messages.find("Ошибка при сохранении файла!\n\nФайл слишком большой."),
              std::string::npos)
        << messages;
    EXPECT_EQ(ReadBytes(out), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);
}

TEST(Cli, ConvertsAnOlderFile) {
    TempDir dir;
    std::string old;
    ASSERT_TRUE(Utf8ToCp1251(
        "type=Kerva60st\r\n[user]\r\nname=Иван\r\npass=\r\nbal=99,5\r\niecap=рубли\r\n"
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

}  // namespace
}  // namespace kz

namespace kz {
namespace {

// Sets a file's modification time to noon of a given day.
void Touch(const std::string& path, int year, int month, int day) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = 12;
    const std::time_t t = std::mktime(&tm);
    const timespec times[2] = {{t, 0}, {t, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(Cli, RemindersRunMonthEndAndSaveLikeTheProgram) {
    TempDir dir;
    WriteBytes(dir / "in.json", R"({"sostkol": 2,
      "sosts": [{"sostname": "Касса", "bal": 1500.5}, {"sostname": "Банк", "bal": 200}]})");
    ASSERT_EQ(Cli({"write", dir / "in.json", dir / "home.kv7"}).code, 0);
    Touch(dir / "home.kv7", 2026, 3, 15);

    Result r = Cli({"reminders", dir / "home.kv7", "--today", "02.05.2026", "--save"});
    ASSERT_EQ(r.code, 0) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["lstSost"], json::parse(R"(["Касса", "Банк"])"));
    bool monthEnd = false;
    for (const auto& m : j["messages"])
        monthEnd = monthEnd || m.get<std::string>().find("окончанием календарного месяца") !=
                                   std::string::npos;
    EXPECT_TRUE(monthEnd) << r.out;
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
