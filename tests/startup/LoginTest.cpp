#include <gtest/gtest.h>

#include <filesystem>

#include "core/Cipher.h"
#include "core/Cp1251.h"
#include "core/DataFile.h"
#include "core/Files.h"
#include "startup/Login.h"
#include "startup/StartupFixture.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::LoginPlatform;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

const char* const kOverwrite = "уже существует. Перезаписать?";

struct Login {
    TempDir dir;
    LoginPlatform ui;
    BudgetFile doc = test::FullDocument();
    AppSettings settings;
    LoginPaths paths{dir.Path(), dir / "kervazyl.ini"};
    int refreshed = 0;

    bool Enter(LoginForm& form) {
        return OpenOrCreate(doc, settings, ui, paths, form,
                            [this](BudgetFile&, Platform&) { ++refreshed; });
    }
    // A data file written the way the program saves it.
    void SaveFile(const std::string& path, BudgetFile d, const std::string& pass = "") {
        d.FilePath = path;
        d.IsProtected = !pass.empty();
        d.pass = pass;
        AppSettings noBackup;
        noBackup.BackUp = false;
        ASSERT_TRUE(WriteDataFile(d, ui, noBackup));
        ui.messages.clear();
    }
    bool SettingsWritten() const { return FileExists(paths.settingsPath); }
};

TEST(OpenOrCreate, ShortNamesAreRefusedBeforeAnythingElse) {
    Login t;
    t.doc.Dirty = true;
    LoginForm form{false, "ab", "pw"};
    EXPECT_FALSE(t.Enter(form));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "Необходимо указать файл для создания/открытия.");
    EXPECT_EQ(t.ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(t.ui.messages[0].title, "Brisklane Kerva Zyl");
    EXPECT_FALSE(t.doc.Dirty);  // cleared at the start of every attempt
    EXPECT_EQ(t.ui.progressShown, 0);
    EXPECT_EQ(form.pass, "pw");
    EXPECT_FALSE(t.SettingsWritten());

    // Characters count, not bytes: three Cyrillic letters are enough.
    LoginForm three{true, "дом", ""};
    EXPECT_FALSE(t.Enter(three));
    EXPECT_EQ(t.ui.messages.back().text, "Не найден файл:\r\n\r\nдом.kv7");
}

TEST(OpenOrCreate, OpeningCompletesTheNameAndRemembersIt) {
    Login t;
    BudgetFile home = test::RichDocument();
    t.SaveFile(t.dir / "home.kv7", home);
    t.settings.Sound = false;

    LoginForm form{true, t.dir / "home", ""};
    ASSERT_TRUE(t.Enter(form));
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_EQ(form.file, t.dir / "home.kv7");
    EXPECT_EQ(t.doc.FilePath, t.dir / "home.kv7");
    EXPECT_EQ(t.doc.name, home.name);
    EXPECT_FALSE(t.doc.IsProtected);
    EXPECT_EQ(t.refreshed, 1);
    EXPECT_EQ(t.ui.progressMessages, std::vector<std::string>{"Открытие файла..."});
    EXPECT_EQ(t.ui.progressHidden, 1);
    EXPECT_EQ(t.settings.Last, t.dir / "home.kv7");
    const AppSettings back = ReadSettings(t.paths.settingsPath);
    EXPECT_EQ(back.Last, t.dir / "home.kv7");
    EXPECT_FALSE(back.Sound);

    // Upper-case extension: no completion.
    t.SaveFile(t.dir / "WORK.KV7", home);
    LoginForm upper{true, t.dir / "WORK.KV7", ""};
    ASSERT_TRUE(t.Enter(upper));
    EXPECT_EQ(upper.file, t.dir / "WORK.KV7");
    EXPECT_EQ(ReadSettings(t.paths.settingsPath).Last, t.dir / "WORK.KV7");
}

