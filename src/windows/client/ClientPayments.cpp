#include "windows/client/ClientPayments.h"

#include "core/Text.h"

namespace kz {

std::string MakePaymentEntry(double amount, const std::string& dateField, const std::string& info) {
    return AmountText(amount) + "\t" + dateField + "\t" + info;
}

void InsertPayment(BudgetFile& doc, int client, Side side, std::string entry) {
    PushEntry(PaymentList(doc.Client(client), side), std::move(entry));
    doc.Dirty = true;
}

void RemovePayment(BudgetFile& doc, int client, Side side, int entry) {
    RemoveEntry(PaymentList(doc.Client(client), side), entry);
    doc.Dirty = true;
}

void RecordReturn(BudgetFile& doc, int client, Side side, int entry, const std::string& amountText,
                  const Date& today) {
    ClientRecord& c = doc.Client(client);
    EntryList& payments = PaymentList(c, side);
    std::string& payment = Slot(payments, entry);
    std::string info = EntryInfo(payment);
    if (!IsMonthlyPayment(payment)) {
        info = "(за " + EntryDate(payment) + ")" + info;
        const double amount = EntryAmount(payment);
        const double repaid = TypedAmount(amountText);
        if (repaid >= amount) {
            RemoveEntry(payments, entry);
        } else {
            const std::size_t tab = payment.find('\t');
            payment = AmountText(AddAmounts(amount, -repaid)) +
                      (tab == std::string::npos ? std::string() : payment.substr(tab));
        }
    }
    PushEntry(ReturnList(c, side), amountText + "\t" + FormatDate(today) + "\t" + info);
    doc.Dirty = true;
}

void RemoveReturn(BudgetFile& doc, int client, Side side, int entry) {
    RemoveEntry(ReturnList(doc.Client(client), side), entry);
    doc.Dirty = true;
}

}  // namespace kz
