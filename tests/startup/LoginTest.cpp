#include <gtest/gtest.h>

#include <filesystem>

#include "core/Cipher.h"
#include "core/Cp1251.h"
#include "core/DataFile.h"
#include "core/Files.h"
#include "startup/Login.h"
#include "support/SampleDocuments.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

struct Login {
    TempDir dir;
    test::ScriptedPlatform ui;
    BudgetFile doc = test::FullDocument();
    AppSettings settings;
    LoginPaths paths{dir.Path(), dir / "kervazyl.ini"};

    bool Enter(LoginForm& form) { return OpenOrCreate(doc, settings, ui, paths, form, {}); }
    void SaveFile(const std::string& path, const std::string& pass = "") {
        BudgetFile d = test::RichDocument();
        d.FilePath = path;
        d.IsProtected = !pass.empty();
        d.pass = pass;
        AppSettings noBackup;
        noBackup.BackUp = false;
        ASSERT_TRUE(WriteDataFile(d, ui, noBackup));
    }
    std::string Last() const { return ReadSettings(paths.settingsPath).Last; }
};

TEST(OpenOrCreate, ShortNamesMissingFilesAndFoldersAreRefused) {
    Login t;
    t.doc.Dirty = true;
    LoginForm two{false, "ab", "pw"};
    EXPECT_FALSE(t.Enter(two));
    EXPECT_FALSE(t.doc.Dirty);  // cleared by every attempt
    // Three characters are enough, and characters count, not bytes.
    LoginForm three{true, "дом", ""};
    EXPECT_FALSE(t.Enter(three));
    EXPECT_EQ(three.file, "дом.kv7");
    // A folder of that name is there, but it is no file: the reader says so.
    std::filesystem::create_directory(t.dir / "папка.kv7");
    LoginForm folder{true, t.dir / "папка", "pw"};
    EXPECT_FALSE(t.Enter(folder));
    EXPECT_EQ(t.ui.Texts(),
              (std::vector<std::string>{"Необходимо указать файл для создания/открытия.",
                                        "Не найден файл:\r\n\r\nдом.kv7",
                                        "Указанный путь\r\n\r\n" + (t.dir / "папка.kv7") +
                                            "\r\n\r\nявляется папкой, а не файлом."}));
    EXPECT_FALSE(FileExists(t.paths.settingsPath));
}