TEST(OpenOrCreate, AMissingFileIsNamedWithItsCompletedPath) {
    Login t;
    const BudgetFile before = t.doc;
    LoginForm form{true, t.dir / "nothing", ""};
    EXPECT_FALSE(t.Enter(form));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "Не найден файл:\r\n\r\n" + (t.dir / "nothing.kv7"));
    EXPECT_EQ(t.ui.messages[0].icon, Icon::Critical);
    EXPECT_EQ(form.file, t.dir / "nothing.kv7");
    EXPECT_EQ(t.ui.progressShown, 0);
    EXPECT_EQ(DataFileText(t.doc, false), DataFileText(before, false));
    EXPECT_FALSE(t.SettingsWritten());
}

TEST(OpenOrCreate, CreatingAsksBeforeAddingTheExtension) {
    Login t;
    LoginForm form{false, t.dir / "home", ""};
    t.ui.Answer(Answer::No);
    EXPECT_FALSE(t.Enter(form));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text,
              "Файл должен иметь расширение .kv7. Добавить это расширение и продолжить?");
    EXPECT_EQ(t.ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(t.ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(form.file, t.dir / "home");
    EXPECT_FALSE(FileExists(t.dir / "home.kv7"));

    t.ui.Answer(Answer::Yes);
    ASSERT_TRUE(t.Enter(form));
    EXPECT_EQ(form.file, t.dir / "home.kv7");
    EXPECT_EQ(t.doc.FilePath, t.dir / "home.kv7");
    EXPECT_EQ(t.doc.sostkol, 1);
    EXPECT_EQ(t.doc.Sost(1).sostname, "Личные деньги");
    EXPECT_EQ(t.ui.progressMessages, std::vector<std::string>{"Создание файла..."});
    EXPECT_EQ(t.ui.progressHidden, 1);
    EXPECT_EQ(ReadBytes(t.dir / "home.kv7").substr(0, 16), "type=Kerva70st\r\n");
    EXPECT_EQ(ReadSettings(t.paths.settingsPath).Last, t.dir / "home.kv7");
    t.ui.ExpectAllAnswered();
}

TEST(OpenOrCreate, CreatingOverAnExistingFileAsksFirst) {
    Login t;
    t.SaveFile(t.dir / "home.kv7", test::RichDocument());
    const std::string original = ReadBytes(t.dir / "home.kv7");
    const std::string question = "Файл \r\n\r\n" + (t.dir / "home.kv7") + "\r\n\r\n" + kOverwrite;

    LoginForm named{false, t.dir / "home.kv7", ""};
    t.ui.Answer(Answer::No);
    EXPECT_FALSE(t.Enter(named));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, question);
    EXPECT_EQ(t.ui.messages[0].title, "Создание файла");
    EXPECT_EQ(t.ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(t.ui.messages[0].buttons, Buttons::YesNo);

    // Reached only by completing the name: the extension question, then the
    // same overwrite question for the completed name.
    LoginForm completed{false, t.dir / "home", ""};
    t.ui.Answer(Answer::Yes);
    t.ui.Answer(Answer::No);
    EXPECT_FALSE(t.Enter(completed));
    ASSERT_EQ(t.ui.messages.size(), 3u);
    EXPECT_EQ(t.ui.messages[2].text, question);
    EXPECT_EQ(ReadBytes(t.dir / "home.kv7"), original);
    EXPECT_EQ(t.ui.progressShown, 0);

    t.ui.Answer(Answer::Yes);
    ASSERT_TRUE(t.Enter(named));
    EXPECT_NE(ReadBytes(t.dir / "home.kv7"), original);
    EXPECT_EQ(t.doc.clientkol, 0);
    t.ui.ExpectAllAnswered();
}

TEST(OpenOrCreate, APasswordTypedForANewFileIsIgnored) {
    Login t;
    t.doc.IsProtected = true;
    t.doc.pass = "old";
    LoginForm form{false, t.dir / "new.kv7", "secret"};
    ASSERT_TRUE(t.Enter(form));
    EXPECT_FALSE(t.doc.IsProtected);
    EXPECT_EQ(t.doc.pass, "");
    EXPECT_EQ(form.pass, "");
    EXPECT_EQ(ReadBytes(t.dir / "new.kv7").substr(0, 16), "type=Kerva70st\r\n");
}

TEST(OpenOrCreate, ProtectedFilesAndTheTwoKindsOfWrongPassword) {
    Login t;
    BudgetFile secret = test::RichDocument();
    t.SaveFile(t.dir / "secret.kv7", secret, "Ключ 42");

    LoginForm right{true, t.dir / "secret.kv7", "Ключ 42"};
    ASSERT_TRUE(t.Enter(right));
    EXPECT_TRUE(t.doc.IsProtected);
    EXPECT_EQ(t.doc.pass, "Ключ 42");
    EXPECT_EQ(t.doc.name, secret.name);
    EXPECT_EQ(right.pass, "");
    EXPECT_EQ(t.ui.progressMessages, std::vector<std::string>{"Декодирование файла..."});
    EXPECT_EQ(t.ui.progressHidden, 1);

    // Lines no password can decipher: the typed password is emptied.
    WriteBytes(t.dir / "broken.kv7", "999999999999\r\n999999999999\r\n");
    LoginForm broken{true, t.dir / "broken.kv7", "Ключ 42"};
    EXPECT_FALSE(t.Enter(broken));
    EXPECT_EQ(t.ui.messages.back().text,
              "Ошибка при декодировании файла!\r\n\r\nУбедитесь в правильности пароля.");
    EXPECT_EQ(broken.pass, "");
    EXPECT_EQ(t.ui.progressShown, 2);
    EXPECT_EQ(t.ui.progressHidden, 2);

    // Deciphered, but the file holds another password: the reader refuses
    // and the typed password stays for correcting.
    BudgetFile other = test::RichDocument();
    other.IsProtected = true;
    other.pass = "abc";
    std::string plain, key;
    ASSERT_TRUE(Utf8ToCp1251(DataFileText(other, true), plain));
    ASSERT_TRUE(PasswordBytes("xyz", key));
    WriteBytes(t.dir / "mismatch.kv7", EncipherBytes(plain, key));
    LoginForm mismatch{true, t.dir / "mismatch.kv7", "xyz"};
    EXPECT_FALSE(t.Enter(mismatch));
    EXPECT_EQ(t.ui.messages.back().text, "Вы ввели неверный пароль!");
    EXPECT_EQ(mismatch.pass, "xyz");
    EXPECT_EQ(t.ui.progressShown, 3);
    EXPECT_EQ(t.ui.progressHidden, 3);
    // The document opened first is still the one in memory.
    EXPECT_EQ(t.doc.FilePath, t.dir / "secret.kv7");
    EXPECT_EQ(t.settings.Last, t.dir / "secret.kv7");
}

TEST(OpenOrCreate, OlderFilesOpenButAreNotRemembered) {
    Login t;
    std::string text =
        "type=Kerva60st\r\n[user]\r\nname=Старый пользователь\r\npass=\r\nbal=1500,25\r\n"
        "iecap=гривны\r\nieshort=грн\r\n[dohod]\r\n[rashod]\r\n[oldbal]\r\n[phones]\r\n[notes]\r\n";
    std::string bytes;
    ASSERT_TRUE(Utf8ToCp1251(text, bytes));
    WriteBytes(t.dir / "old.KV6", bytes);
    t.settings.Last = "/elsewhere/home.kv7";

    LoginForm form{true, t.dir / "old.KV6", ""};
    ASSERT_TRUE(t.Enter(form));
    EXPECT_EQ(form.file, t.dir / "old.KV6");
    EXPECT_EQ(t.doc.FilePath, t.dir / "old.KV6");
    EXPECT_EQ(t.doc.Sost(1).bal, 1500.25);
    EXPECT_EQ(t.ui.progressMessages, std::vector<std::string>{"Открытие файла..."});
    EXPECT_EQ(t.ui.progressHidden, 1);
    EXPECT_EQ(t.settings.Last, "/elsewhere/home.kv7");
    EXPECT_FALSE(t.SettingsWritten());

    // A failed deciphering of an older file empties the password too.
    LoginForm wrong{true, t.dir / "old.KV6", "pw"};
    EXPECT_FALSE(t.Enter(wrong));
    EXPECT_EQ(wrong.pass, "");
    EXPECT_EQ(t.ui.progressHidden, 2);
}

TEST(PrefixDataFolder, AddsTheFolderOnce) {
    TempDir dir;
    const std::string p = dir.Path();
    LoginForm form{false, "home.kv7", ""};
    // No data folder yet: the program's folder.
    PrefixDataFolder(p, form);
    PrefixDataFolder(p, form);
    EXPECT_EQ(form.file, p + "home.kv7");

    std::filesystem::create_directory(p + "Kerva Files");
    form.file = "home.kv7";
    PrefixDataFolder(p, form);
    PrefixDataFolder(p, form);
    EXPECT_EQ(form.file, p + "Kerva Files/home.kv7");

    // The test ignores letter case.
    form.file = p + "KERVA FILES/home.kv7";
    PrefixDataFolder(p, form);
    EXPECT_EQ(form.file, p + "KERVA FILES/home.kv7");
}

TEST(PrepareLoginForm, LastFileOrTheDataFolder) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Kerva Files");
    LoginForm first;
    PrepareLoginForm(ReadSettings(dir / "kervazyl.ini"), dir.Path(), first);
    EXPECT_EQ(first.file, dir / "Kerva Files/");
    EXPECT_FALSE(first.open);

    AppSettings s;
    s.Last = "/home/user/семья.kv7";
    LoginForm again;
    PrepareLoginForm(s, dir.Path(), again);
    EXPECT_EQ(again.file, "/home/user/семья.kv7");
    EXPECT_TRUE(again.open);
}

