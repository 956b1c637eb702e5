#include "windows/state/HistoryList.h"

#include "core/Text.h"
#include "finance/Finance.h"

namespace kz {

namespace {

const SostRecord& CurrentSostOf(const BudgetFile& doc) {
    const int i = doc.CurrentSost >= 1 && doc.CurrentSost <= kMaxSosts ? doc.CurrentSost : 1;
    return doc.Sost(i);
}

// A state whose unit number is out of range shows no unit rather than failing.
CurrencyUnit UnitOf(const BudgetFile& doc, const SostRecord& s) {
    if (s.ienum < 1 || s.ienum > kUnitCount) return {};
    return doc.Unit(s.ienum);
}

std::string ReplaceTabs(const std::string& text, const std::string& with) {
    std::string out;
    for (char c : text) {
        if (c == '\t')
            out += with;
        else
            out += c;
    }
    return out;
}

}  // namespace

bool IsHistoryMode(int mode) {
    return mode >= kListOldBal && mode <= kListOldOdol;
}
bool IsDebtMode(int mode) {
    return mode == kListOnDol || mode == kListVyDol;
}

EntryList* ModeList(SostRecord& sost, int mode) {
    return const_cast<EntryList*>(ModeList(static_cast<const SostRecord&>(sost), mode));
}

const EntryList* ModeList(const SostRecord& sost, int mode) {
    switch (mode) {
        case kListOldBal:
            return &sost.oldbal;
        case kListDohod:
            return &sost.dohod;
        case kListRashod:
            return &sost.rashod;
        case kListOldZan:
            return &sost.oldzan;
        case kListOldOdol:
            return &sost.oldodol;
        case kListOnDol:
            return &sost.ondol;
        case kListVyDol:
            return &sost.vydol;
        default:
            return nullptr;
    }
}

ListLayout ListWindowLayout(const BudgetFile& doc, int mode) {
    const SostRecord& s = CurrentSostOf(doc);
    const CurrencyUnit unit = UnitOf(doc, s);
    ListLayout l;
    l.widths.push_back({0, kGridColumn0Twips});
    switch (mode) {
        case kListOldBal:
            l.captions = {"Сумма", "Дата"};
            l.windowName = "Прошлые балансы состояния " + s.sostname;
            l.windowInfo = "В списке находятся все прошлые балансы данного состояния.";
            break;
        case kListDohod:
        case kListRashod:
            l.captions = {"Сумма", "Дата", "Повод"};
            l.windowName =
                (mode == kListDohod ? "Старые доходы состояния " : "Старые расходы состояния ") +
                s.sostname;
            l.windowInfo = mode == kListDohod
                               ? "В списке находятся все зарегистрированные доходы."
                               : "В списке находятся все зарегистрированные расходы.";
            l.widths.push_back({3, 6000});
            break;
        case kListOldZan:
            l.captions = {"Сумма", "Дата", "У кого", "Повод"};
            l.windowName = "Занятые деньги состояния " + s.sostname;
            l.windowInfo = "В списке находятся все займы денег.";
            l.widths.push_back({3, 3000});
            l.widths.push_back({4, 4000});
            break;
        case kListOldOdol:
            l.captions = {"Сумма", "Дата", "Кому", "Повод"};
            l.windowName = "Одолженные деньги состояния " + s.sostname;
            l.windowInfo = "В списке находятся все одалживания денег.";
            l.widths.push_back({3, 3000});
            l.widths.push_back({4, 4000});
            break;
        case kListOnDol:
        case kListVyDol: {
            const bool owedToUser = mode == kListOnDol;
            l.captions = {"Сумма," + unit.short_,
                          "Дата займа",
                          owedToUser ? "Кто/Что" : "Кому вернуть",
                          "Повод",
                          "Сумма возврата",
                          "% возврата",
                          "Дата возврата"};
            l.windowName = owedToUser ? "Вам должны вернуть следующие долги"
                                      : "Вы должны вернуть следующие долги";
            l.windowInfo =
                "Текущий баланс: " + AmountText(s.bal) + unit.short_ +
                ". Столбец Сумма-Возврата автоматически вычисляется исходя из даты займа, "
                "текущей даты, исходной суммы и количества процентов";
            l.windowInfo +=
                owedToUser ? "." : ", и равен сумме, которую нужно заплатить на данный момент.";
            l.rowCount = owedToUser ? 101 : 100;
            l.widths.push_back({3, 2700});
            l.widths.push_back({4, 3000});
            l.debtActions = true;
            break;
        }
        default:
            break;
    }
    l.dataColumns = static_cast<int>(l.captions.size());
    return l;
}

std::string ListTableText(const std::vector<std::string>& captions, const EntryList& list) {
    std::string text;
    for (const auto& c : captions) text += "\t" + c;
    text += "\r\n";
    for (int i = 1; i <= kListSize; ++i) {
        const std::string& e = Slot(list, i);
        if (e.empty()) continue;
        text += std::to_string(i) + "\t" + e + "\r\n";
    }
    return text;
}

ListView OpenList(const BudgetFile& doc, Platform& ui, int mode) {
    ListView view;
    view.layout = ListWindowLayout(doc, mode);
    const SostRecord& s = CurrentSostOf(doc);
    const EntryList* list = ModeList(s, mode);
    if (!list) {
        view.rows = FillGrid("", view.layout.rowCount, view.layout.dataColumns);
        return view;
    }
    ui.ShowProgress("Чтение...");
    view.rows = FillGrid(ListTableText(view.layout.captions, *list), view.layout.rowCount,
                         view.layout.dataColumns, &ui);
    if (IsDebtMode(mode)) {
        const Date today = ui.Today();
        for (int r = 1; r < static_cast<int>(view.rows.size()) && r <= kListSize; ++r) {
            const std::string& e = Slot(*list, r);
            if (e.empty()) continue;
            view.rows[static_cast<std::size_t>(r)][5] =
                AmountText(ComputeReturn(e, today).ReturnAmount);
        }
    }
    ui.HideProgress();
    return view;
}

bool StrikeOutEntry(BudgetFile& doc, Platform& ui, int mode, int row,
                    const std::string& currentCell) {
    if (currentCell.empty() || !IsHistoryMode(mode) || row < 1 || row > kListSize) return false;
    if (doc.CurrentSost < 1 || doc.CurrentSost > kMaxSosts) return false;
    EntryList& list = *ModeList(doc.Sost(doc.CurrentSost), mode);
    const std::string& entry = Slot(list, row);
    if (entry.empty()) return false;

    const std::string question = "Выбранная запись:\r\n\r\n" + ReplaceTabs(entry, ", ") +
                                 "\r\n\r\nВы ДЕЙСТВИТЕЛЬНО хотите вычеркнуть эту запись?";
    if (ui.MessageBox(question, Icon::Information, Buttons::YesNo) != Answer::Yes) return false;
    RemoveEntry(list, row);
    doc.Dirty = true;
    return true;
}

bool PrepareGraph(const BudgetFile& doc, Platform& ui, int mode, GraphData& graph) {
    const SostRecord& s = CurrentSostOf(doc);
    const CurrencyUnit unit = UnitOf(doc, s);
    graph.Reset();
    static const char* const kTitles[] = {": график прошлых балансов", ": график доходов",
                                          ": график расходов", ": график займов",
                                          ": график одалживаний"};
    graph.title = s.sostname + (IsHistoryMode(mode) ? kTitles[mode] : "");
    graph.horizontalCaption = "время";
    graph.verticalCaption = unit.cap + "(" + unit.short_ + ")";

    const EntryList* list = IsHistoryMode(mode) ? ModeList(s, mode) : nullptr;
    int n = 0;
    for (int slot = kGraphPoints; list && slot >= 1; --slot) {
        const std::string& e = Slot(*list, slot);
        if (e.empty()) continue;
        double value = 0;
        if (!ParseAmountText(FirstField(e, '\t'), value)) value = 0;
        std::string label = GetField(e, '\t', 1);
        if (n > 0 && Slot(graph.labels, n) == label) {
            double& earlier = Slot(graph.values, n);
            // The newest balance of a day wins; amounts of a day add up.
            earlier = mode == kListOldBal ? value : earlier + value;
            continue;
        }
        graph.labels[static_cast<std::size_t>(n)] = std::move(label);
        graph.values[static_cast<std::size_t>(n)] = value;
        ++n;
    }
    graph.count = n;
    if (n < 2) {
        ui.MessageBox("Данный список не содержит достаточно данных!", Icon::Information,
                      Buttons::OK);
        return false;
    }
    return true;
}

}  // namespace kz
