#pragma once

#include <string>

#include "core/Date.h"
#include "core/Document.h"
#include "platform/Platform.h"
#include "windows/client/ClientPayments.h"

namespace kz {

// The payment entry dialog: adds a payment to one side of the current client
// or changes an existing one.
enum class PaymentMode { Add = 1, Change = 2 };

// The controls the dialog shows after its preparation.
struct PaymentEntryView {
    std::string caption;      // window caption, repeated by lblAddSell
    std::string explanation;  // lblInfo
    std::string sumLabel;     // lblSum
    std::string sum;          // txtSum
    std::string date;         // txtDate
    std::string source;       // txtSource
    bool monthly = false;     // chkKM
    bool dateEnabled = true;  // lblDate, txtDate and MonthView1
    Date calendar;            // MonthView1
};

// The values of the dialog's boxes as typed.
struct PaymentForm {
    std::string sum;
    std::string date;
    std::string source;
    bool monthly = false;
};

// Prepares the dialog for the current client. In change mode the payment
// `entry` of `side` is split into the boxes; an entry without a date is
// reported ("Ошибка в записи даты!") and offered as a dated payment.
PaymentEntryView InitPaymentEntry(const BudgetFile& doc, Platform& ui, PaymentMode mode, Side side,
                                  int entry);

// "(за 3.2002)": the month prefix a monthly payment's info carries.
std::string MonthPrefix(const Date& d);

// The info box after chkKM was clicked (`ticked` is its new state). In change
// mode ticking adds the current month's prefix and unticking strips
// everything up to the first ")"; in add mode the box is left alone.
std::string ToggleMonthly(PaymentMode mode, bool ticked, const std::string& source,
                          const Date& today);

// A day clicked in the calendar: refused when before today, otherwise the
// date box gets it as dd.mm.yyyy. Returns true when the box changed.
bool PickDate(Platform& ui, const Date& picked, std::string& dateBox);

// The "Добавить" button: checks the boxes in order, then adds the payment
// (add mode) or replaces entry `entry` (change mode) of `side` of the current
// client. Returns true when the payment was stored and the dialog closes.
bool SavePayment(BudgetFile& doc, Platform& ui, PaymentMode mode, Side side, int entry,
                 const PaymentForm& form);

}  // namespace kz
