#include <gtest/gtest.h>

#include <filesystem>

#include "core/SaveCommands.h"
#include "core/Settings.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::ReadBytes;
using test::WriteBytes;

const char* const kAskText =
    "Ваши данные изменились и не были сохранены. Сохранить сейчас?\r\n\r\n"
    "Если не сохранить сейчас, все изменения будут потеряны.";
const char* const kOlderFormatText =
    "Открытый вами файл создан в Brisklane Kerva Corvial Edition. Для работы с этим файлом в "
    "дальнейшем требуется сохранить его в формате Kerva Zyl (.kv7)";

class SaveCommandsTest : public ::testing::Test {
protected:
    SaveCommandsTest() {
        FillNewDocumentDefaults(doc);
        doc.name = "Иван";
        doc.FilePath = dir / "home.kv7";
        doc.Dirty = true;
        settings.BackUp = false;
        hooks.setTitle = [this](const std::string& t) { titles.push_back(t); };
        hooks.closeNotepad = [this] { ++notepadClosed; };
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(dir / name); }

    test::TempDir dir;
    BudgetFile doc;
    AppSettings settings;
    test::ScriptedPlatform ui;
    SaveHooks hooks;
    std::vector<std::string> titles;
    int notepadClosed = 0;
};

TEST_F(SaveCommandsTest, SaveWritesInPlaceWithProgressAndKeepsThePreviousFileAsBackup) {
    settings.BackUp = true;
    WriteBytes(doc.FilePath, "type=Kerva70st\r\n");  // as the start window left it

    ASSERT_TRUE(Save(doc, ui, settings, hooks));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(notepadClosed, 1);
    const std::string first = ReadBytes(doc.FilePath);

    doc.name = "Петр";
    doc.Dirty = true;
    ASSERT_TRUE(Save(doc, ui, settings, hooks));
    EXPECT_EQ(ReadBytes(dir / "home.bak.kv7"), first);
    EXPECT_NE(ReadBytes(doc.FilePath), first);
}

TEST_F(SaveCommandsTest, OlderFormatIsNeverOverwrittenInPlace) {
    doc.FilePath = dir / "OLD.KV6";
    WriteBytes(doc.FilePath, "older bytes");

    // Cancelling the dialog leaves everything as it was.
    ui.saveDialogResults.push_back("");
    EXPECT_FALSE(Save(doc, ui, settings, hooks));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{kOlderFormatText});
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(doc.FilePath, dir / "OLD.KV6");

    // A name typed without extension gets ".kv7".
    ui.saveDialogResults.push_back(dir / "новый");
    ASSERT_TRUE(Save(doc, ui, settings, hooks));
    EXPECT_TRUE(Exists("новый.kv7"));
    EXPECT_EQ(ReadBytes(dir / "OLD.KV6"), "older bytes");
    EXPECT_FALSE(doc.Dirty);
    EXPECT_EQ(titles, std::vector<std::string>{"Brisklane Kerva Zyl - новый.kv7"});
}

TEST_F(SaveCommandsTest, SaveAsAsksBeforeOverwritingTheCompletedName) {
    WriteBytes(dir / "home.kv7", "keep me");
    doc.FilePath = dir / "start.kv7";

    // "home" becomes home.kv7, which exists: No keeps it and the old name.
    ui.saveDialogResults.push_back(dir / "home");
    ui.Answer(Answer::No);
    EXPECT_FALSE(SaveAs(doc, ui, settings, hooks));
    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>{"Файл с таким именем уже существует. Хотите перезаписать?"});
    EXPECT_EQ(ReadBytes(dir / "home.kv7"), "keep me");
    EXPECT_EQ(doc.FilePath, dir / "start.kv7");
    EXPECT_TRUE(doc.Dirty);

    // An extension in capitals counts; Yes overwrites.
    WriteBytes(dir / "Home.KV7", "old");
    ui.saveDialogResults.push_back(dir / "Home.KV7");
    ui.Answer(Answer::Yes);
    ASSERT_TRUE(SaveAs(doc, ui, settings, hooks));
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ReadBytes(dir / "Home.KV7"), "old");
    EXPECT_EQ(titles.back(), "Brisklane Kerva Zyl - Home.KV7");
    EXPECT_FALSE(doc.Dirty);
    ui.ExpectAllAnswered();

    // A failed save keeps the changes, under the new name.
    doc.Dirty = true;
    ui.saveDialogResults.push_back(dir / "missing/folder/home");
    EXPECT_FALSE(SaveAs(doc, ui, settings, hooks));
    EXPECT_EQ(ui.messages.size(), 3u);  // the writer's own message
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(titles.back(), "Brisklane Kerva Zyl - home.kv7");
}

TEST_F(SaveCommandsTest, AskToSaveOnlyWithChangesAndNoAsksAgainNextTime) {
    doc.Dirty = false;
    AskToSave(doc, ui, settings, hooks);
    EXPECT_TRUE(ui.messages.empty());

    doc.Dirty = true;
    ui.Answer(Answer::No);
    AskToSave(doc, ui, settings, hooks);
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{kAskText});
    EXPECT_TRUE(doc.Dirty);
    EXPECT_FALSE(Exists("home.kv7"));

    ui.Answer(Answer::Yes);
    AskToSave(doc, ui, settings, hooks);
    EXPECT_FALSE(doc.Dirty);
    EXPECT_TRUE(Exists("home.kv7"));

    // An older-format file goes on to the save dialog.
    doc.FilePath = dir / "old.kv6";
    doc.Dirty = true;
    ui.messages.clear();
    ui.Answer(Answer::Yes);
    ui.saveDialogResults.push_back(dir / "old.kv7");
    AskToSave(doc, ui, settings, hooks);
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{kAskText, kOlderFormatText}));
    EXPECT_TRUE(Exists("old.kv7"));
    ui.ExpectAllAnswered();
}

TEST_F(SaveCommandsTest, CloseAndExitAskToSaveThenToLeave) {
    ui.Answer(Answer::No);  // do not save
    ui.Answer(Answer::No);  // do not close
    EXPECT_FALSE(ConfirmCloseFile(doc, ui, settings, hooks));
    EXPECT_EQ(ui.Texts(),
              (std::vector<std::string>{kAskText, "Закрыть файл и вернуться в стартовое окно?"}));
    // Saved: only the closing question.
    doc.Dirty = false;
    ui.Answer(Answer::Yes);
    EXPECT_TRUE(ConfirmCloseFile(doc, ui, settings, hooks));
    EXPECT_EQ(ui.messages.size(), 3u);

    // Exit confirmation on, answered No: nothing written, changes kept.
    const std::string ini = dir / "kervazyl.ini";
    doc.Dirty = true;
    ui.messages.clear();
    ui.Answer(Answer::No);
    ui.Answer(Answer::No);
    EXPECT_FALSE(ConfirmExit(doc, ui, settings, ini, hooks));
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{kAskText, "Выйти из Kerva?"}));
    EXPECT_TRUE(doc.Dirty);
    EXPECT_FALSE(Exists("kervazyl.ini"));

    // Off: still asked to save, then the settings are written without a
    // further question.
    settings.ExitConf = false;
    settings.Last = doc.FilePath;
    ui.Answer(Answer::No);
    EXPECT_TRUE(ConfirmExit(doc, ui, settings, ini, hooks));
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ReadSettings(ini).ExitConf, false);
    EXPECT_EQ(ReadSettings(ini).Last, doc.FilePath);
    ui.ExpectAllAnswered();
}

}  // namespace
}  // namespace kz
