#include <gtest/gtest.h>

#include "core/DataFile.h"
#include "core/Files.h"
#include "startup/Password.h"
#include "support/SampleDocuments.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

const char* const kMismatch =
    "Обнаружено несовпадение введенного пароля и его подтверждения. Повторите ввод.";

struct PassWindow : ::testing::Test {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    BudgetFile doc = test::RichDocument();
    void SetUp() override { doc.FilePath = dir / "home.kv7"; }
    bool Apply(PassAction action, std::string oldPass, std::string newPass, std::string conf) {
        PassForm f;
        f.action = action;
        f.oldPass = std::move(oldPass);
        f.newPass = std::move(newPass);
        f.confPass = std::move(conf);
        return ApplyPassword(doc, ui, f);
    }
};

// The save itself deletes the pending backup; here only that it is left for it.
TEST_F(PassWindow, NewPasswordMustMatchAndAnUnprotectedBackupIsLeftForTheNextSave) {
    EXPECT_FALSE(Apply(PassAction::New, "", "Secret", "secret"));
    EXPECT_FALSE(Apply(PassAction::New, "", "", ""));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, kMismatch);
    EXPECT_NE(ui.messages[1].text.find("не может быть пустым"), std::string::npos);
    EXPECT_FALSE(doc.IsProtected);

    AppSettings settings;
    ASSERT_TRUE(WriteDataFile(doc, ui, settings));
    ASSERT_TRUE(WriteDataFile(doc, ui, settings));  // the second makes the backup
    const std::string backup = dir / "home.bak.kv7";
    ASSERT_TRUE(FileExists(backup));
    ui.messages.clear();
    ui.Answer(Answer::No);
    ASSERT_TRUE(Apply(PassAction::New, "", "Ключ 42", "Ключ 42"));
    EXPECT_EQ(doc.PendingBackupDelete, "");
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(Apply(PassAction::New, "", "Ключ 42", "Ключ 42"));
    EXPECT_EQ(doc.PendingBackupDelete, backup);
    EXPECT_TRUE(doc.IsProtected);
    EXPECT_EQ(doc.pass, "Ключ 42");
    EXPECT_TRUE(FileExists(backup));
    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_NE(ui.messages[1].text.find("не защищенная паролем:\r\n" + backup + "\r\n\r\n"),
              std::string::npos);
    ui.ExpectAllAnswered();
}

TEST_F(PassWindow, ChangeAndDeleteNeedTheCurrentPasswordExactly) {
    doc.IsProtected = true;
    doc.pass = "Ключ";
    EXPECT_FALSE(Apply(PassAction::Change, "ключ", "new", "new"));
    EXPECT_FALSE(Apply(PassAction::Change, "Ключ", "new", "neW"));
    EXPECT_FALSE(Apply(PassAction::Change, "Ключ", "", ""));
    EXPECT_EQ(doc.pass, "Ключ");
    ASSERT_TRUE(Apply(PassAction::Change, "Ключ", "new", "new"));
    EXPECT_EQ(doc.pass, "new");
    EXPECT_FALSE(Apply(PassAction::Delete, "NEW", "", ""));
    EXPECT_TRUE(doc.IsProtected);
    ASSERT_TRUE(Apply(PassAction::Delete, "new", "", ""));
    EXPECT_FALSE(doc.IsProtected);
    EXPECT_EQ(doc.pass, "");
    const std::vector<std::string> texts = ui.Texts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_TRUE(texts[0].starts_with("Неправильно введен старый пароль!"));
    EXPECT_EQ(texts[1], kMismatch);
    EXPECT_TRUE(texts[4].starts_with("Неправильно введен пароль!"));
}

}  // namespace
}  // namespace kz
