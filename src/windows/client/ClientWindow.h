#pragma once

#include <string>

#include "core/Document.h"
#include "platform/Platform.h"
#include "windows/client/ClientPayments.h"

namespace kz {

// What the client window shows for one client.
struct ClientView {
    std::string name;        // Label2 and lblClientName
    std::string unit;        // lblIE: "рубли(р.)"
    std::string reputation;  // lblReput: "Репутация: -2"
    std::string owedToYou;   // table text of OnDolGrid
    std::string owedByYou;   // table text of VyDolGrid
};

// The number of rows and data columns the payment and return tables are
// filled with.
inline constexpr int kClientGridRows = 100;
inline constexpr int kClientGridColumns = 3;

ClientView ClientWindowView(const BudgetFile& doc, int client);

// A payment table: a heading row, then for each payment its marker ("ok" when
// settled, else its entry number), a tab and the entry. Rows end with CR LF.
std::string PaymentTableText(const BudgetFile& doc, int client, Side side);

// The buttons of one side. `row` is the table's current row below the
// heading (0 or less when there is none), which is the payment's entry
// number. Each acts on the current client.

// "Изменить...": true when the payment entry dialog should open in change
// mode for entry `row`.
bool ChangePayment(const BudgetFile& doc, Platform& ui, Side side, int row);

// "Удалить": removes the payment after confirmation; its returns stay.
// True when the document changed.
bool DeletePayment(BudgetFile& doc, Platform& ui, Side side, int row);

// "Вернуть деньги": records a repayment against payment `row`, asking for
// the sum. True when the document changed.
bool ReturnPayment(BudgetFile& doc, Platform& ui, Side side, int row);

// "Сумма к оплате": tells how much of a monthly payment is still due.
void ShowAmountDue(const BudgetFile& doc, Platform& ui, Side side, int row);

// The returns window of a side: its caption and table text (a heading row,
// then each return's number, a tab and the entry).
inline constexpr const char* kReturnsCaption = "Возвращенные деньги";
std::string ReturnsTableText(const BudgetFile& doc, Side side);

// "Удалить элемент" in the returns window: removes return `row` after
// confirmation, also when the row holds no return. True when the user
// agreed: the document is marked changed and the window removes the row,
// the other rows keeping the numbers they show. No chosen row does nothing.
bool DeleteReturn(BudgetFile& doc, Platform& ui, Side side, int row);

}  // namespace kz
