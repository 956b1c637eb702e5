#include <gtest/gtest.h>

#include <functional>
#include <memory>
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

// Windows-1251 has no rouble sign: a document holding one cannot be saved.
// Both begin with a number, for the inputs that read one.
const std::string kUnwritable = "2 ₽";
const std::string kWritable = "2 р.";

using Ui = test::ScriptedPlatform;
using Enter = std::function<bool(BudgetFile&, Ui&, const std::string& typed)>;

// One input of a window whose text goes into the document. `enter` runs the
// operation with `typed` in that input (the other boxes get plain answers)
// and returns what the operation returns.
struct TypedInput {
    const char* input;
    Enter enter;
    // The text is read as a number and stored as one, so it cannot harm the
    // file and is taken as the number it begins with.
    bool numberOnly = false;
    // The document as the input finds it, when it differs from the common one.
    void (*prepare)(BudgetFile&) = nullptr;
    // A text the input takes, when kWritable is not one.
    const char* plain = nullptr;
    // The input refuses every text that is not a number with a message of
    // its own, which names the text, rather than the code-page message.
    bool ownRefusal = false;
};

// The first row of each list chosen.
void Prepare(BudgetFile& doc, Platform& ui, MainView& view) {
    view = RefreshMainWindow(doc, ui);
    view.ieSel = view.sostSel = view.clientSel = 1;
}
void Prepare(BudgetFile& doc, Platform&, PhoneView& view) {
    LoadPhones(doc, view);
    view.row = 1;
}

// An operation whose input boxes get `answers` in turn, "%" standing for the
// typed text.
void Script(Ui& ui, const std::vector<std::string>& answers, const std::string& typed) {
    for (const std::string& a : answers) ui.Input(a == "%" ? typed : a);
}
template <class View>
Enter Boxes(bool (*op)(BudgetFile&, Platform&, View&), std::vector<std::string> answers) {
    return [op, answers](BudgetFile& d, Ui& ui, const std::string& typed) {
        Script(ui, answers, typed);
        View view;
        Prepare(d, ui, view);
        return op(d, ui, view);
    };
}
Enter Boxes(bool (*op)(BudgetFile&, Platform&), std::vector<std::string> answers) {
    return [op, answers](BudgetFile& d, Ui& ui, const std::string& typed) {
        Script(ui, answers, typed);
        return op(d, ui);
    };
}

Enter Password(PassAction action) {
    return [action](BudgetFile& d, Ui& ui, const std::string& typed) {
        PassForm form;
        form.action = action;
        form.oldPass = d.pass;
        form.newPass = form.confPass = typed;
        return ApplyPassword(d, ui, form);
    };
}

// A dated payment owed by the user, with the typed sum or info.
Enter Payment(bool typedSum) {
    return [typedSum](BudgetFile& d, Ui& ui, const std::string& typed) {
        return SavePayment(
            d, ui, PaymentMode::Add, Side::OwedByYou, 0,
            {typedSum ? typed : "50", "20.05.2002", typedSum ? "Аренда" : typed, false});
    };
}

// An income or a spending of 100 with the typed source.
Enter AddSell(AddSellMode mode) {
    return [mode](BudgetFile& d, Ui& ui, const std::string& typed) {
        ui.Answer(Answer::Yes);
        return SubmitAddSell(d, ui, AppSettings{}, mode, {"15.03.2002", "100", typed, true});
    };
}

// A loan of 100 at 3 % a month with the typed text in one field.
Enter Loan(ZanOdolMode mode, std::string ZanOdolForm::*field) {
    return [mode, field](BudgetFile& d, Ui& ui, const std::string& typed) {
        ZanOdolForm form{"Петр", "100", "15.03.2002", "", "", "3", "", true};
        if (field == &ZanOdolForm::returnSum) form.percent.clear();
        form.*field = typed;
        ui.Answer(Answer::Yes);
        return SubmitZanOdol(d, ui, mode, form);
    };
}

