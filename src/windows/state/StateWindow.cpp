#include "windows/state/StateWindow.h"

#include "core/Text.h"
#include "core/TextFiles.h"
#include "reports/Refresh.h"
#include "reports/ReportText.h"
#include "reports/StateReport.h"
#include "windows/state/StateCommon.h"

namespace kz {

StateView StateWindowView(const BudgetFile& doc) {
    const SostRecord& s = CurrentState(doc);
    StateView v;
    v.name = s.sostname;
    v.balance = AmountText(s.bal);
    if (s.ienum >= 1 && s.ienum <= kUnitCount) v.unit = UnitRowText(doc.Unit(s.ienum));
    // Only slot 1 counts: the lists are packed from it.
    v.owedToUser = !s.ondol[0].empty();
    v.userOwes = !s.vydol[0].empty();
    return v;
}

bool ChangeBalanceByHand(BudgetFile& doc, Platform& ui, const std::string& shown) {
    const std::string title = "Ручное изменение суммы";
    const std::string warning = JoinParagraphs(
        "Ручное изменение суммы следует проводить, только если по тем или иным причинам сумма "
        "незначительно изменилась от запланированного значения.",
        "Вы точно хотите вручную изменить сумму?");
    if (ui.MessageBox(warning, Icon::Exclamation, Buttons::YesNo, "Предупреждение") != Answer::Yes)
        return false;
    const std::string answer = ui.InputBox("Введите новое значение суммы:", title, shown);
    if (answer.empty()) return false;
    // Blanks around the number are forgiven; inside it they are not.
    const std::size_t first = answer.find_first_not_of(' ');
    const std::size_t last = answer.find_last_not_of(' ');
    double value = 0;
    if (first == std::string::npos ||
        !ParseAmountText(std::string_view(answer).substr(first, last - first + 1), value)) {
        ui.MessageBox(JoinParagraphs("\"" + answer +
                                         "\" не является суммой. Введите число, "
                                         "например 1234,56.",
                                     "Сумма не изменена."),
                      Icon::Exclamation, Buttons::OK, title);
        return false;
    }
    CurrentState(doc).bal = KeptAmount(value);
    doc.Dirty = true;
    return true;
}

bool RenameState(BudgetFile& doc, Platform& ui) {
    SostRecord& s = CurrentState(doc);
    const std::string answer = ui.InputBox("Введите новое название состояния " + s.sostname,
                                           "Изменение названия состояния", s.sostname);
    if (answer.empty() || !AcceptTypedText(ui, answer)) return false;
    s.sostname = answer;
    doc.Dirty = true;
    return true;
}

std::string StateMenuReport(const BudgetFile& doc, Platform& ui, int item) {
    return StateReport(doc, ui, doc.CurrentSost, ReportMenuDate(item, ui.Today()));
}

}  // namespace kz
