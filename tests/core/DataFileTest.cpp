#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/Cipher.h"
#include "core/Cp1251.h"
#include "core/DataFile.h"
#include "core/Files.h"
#include "core/Save.h"
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

const char* const kNewFile =
    "type=Kerva70st\r\n[user]\r\nname=Пользователь\r\npass=\r\nie1cap=рубли\r\nie1short=р.\r\n"
    "ie2cap=доллары\r\nie2short=$\r\nie3cap=\r\nie3short=\r\nsostkol=1\r\nclientkol=0\r\n"
    "[Sost1]\r\nbal=0\r\nsostname=Личные деньги\r\nienum=1\r\n[oldbal1]\r\n[oldzan1]\r\n"
    "[oldodol1]\r\n[rashod1]\r\n[dohod1]\r\n[ondol1]\r\n[vydol1]\r\n[phones]\r\n[notes]\r\n\r\n\r\n";

// Saves a document to `path` the way the program does.
bool Save(BudgetFile doc, ScriptedPlatform& ui, const std::string& path, bool backup = false) {
    doc.FilePath = path;
    AppSettings s;
    s.BackUp = backup;
    return WriteDataFile(doc, ui, s);
}

TEST(NewDocument, WritesTheExactFileAndIsSaved) {
    TempDir dir;
    ScriptedPlatform ui;
    BudgetFile doc;
    int refreshed = 0;
    ASSERT_TRUE(NewDocument(doc, ui, AppSettings{}, dir / "home.kv7",
                            [&](BudgetFile& d, Platform&) {
                                ++refreshed;
                                EXPECT_EQ(d.Sost(1).sostname, "Личные деньги");
                            }));
    // The bytes prove every default that is saved.
    EXPECT_EQ(ReadBytes(dir / "home.kv7"), Cp(kNewFile));
    EXPECT_EQ(refreshed, 1);
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(doc.FilePath, dir / "home.kv7");
    EXPECT_EQ(doc.LastDate, (Date{2026, 12, 5}));
    // The file was created empty first, so the backup copy holds that.
    EXPECT_EQ(ReadBytes(dir / "home.bak.kv7"), "\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(NewDocument, ResetsEverySlotOfTheOpenDocument) {
    TempDir dir;
    ScriptedPlatform ui;
    BudgetFile doc = test::FullDocument();
    doc.IsProtected = true;
    doc.pass = "secret";
    ASSERT_TRUE(NewDocument(doc, ui, AppSettings{}, dir / "new.kv7", nullptr));
    EXPECT_EQ(CountEntries(doc.Sost(10).dohod), 0);
    EXPECT_EQ(doc.Sost(10).sostname, "");
    EXPECT_EQ(doc.Client(20).clientname, "");
    EXPECT_EQ(doc.phones[0], "");
    EXPECT_FALSE(doc.IsProtected);
    EXPECT_EQ(ReadBytes(dir / "new.kv7"), Cp(kNewFile));
}

TEST(NewDocument, CreatingOverAFileKeepsItAsTheBackup) {
    TempDir dir;
    ScriptedPlatform ui;
    test::WriteBytes(dir / "home.kv7", "the user's old file");
    test::WriteBytes(dir / "home.bak.kv7", "an older backup");
    BudgetFile doc;
    ASSERT_TRUE(NewDocument(doc, ui, AppSettings{}, dir / "home.kv7", nullptr));
    EXPECT_EQ(ReadBytes(dir / "home.kv7"), Cp(kNewFile));
    EXPECT_EQ(ReadBytes(dir / "home.bak.kv7"), "the user's old file");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(NewDocument, FailureToCreateLeavesTheDocument) {
    ScriptedPlatform ui;
    BudgetFile doc = test::RichDocument();
    const std::string before = DataFileText(doc, false);
    EXPECT_FALSE(NewDocument(doc, ui, AppSettings{}, "/nonexistent/dir/x.kv7", nullptr));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Ошибка при создании файла!\r\n\r\nФайл или папка не найдены.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
    EXPECT_EQ(DataFileText(doc, false), before);
}

TEST(DataFile, PlainRoundTripKeepsEverything) {
    TempDir dir;
    ScriptedPlatform ui;
    const BudgetFile rich = test::RichDocument();
    ASSERT_TRUE(Save(rich, ui, dir / "a.kv7"));
    const std::string bytes = ReadBytes(dir / "a.kv7");
    // Gaps stay gaps: keys 1 and 3, no key 2.
    EXPECT_NE(bytes.find(Cp("[dohod1]\r\nd1=5000\t05.10.2002\tЗарплата\r\nd3=250,5\t")),
              std::string::npos);
    EXPECT_NE(bytes.find("[rashod2]\r\nras100=10\t"), std::string::npos);
    EXPECT_NE(bytes.find("bal=-0,1\r\n"), std::string::npos);

    BudgetFile back;
    ASSERT_TRUE(ReadDataFile(back, ui, dir / "a.kv7", "", nullptr));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(DataFileText(back, false), DataFileText(rich, false));
    EXPECT_EQ(back.Sost(1).dohod[1], "");
    EXPECT_EQ(back.Sost(2).bal, -0.1);
    EXPECT_EQ(back.notes, rich.notes);
    EXPECT_EQ(back.FilePath, dir / "a.kv7");
    EXPECT_FALSE(back.Dirty);

    // Saving and reading again changes nothing, notes included.
    ASSERT_TRUE(Save(back, ui, dir / "b.kv7"));
    EXPECT_EQ(ReadBytes(dir / "b.kv7"), bytes);
}

TEST(DataFile, ProtectedRoundTripNeverWritesPlainText) {
    TempDir dir;
    ScriptedPlatform ui;
    BudgetFile rich = test::RichDocument();
    rich.IsProtected = true;
    rich.pass = "Пароль 7";
    ASSERT_TRUE(Save(rich, ui, dir / "p.kv7"));
    const std::string bytes = ReadBytes(dir / "p.kv7");
    EXPECT_EQ(bytes.find_first_not_of("01\r\n"), std::string::npos);
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(e.path().filename(), "p.kv7");  // no plain copy anywhere

    BudgetFile back;
    ASSERT_TRUE(OpenDocument(back, ui, dir / "p.kv7", "Пароль 7", nullptr));
    EXPECT_TRUE(back.IsProtected);
    EXPECT_EQ(back.pass, "Пароль 7");
    EXPECT_EQ(DataFileText(back, true), DataFileText(rich, true));
    EXPECT_TRUE(ui.messages.empty());

    // Saved again with the same password, the file is the same.
    ASSERT_TRUE(Save(back, ui, dir / "p2.kv7"));
    EXPECT_EQ(ReadBytes(dir / "p2.kv7"), bytes);
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
    EXPECT_FALSE(OpenDocument(doc, ui, dir / "p.kv7", "abd", nullptr));
    EXPECT_FALSE(OpenDocument(doc, ui, dir / "plain.kv7", "abc", nullptr));
    // A file whose type line decodes but whose password differs.
    BudgetFile other = test::RichDocument();
    other.IsProtected = true;
    other.pass = "abc";
    std::string plain;
    ASSERT_TRUE(Utf8ToCp1251(DataFileText(other, true), plain));
    std::string key;
    ASSERT_TRUE(PasswordBytes("xyz", key));
    WriteBytes(dir / "mismatch.kv7", EncipherBytes(plain, key));
    EXPECT_FALSE(OpenDocument(doc, ui, dir / "mismatch.kv7", "xyz", nullptr));

    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[0].text,
              "Указанный файл поврежден, записан предыдущей версией Kerva или защищен паролем.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Information);
    // A wrong key either fails on a line or gives text without the type line.
    for (int i : {1, 2})
        EXPECT_TRUE(ui.messages[i].text ==
                        "Неверно декодирован файл. Убедитесь, что пароль введен правильно." ||
                    ui.messages[i].text ==
                        "Ошибка при декодировании файла!\r\n\r\nУбедитесь в правильности пароля.")
            << ui.messages[i].text;
    EXPECT_EQ(ui.messages[3].text, "Вы ввели неверный пароль!");
    EXPECT_EQ(ui.messages[3].icon, Icon::Exclamation);
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
    EXPECT_EQ(doc.name, "Пользователь");
    EXPECT_EQ(doc.Sost(1).bal, 1e16);
    EXPECT_EQ(doc.Sost(1).ienum, 3);
    EXPECT_EQ(doc.Sost(1).dohod[1], "x");
    EXPECT_EQ(doc.Sost(2).sostname, "Личные деньги");
    EXPECT_EQ(doc.Sost(2).ienum, 1);
    EXPECT_EQ(doc.Client(1).clientname, "Клиент1");
    EXPECT_EQ(doc.Client(1).ienum, 1);
    EXPECT_EQ(doc.Client(1).reput, 2);
    EXPECT_EQ(doc.Client(1).clinfo, "инфо");
    EXPECT_EQ(doc.phones[50], "fifty-one");
    EXPECT_EQ(doc.phones[99], "last");
    // "[notes]" on the last line: the loading message, then an empty text.
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Ошибка при загрузке данных!");
    EXPECT_EQ(doc.notes, "");
    // Phones beyond 50 are never written.
    ASSERT_TRUE(Save(doc, ui, dir / "h2.kv7"));
    EXPECT_EQ(ReadBytes(dir / "h2.kv7").find("fifty-one"), std::string::npos);
}

TEST(DataFile, ADocumentWithoutStatesRoundTrips) {
    TempDir dir;
    ScriptedPlatform ui;
    BudgetFile empty = test::RichDocument();
    empty.sostkol = 0;
    ASSERT_TRUE(Save(empty, ui, dir / "e.kv7"));
    BudgetFile back;
    ASSERT_TRUE(ReadDataFile(back, ui, dir / "e.kv7", "", nullptr));
    EXPECT_EQ(back.sostkol, 0);
    EXPECT_EQ(back.clientkol, 2);
}

TEST(DataFile, SlotsBeyondTheCountsKeepTheirOldContent) {
    TempDir dir;
    ScriptedPlatform ui;
    ASSERT_TRUE(Save(test::RichDocument(), ui, dir / "a.kv7"));
    BudgetFile doc = test::FullDocument();
    ASSERT_TRUE(ReadDataFile(doc, ui, dir / "a.kv7", "", nullptr));
    EXPECT_EQ(doc.sostkol, 2);
    EXPECT_EQ(doc.Sost(3).sostname, "Состояние номер 3");
    EXPECT_EQ(doc.Sost(2).sostname, "Сбережения");
    EXPECT_EQ(doc.phones[60], "");  // all 100 phone slots are read
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
        {{2025, 12, 20}, {2026, 1, 3}, true, false},   // December file opened in January
        {{2026, 3, 31}, {2026, 5, 1}, true, true},     // March file opened in May
        {{2026, 5, 1}, {2026, 5, 31}, false, false},   // same month
        {{2026, 6, 1}, {2026, 5, 31}, false, false},   // a date in the future
        {{2027, 3, 1}, {2026, 5, 31}, true, true},     // only the month counts when the year is not earlier
    };
    for (const auto& c : cases) {
        ui.SetModificationDate(path, c.modified);
        ui.now.date = c.today;
        BudgetFile doc;
        doc.MonthEndDue = true;  // left over from an earlier file
        ASSERT_TRUE(ReadDataFile(doc, ui, path, "", nullptr));
        EXPECT_EQ(doc.ReportsReady, c.reports) << FormatDate(c.modified);
        EXPECT_EQ(doc.MonthEndDue, c.monthEnd) << FormatDate(c.modified);
        EXPECT_EQ(doc.LastDate, c.today);
    }
}

struct HostileCase {
    const char* name;
    std::string content;
    const char* message;
};

TEST(DataFile, HostileFilesAreRefusedWithoutHarm) {
    TempDir dir;
    const std::string damaged =
        "Указанный файл поврежден, записан предыдущей версией Kerva или защищен паролем.";
    const std::string head = "type=Kerva70st\r\n[user]\r\n";
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
    const HostileCase cases[] = {
        {"garbage", garbage, damaged.c_str()},
        {"empty", "", damaged.c_str()},
        {"too many states", head + "sostkol=11\r\nclientkol=0\r\n[Sost1]\r\nbal=0\r\n", damaged.c_str()},
        {"negative states", head + "sostkol=-1\r\nclientkol=0\r\n", damaged.c_str()},
        {"negative clients", head + "sostkol=1\r\nclientkol=-3\r\n[Sost1]\r\nbal=0\r\n", damaged.c_str()},
        {"count beyond 16 bits", head + "sostkol=65537\r\n", damaged.c_str()},
        {"bad balance", head + "sostkol=1\r\nclientkol=0\r\n[Sost1]\r\nbal=abc\r\n", damaged.c_str()},
        {"no balance", head + "sostkol=1\r\nclientkol=0\r\n[Sost1]\r\n", damaged.c_str()},
        {"unit out of range", head + "sostkol=1\r\nclientkol=0\r\n[Sost1]\r\nbal=1\r\nienum=7\r\n", damaged.c_str()},
        {"reputation beyond 16 bits", head + "sostkol=1\r\nclientkol=1\r\n[Sost1]\r\nbal=1\r\n[Client1]\r\nreput=1e9\r\n", damaged.c_str()},
        {"UTF-8", "type=Kerva70st\r\n[user]\r\nname=Пользователь\r\n",
         "Файл записан в кодировке UTF-8, а не Windows-1251, и не может быть открыт."},
        {"older format", "type=Kerva60st\r\n", damaged.c_str()},
    };
    for (const auto& c : cases) {
        ScriptedPlatform ui;
        BudgetFile doc = test::RichDocument();
        doc.Dirty = true;
        const std::string before = DataFileText(doc, false);
        WriteBytes(dir / "bad.kv7", c.content);
        EXPECT_FALSE(OpenDocument(doc, ui, dir / "bad.kv7", "", nullptr)) << c.name;
        ASSERT_FALSE(ui.messages.empty()) << c.name;
        EXPECT_EQ(ui.messages.back().text, c.message) << c.name;
        EXPECT_EQ(DataFileText(doc, false), before) << c.name;
        EXPECT_TRUE(doc.Dirty) << c.name;
    }
}

TEST(DataFile, PathsThatAreNotReadableFilesAreRefused) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.kv7");
    ASSERT_EQ(::mkfifo((dir / "fifo.kv7").c_str(), 0600), 0);  // opening one would block
    // Sparse: larger than anything the program reads, without using the disk.
    WriteBytes(dir / "huge.kv7", "type=Kerva70st\r\n");
    ASSERT_EQ(::truncate((dir / "huge.kv7").c_str(), kMaxReadSize + 1), 0);
    const struct {
        const char *name, *head, *ending;
    } cases[] = {
        {"folder.kv7", "Указанный путь", "является папкой, а не файлом."},
        {"fifo.kv7", "Указанный путь",
         "не является обычным файлом (это канал, сокет или устройство)."},
        {"huge.kv7", "Файл", "слишком большой: программа открывает файлы размером не более 512 МБ."},
        {"missing.kv7", "Указанный файл", "не найден."},
    };
    for (const auto& c : cases) {
        for (const char* password : {"", "pw"}) {  // plain, and deciphered first
            ScriptedPlatform ui;
            BudgetFile doc = test::RichDocument();
            EXPECT_FALSE(OpenDocument(doc, ui, dir / c.name, password, nullptr)) << c.name;
            ASSERT_EQ(ui.messages.size(), 1u) << c.name;
            EXPECT_EQ(ui.messages[0].text,
                      JoinParagraphs(JoinParagraphs(c.head, dir / c.name), c.ending))
                << c.name << " " << password;
            EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
        }
    }

    if (::geteuid() != 0) {  // root reads files whatever their permissions
        ScriptedPlatform ui;
        BudgetFile doc;
        WriteBytes(dir / "locked.kv7", "type=Kerva70st\r\n");
        ::chmod((dir / "locked.kv7").c_str(), 0);
        EXPECT_FALSE(OpenDocument(doc, ui, dir / "locked.kv7", "", nullptr));
        EXPECT_EQ(ui.messages.back().text, "Ошибка при открытии служебного файла.");
    }
}

