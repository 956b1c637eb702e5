#pragma once

#include <string>
#include <vector>

#include "core/Document.h"
#include "platform/Platform.h"

namespace kz {

// EntryMode of the borrowing and lending dialog.
enum class ZanOdolMode : int { Borrow = 2, Lend = 3 };

// What the dialog shows when it is prepared (InitZan / InitSell).
struct ZanOdolSetup {
    std::string caption;
    std::string label2;  // explanation
    std::string lblAddSell;
    std::string label3;  // "У кого:" / "Кому:"
    std::string label4;  // "Сколько (р.):"
    std::string cmdGo;
    std::string txtDate;               // today, dd.mm.yyyy
    Date calendar;                     // MonthView: today
    std::vector<std::string> persons;  // cmbTo
};

ZanOdolSetup PrepareZanOdol(const BudgetFile& doc, ZanOdolMode mode, const Date& today);

// The people offered in cmbTo: every client in order, then every non-empty phone-book line
// with its tabs shown as " /".
std::vector<std::string> PersonChoices(const BudgetFile& doc);

// The dialog's controls as typed.
struct ZanOdolForm {
    std::string person;          // cmbTo
    std::string sum;             // txtSum; the button rewrites its commas as points
    std::string date;            // txtDate
    std::string reason;          // txtPovod
    std::string returnSum;       // txtReturnSum
    std::string percent;         // txtProc
    std::string returnDate;      // txtReturnDate
    bool keepOldBalance = true;  // chkAddToList
};

// Leaving txtSum: without a percent the loan becomes one with a fixed return sum equal to the
// amount. Returns true when Option1 is to be chosen (txtProc disabled, txtReturnSum enabled).
bool OnSumLeft(ZanOdolForm& form);

// A day chosen in the calendar becomes the return date unless it lies before today.
// Returns true when txtReturnDate was set.
bool ChooseReturnDay(Platform& ui, const Date& day, ZanOdolForm& form);

// The loan-history entry (amount, date, person, reason) and the debt entry, which adds the
// return sum, the percent and the return date as typed.
std::string LoanHistoryEntry(double amount, const ZanOdolForm& form);
std::string DebtEntry(double amount, const ZanOdolForm& form);

// Document changes on the current state; they cannot fail.
void Borrow(BudgetFile& doc, double amount, const ZanOdolForm& form);
void Lend(BudgetFile& doc, double amount, const ZanOdolForm& form);

// Runs the "Занять" / "Одолжить" button: checks, confirmation, the change. `form.sum` is
// rewritten in place (commas to points), as the user sees it. Returns true when the dialog
// should close; the caller then shows the new balance, recolours the debt buttons and
// refreshes the main window.
bool SubmitZanOdol(BudgetFile& doc, Platform& ui, ZanOdolMode mode, ZanOdolForm& form);

}  // namespace kz
