#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "core/Cp1251.h"
#include "core/DataFile.h"
#include "core/Files.h"
#include "core/Save.h"
#include "core/WholeFile.h"
#include "support/SampleDocuments.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::ReadBytes;
using test::ScriptedPlatform;
using test::TempDir;
using test::WriteBytes;

std::string Cp(const std::string& utf8) {
    std::string out;
    EXPECT_TRUE(Utf8ToCp1251(utf8, out));
    return out;
}

const std::string kDamaged =
    "Указанный файл поврежден, записан предыдущей версией Kerva или защищен паролем.";

bool Save(BudgetFile doc, ScriptedPlatform& ui, const std::string& path, bool backup = false) {
    doc.FilePath = path;
    AppSettings s;
    s.BackUp = backup;
    return WriteDataFile(doc, ui, s);
}

TEST(NewDocument, WritesTheExactFileOverTheOldOneAndResetsEverySlot) {
    TempDir dir;
    ScriptedPlatform ui;
    WriteBytes(dir / "home.kv7", "the user's old file");
    BudgetFile doc = test::FullDocument();
    doc.IsProtected = true;
    doc.pass = "secret";
    int refreshed = 0;
    ASSERT_TRUE(
        NewDocument(doc, ui, AppSettings{}, dir / "home.kv7", [&](BudgetFile& d, Platform&) {
            ++refreshed;
            EXPECT_EQ(d.Sost(1).sostname, "Личные деньги");
        }));
    // The bytes prove every default that is saved.
    EXPECT_EQ(ReadBytes(dir / "home.kv7"),
              Cp("type=Kerva70st\r\n[user]\r\nname=Пользователь\r\npass=\r\nie1cap=рубли\r\n"
                 "ie1short=р.\r\nie2cap=доллары\r\nie2short=$\r\nie3cap=\r\nie3short=\r\n"
                 "sostkol=1\r\nclientkol=0\r\n[Sost1]\r\nbal=0\r\nsostname=Личные деньги\r\n"
                 "ienum=1\r\n[oldbal1]\r\n[oldzan1]\r\n[oldodol1]\r\n[rashod1]\r\n[dohod1]\r\n"
                 "[ondol1]\r\n[vydol1]\r\n[phones]\r\n[notes]\r\n\r\n\r\n"));
    EXPECT_EQ(ReadBytes(dir / "home.bak.kv7"), "the user's old file");
    EXPECT_EQ(std::tuple(refreshed, doc.Dirty, doc.IsProtected, doc.LastDate),
              std::tuple(1, false, false, Date{2026, 12, 5}));
    EXPECT_EQ(doc.Sost(10).dohod[0] + doc.Client(20).clientname + doc.phones[0], "");
    EXPECT_TRUE(ui.messages.empty());

    // A file that cannot be made leaves the open document as it was.
    const std::string before = DataFileText(doc, false);
    EXPECT_FALSE(NewDocument(doc, ui, AppSettings{}, dir / "missing/x.kv7", nullptr));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Ошибка при создании файла!\r\n\r\nФайл или "
                                                   "папка не найдены."});
    EXPECT_EQ(DataFileText(doc, false), before);
}