TEST(DataFile, AHundredMegabyteLineIsReadInOnePass) {
    TempDir dir;
    ScriptedPlatform ui;
    std::string big = "type=Kerva70st\r\n[user]\r\nname=";
    big.append(100u * 1024 * 1024, ']');
    big += "\r\n[" + std::string(1000000, ']') + "\r\n";
    WriteBytes(dir / "big.kv7", big);
    big.clear();
    BudgetFile doc;
    // Nothing in it is damaged: absent counts read as none.
    ASSERT_TRUE(OpenDocument(doc, ui, dir / "big.kv7", "", nullptr));
    EXPECT_EQ(doc.name.size(), 100u * 1024 * 1024);
    EXPECT_EQ(doc.sostkol, 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Save, BackupHoldsThePreviousFile) {
    TempDir dir;
    ScriptedPlatform ui;
    BudgetFile doc = test::RichDocument();
    doc.FilePath = dir / "home.kv7";
    AppSettings on;
    // The first save has nothing to back up and says so; it still saves.
    ASSERT_TRUE(WriteDataFile(doc, ui, on));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Ошибка при создании резервной копии файла!\r\n\r\nФайл или папка не найдены.");
    const std::string first = ReadBytes(dir / "home.kv7");
    doc.name = "Второй";
    ASSERT_TRUE(WriteDataFile(doc, ui, on));
    EXPECT_EQ(ReadBytes(dir / "home.bak.kv7"), first);
    EXPECT_NE(ReadBytes(dir / "home.kv7"), first);

    AppSettings off;
    off.BackUp = false;
    doc.FilePath = dir / "other.kv7";
    ASSERT_TRUE(WriteDataFile(doc, ui, off));
    ASSERT_TRUE(WriteDataFile(doc, ui, off));
    EXPECT_FALSE(std::filesystem::exists(dir / "other.bak.kv7"));

    EXPECT_EQ(BackupPathOf("/x/home.kv7"), "/x/home.bak.kv7");
    EXPECT_EQ(BackupPathOf("/x/HOME.KV7"), "/x/HOME.bak.kv7");
    EXPECT_EQ(BackupPathOf("/x/old.kv6"), "/x/old.bak.kv7");
    EXPECT_EQ(BackupPathOf("/x.y/noext"), "/x.y/noext.bak.kv7");
}

TEST(Save, KeepsPermissionsAndLinks) {
    TempDir dir;
    ScriptedPlatform ui;
    std::filesystem::create_directory(dir / "real");
    const std::string real = dir / "real/data.kv7";
    ASSERT_TRUE(Save(test::RichDocument(), ui, real));
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(::symlink(real.c_str(), (dir / "link.kv7").c_str()), 0);

    BudgetFile doc = test::RichDocument();
    doc.name = "Через ссылку";
    ASSERT_TRUE(Save(doc, ui, dir / "link.kv7"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.kv7"));
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_NE(ReadBytes(real).find(Cp("name=Через ссылку")), std::string::npos);
}

// Makes writes beyond `bytes` fail, as on a full disk.
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit r = old;
        r.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &r);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);
    }
};

