#include "startup/Password.h"

#include "core/Files.h"
#include "core/TextFiles.h"

namespace kz {

namespace {

const char* const kSaveReminder = " Чтобы сохранить все изменения, сохраните Ваш файл.";

// Run after the confirmation matched. The cipher needs at least one
// character (an empty password means an unprotected file everywhere else),
// and every character must survive the file's code page.
bool RefuseUnusablePassword(Platform& ui, const PassForm& form) {
    if (form.newPass.empty()) {
        ui.MessageBox(
            "Пароль не может быть пустым. Введите новый пароль и его подтверждение. Чтобы снять "
            "защиту, выберите действие \"удалить пароль\".",
            Icon::Exclamation);
        return true;
    }
    return !AcceptTypedText(ui, form.newPass);
}

bool RefuseMismatch(Platform& ui, const PassForm& form) {
    if (form.newPass == form.confPass) return false;
    ui.MessageBox("Обнаружено несовпадение введенного пароля и его подтверждения. Повторите ввод.",
                  Icon::Exclamation);
    return true;
}

// Everything up to the last "." of the path, then ".bak.kv7".
std::string UnprotectedBackupOf(const std::string& filePath) {
    const std::size_t dot = filePath.rfind('.');
    return (dot == std::string::npos ? filePath : filePath.substr(0, dot)) + ".bak.kv7";
}

}  // namespace

PassFieldsEnabled FieldsFor(PassAction action) {
    switch (action) {
        case PassAction::New:
            return {false, true, true};
        case PassAction::Change:
            return {true, true, true};
        case PassAction::Delete:
            return {true, false, false};
    }
    return {false, false, false};
}

void PreparePassForm(const BudgetFile& doc, PassForm& form) {
    form.newEnabled = !doc.IsProtected;
    form.changeEnabled = doc.IsProtected;
    form.deleteEnabled = doc.IsProtected;
    form.action = doc.IsProtected ? PassAction::Change : PassAction::New;
}

bool ApplyPassword(BudgetFile& doc, Platform& ui, const PassForm& form) {
    switch (form.action) {
        case PassAction::New: {
            if (RefuseMismatch(ui, form) || RefuseUnusablePassword(ui, form)) return false;
            doc.IsProtected = true;
            doc.pass = form.newPass;
            ui.MessageBox(std::string("Пароль успешно активирован.") + kSaveReminder,
                          Icon::Information);
            const std::string backup = UnprotectedBackupOf(doc.FilePath);
            if (FileExists(backup) &&
                ui.MessageBox("Существует резервная копия этого файла, не защищенная паролем:\r\n" +
                                  JoinParagraphs(backup,
                                                 "Для обеспечения безопасности рекомендуется "
                                                 "удалить этот файл после успешного сохранения "
                                                 "защищенного файла. Выполнить это удаление?"),
                              Icon::Information, Buttons::YesNo, kPassWindowTitle) == Answer::Yes)
                doc.PendingBackupDelete = backup;
            return true;
        }
        case PassAction::Change:
            if (form.oldPass != doc.pass) {
                ui.MessageBox(
                    "Неправильно введен старый пароль! Убедитесь, что вводите его в нужном "
                    "регистре и на нужном языке!",
                    Icon::Information);
                return false;
            }
            if (RefuseMismatch(ui, form) || RefuseUnusablePassword(ui, form)) return false;
            doc.pass = form.newPass;
            ui.MessageBox(std::string("Пароль успешно изменен.") + kSaveReminder,
                          Icon::Information);
            return true;
        case PassAction::Delete:
            if (form.oldPass != doc.pass) {
                ui.MessageBox(
                    "Неправильно введен пароль! Убедитесь, что вводите его в нужном регистре и "
                    "на нужном языке!",
                    Icon::Information);
                return false;
            }
            doc.pass.clear();
            doc.IsProtected = false;
            ui.MessageBox(std::string("Пароль успешно удален.") + kSaveReminder, Icon::Information);
            return true;
    }
    return false;
}

}  // namespace kz