TEST(DataFile, PlainAndProtectedFilesReadBackAsTheyWereWritten) {
    TempDir dir;
    BudgetFile noStates = test::RichDocument();
    noStates.sostkol = 0;
    const struct {
        const char* what;
        BudgetFile doc;
        const char* pass;
    } cases[] = {{"rich", test::RichDocument(), ""},
                 {"no states", noStates, ""},
                 {"ten states, twenty clients", test::FullDocument(), ""},
                 {"protected", test::RichDocument(), "Пароль 7"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPlatform ui;
        BudgetFile doc = c.doc;
        doc.IsProtected = *c.pass != 0;
        doc.pass = c.pass;
        ASSERT_TRUE(Save(doc, ui, dir / "a.kv7"));
        const std::string bytes = ReadBytes(dir / "a.kv7");
        // Read over a document with every slot in use: slots beyond the counts
        // keep their content, all 100 phones are read.
        BudgetFile back = test::FullDocument();
        back.phones[60] = "left over";
        ASSERT_TRUE(OpenDocument(back, ui, dir / "a.kv7", c.pass, nullptr));
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(DataFileText(back, doc.IsProtected), DataFileText(doc, doc.IsProtected));
        EXPECT_EQ(std::tie(back.sostkol, back.IsProtected, back.pass, back.notes, back.Dirty),
                  std::tie(doc.sostkol, doc.IsProtected, doc.pass, doc.notes, doc.Dirty));
        EXPECT_EQ(back.FilePath, dir / "a.kv7");
        if (doc.sostkol < kMaxSosts) {
            EXPECT_EQ(back.Sost(kMaxSosts).sostname, "Состояние номер 10");
            EXPECT_EQ(back.phones[60], "");
        }
        // Saved again, the file is the same byte for byte.
        ASSERT_TRUE(Save(back, ui, dir / "b.kv7"));
        EXPECT_EQ(ReadBytes(dir / "b.kv7"), bytes);
        if (doc.IsProtected) {
            EXPECT_EQ(bytes.find_first_not_of("01\r\n"), std::string::npos);
        } else if (doc.sostkol == 2) {  // gaps stay gaps: keys 1 and 3, no key 2
            EXPECT_NE(bytes.find(Cp("[dohod1]\r\nd1=5000\t05.10.2002\tЗарплата\r\nd3=250,5\t")),
                      std::string::npos);
            EXPECT_NE(bytes.find("[rashod2]\r\nras100=10\t"), std::string::npos);
            EXPECT_NE(bytes.find("bal=-0,1\r\n"), std::string::npos);
        }
    }
    // Nothing but the two files: no plain copy of the protected one.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
}

TEST(DataFile, WrongPasswordsAreRefusedAndTheDocumentStays) {
    TempDir dir;
    ScriptedPlatform ui;
    BudgetFile secret = test::RichDocument();
    secret.IsProtected = true;
    secret.pass = "abc";
    ASSERT_TRUE(Save(secret, ui, dir / "p.kv7"));
    ASSERT_TRUE(Save(test::RichDocument(), ui, dir / "plain.kv7"));
    BudgetFile doc = test::FullDocument();
    const std::string before = DataFileText(doc, false);
    EXPECT_FALSE(OpenDocument(doc, ui, dir / "p.kv7", "", nullptr));
    EXPECT_FALSE(OpenDocument(doc, ui, dir / "plain.kv7", "abc", nullptr));
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{kDamaged,
                                                    "Ошибка при декодировании файла!\r\n"
                                                    "\r\nУбедитесь в правильности пароля."}));
    EXPECT_EQ(DataFileText(doc, false), before);
}

TEST(DataFile, ReaderDefaultsAndLetterCase) {
    TempDir dir;
    ScriptedPlatform ui;
    WriteBytes(dir / "h.kv7", Cp("type=Kerva70st\r\n"
                                 "[SOST2]\r\nbal=5\r\nsostname=\r\n"
                                 "[CLIENT1]\r\nclientname=\r\nienum=0\r\nreput=2.5\r\n"
                                 "[clinfo1]\r\nинфо\r\n"
                                 "[USER]\r\nsostkol=2\r\nclientkol=1\r\n"
                                 "[sost1]\r\nbal=1E+16\r\nsostname=Касса\r\nienum=3\r\n"
                                 "[DoHoD1]\r\nd2=x\r\n"
                                 "[phones]\r\np51=fifty-one\r\np100=last\r\n"
                                 "[notes]\r\n"));
    BudgetFile doc;
    ASSERT_TRUE(ReadDataFile(doc, ui, dir / "h.kv7", "", nullptr));
    const SostRecord &s1 = doc.Sost(1), &s2 = doc.Sost(2);
    const ClientRecord& c = doc.Client(1);
    EXPECT_EQ(std::tie(doc.name, s1.bal, s1.ienum, s1.dohod[1], s2.sostname, s2.ienum),
              std::tuple("Пользователь", 1e16, 3, "x", "Личные деньги", 1));
    EXPECT_EQ(std::tie(c.clientname, c.ienum, c.reput, c.clinfo, doc.phones[99]),
              std::tuple("Клиент1", 1, 2, "инфо", "last"));
    // "[notes]" on the last line: the loading message, then an empty text.
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Ошибка при загрузке данных!"});
    EXPECT_EQ(doc.notes, "");
    // Phones beyond 50 are never written.
    ASSERT_TRUE(Save(doc, ui, dir / "h2.kv7"));
    EXPECT_EQ(ReadBytes(dir / "h2.kv7").find("fifty-one"), std::string::npos);
}

TEST(DataFile, MonthFlagsComeFromTheFileDate) {
    TempDir dir;
    ScriptedPlatform ui;
    const std::string path = dir / "m.kv7";
    ASSERT_TRUE(Save(test::RichDocument(), ui, path));
    struct Case {
        Date modified, today;
        bool reports, monthEnd;
    } cases[] = {
        {{2025, 12, 20}, {2026, 1, 3}, true, false},  // December file opened in January
        {{2026, 3, 31}, {2026, 5, 1}, true, true},    // March file opened in May
        {{2026, 5, 1}, {2026, 5, 31}, false, false},  // same month
        {{2027, 3, 1}, {2026, 5, 31}, true, true},    // a future date: only the month counts
    };
    for (const auto& c : cases) {
        ui.SetModificationDate(path, c.modified);
        ui.now.date = c.today;
        BudgetFile doc;
        doc.MonthEndDue = true;  // left over from an earlier file
        ASSERT_TRUE(ReadDataFile(doc, ui, path, "", nullptr));
        EXPECT_EQ(std::tie(doc.ReportsReady, doc.MonthEndDue, doc.LastDate),
                  std::tie(c.reports, c.monthEnd, c.today))
            << FormatDate(c.modified);
    }
}

