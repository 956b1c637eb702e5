#include "windows/client/PaymentEntry.h"

#include "core/Text.h"
#include "core/TextFiles.h"

namespace kz {

namespace {

const char* const kAddExplanation =
    "Добавление платежа в список платежей клиента/клиенту. Вы можете указать в поле Дата "
    "непосредственно дату выплаты или поставить галочку 'Ежемесячный платеж' (месяц - "
    "календарный).";
const char* const kChangeExplanation =
    "Изменение платежа в списке платежей клиента/клиенту. Вы можете указать в поле Дата "
    "непосредственно дату выплаты или поставить галочку 'Ежемесячный платеж' (месяц - "
    "календарный).";

// The text after the n-th tab up to the end, tabs included.
std::string AfterTab(const std::string& text, int n) {
    std::size_t pos = 0;
    for (int k = 0; k < n; ++k) {
        pos = text.find('\t', pos);
        if (pos == std::string::npos) return {};
        ++pos;
    }
    return text.substr(pos);
}

}  // namespace

std::string MonthPrefix(const Date& d) {
    return "(за " + std::to_string(d.month) + "." + std::to_string(d.year) + ")";
}

PaymentEntryView InitPaymentEntry(const BudgetFile& doc, Platform& ui, PaymentMode mode, Side side,
                                  int entry) {
    const ClientRecord& client = doc.Client(doc.CurrentClient);
    PaymentEntryView view;
    view.sumLabel = "Сумма," + doc.Unit(client.ienum).short_ + ":";
    view.source = "Работа";
    if (mode == PaymentMode::Add) {
        view.caption = "Добавление платежа";
        view.explanation = kAddExplanation;
    } else {
        view.caption = "Изменение платежа";
        view.explanation = kChangeExplanation;
        const std::string& payment = Slot(PaymentList(client, side), entry);
        view.sum = FirstField(payment, '\t');
        const std::string date = EntryDate(payment);
        if (date == kMonthlyWord) {
            view.monthly = true;
            view.dateEnabled = false;
            view.source = EntryInfo(payment);
        } else {
            view.source = AfterTab(payment, 2);
            if (!date.empty())
                view.date = date;
            else
                ui.MessageBox("Ошибка в записи даты!", Icon::Critical, Buttons::OK);
        }
    }
    view.calendar = ui.Today();
    return view;
}

std::string ToggleMonthly(PaymentMode mode, bool ticked, const std::string& source,
                          const Date& today) {
    if (mode != PaymentMode::Change) return source;
    if (ticked) return MonthPrefix(today) + source;
    const std::size_t close = source.find(')');
    return close == std::string::npos ? source : source.substr(close + 1);
}

bool PickDate(Platform& ui, const Date& picked, std::string& dateBox) {
    if (picked < ui.Today()) {
        ui.MessageBox("Вы указали дату, предшествующую текущей дате!", Icon::Critical, Buttons::OK);
        return false;
    }
    dateBox = FormatDate(picked);
    return true;
}

bool SavePayment(BudgetFile& doc, Platform& ui, PaymentMode mode, Side side, int entry,
                 const PaymentForm& form) {
    const Date today = ui.Today();
    // The first check reads the box as it is, so "0,5" stops here as 0; a
    // number beyond every number ("1e400") stops here too.
    const double amount = TypedAmount(form.sum);
    if (LeadingNumber(form.sum) <= 0 || !(amount > 0)) {
        ui.MessageBox("Введите возвращаемую сумму.", Icon::Information, Buttons::OK);
        return false;
    }
    if (form.source.empty()) {
        ui.MessageBox("Необходимо ввести уникальную информацию в поле Информация", Icon::None,
                      Buttons::OK);
        return false;
    }
    std::string dateField = kMonthlyWord;
    if (!form.monthly) {
        Date parsed;
        if (form.date.empty() || !ParseUserDate(form.date, today, parsed)) {
            ui.MessageBox("Надо указать дату возврата!", Icon::None, Buttons::OK);
            return false;
        }
        dateField = form.date;
    }
    std::string info = form.source;
    if (mode == PaymentMode::Add && form.monthly) info = MonthPrefix(today) + info;

    ClientRecord& client = doc.Client(doc.CurrentClient);
    EntryList& payments = PaymentList(client, side);
    if (mode == PaymentMode::Add) {
        // Returns find their payment by its info, so a side must not hold the
        // same info twice; a dated payment's returns carry its date in front.
        for (const std::string& existing : payments) {
            const std::string other =
                form.monthly ? EntryInfo(existing) : "(за " + dateField + ")" + EntryInfo(existing);
            if (other == info) {
                ui.MessageBox(
                    "Необходимо ввести уникальную информацию-комментарий к данному платежу. "
                    "Она будет использоваться программой для автоматических расчетов.",
                    Icon::Information, Buttons::OK);
                return false;
            }
        }
    }

    // The info is the only text stored as typed: the amount is stored as a
    // number and a date box passes only when it reads as a date.
    if (!AcceptTypedText(ui, form.source)) return false;

    std::string stored = MakePaymentEntry(amount, dateField, info);
    if (mode == PaymentMode::Add) {
        InsertPayment(doc, doc.CurrentClient, side, std::move(stored));
    } else {
        Slot(payments, entry) = std::move(stored);
        doc.Dirty = true;
    }
    return true;
}

}  // namespace kz