TEST(Save, AFailedSaveLeavesThePreviousFileAndNoTemporaryFile) {
    TempDir dir;
    ScriptedPlatform ui;
    const std::string path = dir / "home.kv7";
    ASSERT_TRUE(Save(test::RichDocument(), ui, path));
    const std::string before = ReadBytes(path);

    BudgetFile doc = test::FullDocument();
    doc.FilePath = path;
    doc.Dirty = true;
    AppSettings noBackup;
    noBackup.BackUp = false;
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(WriteDataFile(doc, ui, noBackup));
        doc.IsProtected = true;
        doc.pass = "pw";
        EXPECT_FALSE(WriteDataFile(doc, ui, noBackup));
    }
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(ReadBytes(path), before);
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, "Ошибка при сохранении файла!\r\n\r\nФайл слишком большой.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
    EXPECT_EQ(ui.messages[1].text, "Ошибка при шифровании файла!\r\n\r\nФайл слишком большой.");
    EXPECT_EQ(ui.messages[2].text, "Возникла ошибка при шифровании файла. Файл не сохранен!");

    // A folder where the file should be, and a folder that does not exist.
    doc.IsProtected = false;
    doc.FilePath = dir.Path() + ".";
    EXPECT_FALSE(WriteDataFile(doc, ui, noBackup));
    doc.FilePath = dir / "missing/home.kv7";
    EXPECT_FALSE(WriteDataFile(doc, ui, noBackup));
    EXPECT_TRUE(doc.Dirty);
    // A character the code page lacks is not dropped silently.
    doc.FilePath = path;
    doc.name = "Имя ☺";
    EXPECT_FALSE(WriteDataFile(doc, ui, noBackup));
    EXPECT_EQ(ui.messages.back().text,
              "Ошибка при сохранении файла!\r\n\r\nТекст содержит символ «☺», который нельзя "
              "записать в файл (кодировка Windows-1251).");
    EXPECT_EQ(ReadBytes(path), before);
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
    EXPECT_EQ(ui.messages[0].title, "Служба безопасности");
    EXPECT_EQ(ui.messages[0].text.rfind("Ошибка при удалении резервной копии файла:\r\n\r\n", 0), 0u);
    // Shorter than 3 characters means none.
    doc.PendingBackupDelete = "ab";
    EXPECT_TRUE(WriteDataFile(doc, ui, noBackup));
}

}  // namespace
}  // namespace kz
