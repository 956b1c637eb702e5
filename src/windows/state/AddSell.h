#pragma once

#include <string>

#include "core/Document.h"
#include "core/Settings.h"
#include "platform/Platform.h"

namespace kz {

// EntryMode of the income and spending dialog.
enum class AddSellMode : int { Income = 0, Spending = 1 };

// What the dialog shows when it is prepared (InitAdd / InitSell).
struct AddSellSetup {
    std::string caption;  // window caption
    std::string lblAddSell;
    std::string lblSource;
    std::string label4;     // "Дата получения:" / "Дата траты:"
    std::string label5;     // "Сумма (р.):"
    std::string lblIE;      // unit short name
    std::string cmdAdd;     // button caption
    std::string txtDate;    // today, dd.mm.yyyy
    bool addToListEnabled;  // chkAddToList: an income always records the old balance
};

AddSellSetup PrepareAddSell(const BudgetFile& doc, AddSellMode mode, const Date& today);

// The dialog's controls as typed.
struct AddSellForm {
    std::string date;            // txtDate
    std::string sum;             // txtSum
    std::string source;          // txtSource
    bool keepOldBalance = true;  // chkAddToList
};

// Document changes on the current state; they cannot fail. The amount is stored in its
// AmountText form and the date text exactly as typed.
void AddIncome(BudgetFile& doc, const std::string& dateText, double amount,
               const std::string& source);
void AddSpending(BudgetFile& doc, const std::string& dateText, double amount,
                 const std::string& purpose, bool keepOldBalance);

// Runs the "Добавить" / "Потратить" button: checks, confirmation, the change, the sound.
// Returns true when the operation was made and the dialog should close; the caller then
// shows the new balance and refreshes the main window.
bool SubmitAddSell(BudgetFile& doc, Platform& ui, const AppSettings& settings, AddSellMode mode,
                   const AddSellForm& form);

}  // namespace kz
