#include "windows/main/MainWindow.h"

#include <array>
#include <cstddef>
#include <utility>

#include "core/TextFiles.h"
#include "reports/ReportText.h"
#include "reports/StateReport.h"

namespace kz {

namespace {

const std::string kNl = kCrLf;

// The selected row when it still stands for a record, else 0.
int SelectedRow(int sel, std::size_t rows, int count) {
    if (sel < 1 || static_cast<std::size_t>(sel) > rows || sel > count) return 0;
    return sel;
}

int SelectedUnit(const MainView& view) {
    const int row = SelectedRow(view.ieSel, view.ieRows.size(), kUnitCount);
    if (row == 0 || static_cast<std::size_t>(row) > view.ieSlots.size()) return 0;
    const int slot = Slot(view.ieSlots, row);
    return slot >= 1 && slot <= kUnitCount ? slot : 0;
}

// An input box whose empty answer means "do nothing".
bool Ask(Platform& ui, const std::string& prompt, const std::string& title,
         const std::string& proposed, std::string& answer) {
    answer = ui.InputBox(prompt, title, proposed);
    return !answer.empty() && AcceptTypedText(ui, answer);
}

bool Changed(BudgetFile& doc, Platform& ui, MainView& view) {
    doc.Dirty = true;
    view = RefreshMainWindow(doc, ui);
    return true;
}

// A state or a client slot i taken into use: emptied, then named.
template <class Record, std::size_t N>
bool AppendRecord(std::array<Record, N>& slots, int& count, std::string Record::*name,
                  const std::string& value) {
    if (count >= static_cast<int>(N)) return false;
    ++count;
    Record& r = Slot(slots, count);
    r = Record{};
    r.*name = value;
    return true;
}

// Later records move up with all their data; the freed slot is emptied.
template <class Record, std::size_t N>
void RemoveRecord(std::array<Record, N>& slots, int& count, int i) {
    if (i < 1 || i > count) return;
    for (int k = i; k < count; ++k) Slot(slots, k) = std::move(Slot(slots, k + 1));
    Slot(slots, count) = Record{};
    --count;
}

// What the state buttons and the client buttons differ in.
struct RecordKind {
    int capacity;
    int BudgetFile::*count;
    int BudgetFile::*current;
    std::vector<std::string> MainView::*rows;
    int MainView::*selection;
    bool (*append)(BudgetFile&, const std::string&);
    void (*remove)(BudgetFile&, int);
    const char* plural;  // "Вы не можете создать более 10 <plural>!"
    const char* addPrompt;
    const char* addTitle;
    const char* proposedName;
    const char* noneToDelete;
    const char* deleteWhat;  // "Внимание: все данные, относящиеся к <deleteWhat>"
    const char* deleteTitle;
};

const RecordKind kStates{
    kMaxSosts,
    &BudgetFile::sostkol,
    &BudgetFile::CurrentSost,
    &MainView::sostRows,
    &MainView::sostSel,
    &AppendState,
    &RemoveState,
    "состояний",
    "Введите название нового состояния:",
    "Создание нового состояния",
    kFirstSostName,
    "Не выбрано состояние! Выберите состояние, которое вы хотите удалить и нажмите Удалить "
    "еще раз.",
    "выбранному состоянию",
    "Удаление состояния",
};

const RecordKind kClients{
    kMaxClients,
    &BudgetFile::clientkol,
    &BudgetFile::CurrentClient,
    &MainView::clientRows,
    &MainView::clientSel,
    &AppendClient,
    &RemoveClient,
    "клиентов",
    "Введите имя нового клиента:",
    "Создание нового клиента",
    kDefaultClientName,
    "Не выбран клиент! Выберите клиента, которого вы хотите удалить и нажмите Удалить еще "
    "раз.",
    "выбранному клиенту",
    "Удаление клиента",
};

int SelectedRecord(const BudgetFile& doc, const MainView& view, const RecordKind& kind) {
    return SelectedRow(view.*kind.selection, (view.*kind.rows).size(), doc.*kind.count);
}

bool AddRecord(BudgetFile& doc, Platform& ui, MainView& view, const RecordKind& kind) {
    if (doc.*kind.count >= kind.capacity) {
        ui.MessageBox(
            "Вы не можете создать более " + std::to_string(kind.capacity) + " " + kind.plural + "!",
            Icon::Critical, Buttons::OK, kAppTitle);
        return false;
    }
    std::string name;
    if (!Ask(ui, kind.addPrompt, kind.addTitle, kind.proposedName, name)) return false;
    kind.append(doc, name);
    return Changed(doc, ui, view);
}

bool DeleteRecord(BudgetFile& doc, Platform& ui, MainView& view, const RecordKind& kind) {
    const int i = SelectedRecord(doc, view, kind);
    if (i == 0) {
        ui.MessageBox(kind.noneToDelete, Icon::Information, Buttons::OK, kAppTitle);
        return false;
    }
    if (ui.MessageBox(std::string("Внимание: все данные, относящиеся к ") + kind.deleteWhat + kNl +
                          Slot(view.*kind.rows, i) + kNl + "будут удалены. Удалить?",
                      Icon::Information, Buttons::YesNo, kind.deleteTitle) != Answer::Yes)
        return false;
    kind.remove(doc, i);
    return Changed(doc, ui, view);
}

// Makes the selected record current; `none` tells the user to select one.
bool MakeCurrent(BudgetFile& doc, Platform& ui, const MainView& view, const RecordKind& kind,
                 const char* none) {
    const int i = SelectedRecord(doc, view, kind);
    if (i == 0) {
        ui.MessageBox(none, Icon::Information, Buttons::OK, kAppTitle);
        return false;
    }
    doc.*kind.current = i;
    return true;
}

}  // namespace

bool AppendState(BudgetFile& doc, const std::string& name) {
    return AppendRecord(doc.Sosts, doc.sostkol, &SostRecord::sostname, name);
}

void RemoveState(BudgetFile& doc, int s) {
    RemoveRecord(doc.Sosts, doc.sostkol, s);
}

bool AppendClient(BudgetFile& doc, const std::string& name) {
    return AppendRecord(doc.Clients, doc.clientkol, &ClientRecord::clientname, name);
}

void RemoveClient(BudgetFile& doc, int c) {
    RemoveRecord(doc.Clients, doc.clientkol, c);
}

int AppendUnit(BudgetFile& doc, const std::string& name, const std::string& shortName) {
    for (int u = 1; u <= kUnitCount; ++u) {
        if (!doc.Unit(u).cap.empty()) continue;
        doc.Unit(u) = {name, shortName};
        return u;
    }
    return 0;
}

int StateUsingUnit(const BudgetFile& doc, int u) {
    for (int s = 1; s <= doc.sostkol; ++s)
        if (doc.Sost(s).ienum == u) return s;
    return 0;
}

int ClientUsingUnit(const BudgetFile& doc, int u) {
    for (int c = 1; c <= doc.clientkol; ++c)
        if (doc.Client(c).ienum == u) return c;
    return 0;
}

bool AddState(BudgetFile& doc, Platform& ui, MainView& view) {
    return AddRecord(doc, ui, view, kStates);
}

bool DeleteState(BudgetFile& doc, Platform& ui, MainView& view) {
    return DeleteRecord(doc, ui, view, kStates);
}

bool OpenState(BudgetFile& doc, Platform& ui, const MainView& view) {
    return MakeCurrent(doc, ui, view, kStates,
                       "Выделите состояние, которое вы хотите открыть, и нажмите <Открыть>");
}

std::optional<std::string> ShowStateReport(const BudgetFile& doc, Platform& ui,
                                           const MainView& view) {
    const int s = SelectedRecord(doc, view, kStates);
    if (s == 0) {
        ui.MessageBox("Не выбрано состояние!", Icon::Information, Buttons::OK, kAppTitle);
        return std::nullopt;
    }
    const Date today = ui.Today();
    const Date day = doc.ReportsReady ? LastDayOfPreviousMonth(today) : today;
    return StateReport(doc, ui, s, day);
}

bool AddClient(BudgetFile& doc, Platform& ui, MainView& view) {
    return AddRecord(doc, ui, view, kClients);
}

bool DeleteClient(BudgetFile& doc, Platform& ui, MainView& view) {
    return DeleteRecord(doc, ui, view, kClients);
}

bool OpenClient(BudgetFile& doc, Platform& ui, const MainView& view) {
    return MakeCurrent(
        doc, ui, view, kClients,
        "Выберите клиента, страницу которого вы хотите открыть, и нажмите <Открыть>");
}

bool ShowClientInfo(BudgetFile& doc, Platform& ui, const MainView& view) {
    return MakeCurrent(doc, ui, view, kClients, "Не выбран клиент!");
}

bool AddCurrencyUnit(BudgetFile& doc, Platform& ui, MainView& view) {
    int freeSlots = 0;
    for (int u = 1; u <= kUnitCount; ++u)
        if (doc.Unit(u).cap.empty()) ++freeSlots;
    if (freeSlots == 0) {
        ui.MessageBox("Нельзя создать более " + std::to_string(kUnitCount) + " и.е.!",
                      Icon::Critical, Buttons::OK, kAppTitle);
        return false;
    }
    std::string name, shortName;
    if (!Ask(ui, "Введите название новой Используемой Единицы", "Создание Используемой единицы", "",
             name))
        return false;
    if (!Ask(ui, "Введите сокращение для этой Используемой Единицы (пустая строка=отмена)",
             "Создание Используемой Единицы", "", shortName))
        return false;
    AppendUnit(doc, name, shortName);
    return Changed(doc, ui, view);
}

bool ChangeCurrencyUnit(BudgetFile& doc, Platform& ui, MainView& view) {
    const int u = SelectedUnit(view);
    if (u == 0) {
        ui.MessageBox("Необходимо выбрать и.е. в списке!", Icon::None, Buttons::OK, kAppTitle);
        return false;
    }
    CurrencyUnit& unit = doc.Unit(u);
    const std::string title = "Изменение используемой единицы";
    std::string name, shortName;
    if (!Ask(ui, "Введите новое название используемой единице " + unit.cap, title, unit.cap, name))
        return false;
    if (!Ask(ui, "Введите короткое обозначение этой и.е.:", title, unit.short_, shortName))
        return false;
    // Amounts in this unit are only relabelled, never converted.
    unit = {name, shortName};
    return Changed(doc, ui, view);
}

bool DeleteCurrencyUnit(BudgetFile& doc, Platform& ui, MainView& view) {
    const int u = SelectedUnit(view);
    if (u == 0) {
        ui.MessageBox("Выберите и.е.,которую вы хотите удалить, и нажмите Удалить еще раз.",
                      Icon::Information, Buttons::OK, kAppTitle);
        return false;
    }
    if (const int s = StateUsingUnit(doc, u)) {
        ui.MessageBox("Эта и.е. используется в состоянии " + doc.Sost(s).sostname + kNl +
                          "Измените и.е. в этом состоянии и повторите попытку удаления.",
                      Icon::Critical, Buttons::OK, kAppTitle);
        return false;
    }
    if (const int c = ClientUsingUnit(doc, u)) {
        ui.MessageBox("Эта и.е. используется клиентом " + doc.Client(c).clientname + kNl +
                          "Измените и.е. клиента и повторите попытку удаления.",
                      Icon::Critical, Buttons::OK, kAppTitle);
        return false;
    }
    if (ui.MessageBox(
            "Вы уверены, что хотите удалить Используемую денежную Единицу " + doc.Unit(u).cap + "?",
            Icon::Information, Buttons::YesNo, "Удаление Используемой Единицы") != Answer::Yes)
        return false;
    doc.Unit(u) = {"", ""};
    return Changed(doc, ui, view);
}

bool RenameUser(BudgetFile& doc, Platform& ui, MainView& view) {
    std::string name;
    if (!Ask(ui, "Введите новое имя пользователя:", "Изменение имени пользователя", doc.name, name))
        return false;
    doc.name = name;
    view.userName = name;
    doc.Dirty = true;
    return true;
}

}  // namespace kz