const TypedInput kInputs[] = {
    // Main window
    {"new state", Boxes(&AddState, {"%"})},
    {"new client", Boxes(&AddClient, {"%"})},
    {"new unit's name", Boxes(&AddCurrencyUnit, {"%", "€"})},
    {"new unit's sign", Boxes(&AddCurrencyUnit, {"евро", "%"})},
    {"unit's new name", Boxes(&ChangeCurrencyUnit, {"%", "р."})},
    {"unit's new sign", Boxes(&ChangeCurrencyUnit, {"руб", "%"})},
    {"user name", Boxes(&RenameUser, {"%"})},
    // Phone book and notepad
    {"new phone's name", Boxes(&AddPhone, {"%", "555"})},
    {"new phone's number", Boxes(&AddPhone, {"Сидоров", "%"})},
    {"phone's new name", Boxes(&ChangePhone, {"%", "555"})},
    {"phone's new number", Boxes(&ChangePhone, {"Иван", "%"})},
    {"notes", [](BudgetFile& d, Ui& ui, const std::string& t) { return NoteEdited(d, ui, t); }},
    // Password window
    {"new password", Password(PassAction::New)},
    {"changed password", Password(PassAction::Change), false,
     [](BudgetFile& d) {
         d.IsProtected = true;
         d.pass = "старый";
     }},
    // Client window and its dialogs
    {"client's name", Boxes(&RenameClient, {"%"})},
    {"client's information",
     [](BudgetFile& d, Ui& ui, const std::string& t) { return SaveInfo(d, ui, t); }},
    {"payment's information", Payment(false)},
    {"repayment",
     [](BudgetFile& d, Ui& ui, const std::string& t) {
         ui.Answer(Answer::Yes);
         ui.Input(t);
         ui.Answer(Answer::Yes);
         return ReturnPayment(d, ui, Side::OwedToYou, 1);
     }},
    {"payment's amount", Payment(true), true},
    {"client's reputation", Boxes(&ChangeReputation, {"%"}), true},
    // State window and its dialogs
    {"state's name", Boxes(&RenameState, {"%"})},
    {"balance by hand",
     [](BudgetFile& d, Ui& ui, const std::string& t) {
         ui.Answer(Answer::Yes);
         ui.Input(t);
         return ChangeBalanceByHand(d, ui, "1000");
     },
     false, nullptr, "2,5", true},
    {"income's source", AddSell(AddSellMode::Income)},
    {"spending's purpose", AddSell(AddSellMode::Spending)},
    {"lender", Loan(ZanOdolMode::Borrow, &ZanOdolForm::person)},
    {"borrowing's reason", Loan(ZanOdolMode::Borrow, &ZanOdolForm::reason)},
    {"borrowing's return sum", Loan(ZanOdolMode::Borrow, &ZanOdolForm::returnSum)},
    {"borrowing's percent", Loan(ZanOdolMode::Borrow, &ZanOdolForm::percent)},
    {"borrower", Loan(ZanOdolMode::Lend, &ZanOdolForm::person)},
    {"lending's reason", Loan(ZanOdolMode::Lend, &ZanOdolForm::reason)},
    {"lending's return sum", Loan(ZanOdolMode::Lend, &ZanOdolForm::returnSum)},
    {"lending's percent", Loan(ZanOdolMode::Lend, &ZanOdolForm::percent)},
};

// What a save would write, with what the file does not show.
std::string Snapshot(const BudgetFile& doc) {
    return DataFileText(doc, doc.IsProtected) + "|" + doc.pass + "|" + std::to_string(doc.Dirty);
}

struct TypedTextTest : ::testing::Test {
    test::TempDir dir;
    BudgetFile doc;
    AppSettings settings;
    void SetUp() override {
        FillNewDocumentDefaults(doc);
        doc.FilePath = dir / "home.kv7";
        doc.LastDate = {2002, 3, 15};  // the tests' today: no month end on the way
        doc.CurrentSost = 1;
        doc.Sost(1).bal = 1000;  // enough to spend and to lend
        doc.clientkol = 1;
        doc.Client(1).clientname = "Иванов";
        doc.Client(1).clondolkm[0] = "1000\tежемесячно\t(за 3.2002)Работа";
        doc.CurrentClient = 1;
        doc.phones[0] = "Иван\t+7 123";
        settings.BackUp = false;
    }
};

TEST_F(TypedTextTest, NoInputLetsInATextTheDataFileCannotHold) {
    for (const TypedInput& in : kInputs) {
        SCOPED_TRACE(in.input);
        struct Run {
            BudgetFile doc;
            test::ScriptedPlatform ui;
            std::string before;
            bool taken = false;
        };
        auto run = [&](const std::string& typed) {
            auto r = std::make_unique<Run>();
            r->doc = doc;
            if (in.prepare) in.prepare(r->doc);
            r->ui.SetToday(15, 3, 2002);
            r->before = Snapshot(r->doc);
            r->taken = in.enter(r->doc, r->ui, typed);
            return r;
        };
        // The plain text goes in, so the row reaches the document.
        const auto plain = run(in.plain ? in.plain : kWritable);
        EXPECT_TRUE(plain->taken);
        EXPECT_NE(Snapshot(plain->doc), plain->before);

        const auto bad = run(kUnwritable);
        if (in.numberOnly) {
            EXPECT_TRUE(bad->taken);
            EXPECT_TRUE(bad->ui.messages.empty());
        } else {
            EXPECT_FALSE(bad->taken);
            ASSERT_FALSE(bad->ui.messages.empty());
            if (in.ownRefusal)
                EXPECT_EQ(bad->ui.messages.back().text.rfind("\"" + kUnwritable + "\"", 0), 0u);
            else
                EXPECT_EQ(bad->ui.messages.back().text, UnwritableCharText("₽"));
            EXPECT_EQ(bad->ui.messages.back().icon, Icon::Exclamation);
            EXPECT_EQ(Snapshot(bad->doc), bad->before);
        }
        EXPECT_TRUE(WriteDataFile(bad->doc, bad->ui, settings));
    }
}

}  // namespace
}  // namespace kz