TEST(BrowseForFile, OffersTheDataFolderAndChoosesOpen) {
    TempDir dir;
    LoginPlatform ui;
    LoginForm form{false, "typed", "pw"};
    ui.openDialogResults.push_back("");
    EXPECT_FALSE(BrowseForFile(ui, dir.Path(), form));
    EXPECT_EQ(form.file, "typed");
    EXPECT_FALSE(form.open);
    ASSERT_EQ(ui.dialogs.size(), 1u);
    EXPECT_EQ(ui.dialogs[0].title, "Открытие файла Kerva");
    EXPECT_EQ(ui.dialogs[0].filter, "Kerva Zyl Files|*.kv7|Kerva 6 Files|*.kv6|Все файлы|*.*");
    EXPECT_EQ(ui.dialogs[0].proposed, "*.kv7");
    // Without a data folder: the program's folder without its final "/".
    EXPECT_EQ(ui.dialogs[0].folder, dir.Path().substr(0, dir.Path().size() - 1));

    std::filesystem::create_directory(dir / "Kerva Files");
    ui.openDialogResults.push_back(dir / "Kerva Files/home.kv7");
    EXPECT_TRUE(BrowseForFile(ui, dir.Path(), form));
    EXPECT_EQ(ui.dialogs[1].folder, dir / "Kerva Files");
    EXPECT_EQ(form.file, dir / "Kerva Files/home.kv7");
    EXPECT_TRUE(form.open);
    EXPECT_EQ(form.pass, "pw");
}

TEST(AdditionalFunctions, CalculatorFailureAndUpdate) {
    LoginPlatform ui;
    EXPECT_TRUE(LaunchCalculator(ui));
    EXPECT_TRUE(ui.messages.empty());
    ui.calculatorStarts = false;
    EXPECT_FALSE(LaunchCalculator(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Ошибка при запуске файла:\r\n\r\n/usr/bin/calculator\r\n\r\nФайл или папка не "
              "найдены.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);

    ShowUpdateUnavailable(ui);
    EXPECT_EQ(ui.messages[1].text, "В настоящий момент сервис недоступен.");
    EXPECT_EQ(ui.messages[1].icon, Icon::Information);
}

}  // namespace
}  // namespace kz
