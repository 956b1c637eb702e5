#include "windows/client/ClientWindow.h"

#include "core/Text.h"
#include "core/TextFiles.h"

namespace kz {

namespace {

bool SideIsOurs(Side side) {
    return side == Side::OwedToYou;
}

bool InList(int row) {
    return row >= 1 && row <= kListSize;
}

std::string UnitShort(const BudgetFile& doc, const ClientRecord& c) {
    return doc.Unit(c.ienum).short_;
}

// An amount in the prompt of the repayment box: a point as decimal
// separator and a blank in front when not negative.
std::string PromptNumber(double value) {
    std::string text = CommaToPoint(AmountText(value));
    return value < 0 ? text : " " + text;
}

}  // namespace

std::string PaymentTableText(const BudgetFile& doc, int client, Side side) {
    const ClientRecord& c = doc.Client(client);
    const EntryList& payments = PaymentList(c, side);
    std::string text = "\tСумма\tДата возвр.\tИнформация\r\n";
    for (int i = 1; i <= kListSize; ++i) {
        const std::string& payment = Slot(payments, i);
        if (payment.empty()) continue;
        text += PaymentSettled(doc, side, client, i) ? std::string("ok") : std::to_string(i);
        text += '\t';
        text += payment;
        text += "\r\n";
    }
    return text;
}

ClientView ClientWindowView(const BudgetFile& doc, int client) {
    const ClientRecord& c = doc.Client(client);
    ClientView view;
    view.name = c.clientname;
    view.unit = doc.Unit(c.ienum).cap + "(" + UnitShort(doc, c) + ")";
    view.reputation = "Репутация: " + std::to_string(c.reput);
    view.owedToYou = PaymentTableText(doc, client, Side::OwedToYou);
    view.owedByYou = PaymentTableText(doc, client, Side::OwedByYou);
    return view;
}

bool ChangePayment(const BudgetFile& doc, Platform& ui, Side side, int row) {
    if (row < 1) {
        ui.MessageBox("Нужно выбрать запись!", Icon::Exclamation, Buttons::OK);
        return false;
    }
    if (!InList(row)) return false;
    return !Slot(PaymentList(doc.Client(doc.CurrentClient), side), row).empty();
}

bool DeletePayment(BudgetFile& doc, Platform& ui, Side side, int row) {
    if (row < 1) {
        ui.MessageBox("Выберите запись в списке и повторите удаление.", Icon::Exclamation,
                      Buttons::OK);
        return false;
    }
    if (!InList(row)) return false;
    EntryList& payments = PaymentList(doc.Client(doc.CurrentClient), side);
    if (Slot(payments, row).empty()) return false;
    if (ui.MessageBox("Вы действительно хотите вычернуть запись из списка?", Icon::Information,
                      Buttons::YesNo) != Answer::Yes)
        return false;
    RemovePayment(doc, doc.CurrentClient, side, row);
    return true;
}

bool ReturnPayment(BudgetFile& doc, Platform& ui, Side side, int row) {
    const bool ours = SideIsOurs(side);
    if (row < 1) {
        ui.MessageBox(ours ? "Выберите платеж, который Вам должны вернуть."
                           : "Выберите платеж, который Вы должны вернуть.",
                      Icon::Exclamation, Buttons::OK);
        return false;
    }
    if (!InList(row)) return false;
    ClientRecord& client = doc.Client(doc.CurrentClient);
    const std::string payment = Slot(PaymentList(client, side), row);
    if (payment.empty()) return false;

    // A dated payment's amount already is the remainder; a monthly one is
    // lowered by the returns of its month.
    PaymentPaid paidSoFar{EntryAmount(payment)};
    if (IsMonthlyPayment(payment)) {
        paidSoFar = SideReturns(client, side).Paid(payment);
        if (paidSoFar.settled) {
            ui.MessageBox(ours ? "Эту сумму за текущий месяц Вам уже вернули!"
                               : "Эту сумму за текущий месяц Вы уже вернули!",
                          Icon::Exclamation, Buttons::OK);
            return false;
        }
    }
    if (ui.MessageBox("Вы действительно хотите вернуть деньги по этому платежу?", Icon::Information,
                      Buttons::YesNo) != Answer::Yes)
        return false;

    const double remaining = paidSoFar.amount - paidSoFar.paid;
    const std::string limit = PromptNumber(remaining);
    const std::string proposed = limit.front() == ' ' ? limit.substr(1) : limit;
    const std::string answer =
        ui.InputBox("Введите сумму, которую вы хотите вернуть (не более " + limit + ")",
                    "Возврат суммы", proposed);
    if (answer.empty()) return false;
    const std::string typed = CommaToPoint(answer);
    const double repaid = TypedAmount(answer);
    if (!(repaid > 0)) {
        ui.MessageBox("Нужно ввести сумму возвращаемых денег - положительное число!",
                      Icon::Critical, Buttons::OK);
        return false;
    }
    if (repaid > remaining) {
        ui.MessageBox(
            "Возвращаемая сумма не может быть больше установленного для возврата значения.",
            Icon::Critical, Buttons::OK);
        return false;
    }
    // The return entry keeps the answer as typed.
    if (!AcceptTypedText(ui, typed)) return false;
    const std::string confirm = ours ? "Вы уверены, что Вам хотят вернуть долг(или часть долга) "
                                       "в размере "
                                     : "Вы уверены, что Вы хотите вернуть долг(или часть долга) "
                                       "в размере ";
    if (ui.MessageBox(confirm + typed + UnitShort(doc, client), Icon::Information,
                      Buttons::YesNo) != Answer::Yes)
        return false;

    RecordReturn(doc, doc.CurrentClient, side, row, typed, ui.Today());
    return true;
}

void ShowAmountDue(const BudgetFile& doc, Platform& ui, Side side, int row) {
    const bool ours = SideIsOurs(side);
    if (row < 1) {
        ui.MessageBox("Выберите запись в списке.", Icon::Exclamation, Buttons::OK);
        return;
    }
    if (!InList(row)) return;
    const ClientRecord& client = doc.Client(doc.CurrentClient);
    const std::string& payment = Slot(PaymentList(client, side), row);
    if (payment.empty()) return;
    if (!IsMonthlyPayment(payment)) {
        ui.MessageBox(JoinParagraphs("Эта функция (определение суммы,выплаченной по данному "
                                     "платежу) предназначена только для ежемесячных платежей.",
                                     "Эта информация для датированных платежей выводится в "
                                     "таблице в столбце Сумма."),
                      Icon::Information, Buttons::OK);
        return;
    }
    const double due = AmountDue(doc, side, doc.CurrentClient, row);
    const double amount = EntryAmount(payment);
    if (due != 0) {
        std::string text = ours ? "По данному платежу Вам еще должны выплатить: "
                                : "По данному платежу Вам еще нужно выплатить: ";
        text += AmountText(due) + " из " + AmountText(amount) + " (" + UnitShort(doc, client) + ")";
        ui.MessageBox(text, Icon::Information, Buttons::OK);
    } else {
        ui.MessageBox(ours ? "По данному платежу Вам ВСЕ было выплачено."
                           : "По данному платежу Вы ВСЕ выплатили.",
                      Icon::Information, Buttons::OK);
    }
}

std::string ReturnsTableText(const BudgetFile& doc, Side side) {
    const ClientRecord& client = doc.Client(doc.CurrentClient);
    const EntryList& returns = ReturnList(client, side);
    std::string text = "\tСумма," + UnitShort(doc, client) + "\tДата возвращения\tИнформация\r\n";
    for (int i = 1; i <= kListSize; ++i) {
        const std::string& r = Slot(returns, i);
        if (r.empty()) continue;
        text += std::to_string(i) + "\t" + r + "\r\n";
    }
    return text;
}

bool DeleteReturn(BudgetFile& doc, Platform& ui, Side side, int row) {
    if (!InList(row)) return false;
    EntryList& returns = ReturnList(doc.Client(doc.CurrentClient), side);
    // An empty row is asked about too; removing it moves nothing up.
    const std::string& entry = Slot(returns, row);
    const std::string question = JoinParagraphs(
        "Информация из этого списка используется программой для определения задолжностей по "
        "выплатам. Удалять ее не рекомендуется.",
        "Вы уверены, что хотите удалить запись:\r\n" + entry + "  ?");
    if (ui.MessageBox(question, Icon::Information, Buttons::YesNo) != Answer::Yes) return false;
    RemoveReturn(doc, doc.CurrentClient, side, row);
    return true;
}

}  // namespace kz
