#include <gtest/gtest.h>

#include "core/Cipher.h"
#include "core/Cp1251.h"
#include "core/DataFile.h"
#include "core/OlderFile.h"
#include "support/SampleDocuments.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::ScriptedPlatform;
using test::TempDir;

std::string OlderFile(const std::string& type, const std::string& pass, const std::string& bal) {
    std::string t = "type=" + type + "\r\n[user]\r\nname=Старый пользователь\r\npass=" + pass +
                    "\r\nbal=" + bal + "\r\niecap=гривны\r\nieshort=грн\r\n[dohod]\r\n";
    for (int j = 1; j <= 50; ++j)
        t += "d" + std::to_string(j) + "=" + std::to_string(j) + "\t01.02.2001\tдоход\r\n";
    t += "d51=ignored\r\n[rashod]\r\nras1=5\t02.02.2001\tхлеб\r\n[oldbal]\r\nbal2=100\t31.01."
         "2001\r\n";
    t += "[phones]\r\np1=Мама\t123\r\n[notes]\r\nстарые заметки\r\n\r\n";
    std::string bytes;
    EXPECT_TRUE(Utf8ToCp1251(t, bytes));
    return bytes;
}

TEST(OlderFile, BecomesADocumentWithOneState) {
    TempDir dir;
    ScriptedPlatform ui;
    test::WriteBytes(dir / "old.kv6", OlderFile("Kerva60st", "", "1500,25"));
    BudgetFile doc = test::FullDocument();
    int refreshed = 0;
    ASSERT_TRUE(
        OpenDocument(doc, ui, dir / "old.kv6", "", [&](BudgetFile&, Platform&) { ++refreshed; }));
    EXPECT_EQ(std::tuple(refreshed, ui.messages.size(), doc.sostkol, doc.clientkol),
              std::tuple(1, 0u, 1, 0));
    const SostRecord& s = doc.Sost(1);
    EXPECT_EQ(std::tie(doc.name, s.sostname, s.bal),
              std::tuple("Старый пользователь", "Домашний бюджет", 1500.25));
    EXPECT_EQ(CountEntries(s.dohod) + CountEntries(s.ondol) + CountEntries(s.vydol), 50);
    EXPECT_EQ(s.dohod[49] + "|" + s.rashod[0] + "|" + s.oldbal[0] + "|" + s.oldbal[1],
              "50\t01.02.2001\tдоход|5\t02.02.2001\tхлеб||100\t31.01.2001");
    EXPECT_EQ(doc.Unit(1).cap + doc.Unit(1).short_ + doc.Unit(2).cap + doc.Unit(3).cap,
              "гривныгрн");
    EXPECT_EQ(doc.phones[0] + doc.phones[1], "Мама\t123");
    EXPECT_EQ(doc.notes, "старые заметки");
}

TEST(OlderFile, ABadBalanceIsReportedAndTheImportGoesOn) {
    TempDir dir;
    ScriptedPlatform ui;
    test::WriteBytes(dir / "old.kv6", OlderFile("Kerva60st", "", "много"));
    BudgetFile doc;
    ASSERT_TRUE(OpenDocument(doc, ui, dir / "old.kv6", "", nullptr));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Ошибка при загрузке данных:\r\n\r\nЗначение "
                                                   "баланса «много» не является числом."});
    EXPECT_EQ(doc.Sost(1).bal, 0);
    EXPECT_EQ(CountEntries(doc.Sost(1).dohod), 50);
}

TEST(OlderFile, ProtectedAndRefusedFiles) {
    TempDir dir;
    ScriptedPlatform ui;
    std::string key;
    ASSERT_TRUE(PasswordBytes("ключ", key));
    test::WriteBytes(dir / "secret.kv6", EncipherBytes(OlderFile("Kerva60cr", "ключ", "7"), key));
    BudgetFile doc;
    ASSERT_TRUE(OpenDocument(doc, ui, dir / "secret.kv6", "ключ", nullptr));
    EXPECT_TRUE(doc.IsProtected);
    EXPECT_EQ(doc.pass, "ключ");
    EXPECT_EQ(doc.Sost(1).bal, 7);

    // A current-format file given the older ending, and a wrong password.
    BudgetFile current = test::RichDocument();
    current.FilePath = dir / "renamed.kv6";
    AppSettings noBackup;
    noBackup.BackUp = false;
    ASSERT_TRUE(WriteDataFile(current, ui, noBackup));
    test::WriteBytes(dir / "pw.kv6", OlderFile("Kerva60st", "другой", "7"));
    const std::string before = DataFileText(doc, true);
    EXPECT_FALSE(OpenDocument(doc, ui, dir / "renamed.kv6", "", nullptr));
    EXPECT_FALSE(OpenDocument(doc, ui, dir / "pw.kv6", "", nullptr));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text,
              "Указанный файл поврежден, записан предыдущей версией Kerva или защищен паролем.");
    EXPECT_EQ(ui.messages[1].text, "Вы ввели неверный пароль!");
    EXPECT_EQ(DataFileText(doc, true), before);
}

}  // namespace
}  // namespace kz
