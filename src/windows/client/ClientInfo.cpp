#include "windows/client/ClientInfo.h"

#include "core/Text.h"
#include "core/TextFiles.h"

namespace kz {

std::string ShowInfo(BudgetFile& doc, InfoOpener opener) {
    const std::string& info = doc.Client(doc.CurrentClient).clinfo;
    // The box starts empty, so only a non-empty note changes it.
    if (!info.empty() && opener == InfoOpener::MainWindow) doc.Dirty = true;
    return info;
}

void InfoEdited(BudgetFile& doc) {
    doc.Dirty = true;
}

bool SaveInfo(BudgetFile& doc, Platform& ui, const std::string& text) {
    if (!AcceptTypedText(ui, text)) return false;
    std::string info = text;
    for (char& ch : info)
        if (ch == '[') ch = '{';
    doc.Client(doc.CurrentClient).clinfo = std::move(info);
    doc.Dirty = true;
    return true;
}

bool RenameClient(BudgetFile& doc, Platform& ui) {
    ClientRecord& client = doc.Client(doc.CurrentClient);
    const std::string answer = ui.InputBox(
        "Введите новое имя клиента:", "Изменения сведений о клиенте", client.clientname);
    if (answer.empty() || !AcceptTypedText(ui, answer)) return false;
    client.clientname = answer;
    doc.Dirty = true;
    return true;
}

bool ChangeReputation(BudgetFile& doc, Platform& ui) {
    ClientRecord& client = doc.Client(doc.CurrentClient);
    const std::string answer =
        ui.InputBox("Введите уровень доверенности к клиенту (от -3 до 3)",
                    "Изменение сведений о клиенте", std::to_string(client.reput));
    if (answer.empty()) return false;
    // No comma rule here: "2,5" reads as 2.
    const double value = LeadingNumber(answer);
    int rounded = 0;
    if (value < -3 || value > 3 || !ToInteger16(value, rounded)) {
        ui.MessageBox("Нужно ввести число от -3 до 3. Вы ввели " + answer, Icon::Critical,
                      Buttons::OK);
        return false;
    }
    client.reput = rounded;
    doc.Dirty = true;
    return true;
}

bool ConfirmClientUnitChange(Platform& ui) {
    const std::string warning = JoinParagraphs(
        "Изменять и.е. не рекомендуется, т.к. суммы платежей автоматически не конвертируются из "
        "прежней и.е. в новую.",
        "Изменить и.е. клиента?");
    return ui.MessageBox(warning, Icon::Exclamation, Buttons::YesNo, "Предупреждение") ==
           Answer::Yes;
}

}  // namespace kz
