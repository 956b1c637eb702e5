#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Document.h"
#include "core/Grid.h"
#include "platform/Platform.h"
#include "reports/Graph.h"

namespace kz {

// EntryMode of the list window: which list of the current state it shows.
enum ListMode : int {
    kListOldBal = 0,   // past balances
    kListDohod = 1,    // incomes
    kListRashod = 2,   // expenses
    kListOldZan = 3,   // borrowings
    kListOldOdol = 4,  // lendings
    kListOnDol = 5,    // debts owed to the user
    kListVyDol = 6,    // debts the user owes
};

bool IsHistoryMode(int mode);  // 0..4
bool IsDebtMode(int mode);     // 5, 6

// The list a mode shows; modes outside 0..6 give nullptr.
EntryList* ModeList(SostRecord& sost, int mode);
const EntryList* ModeList(const SostRecord& sost, int mode);

// What the list window shows around the grid for one mode.
struct ListLayout {
    std::string windowName;             // lblWindowName
    std::string windowInfo;             // lblWindowInfo
    std::vector<std::string> captions;  // columns 1, 2, ...
    int dataColumns = 0;
    int rowCount = 100;               // grid rows, caption row included
    std::vector<ColumnWidth> widths;  // column 0 first; columns not named keep theirs
    bool debtActions = false;         // cmdReturn shown, lblCreateGraph hidden
};

// The layout of `mode` for the current state of `doc`.
ListLayout ListWindowLayout(const BudgetFile& doc, int mode);

// The table text the list window fills its grid from: a caption line (an
// empty cell, then each caption after a tab), then "slot<TAB>entry" for every
// used slot in order; every line ends with CR LF.
std::string ListTableText(const std::vector<std::string>& captions, const EntryList& list);

struct ListView {
    ListLayout layout;
    GridRows rows;
};

// Opening list `mode` of the current state: the table text filled into the
// grid under the "Чтение..." progress window. In the debt modes column 5 of
// every used row shows the amount due on the platform's today.
ListView OpenList(const BudgetFile& doc, Platform& ui, int mode);

// "Вычеркнуть" in modes 0..4: `row` is the grid's current row and
// `currentCell` the text of its current cell. Nothing happens on an empty
// cell, on the caption row or on a free slot. After the confirmation the
// entry in slot `row` is removed and the document marked changed; the
// balance and the other lists stay. Returns true when the entry was removed
// (the window then calls RemoveGridRow). Debts (modes 5 and 6) are struck
// out by SubmitStrikeOutDebt, which asks its own question; false here.
bool StrikeOutEntry(BudgetFile& doc, Platform& ui, int mode, int row,
                    const std::string& currentCell);

// "Построить график": the points of the shown list, oldest first (slots 50
// down to 1), neighbours with the same date text merged: past balances keep
// the newer value, the other lists add the amounts. With fewer than two
// points the user is told "Данный список не содержит достаточно данных!" and
// false is returned; otherwise `graph` is ready for the graph window.
bool PrepareGraph(const BudgetFile& doc, Platform& ui, int mode, GraphData& graph);

}  // namespace kz
