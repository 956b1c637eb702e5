#include "windows/state/AddSell.h"

#include "core/Text.h"
#include "core/TextFiles.h"
#include "windows/state/StateCommon.h"

namespace kz {

namespace {

std::string OperationEntry(double amount, const std::string& dateText, const std::string& text) {
    return AmountText(amount) + "\t" + dateText + "\t" + text;
}

}  // namespace

AddSellSetup PrepareAddSell(const BudgetFile& doc, AddSellMode mode, const Date& today) {
    const std::string unit = UnitShortOf(doc, CurrentState(doc));
    AddSellSetup s;
    const bool income = mode == AddSellMode::Income;
    s.caption = income ? "Добавление суммы к балансу" : "Трата суммы из баланса";
    s.lblAddSell = income ? "Получение денег" : "Потратить деньги";
    s.lblSource = income ? "Источник" : "На что:";
    s.label4 = income ? "Дата получения:" : "Дата траты:";
    s.label5 = "Сумма (" + unit + "):";
    s.lblIE = unit;
    s.cmdAdd = income ? "Добавить" : "Потратить";
    s.txtDate = FormatDate(today);
    s.addToListEnabled = !income;
    return s;
}

void AddIncome(BudgetFile& doc, const std::string& dateText, double amount,
               const std::string& source) {
    SostRecord& sost = CurrentState(doc);
    PushEntry(sost.dohod, OperationEntry(amount, dateText, source));
    PushEntry(sost.oldbal, PastBalanceEntry(sost.bal, dateText));
    sost.bal = AddAmounts(sost.bal, amount);
    doc.Dirty = true;
}

void AddSpending(BudgetFile& doc, const std::string& dateText, double amount,
                 const std::string& purpose, bool keepOldBalance) {
    SostRecord& sost = CurrentState(doc);
    PushEntry(sost.rashod, OperationEntry(amount, dateText, purpose));
    if (keepOldBalance) PushEntry(sost.oldbal, PastBalanceEntry(sost.bal, dateText));
    sost.bal = AddAmounts(sost.bal, -amount);
    doc.Dirty = true;
}

bool SubmitAddSell(BudgetFile& doc, Platform& ui, const AppSettings& settings, AddSellMode mode,
                   const AddSellForm& form) {
    const bool income = mode == AddSellMode::Income;
    if (form.date.empty()) {
        ui.MessageBox("Необходимо указать дату (по умолчанию - текущая).", Icon::Information);
        return false;
    }
    const double amount = TypedAmount(form.sum);
    if (!(amount > 0)) {
        ui.MessageBox("Необходимо указать сумму денег.", Icon::Information);
        return false;
    }
    Date date;
    if (!ParseUserDate(form.date, ui.Today(), date)) {
        ui.MessageBox("Необходимо указать дату добавления/траты денег!", Icon::Critical);
        return false;
    }
    if (!income && amount > CurrentState(doc).bal) {
        ui.MessageBox("Вы не можете отдать больше, чем у вас есть!", Icon::Exclamation);
        return false;
    }
    if (!AcceptAmount(ui, AddAmounts(CurrentState(doc).bal, income ? amount : -amount)))
        return false;
    if (!AcceptTypedText(ui, form.source)) return false;
    const std::string question =
        income ? "Вы уверены, что хотите добавить " + AmountText(amount) + " и.е. к вашему балансу?"
               : "Вы уверены, что хотите потратить " + AmountText(amount) + " и.е. (" +
                     form.source + ") ?";
    if (ui.MessageBox(question, Icon::Information, Buttons::YesNo) != Answer::Yes) return false;

    if (income) {
        AddIncome(doc, form.date, amount, form.source);
        if (settings.Sound) ui.PlaySound(kCoinsSound);
    } else {
        AddSpending(doc, form.date, amount, form.source, form.keepOldBalance);
    }
    return true;
}

}  // namespace kz
