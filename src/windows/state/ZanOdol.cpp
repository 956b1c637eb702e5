#include "windows/state/ZanOdol.h"

#include <cmath>

#include "core/Text.h"
#include "core/TextFiles.h"
#include "windows/state/StateCommon.h"

namespace kz {

ZanOdolSetup PrepareZanOdol(const BudgetFile& doc, ZanOdolMode mode, const Date& today) {
    const bool borrow = mode == ZanOdolMode::Borrow;
    ZanOdolSetup s;
    s.caption = borrow ? "Займ суммы" : "Одолжить деньги";
    s.label2 = borrow ? "Здесь вы можете зарегистрировать факт займа денег."
                      : "Здесь вы можете зарегистрировать факт одалживания денег.";
    s.lblAddSell = borrow ? "Занять деньги" : "Одолжить деньги";
    s.label3 = borrow ? "У кого:" : "Кому:";
    s.label4 = "Сколько (" + UnitShortOf(doc, CurrentState(doc)) + "):";
    s.cmdGo = borrow ? "Занять" : "Одолжить";
    s.txtDate = FormatDate(today);
    s.calendar = today;
    s.persons = PersonChoices(doc);
    return s;
}

std::vector<std::string> PersonChoices(const BudgetFile& doc) {
    std::vector<std::string> out;
    for (int i = 1; i <= doc.clientkol && i <= kMaxClients; ++i)
        out.push_back(doc.Client(i).clientname);
    for (const std::string& phone : doc.phones) {
        if (phone.empty()) continue;
        std::string shown;
        for (char c : phone) {
            if (c == '\t')
                shown += " /";
            else
                shown += c;
        }
        out.push_back(shown);
    }
    return out;
}

bool OnSumLeft(ZanOdolForm& form) {
    if (!form.percent.empty()) return false;
    form.returnSum = form.sum;
    return true;
}

bool ChooseReturnDay(Platform& ui, const Date& day, ZanOdolForm& form) {
    if (day < ui.Today()) {
        ui.MessageBox("Вы указали дату, предшествующую текущей дате!", Icon::Critical);
        return false;
    }
    form.returnDate = FormatDate(day);
    return true;
}

std::string LoanHistoryEntry(double amount, const ZanOdolForm& form) {
    return AmountText(amount) + "\t" + form.date + "\t" + form.person + "\t" + form.reason;
}

std::string DebtEntry(double amount, const ZanOdolForm& form) {
    return LoanHistoryEntry(amount, form) + "\t" + form.returnSum + "\t" + form.percent + "\t" +
           form.returnDate;
}

namespace {

void RecordLoan(BudgetFile& doc, double amount, const ZanOdolForm& form, bool borrow) {
    SostRecord& sost = CurrentState(doc);
    PushEntry(borrow ? sost.oldzan : sost.oldodol, LoanHistoryEntry(amount, form));
    if (form.keepOldBalance) PushEntry(sost.oldbal, PastBalanceEntry(sost.bal, form.date));
    sost.bal = AddAmounts(sost.bal, borrow ? amount : -amount);
    PushEntry(borrow ? sost.vydol : sost.ondol, DebtEntry(amount, form));
    doc.Dirty = true;
}

}  // namespace

void Borrow(BudgetFile& doc, double amount, const ZanOdolForm& form) {
    RecordLoan(doc, amount, form, true);
}

void Lend(BudgetFile& doc, double amount, const ZanOdolForm& form) {
    RecordLoan(doc, amount, form, false);
}

bool SubmitZanOdol(BudgetFile& doc, Platform& ui, ZanOdolMode mode, ZanOdolForm& form) {
    const bool borrow = mode == ZanOdolMode::Borrow;
    form.sum = CommaToPoint(form.sum);
    if (form.date.empty()) {
        ui.MessageBox("Необходимо указать дату (по умолчанию - текущая).", Icon::Information);
        return false;
    }
    const double amount = TypedAmount(form.sum);
    if (!(amount > 0)) {
        ui.MessageBox("Необходимо указать сумму денег.", Icon::Information);
        return false;
    }
    if (form.person.empty()) {
        ui.MessageBox(borrow ? "Необходимо указать человека, у которого вы занимаете."
                             : "Необходимо указать человека, который у вас занимает.",
                      Icon::Information);
        return false;
    }
    // A return sum or percent beyond every number counts as none given.
    auto unusable = [](const std::string& typed) { return !std::isfinite(LeadingAmount(typed)); };
    if ((form.returnSum.empty() && form.percent.empty()) || unusable(form.returnSum) ||
        unusable(form.percent)) {
        ui.MessageBox(JoinParagraphs("Необходимо указать или количество процентов ежемесячно или "
                                     "конкретную сумму возвращаемых денег.",
                                     "Примечание о количестве процентов: итоговая сумма будет "
                                     "равна исходной сумме + кол-во процентов,умноженных на "
                                     "количество прошедших месяцев."),
                      Icon::Exclamation);
        return false;
    }
    const Date today = ui.Today();
    Date loanDate;
    if (!ParseUserDate(form.date, today, loanDate)) {
        ui.MessageBox("Необходимо указать дату займа!", Icon::Critical);
        return false;
    }
    if (!form.returnDate.empty()) {
        Date returnDate;
        // A return date that is not a date would later read as "no return date" while the
        // entry shows it; refuse it here instead.
        if (!ParseUserDate(form.returnDate, today, returnDate)) {
            ui.MessageBox("Неверно указана дата возврата!", Icon::Critical);
            return false;
        }
        if (returnDate < loanDate) {
            ui.MessageBox("Введенная дата возврата предшествует дате займа.", Icon::Information);
            return false;
        }
    }
    if (!borrow && amount > CurrentState(doc).bal) {
        ui.MessageBox("Вы не можете отдать больше, чем у вас есть!", Icon::Exclamation);
        return false;
    }
    if (!AcceptAmount(ui, AddAmounts(CurrentState(doc).bal, borrow ? amount : -amount)))
        return false;
    for (const std::string* typed : {&form.person, &form.reason, &form.returnSum, &form.percent})
        if (!AcceptTypedText(ui, *typed)) return false;
    const std::string question =
        borrow
            ? "Вы уверены, что хотите занять " + AmountText(amount) + " и.е. у " + form.person + "?"
            : "Вы уверены, что хотите одолжить " + AmountText(amount) + " и.е. ?";
    if (ui.MessageBox(question, Icon::Information, Buttons::YesNo) != Answer::Yes) return false;

    if (borrow)
        Borrow(doc, amount, form);
    else
        Lend(doc, amount, form);
    return true;
}

}  // namespace kz
