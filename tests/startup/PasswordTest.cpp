#include <gtest/gtest.h>

#include "core/DataFile.h"
#include "core/Files.h"
#include "startup/Password.h"
#include "support/SampleDocuments.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::ScriptedPlatform;
using test::TempDir;

const char* const kMismatch =
    "Обнаружено несовпадение введенного пароля и его подтверждения. Повторите ввод.";

PassForm Form(PassAction action, std::string oldPass, std::string newPass, std::string conf) {
    PassForm f;
    f.action = action;
    f.oldPass = std::move(oldPass);
    f.newPass = std::move(newPass);
    f.confPass = std::move(conf);
    return f;
}

TEST(PassWindow, NewPasswordMustMatchAndBeUsable) {
    ScriptedPlatform ui;
    BudgetFile doc;
    doc.FilePath = "/nowhere/home.kv7";
    EXPECT_FALSE(ApplyPassword(doc, ui, Form(PassAction::New, "", "Secret", "secret")));
    EXPECT_FALSE(ApplyPassword(doc, ui, Form(PassAction::New, "", "", "")));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, kMismatch);
    EXPECT_NE(ui.messages[1].text.find("не может быть пустым"), std::string::npos);
    EXPECT_FALSE(doc.IsProtected);
    EXPECT_EQ(doc.pass, "");
}

// The save itself deletes the pending backup; here only that it is left for it.
TEST(PassWindow, AnUnprotectedBackupIsLeftForTheNextSaveToDelete) {
    TempDir dir;
    ScriptedPlatform ui;
    BudgetFile doc = test::RichDocument();
    doc.FilePath = dir / "home.kv7";
    AppSettings settings;
    ASSERT_TRUE(WriteDataFile(doc, ui, settings));
    ASSERT_TRUE(WriteDataFile(doc, ui, settings));  // the second makes the backup
    const std::string backup = dir / "home.bak.kv7";
    ASSERT_TRUE(FileExists(backup));
    ui.messages.clear();

    ui.Answer(Answer::No);
    ASSERT_TRUE(ApplyPassword(doc, ui, Form(PassAction::New, "", "Ключ 42", "Ключ 42")));
    EXPECT_EQ(doc.PendingBackupDelete, "");
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(ApplyPassword(doc, ui, Form(PassAction::New, "", "Ключ 42", "Ключ 42")));
    EXPECT_EQ(doc.PendingBackupDelete, backup);
    EXPECT_TRUE(doc.IsProtected);
    EXPECT_EQ(doc.pass, "Ключ 42");
    EXPECT_FALSE(doc.Dirty);
    EXPECT_TRUE(FileExists(backup));

    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[0].text,
              "Пароль успешно активирован. Чтобы сохранить все изменения, сохраните Ваш файл.");
    EXPECT_EQ(ui.messages[1].text,
              "Существует резервная копия этого файла, не защищенная паролем:\r\n" + backup +
                  "\r\n\r\nДля обеспечения безопасности рекомендуется удалить этот файл после "
                  "успешного сохранения защищенного файла. Выполнить это удаление?");
    ui.ExpectAllAnswered();
}

TEST(PassWindow, ChangeAndDeleteNeedTheCurrentPasswordExactly) {
    TempDir dir;
    ScriptedPlatform ui;
    BudgetFile doc = test::RichDocument();
    doc.FilePath = dir / "home.kv7";
    doc.IsProtected = true;
    doc.pass = "Ключ";

    EXPECT_FALSE(ApplyPassword(doc, ui, Form(PassAction::Change, "ключ", "new", "new")));
    EXPECT_EQ(ui.messages.back().text,
              "Неправильно введен старый пароль! Убедитесь, что вводите его в нужном регистре и "
              "на нужном языке!");
    EXPECT_FALSE(ApplyPassword(doc, ui, Form(PassAction::Change, "Ключ", "new", "neW")));
    EXPECT_EQ(ui.messages.back().text, kMismatch);
    EXPECT_FALSE(ApplyPassword(doc, ui, Form(PassAction::Change, "Ключ", "", "")));
    EXPECT_EQ(doc.pass, "Ключ");

    ASSERT_TRUE(ApplyPassword(doc, ui, Form(PassAction::Change, "Ключ", "new", "new")));
    EXPECT_EQ(doc.pass, "new");
    EXPECT_TRUE(doc.IsProtected);
    EXPECT_EQ(ui.messages.back().text,
              "Пароль успешно изменен. Чтобы сохранить все изменения, сохраните Ваш файл.");

    EXPECT_FALSE(ApplyPassword(doc, ui, Form(PassAction::Delete, "NEW", "", "")));
    EXPECT_EQ(ui.messages.back().text,
              "Неправильно введен пароль! Убедитесь, что вводите его в нужном регистре и на "
              "нужном языке!");
    EXPECT_TRUE(doc.IsProtected);
    ASSERT_TRUE(ApplyPassword(doc, ui, Form(PassAction::Delete, "new", "", "")));
    EXPECT_FALSE(doc.IsProtected);
    EXPECT_EQ(doc.pass, "");
    EXPECT_EQ(ui.messages.back().text,
              "Пароль успешно удален. Чтобы сохранить все изменения, сохраните Ваш файл.");
}

}  // namespace
}  // namespace kz
