#include "windows/state/Debts.h"

#include "core/Text.h"
#include "core/TextFiles.h"
#include "finance/Finance.h"
#include "windows/state/StateCommon.h"

namespace kz {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kRepayTitle = "Возврат долга";

bool ValidSlot(int slot) {
    return slot >= 1 && slot <= kListSize;
}

// The lines every debt confirmation starts with.
std::string SelectedDebtText(const std::string& sum, const ReturnInfo& info, const Date& today,
                             const std::string& personLabel) {
    const Date shownDate = info.ReturnDate == kZeroDate ? today : info.ReturnDate;
    return std::string("Выбранная запись:") + kCrLf + kCrLf + "Сумма возврата: " + sum + kCrLf +
           "Дата возврата: " + FormatDate(shownDate) + kCrLf + personLabel + info.Person + kCrLf +
           kCrLf;
}

}  // namespace

EntryList& DebtListOf(SostRecord& sost, DebtListMode mode) {
    return mode == DebtListMode::OnDol ? sost.ondol : sost.vydol;
}

const EntryList& DebtListOf(const SostRecord& sost, DebtListMode mode) {
    return mode == DebtListMode::OnDol ? sost.ondol : sost.vydol;
}

bool IsInterestBearing(const std::string& entry) {
    return LeadingAmount(GetField(entry, '\t', 5)) > 0;
}

void RepayDebt(BudgetFile& doc, DebtListMode mode, int slot, double paid, double amountDue,
               const Date& today) {
    if (!ValidSlot(slot)) return;
    SostRecord& sost = CurrentState(doc);
    EntryList& list = DebtListOf(sost, mode);
    if (paid == amountDue)
        RemoveEntry(list, slot);
    else
        Slot(list, slot) =
            SetField(Slot(list, slot), '\t', 4, AmountText(AddAmounts(amountDue, -paid)));
    PushEntry(sost.oldbal, PastBalanceEntry(sost.bal, FormatDate(today)));
    sost.bal = AddAmounts(sost.bal, mode == DebtListMode::OnDol ? paid : -paid);
    doc.Dirty = true;
}

void StrikeOutDebt(BudgetFile& doc, DebtListMode mode, int slot) {
    if (!ValidSlot(slot)) return;
    RemoveEntry(DebtListOf(CurrentState(doc), mode), slot);
    doc.Dirty = true;
}

bool SubmitRepayDebt(BudgetFile& doc, Platform& ui, const AppSettings& settings, DebtListMode mode,
                     int row, const std::string& currentCell) {
    if (currentCell.empty() || !ValidSlot(row)) return false;
    SostRecord& sost = CurrentState(doc);
    const std::string entry = Slot(DebtListOf(sost, mode), row);
    if (entry.empty()) return false;
    const bool owedToUser = mode == DebtListMode::OnDol;
    const std::string unit = UnitShortOf(doc, sost);
    const Date today = ui.Today();
    const ReturnInfo info = ComputeReturn(entry, today);
    const double due = info.ReturnAmount;

    if (!owedToUser && sost.bal < due) {
        ui.MessageBox(
            "К сожалению, в данный момент вы не можете вернуть долг, т.к. ваш баланс "
            "составляет " +
                AmountText(sost.bal) + unit,
            Icon::Critical, Buttons::OK, kRepayTitle);
        return false;
    }
    // A percent below 0 is treated like no interest: the user names the sum, and a part leaves
    // the remainder as a fixed return sum.
    const bool interest = IsInterestBearing(entry);
    const std::string question =
        SelectedDebtText(interest ? AmountText(due) : "(выбор)", info, today,
                         owedToUser ? "Кто возвращает: " : "Кому: ") +
        (owedToUser ? "Вернуть эти деньги и вычеркнуть этот долг?"
                    : "Вы возвращаете долг и вычеркиваете запись из списка долгов?");
    if (ui.MessageBox(question, Icon::Information, Buttons::YesNo) != Answer::Yes) return false;

    double paid = due;
    if (!interest) {
        const std::string answer =
            ui.InputBox("Введите сумму возвращаемых денег (не более " + AmountText(due) + ")",
                        kRepayTitle, AmountText(due));
        if (answer.empty()) return false;
        paid = TypedAmount(answer);
        if (!(paid > 0) || paid > due) {
            ui.MessageBox("Вы ввели неправильную сумму.", Icon::Exclamation);
            return false;
        }
        const std::string confirm =
            owedToUser ? "Вы уверены, что Вам хотят вернуть долг(или часть долга) в размере " +
                             answer + unit
                       : "Вы уверены, что Вы хотите вернуть долг(или часть долга) в размере " +
                             AmountText(paid) + unit;
        if (ui.MessageBox(confirm, Icon::Information, Buttons::YesNo) != Answer::Yes) return false;
    }
    if (!AcceptAmount(ui, AddAmounts(sost.bal, owedToUser ? paid : -paid))) return false;
    RepayDebt(doc, mode, row, paid, due, today);
    if (owedToUser && settings.Sound) ui.PlaySound(kCoinsSound);
    return true;
}

bool SubmitStrikeOutDebt(BudgetFile& doc, Platform& ui, DebtListMode mode, int row,
                         const std::string& currentCell) {
    if (currentCell.empty() || !ValidSlot(row)) return false;
    const std::string entry = Slot(DebtListOf(CurrentState(doc), mode), row);
    if (entry.empty()) return false;
    const Date today = ui.Today();
    const ReturnInfo info = ComputeReturn(entry, today);
    const std::string question =
        SelectedDebtText(AmountText(info.ReturnAmount), info, today, "Кто: ") +
        "Вы действительно хотите вычеркнуть этот долг?";
    if (ui.MessageBox(question, Icon::Information, Buttons::YesNo) != Answer::Yes) return false;
    StrikeOutDebt(doc, mode, row);
    return true;
}

}  // namespace kz
