#include "tools/PhoneBook.h"

#include "core/TextFiles.h"

namespace kz {

namespace {

const char* const kAddTitle = "Добавление в Телефонную книжку";
const char* const kChangeTitle = "Изменение записи Телефонной книжки";
const char* const kSelectFirst = "Сначала выберите запись!";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Blanks around the text go; a tab inside would split the entry into more
// fields, so it becomes a blank.
std::string Trimmed(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    std::string out = text.substr(b, e - b);
    for (char& c : out)
        if (c == '\t') c = ' ';
    return out;
}

// An input box whose empty or all-blank answer ends the operation.
bool Ask(Platform& ui, const std::string& prompt, const std::string& title,
         const std::string& proposed, std::string& answer) {
    answer = Trimmed(ui.InputBox(prompt, title, proposed));
    return !answer.empty() && AcceptTypedText(ui, answer);
}

bool ValidRow(const PhoneView& view) {
    return view.row >= 1 && view.row <= kPhoneSlots;
}

std::string Cell(const PhoneView& view, int row, int col) {
    if (row < 0 || static_cast<std::size_t>(row) >= view.rows.size()) return {};
    const auto& cells = view.rows[static_cast<std::size_t>(row)];
    if (col < 0 || static_cast<std::size_t>(col) >= cells.size()) return {};
    return cells[static_cast<std::size_t>(col)];
}

}  // namespace

bool IsFreePhoneSlot(const std::string& entry) {
    for (char c : entry)
        if (c != ' ') return false;
    return true;
}

std::string PhoneTableText(const BudgetFile& doc) {
    std::string text = "\tИмя\tТелефон\r\n";
    for (int i = 1; i <= kPhoneSlots; ++i) {
        const std::string& entry = Slot(doc.phones, i);
        if (IsFreePhoneSlot(entry)) continue;
        text += std::to_string(i) + "\t" + entry + "\r\n";
    }
    return text;
}

void LoadPhones(const BudgetFile& doc, PhoneView& view) {
    view.rows = FillGrid(PhoneTableText(doc), kPhoneGridRows, 2);
}

bool AddPhone(BudgetFile& doc, Platform& ui, PhoneView& view) {
    int k = 0;
    for (int i = 1; i <= kPhoneBookSize && k == 0; ++i)
        if (IsFreePhoneSlot(Slot(doc.phones, i))) k = i;
    if (k == 0) {
        ui.MessageBox("В телефонную книжку можно добавить только MaxSize номеров.",
                      Icon::Information, Buttons::OK);
        return false;
    }
    std::string name, phone;
    if (!Ask(ui, "Введите имя человека (название организации и т.д.).", kAddTitle, "Сидоров", name))
        return false;
    if (!Ask(ui, "Введите телефон (человека, организации и т.д.):", kAddTitle, "555-55-55", phone))
        return false;
    Slot(doc.phones, k) = name + "\t" + phone;
    doc.Dirty = true;
    LoadPhones(doc, view);
    return true;
}

bool ChangePhone(BudgetFile& doc, Platform& ui, PhoneView& view) {
    if (!ValidRow(view)) {
        ui.MessageBox(kSelectFirst, Icon::Information, Buttons::OK);
        return false;
    }
    const int r = view.row;
    const std::string entry = Slot(doc.phones, r);
    if (IsFreePhoneSlot(entry)) {
        ui.MessageBox("Вы выбрали пустой элемент!", Icon::None, Buttons::OK);
        return false;
    }
    // An entry without a tab (from a hand-edited file) is all name.
    const std::size_t tab = entry.find('\t');
    const std::string oldName = entry.substr(0, tab);
    const std::string oldPhone = tab == std::string::npos ? std::string{} : entry.substr(tab + 1);

    std::string name, phone;
    if (!Ask(ui, "Введите новое имя человека (название фирмы и т.д.):", kChangeTitle, oldName,
             name))
        return false;
    if (!Ask(ui, "Введите новый телефон:", kChangeTitle, oldPhone, phone)) return false;
    Slot(doc.phones, r) = name + "\t" + phone;
    if (static_cast<std::size_t>(r) < view.rows.size())
        view.rows[static_cast<std::size_t>(r)] = {std::to_string(r), name, phone};
    doc.Dirty = true;
    return true;
}

bool DeletePhone(BudgetFile& doc, Platform& ui, PhoneView& view) {
    if (!ValidRow(view)) {
        ui.MessageBox(kSelectFirst, Icon::Exclamation, Buttons::OK);
        return false;
    }
    if (ui.MessageBox("Вы действительно хотите удалить запись:\r\n\r\n" +
                          Cell(view, view.row, view.col) + "?",
                      Icon::Question, Buttons::YesNo) != Answer::Yes)
        return false;
    RemoveEntry(doc.phones, view.row);
    LoadPhones(doc, view);
    doc.Dirty = true;
    return true;
}

bool ClearPhones(BudgetFile& doc, Platform& ui, PhoneView& view) {
    if (ui.MessageBox("Вы уверены, что хотите очистить всю Телефонную книжку?", Icon::Question,
                      Buttons::YesNo) != Answer::Yes)
        return false;
    for (std::string& p : doc.phones) p.clear();
    LoadPhones(doc, view);
    doc.Dirty = true;
    return true;
}

bool CopyPhone(Platform& ui, const PhoneView& view) {
    if (!ValidRow(view)) return false;
    const std::string cell = Cell(view, view.row, view.col);
    if (cell.empty()) return false;
    // The phone column has nothing to its right: copy name and phone instead.
    const int col = view.col >= 2 ? 1 : view.col;
    const std::string text = Cell(view, view.row, col) + " : " + Cell(view, view.row, col + 1);
    ui.SetClipboardText(text);
    ui.MessageBox("Скопировано:\r\n\r\n" + text, Icon::None, Buttons::OK);
    return true;
}

}  // namespace kz
