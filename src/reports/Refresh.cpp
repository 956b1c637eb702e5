#include "reports/Refresh.h"

#include <string>
#include <utility>

#include "core/Text.h"
#include "finance/Finance.h"
#include "finance/Settlement.h"
#include "reports/ReportFiles.h"
#include "reports/ReportText.h"

namespace kz {

namespace {

const std::string kNl = kCrLf;

// Drops the comma behind the last item of a totals line, or writes "0" when
// the line got no item.
void CloseTotals(std::string& box, bool appended) {
    if (appended)
        box.pop_back();
    else
        box += "0";
}

// One block of debt reminders (what the user owes, or what is owed to the
// user) over every state. Each state adds its own total to `sostBox`, so
// totals of states in the same unit stay separate items.
std::string DebtReminders(const BudgetFile& doc, const Date& today, EntryList SostRecord::*list,
                          const std::string& start, const std::string& todayLead,
                          std::string& sostBox) {
    // A debt due today puts its line in front of the block, ahead of the ones
    // found before it.
    std::string front;
    std::string work = start;
    bool appended = false;
    for (int s = 1; s <= doc.sostkol; ++s) {
        const SostRecord& st = doc.Sost(s);
        const std::string sign = UnitShort(doc, st.ienum);
        double total = 0;
        for (const std::string& slot : st.*list) {
            const ReturnInfo r = ComputeReturn(slot, today);
            if (r.ReturnDate != kZeroDate) {
                work += kNl + FormatDate(r.ReturnDate) + ": " + r.Person + ", " +
                        AmountText(r.ReturnAmount) + sign;
            }
            if (r.ReturnDate == today)
                front =
                    todayLead + r.Person + ", " + AmountText(r.ReturnAmount) + sign + kNl + front;
            total += r.ReturnAmount;
        }
        if (total > 0) {
            sostBox += AmountText(total) + sign + ",";
            appended = true;
        }
    }
    if (work.size() == start.size()) work += "0";
    CloseTotals(sostBox, appended);
    return front + work;
}

// True when some scheduled payment of the list falls due today.
bool DueToday(const EntryList& payments, const Date& today) {
    for (const std::string& p : payments) {
        if (p.empty()) continue;
        Date d;
        if (EntryDateField(p, today, d) && d == today) return true;
    }
    return false;
}

}  // namespace

std::string UnitRowText(const CurrencyUnit& unit) {
    return unit.cap + "(" + unit.short_ + ")";
}

UnitRows UsedUnitRows(const BudgetFile& doc) {
    UnitRows units;
    for (int u = 1; u <= kUnitCount; ++u) {
        if (doc.Unit(u).cap.empty()) continue;
        units.rows.push_back(UnitRowText(doc.Unit(u)));
        units.slots.push_back(u);
    }
    return units;
}

MainView MainWindowView(const BudgetFile& doc, const Date& today) {
    MainView v;

    v.userName = doc.name;
    UnitRows units = UsedUnitRows(doc);
    v.ieRows = std::move(units.rows);
    v.ieSlots = std::move(units.slots);
    for (int s = 1; s <= doc.sostkol; ++s) v.sostRows.push_back(doc.Sost(s).sostname);

    // Totals per unit; amounts of different units are never added together.
    v.sostToday = "Общая сумма " + std::to_string(doc.sostkol) + " состояний: " + kNl;
    bool appended = false;
    for (int u = 1; u <= kUnitCount; ++u) {
        double sum = 0;
        for (int s = 1; s <= doc.sostkol; ++s)
            if (doc.Sost(s).ienum == u) sum += doc.Sost(s).bal;
        if (sum > 0) {
            v.sostToday += AmountText(sum) + doc.Unit(u).short_ + ",";
            appended = true;
        }
    }
    CloseTotals(v.sostToday, appended);

    v.sostToday += kNl + kNl + "Вы должны:";
    v.remindToday = DebtReminders(doc, today, &SostRecord::vydol,
                                  "Вам надо вернуть долг:", "Сегодня надо вернуть: ", v.sostToday) +
                    kNl;
    v.sostToday += kNl + "Вам должны:";
    v.remindToday +=
        DebtReminders(doc, today, &SostRecord::ondol,
                      "Вам должны вернуть долг:", "Сегодня надо вернуть деньги: ", v.sostToday);

    if (!v.sostRows.empty()) v.sostSel = 1;

    if (doc.clientkol > 0) {
        bool someoneOwesYou = false, youOweSomeone = false;
        int good = 0, bad = 0;
        for (int c = 1; c <= doc.clientkol; ++c) {
            const ClientRecord& cl = doc.Client(c);
            const bool paidYou = SideSettled(doc, Side::OwedToYou, c);
            const bool youPaid = SideSettled(doc, Side::OwedByYou, c);
            v.clientRows.push_back(paidYou ? cl.clientname : cl.clientname + "(должен)");
            someoneOwesYou = someoneOwesYou || !paidYou;
            youOweSomeone = youOweSomeone || !youPaid;
            if (cl.reput > 0) ++good;
            if (cl.reput < 0) ++bad;
        }
        std::string message;
        if (someoneOwesYou) message = "Есть клиенты, не расплатившиеся за текущий месяц.";
        if (youOweSomeone) {
            if (!message.empty()) message += kNl;
            message += "Вы должны некоторым клиентам вернуть деньги.";
        }
        if (!message.empty()) v.clientToday = message + kNl + kNl;
        v.clientToday += "Репутация клиентов:" + kNl + "хорошая:" + std::to_string(good) + kNl +
                         "плохая:" + std::to_string(bad);
        v.clientSel = 1;

        bool dueFromClient = false, dueToClient = false;
        for (int c = 1; c <= doc.clientkol; ++c) {
            dueFromClient = dueFromClient || DueToday(doc.Client(c).clondolkm, today);
            dueToClient = dueToClient || DueToday(doc.Client(c).clvydolkm, today);
        }
        if (dueFromClient)
            v.clientToday = "Сегодня клиент вам должен вернуть деньги." + kNl + kNl + v.clientToday;
        if (dueToClient)
            v.clientToday = "Сегодня Вы должны вернуть деньги клиенту." + kNl + kNl + v.clientToday;
    } else {
        v.clientToday = "Клиенты не зарегистрированы";
    }

    return v;
}

MonthTurn TurnOfMonth(BudgetFile& doc, Platform& ui) {
    const Date today = ui.Today();
    MonthTurn turn;
    // Only the month number counts: a file left open from June of one year to
    // June of the next sees no turn of the month.
    if (doc.LastDate.month != today.month) {
        doc.MonthEndDue = true;
        doc.ReportsReady = true;
        doc.LastDate = today;
    }
    if (!doc.ReportsReady) return turn;

    turn.reportsReady = true;
    if (doc.MonthEndDue) {
        turn.paymentsCarried = RunMonthEnd(doc, ui);
        doc.MonthEndDue = false;
    }
    doc.Dirty = true;
    BuildAllReports(doc, ui);
    return turn;
}

MainView RefreshMainWindow(BudgetFile& doc, Platform& ui) {
    MainView v = MainWindowView(doc, ui.Today());
    const MonthTurn turn = TurnOfMonth(doc, ui);
    if (turn.reportsReady)
        v.remindToday =
            "Готовы отчеты по состояниям за прошедший месяц." + kNl + kNl + v.remindToday;
    if (turn.paymentsCarried)
        v.clientToday = "Сегодня нужно выплатить ежемесячные платежи." + kNl + kNl + v.clientToday;
    return v;
}

void RecordPastBalances(BudgetFile& doc, const Date& today) {
    const std::string date = FormatDate(LastDayOfPreviousMonth(today));
    for (int s = 1; s <= doc.sostkol; ++s) {
        SostRecord& st = doc.Sost(s);
        PushEntry(st.oldbal, AmountText(st.bal) + "\t" + date);
    }
}

bool CarryMonthlyPayments(BudgetFile& doc, const Date& today) {
    const std::string label =
        "(за " + std::to_string(today.month) + "." + std::to_string(today.year) + ")";
    bool carried = false;
    for (int c = 1; c <= doc.clientkol; ++c) {
        for (Side side : {Side::OwedToYou, Side::OwedByYou}) {
            EntryList& list = PaymentList(doc.Client(c), side);
            const SideReturns returns(doc.Client(c), side);
            for (int i = kListSize; i >= 1; --i) {
                const std::string entry = Slot(list, i);
                if (entry.empty() || GetField(entry, '\t', 1) != kMonthlyWord) continue;
                const std::string info = GetField(entry, '\t', 2);
                const std::size_t paren = info.find(')');
                const std::string text = paren == std::string::npos ? info : info.substr(paren + 1);
                // Fields behind the info are not carried over.
                const std::string moved =
                    entry.substr(0, entry.find('\t') + 1) + kMonthlyWord + "\t" + label + text;
                if (returns.Paid(entry).Due() == 0) {
                    Slot(list, i) = moved;
                } else {
                    // The unpaid month stays as an open debt right behind the new one.
                    for (int k = kListSize - 1; k >= i; --k) {
                        const std::string& from = Slot(list, k);
                        if (!from.empty()) Slot(list, k + 1) = from;
                    }
                    Slot(list, i) = moved;
                }
                carried = true;
            }
        }
    }
    return carried;
}

bool RunMonthEnd(BudgetFile& doc, Platform& ui) {
    const Date today = ui.Today();
    RecordPastBalances(doc, today);
    const bool carried = CarryMonthlyPayments(doc, today);
    ui.MessageBox(
        "В связи с окончанием календарного месяца программа автоматически создала отчеты по всем "
        "состояниям и записала балансы всех состояний в списки старых балансов. При завершении "
        "работы с программой сохраните файл.",
        Icon::Information, Buttons::OK, kAppTitle);
    return carried;
}

}  // namespace kz