TEST(DataFile, HostileFilesAndPathsAreRefusedWithoutHarm) {
    TempDir dir;
    const std::string head = "type=Kerva70st\r\n[user]\r\n";
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
    const std::string damaged[] = {
        garbage,
        "",
        "type=Kerva60st\r\n",
        head + "sostkol=11\r\nclientkol=0\r\n[Sost1]\r\nbal=0\r\n",
        head + "sostkol=-1\r\nclientkol=0\r\n",
        head + "sostkol=1\r\nclientkol=-3\r\n[Sost1]\r\nbal=0\r\n",
        head + "sostkol=65537\r\n",
        head + "sostkol=1\r\nclientkol=0\r\n[Sost1]\r\nbal=abc\r\n",
        head + "sostkol=1\r\nclientkol=0\r\n[Sost1]\r\n",
        head + "sostkol=1\r\nclientkol=0\r\n[Sost1]\r\nbal=1\r\nienum=7\r\n",
        head + "sostkol=1\r\nclientkol=1\r\n[Sost1]\r\nbal=1\r\n[Client1]\r\nreput=1e9\r\n"};
    std::filesystem::create_directory(dir / "folder.kv7");
    ASSERT_EQ(::mkfifo((dir / "fifo.kv7").c_str(), 0600), 0);  // opening one would block
    // Sparse: larger than anything the program reads, without using the disk.
    WriteBytes(dir / "huge.kv7", "type=Kerva70st\r\n");
    ASSERT_EQ(::truncate((dir / "huge.kv7").c_str(), kMaxReadSize + 1), 0);
    const auto Named = [&](const char* start, const char* name, const char* end) {
        return JoinParagraphs(JoinParagraphs(start, dir / name), end);
    };
    const std::pair<const char*, std::string> paths[] = {
        {"folder.kv7", Named("Указанный путь", "folder.kv7", "является папкой, а не файлом.")},
        {"fifo.kv7", Named("Указанный путь", "fifo.kv7",
                           "не является обычным файлом (это канал, сокет или устройство).")},
        {"huge.kv7", Named("Файл", "huge.kv7",
                           "слишком большой: программа открывает файлы размером не более 512 МБ.")},
        {"missing.kv7", Named("Указанный файл", "missing.kv7", "не найден.")},
    };
    const auto Refused = [&](const std::string& name, const char* pass, const std::string& text) {
        SCOPED_TRACE(name + " " + pass);
        ScriptedPlatform ui;
        BudgetFile doc = test::RichDocument();
        doc.Dirty = true;
        const std::string before = DataFileText(doc, false);
        EXPECT_FALSE(OpenDocument(doc, ui, dir / name, pass, nullptr));
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().text, text);
        EXPECT_EQ(DataFileText(doc, false), before);
        EXPECT_TRUE(doc.Dirty);
    };
    for (std::size_t i = 0; i < std::size(damaged); ++i) {
        WriteBytes(dir / "bad.kv7", damaged[i]);
        SCOPED_TRACE(i);
        Refused("bad.kv7", "", kDamaged);
    }
    WriteBytes(dir / "utf8.kv7", "type=Kerva70st\r\n[user]\r\nname=Пользователь\r\n");
    Refused("utf8.kv7", "",
            "Файл записан в кодировке UTF-8, а не Windows-1251, и не может быть открыт.");
    for (const auto& [name, text] : paths)
        for (const char* pass : {"", "pw"}) Refused(name, pass, text);  // plain, and deciphered
}

// Another program cuts the file short while it is read, plain or
// enciphered: the open fails with its own message instead of the process
// dying of a bus error, and the document is not entered.
TEST(DataFile, AFileCutShortWhileItIsReadIsRefused) {
    struct CuttingPlatform : ScriptedPlatform {
        std::string victim;
        int SetProgress(long long value, long long max) override {
            if (!victim.empty()) {
                EXPECT_EQ(::truncate(victim.c_str(), 0), 0);
                victim.clear();
            }
            return ScriptedPlatform::SetProgress(value, max);
        }
    };
    TempDir dir;
    const std::string path = dir / "cut.kv7";
    for (const char* pass : {"", "пароль"}) {
        SCOPED_TRACE(pass);
        CuttingPlatform ui;
        BudgetFile doc = test::FullDocument();
        doc.IsProtected = *pass != 0;
        doc.pass = pass;
        ASSERT_TRUE(Save(doc, ui, path));
        ui.victim = path;
        BudgetFile back;
        EXPECT_FALSE(OpenDocument(back, ui, path, pass, nullptr));
        EXPECT_EQ(ui.Texts(),
                  std::vector<std::string>{JoinParagraphs(
                      JoinParagraphs("Файл", path),
                      "изменила другая программа, пока он читался. Откройте его еще раз.")});
        EXPECT_EQ(back.FilePath, "");
    }
}