TEST(OpenOrCreate, OpeningCompletesTheNameAndRemembersAllButOlderFiles) {
    Login t;
    t.SaveFile(t.dir / "home.kv7");
    t.SaveFile(t.dir / "WORK.KV7");
    std::string older;
    ASSERT_TRUE(Utf8ToCp1251("type=Kerva60st\r\n[user]\r\npass=\r\nbal=1500,25\r\n", older));
    WriteBytes(t.dir / "old.KV6", older);
    t.ui.messages.clear();
    // The extension test ignores case.
    for (const auto& [typed, file, last] : {std::tuple{"home", "home.kv7", "home.kv7"},
                                            {"WORK.KV7", "WORK.KV7", "WORK.KV7"},
                                            {"old.KV6", "old.KV6", "WORK.KV7"}}) {
        LoginForm form{true, t.dir / typed, ""};
        ASSERT_TRUE(t.Enter(form)) << typed;
        EXPECT_EQ(std::tie(form.file, t.doc.FilePath), std::tuple(t.dir / file, t.dir / file));
        EXPECT_EQ(t.Last(), t.dir / last);
    }
    EXPECT_EQ(t.doc.Sost(1).bal, 1500.25);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(OpenOrCreate, CreatingAsksForTheExtensionAndBeforeOverwriting) {
    Login t;
    t.SaveFile(t.dir / "home.kv7");
    t.ui.messages.clear();
    const std::string original = ReadBytes(t.dir / "home.kv7");
    const std::string overwrite =
        "Файл \r\n\r\n" + (t.dir / "home.kv7") + "\r\n\r\nуже существует. Перезаписать?";

    // Reached only by completing the name: the extension question first.
    LoginForm completed{false, t.dir / "home", ""};
    t.ui.Answer(Answer::No);
    EXPECT_FALSE(t.Enter(completed));
    EXPECT_EQ(completed.file, t.dir / "home");
    t.ui.Answer(Answer::Yes);
    t.ui.Answer(Answer::No);
    EXPECT_FALSE(t.Enter(completed));
    EXPECT_EQ(completed.file, t.dir / "home.kv7");
    EXPECT_EQ(ReadBytes(t.dir / "home.kv7"), original);

    const std::string extension =
        "Файл должен иметь расширение .kv7. Добавить это расширение и продолжить?";
    EXPECT_EQ(t.ui.Texts(), (std::vector<std::string>{extension, extension, overwrite}));

    // Yes: a new, unprotected file, whatever password was typed.
    t.doc.IsProtected = true;
    LoginForm again{false, t.dir / "home.kv7", "secret"};
    t.ui.Answer(Answer::Yes);
    ASSERT_TRUE(t.Enter(again));
    EXPECT_FALSE(t.doc.IsProtected);
    EXPECT_EQ(t.doc.pass + again.pass, "");
    EXPECT_EQ(ReadBytes(t.dir / "home.kv7").substr(0, 16), "type=Kerva70st\r\n");
    EXPECT_EQ(t.Last(), t.dir / "home.kv7");
    t.ui.ExpectAllAnswered();
}

TEST(OpenOrCreate, ProtectedFilesAndTheTwoKindsOfWrongPassword) {
    Login t;
    t.SaveFile(t.dir / "secret.kv7", "Ключ 42");
    LoginForm right{true, t.dir / "secret.kv7", "Ключ 42"};
    ASSERT_TRUE(t.Enter(right));
    EXPECT_TRUE(t.doc.IsProtected);
    EXPECT_EQ(right.pass, "");

    // Lines no password can decipher: the typed password is emptied.
    WriteBytes(t.dir / "broken.kv7", "999999999999\r\n999999999999\r\n");
    LoginForm broken{true, t.dir / "broken.kv7", "Ключ 42"};
    EXPECT_FALSE(t.Enter(broken));
    EXPECT_EQ(t.ui.messages.back().text,
              "Ошибка при декодировании файла!\r\n\r\nУбедитесь в правильности пароля.");
    EXPECT_EQ(broken.pass, "");

    // Deciphered, but the file holds another password: the reader refuses
    // and the typed password stays for correcting.
    std::string plain, key;
    ASSERT_TRUE(Utf8ToCp1251("type=Kerva70cr\r\n[user]\r\npass=abc\r\n", plain));
    ASSERT_TRUE(PasswordBytes("xyz", key));
    WriteBytes(t.dir / "mismatch.kv7", EncipherBytes(plain, key));
    LoginForm mismatch{true, t.dir / "mismatch.kv7", "xyz"};
    EXPECT_FALSE(t.Enter(mismatch));
    EXPECT_EQ(t.ui.messages.back().text, "Вы ввели неверный пароль!");
    EXPECT_EQ(mismatch.pass, "xyz");

    EXPECT_EQ(t.doc.FilePath + t.Last(), t.dir / "secret.kv7" + t.dir / "secret.kv7");
}

TEST(LoginForm, DataFolderPrefixAndBrowsing) {
    TempDir dir;
    const std::string p = dir.Path();
    test::ScriptedPlatform ui;
    LoginForm form{false, "home.kv7", ""};
    PrefixDataFolder(p, form);  // no data folder yet: the program's folder
    EXPECT_EQ(form.file, p + "home.kv7");
    ui.openDialogResults.push_back("");
    EXPECT_FALSE(BrowseForFile(ui, p, form));
    EXPECT_EQ(form.file, p + "home.kv7");

    std::filesystem::create_directory(p + "Kerva Files");
    form.file = "home.kv7";
    PrefixDataFolder(p, form);
    PrefixDataFolder(p, form);
    EXPECT_EQ(form.file, p + "Kerva Files/home.kv7");
    form.file = p + "KERVA FILES/home.kv7";  // compared without regard to case
    PrefixDataFolder(p, form);
    EXPECT_EQ(form.file, p + "KERVA FILES/home.kv7");
    ui.openDialogResults.push_back(p + "Kerva Files/work.kv7");
    EXPECT_TRUE(BrowseForFile(ui, p, form));
    EXPECT_EQ(form.file, p + "Kerva Files/work.kv7");
    EXPECT_TRUE(form.open);

    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_EQ(ui.fileDialogs[0].folder + "|" + ui.fileDialogs[1].folder,
              p.substr(0, p.size() - 1) + "|" + p + "Kerva Files");

    // The last file opened is the first content of the field.
    LoginForm fresh;
    AppSettings settings;
    settings.Last = "/home/user/семья.kv7";
    PrepareLoginForm(settings, p, fresh);
    EXPECT_EQ(std::tie(fresh.file, fresh.open), std::tuple(settings.Last, true));
}

}  // namespace
}  // namespace kz
