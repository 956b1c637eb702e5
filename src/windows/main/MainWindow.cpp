#include "windows/main/MainWindow.h"

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

}  // namespace

bool AppendState(BudgetFile& doc, const std::string& name) {
    if (doc.sostkol >= kMaxSosts) return false;
    ++doc.sostkol;
    SostRecord& st = doc.Sost(doc.sostkol);
    ResetSost(st);
    st.sostname = name;
    st.ienum = 1;
    return true;
}

void RemoveState(BudgetFile& doc, int s) {
    if (s < 1 || s > doc.sostkol) return;
    for (int i = s; i < doc.sostkol; ++i) doc.Sost(i) = std::move(doc.Sost(i + 1));
    ResetSost(doc.Sost(doc.sostkol));
    --doc.sostkol;
}

bool AppendClient(BudgetFile& doc, const std::string& name) {
    if (doc.clientkol >= kMaxClients) return false;
    ++doc.clientkol;
    ClientRecord& cl = doc.Client(doc.clientkol);
    ResetClient(cl);
    cl.clientname = name;
    cl.ienum = 1;
    return true;
}

void RemoveClient(BudgetFile& doc, int c) {
    if (c < 1 || c > doc.clientkol) return;
    for (int i = c; i < doc.clientkol; ++i) doc.Client(i) = std::move(doc.Client(i + 1));
    ResetClient(doc.Client(doc.clientkol));
    --doc.clientkol;
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
    if (doc.sostkol >= kMaxSosts) {
        ui.MessageBox("Вы не можете создать более " + std::to_string(kMaxSosts) + " состояний!",
                      Icon::Critical, Buttons::OK, kAppTitle);
        return false;
    }
    std::string name;
    if (!Ask(ui, "Введите название нового состояния:", "Создание нового состояния", kFirstSostName,
             name))
        return false;
    AppendState(doc, name);
    return Changed(doc, ui, view);
}

bool DeleteState(BudgetFile& doc, Platform& ui, MainView& view) {
    const int s = SelectedRow(view.sostSel, view.sostRows.size(), doc.sostkol);
    if (s == 0) {
        ui.MessageBox(
            "Не выбрано состояние! Выберите состояние, которое вы хотите удалить и нажмите "
            "Удалить еще раз.",
            Icon::Information, Buttons::OK, kAppTitle);
        return false;
    }
    const std::string& row = Slot(view.sostRows, s);
    if (ui.MessageBox("Внимание: все данные, относящиеся к выбранному состоянию" + kNl + row + kNl +
                          "будут удалены. Удалить?",
                      Icon::Information, Buttons::YesNo, "Удаление состояния") != Answer::Yes)
        return false;
    RemoveState(doc, s);
    return Changed(doc, ui, view);
}

bool OpenState(BudgetFile& doc, Platform& ui, const MainView& view) {
    const int s = SelectedRow(view.sostSel, view.sostRows.size(), doc.sostkol);
    if (s == 0) {
        ui.MessageBox("Выделите состояние, которое вы хотите открыть, и нажмите <Открыть>",
                      Icon::Information, Buttons::OK, kAppTitle);
        return false;
    }
    doc.CurrentSost = s;
    return true;
}

std::optional<std::string> ShowStateReport(const BudgetFile& doc, Platform& ui,
                                           const MainView& view) {
    const int s = SelectedRow(view.sostSel, view.sostRows.size(), doc.sostkol);
    if (s == 0) {
        ui.MessageBox("Не выбрано состояние!", Icon::Information, Buttons::OK, kAppTitle);
        return std::nullopt;
    }
    const Date today = ui.Today();
    const Date day = doc.ReportsReady ? LastDayOfPreviousMonth(today) : today;
    return StateReport(doc, ui, s, day);
}

bool AddClient(BudgetFile& doc, Platform& ui, MainView& view) {
    if (doc.clientkol >= kMaxClients) {
        ui.MessageBox("Вы не можете создать более " + std::to_string(kMaxClients) + " клиентов!",
                      Icon::Critical, Buttons::OK, kAppTitle);
        return false;
    }
    std::string name;
    if (!Ask(ui, "Введите имя нового клиента:", "Создание нового клиента", kDefaultClientName,
             name))
        return false;
    AppendClient(doc, name);
    return Changed(doc, ui, view);
}

bool DeleteClient(BudgetFile& doc, Platform& ui, MainView& view) {
    const int c = SelectedRow(view.clientSel, view.clientRows.size(), doc.clientkol);
    if (c == 0) {
        ui.MessageBox(
            "Не выбран клиент! Выберите клиента, которого вы хотите удалить и нажмите Удалить "
            "еще раз.",
            Icon::Information, Buttons::OK, kAppTitle);
        return false;
    }
    const std::string& row = Slot(view.clientRows, c);
    if (ui.MessageBox("Внимание: все данные, относящиеся к выбранному клиенту" + kNl + row + kNl +
                          "будут удалены. Удалить?",
                      Icon::Information, Buttons::YesNo, "Удаление клиента") != Answer::Yes)
        return false;
    RemoveClient(doc, c);
    return Changed(doc, ui, view);
}

bool OpenClient(BudgetFile& doc, Platform& ui, const MainView& view) {
    const int c = SelectedRow(view.clientSel, view.clientRows.size(), doc.clientkol);
    if (c == 0) {
        ui.MessageBox("Выберите клиента, страницу которого вы хотите открыть, и нажмите <Открыть>",
                      Icon::Information, Buttons::OK, kAppTitle);
        return false;
    }
    doc.CurrentClient = c;
    return true;
}

bool ShowClientInfo(BudgetFile& doc, Platform& ui, const MainView& view) {
    const int c = SelectedRow(view.clientSel, view.clientRows.size(), doc.clientkol);
    if (c == 0) {
        ui.MessageBox("Не выбран клиент!", Icon::Information, Buttons::OK, kAppTitle);
        return false;
    }
    doc.CurrentClient = c;
    return true;
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