// A cut inside the one page of a small file gives zeros without a fault.
TEST(DataFile, ACutWithinTheLastPageIsSeenToo) {
    TempDir dir;
    WriteBytes(dir / "small.kv7", std::string(100, 'x'));
    WholeFile file;
    int err = 0;
    ASSERT_TRUE(file.Read(dir / "small.kv7", err));
    EXPECT_FALSE(file.CutShort());
    ASSERT_EQ(::truncate((dir / "small.kv7").c_str(), 50), 0);
    EXPECT_EQ(file.Bytes()[60], '\0');
    EXPECT_TRUE(file.CutShort());
}

TEST(Save, BackupHoldsThePreviousFile) {
    TempDir dir;
    ScriptedPlatform ui;
    BudgetFile doc = test::RichDocument();
    doc.FilePath = dir / "home.kv7";
    AppSettings on;
    // The first save has nothing to back up and says so; it still saves.
    ASSERT_TRUE(WriteDataFile(doc, ui, on));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Ошибка при создании резервной копии "
                                                   "файла!\r\n\r\nФайл или папка не найдены."});
    const std::string first = ReadBytes(dir / "home.kv7");
    doc.name = "Второй";
    ASSERT_TRUE(WriteDataFile(doc, ui, on));
    EXPECT_EQ(ReadBytes(dir / "home.bak.kv7"), first);

    for (const auto& [path, backup] : {std::pair{"/x/home.kv7", "/x/home.bak.kv7"},
                                       {"/x/HOME.KV7", "/x/HOME.bak.kv7"},
                                       {"/x/old.kv6", "/x/old.bak.kv7"},
                                       {"/x.y/noext", "/x.y/noext.bak.kv7"}})
        EXPECT_EQ(BackupPathOf(path), backup);
}

TEST(Save, WritesThroughALinkAndKeepsIt) {
    TempDir dir;
    ScriptedPlatform ui;
    std::filesystem::create_directory(dir / "real");
    const std::string real = dir / "real/data.kv7";
    ASSERT_TRUE(Save(test::RichDocument(), ui, real));
    ASSERT_EQ(::symlink(real.c_str(), (dir / "link.kv7").c_str()), 0);
    BudgetFile doc = test::RichDocument();
    doc.name = "Через ссылку";
    ASSERT_TRUE(Save(doc, ui, dir / "link.kv7"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.kv7"));
    EXPECT_NE(ReadBytes(real).find(Cp("name=Через ссылку")), std::string::npos);
}

// Failing writes are tried at every step in SaveSafetyTest.
TEST(Save, ACharacterTheCodePageLacksIsNotDroppedSilently) {
    TempDir dir;
    ScriptedPlatform ui;
    const std::string path = dir / "home.kv7";
    ASSERT_TRUE(Save(test::RichDocument(), ui, path));
    const std::string before = ReadBytes(path);
    BudgetFile doc = test::RichDocument();
    doc.name = "Имя ☺";
    EXPECT_FALSE(Save(doc, ui, path));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{
                              "Ошибка при сохранении файла!\r\n\r\nТекст содержит символ «☺», "
                              "который нельзя записать в файл (кодировка Windows-1251)."});
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(Save, PendingBackupIsDeletedByTheNextSave) {
    TempDir dir;
    ScriptedPlatform ui;
    BudgetFile doc = test::RichDocument();
    doc.FilePath = dir / "home.kv7";
    WriteBytes(dir / "home.bak.kv7", "old plain copy");
    doc.PendingBackupDelete = dir / "home.bak.kv7";
    AppSettings noBackup;
    noBackup.BackUp = false;
    ASSERT_TRUE(WriteDataFile(doc, ui, noBackup));
    EXPECT_FALSE(std::filesystem::exists(dir / "home.bak.kv7"));
    EXPECT_EQ(doc.PendingBackupDelete, "");
    // A path that cannot be deleted keeps the document dirty.
    std::filesystem::create_directories(dir / "full/inner");
    doc.PendingBackupDelete = dir / "full";
    doc.Dirty = true;
    EXPECT_FALSE(WriteDataFile(doc, ui, noBackup));
    EXPECT_TRUE(doc.Dirty);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Ошибка при удалении резервной копии файла:\r\n\r\n", 0),
              0u);
}

}  // namespace
}  // namespace kz
