// No operation lets an amount beyond the largest double reach the document: a sum that would
// overflow, or a typed "1e400", is refused with a message and the document stays as it was.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "core/DataFile.h"
#include "state/StateFixture.h"
#include "windows/client/ClientWindow.h"
#include "windows/client/PaymentEntry.h"
#include "windows/state/AddSell.h"
#include "windows/state/Debts.h"
#include "windows/state/StateWindow.h"
#include "windows/state/ZanOdol.h"

namespace kz {
namespace {

const std::string kTooLarge =
    "Сумма слишком велика: получилось бы число больше того, которое может хранить "
    "программа.\r\n\r\nОперация не выполнена.";

class FiniteAmountTest : public test::StateTest {
protected:
    FiniteAmountTest() {
        doc.clientkol = 1;
        doc.CurrentClient = 1;
        doc.Client(1).clientname = "Иван";
        PushEntry(doc.Client(1).clondolkm, "1000\tежемесячно\t(за 10.2002)Работа");
        PushEntry(sost().ondol, "1E+300\t01.10.2002\tПетр\t\t1E+300\t\t");
    }
    // Refused amounts are refused before the confirmation: no answer is scripted.
    bool Income(const std::string& sum) {
        return SubmitAddSell(doc, ui, settings, AddSellMode::Income,
                             {"05.10.2002", sum, "З", true});
    }
    bool Loan(ZanOdolMode mode, const std::string& sum) {
        ZanOdolForm f{"Петр", sum, "05.10.2002", "", sum, "", "", true};
        return SubmitZanOdol(doc, ui, mode, f);
    }
    // The debt owed to the user, repaid in full.
    bool Repay() {
        ui.Answer(Answer::Yes);
        ui.Input("1E+300");
        ui.Answer(Answer::Yes);
        return SubmitRepayDebt(doc, ui, settings, DebtListMode::OnDol, 1, "1");
    }
};

TEST_F(FiniteAmountTest, OverflowingOrInfiniteAmountsAreRefusedAndChangeNothing) {
    using Op = std::function<bool()>;
    struct Case {
        const char* what;
        double balance;
        Op op;
        std::string message;  // empty: the operation is accepted
    };
    const double max = std::numeric_limits<double>::max();
    const Case cases[] = {
        {"income beyond the largest", 1.7e308, [this] { return Income("1e308"); }, kTooLarge},
        {"income up to the largest", 7e307,
         [this] {
             ui.Answer(Answer::Yes);
             return Income("1e308");
         },
         ""},
        {"typed 1e400 income", 0, [this] { return Income("1e400"); },
         "Необходимо указать сумму денег."},
        {"borrowing", max, [this] { return Loan(ZanOdolMode::Borrow, "1e300"); }, kTooLarge},
        {"lending 1e400", max, [this] { return Loan(ZanOdolMode::Lend, "1e400"); },
         "Необходимо указать сумму денег."},
        {"repayment owed to the user", max, [this] { return Repay(); }, kTooLarge},
        {"manual balance 1e400", 5,
         [this] {
             ui.Answer(Answer::Yes);
             ui.Input("1e400");
             return ChangeBalanceByHand(doc, ui, "5");
         },
         "\"1e400\" не является суммой. Введите число, например 1234,56.\r\n\r\nСумма не "
         "изменена."},
        {"client payment 1e400", 0,
         [this] {
             return SavePayment(doc, ui, PaymentMode::Add, Side::OwedToYou, 0,
                                {"1e400", "", "Аренда", true});
         },
         "Введите возвращаемую сумму."},
        {"client repayment 1e400", 0,
         [this] {
             ui.Answer(Answer::Yes);
             ui.Input("1e400");
             return ReturnPayment(doc, ui, Side::OwedToYou, 1);
         },
         "Нужно ввести сумму возвращаемых денег - положительное число!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sost().bal = c.balance;
        const std::string before = DataFileText(doc, false);
        doc.Dirty = false;
        ui.messages.clear();
        const bool done = c.op();
        ui.ExpectAllAnswered();
        if (c.message.empty()) {
            EXPECT_TRUE(done);
            EXPECT_EQ(sost().bal, 1.7e308);
            continue;
        }
        EXPECT_FALSE(done);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().text, c.message);
        EXPECT_FALSE(doc.Dirty);
        EXPECT_EQ(DataFileText(doc, false), before);
    }
}

}  // namespace
}  // namespace kz
