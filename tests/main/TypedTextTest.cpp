#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/DataFile.h"
#include "core/TextFiles.h"
#include "startup/Password.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "tools/Notepad.h"
#include "tools/PhoneBook.h"
#include "windows/client/ClientInfo.h"
#include "windows/client/ClientWindow.h"
#include "windows/client/PaymentEntry.h"
#include "windows/main/MainWindow.h"
#include "windows/state/AddSell.h"
#include "windows/state/StateWindow.h"
#include "windows/state/ZanOdol.h"

namespace kz {
namespace {

// One operation run with the typed text `t` in one of its inputs, the first
// row of each list chosen.
struct Typing {
    BudgetFile& d;
    test::ScriptedPlatform& ui;
    std::string t;

    bool Call(bool (*op)(BudgetFile&, Platform&)) { return op(d, ui); }
    bool Call(bool (*op)(BudgetFile&, Platform&, MainView&)) {
        MainView v = RefreshMainWindow(d, ui);
        v.ieSel = v.sostSel = v.clientSel = 1;
        return op(d, ui, v);
    }
    bool Call(bool (*op)(BudgetFile&, Platform&, PhoneView&)) {
        PhoneView v;
        LoadPhones(d, v);
        v.row = 1;
        return op(d, ui, v);
    }
    bool Password(PassAction action) {
        PassForm form;
        form.action = action;
        form.oldPass = d.pass;
        form.newPass = form.confPass = t;
        return ApplyPassword(d, ui, form);
    }
    bool AddSell(AddSellMode mode) {
        ui.Answer(Answer::Yes);
        return SubmitAddSell(d, ui, AppSettings{}, mode, {"15.03.2002", "100", t, true});
    }
    // A loan of 100 at 3 % a month.
    bool Loan(ZanOdolMode mode, std::string ZanOdolForm::*field) {
        ZanOdolForm form{"Петр", "100", "15.03.2002", "", "", "3", "", true};
        if (field == &ZanOdolForm::returnSum) form.percent.clear();
        form.*field = t;
        ui.Answer(Answer::Yes);
        return SubmitZanOdol(d, ui, mode, form);
    }
};
using Enter = std::function<bool(Typing&)>;

// Input boxes get `answers` in turn, "%" standing for the typed text.
template <class... View>
Enter Ask(bool (*op)(BudgetFile&, Platform&, View&...), std::vector<std::string> answers) {
    return [op, answers](Typing& r) {
        for (const std::string& a : answers) r.ui.Input(a == "%" ? r.t : a);
        return r.Call(op);
    };
}

using B = ZanOdolMode;
using F = ZanOdolForm;
// Every input whose text goes into the document.
const std::pair<const char*, Enter> kInputs[] = {
    {"new state", Ask(&AddState, {"%"})},
    {"new client", Ask(&AddClient, {"%"})},
    {"new unit's name", Ask(&AddCurrencyUnit, {"%", "€"})},
    {"new unit's sign", Ask(&AddCurrencyUnit, {"евро", "%"})},
    {"unit's new name", Ask(&ChangeCurrencyUnit, {"%", "р."})},
    {"unit's new sign", Ask(&ChangeCurrencyUnit, {"руб", "%"})},
    {"user name", Ask(&RenameUser, {"%"})},
    {"new phone's name", Ask(&AddPhone, {"%", "555"})},
    {"new phone's number", Ask(&AddPhone, {"Сидоров", "%"})},
    {"phone's new name", Ask(&ChangePhone, {"%", "555"})},
    {"phone's new number", Ask(&ChangePhone, {"Иван", "%"})},
    {"notes", [](Typing& r) { return NoteEdited(r.d, r.ui, r.t); }},
    {"new password", [](Typing& r) { return r.Password(PassAction::New); }},
    {"changed password", [](Typing& r) { return r.Password(PassAction::Change); }},
    {"client's name", Ask(&RenameClient, {"%"})},
    {"client's information", [](Typing& r) { return SaveInfo(r.d, r.ui, r.t); }},
    {"payment's information",  // a dated payment of 50 owed by the user
     [](Typing& r) {
         return SavePayment(r.d, r.ui, PaymentMode::Add, Side::OwedByYou, 0,
                            {"50", "20.05.2002", r.t, false});
     }},
    {"repayment",
     [](Typing& r) {
         r.ui.Answer(Answer::Yes);
         r.ui.Input(r.t);
         r.ui.Answer(Answer::Yes);
         return ReturnPayment(r.d, r.ui, Side::OwedToYou, 1);
     }},
    {"state's name", Ask(&RenameState, {"%"})},
    {"income's source", [](Typing& r) { return r.AddSell(AddSellMode::Income); }},
    {"spending's purpose", [](Typing& r) { return r.AddSell(AddSellMode::Spending); }},
    {"lender", [](Typing& r) { return r.Loan(B::Borrow, &F::person); }},
    {"borrowing's reason", [](Typing& r) { return r.Loan(B::Borrow, &F::reason); }},
    {"borrowing's return sum", [](Typing& r) { return r.Loan(B::Borrow, &F::returnSum); }},
    {"borrowing's percent", [](Typing& r) { return r.Loan(B::Borrow, &F::percent); }},
    {"borrower", [](Typing& r) { return r.Loan(B::Lend, &F::person); }},
    {"lending's reason", [](Typing& r) { return r.Loan(B::Lend, &F::reason); }},
    {"lending's return sum", [](Typing& r) { return r.Loan(B::Lend, &F::returnSum); }},
    {"lending's percent", [](Typing& r) { return r.Loan(B::Lend, &F::percent); }},
};

TEST(TypedText, NoInputLetsInATextTheDataFileCannotHold) {
    test::TempDir dir;
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    doc.FilePath = dir / "home.kv7";
    doc.LastDate = {2002, 3, 15};  // the tests' today: no month end on the way
    doc.CurrentSost = doc.CurrentClient = doc.clientkol = 1;
    doc.Sost(1).bal = 1000;  // enough to spend and to lend
    doc.Client(1).clientname = "Иванов";
    doc.Client(1).clondolkm[0] = "1000\tежемесячно\t(за 3.2002)Работа";
    doc.phones[0] = "Иван\t+7 123";
    doc.IsProtected = true;
    doc.pass = "старый";
    AppSettings settings;
    settings.BackUp = false;
    // What a save would write, with what the file does not show.
    const auto snapshot = [](const BudgetFile& d) {
        return DataFileText(d, d.IsProtected) + "|" + d.pass + "|" + std::to_string(d.Dirty);
    };
    for (const auto& [input, enter] : kInputs) {
        // Windows-1251 has no rouble sign: the plain text goes in, so the
        // refusal of the other is the sign's doing.
        for (const char* typed : {"2 р.", "2 ₽"}) {
            SCOPED_TRACE(std::string(input) + " " + typed);
            BudgetFile d = doc;
            test::ScriptedPlatform ui;
            ui.SetToday(15, 3, 2002);
            Typing run{d, ui, typed};
            const bool plain = run.t == "2 р.";
            const std::string before = snapshot(d);
            const bool taken = enter(run);
            EXPECT_EQ(taken, plain);
            if (plain) {
                EXPECT_NE(snapshot(d), before);
                continue;
            }
            ASSERT_FALSE(ui.messages.empty());
            EXPECT_EQ(ui.messages.back().text, UnwritableCharText("₽"));
            EXPECT_EQ(snapshot(d), before);
            EXPECT_TRUE(WriteDataFile(d, ui, settings));
        }
    }
}

}  // namespace
}  // namespace kz
