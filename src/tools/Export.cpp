#include "tools/Export.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <string_view>

#include "core/Files.h"
#include "core/Text.h"
#include "core/TextFiles.h"
#include "finance/Finance.h"
#include "finance/Settlement.h"

namespace kz {

namespace {

constexpr const char* kCrLf = "\r\n";

// The entry split into `count` fields at its tabs; the last field keeps the
// rest of the entry, so a tab typed into a text loses nothing.
std::vector<std::string> Fields(std::string_view entry, std::size_t count) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (out.size() + 1 < count) {
        const std::size_t tab = entry.find('\t', pos);
        if (tab == std::string_view::npos) break;
        out.emplace_back(entry.substr(pos, tab - pos));
        pos = tab + 1;
    }
    out.emplace_back(entry.substr(std::min(pos, entry.size())));
    out.resize(count);
    return out;
}

std::string PointAmount(double value) {
    std::string s = AmountText(value);
    std::replace(s.begin(), s.end(), ',', '.');
    return s;
}

// A stored amount with a decimal point; a text that is no amount stays as
// it was stored rather than turning into a number it never said.
std::string AmountField(std::string_view text) {
    double v = 0;
    return ParseAmountText(text, v) ? PointAmount(v) : std::string(text);
}

bool ReadDate(std::string_view text, const Date& today, Date& out) {
    return !text.empty() && ParseUserDate(std::string(text), today, out);
}

std::string IsoDate(const Date& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

// ---------------------------------------------------------------- CSV

std::string CsvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char c : s) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + "\"";
}

void CsvRecord(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += CsvField(fields[i]);
    }
    out += kCrLf;
}

// What a column of a list file shows.
enum class Col {
    Slot,    // the slot number, 1 being the newest entry
    Date,    // two columns: field `field` as YYYY-MM-DD (empty when it is no
             // date) and the same field as stored
    Text,    // field `field` as stored
    Amount,  // field `field` with a decimal point
    Unit,    // the short name of the record's currency unit
    Due,     // what is still due, computed from the whole document
};

struct Column {
    const char* header;
    Col kind;
    int field = 0;
    const char* storedHeader = nullptr;  // the second column of a date
};

const Column kSlot{"№", Col::Slot};
const Column kUnit{"Единица", Col::Unit};
const Column kDate{"Дата", Col::Date, 1, "Дата как записана"};
const Column kAmount{"Сумма", Col::Amount, 0};

const std::vector<Column> kPastBalances = {kSlot, kDate, {"Баланс", Col::Amount, 0}, kUnit};

std::vector<Column> IncomeColumns(const char* text) {
    return {kSlot, kDate, kAmount, kUnit, {text, Col::Text, 2}};
}

std::vector<Column> LoanColumns(const char* person) {
    return {kSlot, kDate, kAmount, kUnit, {person, Col::Text, 2}, {"Повод", Col::Text, 3}};
}

std::vector<Column> DebtColumns(const char* person) {
    return {kSlot,
            {"Дата займа", Col::Date, 1, "Дата займа как записана"},
            kAmount,
            kUnit,
            {person, Col::Text, 2},
            {"Повод", Col::Text, 3},
            {"Сумма возврата", Col::Amount, 4},
            {"Процентов в месяц", Col::Amount, 5},
            {"Дата возврата", Col::Date, 6, "Дата возврата как записана"},
            {"К возврату на день выгрузки", Col::Due}};
}

const std::vector<Column> kPayments = {kSlot,
                                       {"Срок", Col::Date, 1, "Срок как записан"},
                                       kAmount,
                                       kUnit,
                                       {"Информация", Col::Text, 2},
                                       {"Осталось", Col::Due}};

const std::vector<Column> kReturns = {kSlot, kDate, kAmount, kUnit, {"Информация", Col::Text, 2}};

using DueRule = std::function<std::string(int slot, const std::string& entry)>;

std::string ListCsv(const EntryList& list, const std::vector<Column>& columns,
                    const std::string& unit, const Date& today, const DueRule& due) {
    std::string out;
    std::vector<std::string> row;
    for (const Column& c : columns) {
        row.emplace_back(c.header);
        if (c.kind == Col::Date) row.emplace_back(c.storedHeader);
    }
    CsvRecord(out, row);
    int fieldCount = 1;
    for (const Column& c : columns) fieldCount = std::max(fieldCount, c.field + 1);
    // Readers of a list skip free slots wherever they are.
    for (int slot = 1; slot <= kListSize; ++slot) {
        const std::string& entry = list[static_cast<std::size_t>(slot - 1)];
        if (entry.empty()) continue;
        const auto fields = Fields(entry, static_cast<std::size_t>(fieldCount));
        row.clear();
        for (const Column& c : columns) {
            const std::string& f = fields[static_cast<std::size_t>(c.field)];
            Date d;
            switch (c.kind) {
                case Col::Slot:
                    row.push_back(std::to_string(slot));
                    break;
                case Col::Date:
                    // The program reads a date up to a tab, as any field.
                    row.push_back(ReadDate(FirstField(f, '\t'), today, d) ? IsoDate(d) : "");
                    row.push_back(f);
                    break;
                case Col::Text:
                    row.push_back(f);
                    break;
                case Col::Amount:
                    row.push_back(AmountField(f));
                    break;
                case Col::Unit:
                    row.push_back(unit);
                    break;
                case Col::Due:
                    row.push_back(due(slot, entry));
                    break;
            }
        }
        CsvRecord(out, row);
    }
    return out;
}

std::string Numbered(const char* what, int n, const char* list) {
    char num[8];
    std::snprintf(num, sizeof num, "%02d", n);
    return std::string(what) + " " + num + " - " + list + ".csv";
}

const CurrencyUnit& UnitOf(const BudgetFile& doc, int ienum) {
    static const CurrencyUnit none;
    return ienum >= 1 && ienum <= kUnitCount ? doc.Unit(ienum) : none;
}

// ---------------------------------------------------------------- QIF

std::string QifDate(const Date& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.day, d.month, d.year);
    return buf;
}

// A QIF field is one line of plain text.
std::string OneLine(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return s;
}

// Brackets close a transfer's account name, a slash starts a class and a
// colon a sub-account in the programs that read QIF.
std::string AccountName(std::string s) {
    for (char& c : s) {
        if (c == '[')
            c = '(';
        else if (c == ']')
            c = ')';
        else if (c == '/' || c == ':')
            c = '-';
    }
    return OneLine(std::move(s));
}

std::string PersonAccount(bool owedToYou, const std::string& person) {
    return AccountName(std::string(owedToYou ? "Вам должны - " : "Вы должны - ") +
                       (person.empty() ? "(без имени)" : person));
}

struct QifTransaction {
    Date date;
    double amount = 0;
    std::string payee, memo, transfer;
};

}  // namespace

std::vector<ExportFile> CsvExport(const BudgetFile& doc, const Date& today) {
    std::vector<ExportFile> files;

    std::string states;
    CsvRecord(states, {"№", "Состояние", "Баланс", "Единица", "Название единицы"});
    for (int i = 1; i <= doc.sostkol; ++i) {
        const SostRecord& s = doc.Sost(i);
        const CurrencyUnit& u = UnitOf(doc, s.ienum);
        CsvRecord(states, {std::to_string(i), s.sostname, PointAmount(s.bal), u.short_, u.cap});
    }
    files.push_back({"Состояния.csv", std::move(states)});

    std::string clients;
    CsvRecord(clients, {"№", "Клиент", "Единица", "Название единицы", "Репутация", "Информация"});
    for (int i = 1; i <= doc.clientkol; ++i) {
        const ClientRecord& c = doc.Client(i);
        const CurrencyUnit& u = UnitOf(doc, c.ienum);
        CsvRecord(clients, {std::to_string(i), c.clientname, u.short_, u.cap,
                            std::to_string(c.reput), c.clinfo});
    }
    files.push_back({"Клиенты.csv", std::move(clients)});

    const DueRule noDue;
    const DueRule debtDue = [&](int, const std::string& entry) {
        return PointAmount(ComputeReturn(entry, today).ReturnAmount);
    };
    for (int i = 1; i <= doc.sostkol; ++i) {
        const SostRecord& s = doc.Sost(i);
        const std::string unit = UnitOf(doc, s.ienum).short_;
        const struct {
            const char* title;
            const EntryList& list;
            std::vector<Column> columns;
            const DueRule& due;
        } lists[] = {
            {"Прошлые балансы", s.oldbal, kPastBalances, noDue},
            {"Доходы", s.dohod, IncomeColumns("Источник"), noDue},
            {"Расходы", s.rashod, IncomeColumns("На что"), noDue},
            {"Занятые деньги", s.oldzan, LoanColumns("У кого"), noDue},
            {"Одолженные деньги", s.oldodol, LoanColumns("Кому"), noDue},
            {"Вам должны", s.ondol, DebtColumns("Кто"), debtDue},
            {"Вы должны", s.vydol, DebtColumns("Кому"), debtDue},
        };
        for (const auto& l : lists)
            files.push_back({Numbered("Состояние", i, l.title),
                             ListCsv(l.list, l.columns, unit, today, l.due)});
    }

    for (int i = 1; i <= doc.clientkol; ++i) {
        const ClientRecord& c = doc.Client(i);
        const std::string unit = UnitOf(doc, c.ienum).short_;
        const struct {
            const char* title;
            Side side;
            bool returns;
        } lists[] = {
            {"Клиент должен вам", Side::OwedToYou, false},
            {"Вы должны клиенту", Side::OwedByYou, false},
            {"Возвращено вам", Side::OwedToYou, true},
            {"Возвращено клиенту", Side::OwedByYou, true},
        };
        for (const auto& l : lists) {
            const DueRule due = [&, side = l.side](int slot, const std::string&) {
                return PointAmount(AmountDue(doc, side, i, slot));
            };
            files.push_back({Numbered("Клиент", i, l.title),
                             l.returns
                                 ? ListCsv(ReturnList(c, l.side), kReturns, unit, today, noDue)
                                 : ListCsv(PaymentList(c, l.side), kPayments, unit, today, due)});
        }
    }
    return files;
}

QifExport ExportQif(const BudgetFile& doc, const Date& today) {
    QifExport result;
    std::string body;
    std::set<std::string> assets, liabilities;
    std::set<std::string> usedNames;

    for (int i = 1; i <= doc.sostkol; ++i) {
        const SostRecord& s = doc.Sost(i);
        std::string name =
            AccountName(s.sostname.empty() ? "Состояние " + std::to_string(i) : s.sostname);
        // Two states of one name would merge into one account.
        if (!usedNames.insert(name).second) name += " (" + std::to_string(i) + ")";
        usedNames.insert(name);

        std::vector<QifTransaction> txs;
        // Newest first in the lists; oldest first in the file.
        auto take = [&](const EntryList& list, int sign, int fieldCount, auto&& fill) {
            for (int slot = kListSize; slot >= 1; --slot) {
                const std::string& entry = list[static_cast<std::size_t>(slot - 1)];
                if (entry.empty()) continue;
                const auto f = Fields(entry, static_cast<std::size_t>(fieldCount));
                QifTransaction t;
                if (!ReadDate(f[1], today, t.date) || !ParseAmountText(f[0], t.amount)) {
                    ++result.skipped;
                    continue;
                }
                t.amount *= sign;
                fill(t, f);
                txs.push_back(std::move(t));
            }
        };
        auto plain = [](QifTransaction& t, const std::vector<std::string>& f) { t.payee = f[2]; };
        take(s.dohod, 1, 3, plain);
        take(s.rashod, -1, 3, plain);
        auto loan = [&](bool owedToYou) {
            return [&, owedToYou](QifTransaction& t, const std::vector<std::string>& f) {
                t.payee = f[2];
                t.memo = f[3];
                t.transfer = PersonAccount(owedToYou, f[2]);
                (owedToYou ? assets : liabilities).insert(t.transfer);
            };
        };
        take(s.oldzan, 1, 4, loan(false));
        take(s.oldodol, -1, 4, loan(true));
        std::stable_sort(
            txs.begin(), txs.end(),
            [](const QifTransaction& a, const QifTransaction& b) { return a.date < b.date; });

        // Repayments and entries beyond the lists' hundred slots leave no
        // entry; the opening balance carries them, so the account ends at the
        // balance the state has.
        QifTransaction opening;
        opening.date = txs.empty() ? today : txs.front().date;
        opening.amount = s.bal;
        for (const auto& t : txs) opening.amount -= t.amount;
        opening.payee = "Opening Balance";
        opening.memo = "Начальный остаток";
        opening.transfer = name;
        txs.insert(txs.begin(), opening);

        body += std::string("!Account") + kCrLf + "N" + name + kCrLf + "TCash" + kCrLf + "D" +
                OneLine(UnitOf(doc, s.ienum).cap) + kCrLf + "^" + kCrLf + "!Type:Cash" + kCrLf;
        for (const auto& t : txs) {
            body += "D" + QifDate(t.date) + kCrLf + "T" + PointAmount(t.amount) + kCrLf;
            if (!t.payee.empty()) body += "P" + OneLine(t.payee) + kCrLf;
            if (!t.memo.empty()) body += "M" + OneLine(t.memo) + kCrLf;
            if (!t.transfer.empty()) body += "L[" + t.transfer + "]" + kCrLf;
            body += std::string("^") + kCrLf;
        }
    }

    // The people's accounts are declared first, so that a transfer names an
    // account of the right kind.
    std::string head;
    if (!assets.empty() || !liabilities.empty()) {
        head += std::string("!Option:AutoSwitch") + kCrLf;
        for (const auto& [names, type] :
             {std::pair{&assets, "Oth A"}, std::pair{&liabilities, "Oth L"}})
            for (const auto& n : *names)
                head += std::string("!Account") + kCrLf + "N" + n + kCrLf + "T" + type + kCrLf +
                        "^" + kCrLf;
        head += std::string("!Clear:AutoSwitch") + kCrLf;
    }
    result.text = head + body;
    return result;
}

bool WriteExportFiles(Platform& ui, const std::string& folder, const std::vector<ExportFile>& files,
                      bool ownerOnly) {
    // Permissions{} is 0600 for whoever writes.
    const std::optional<Permissions> like =
        ownerOnly ? std::optional<Permissions>(Permissions{}) : std::nullopt;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !FolderExists(folder)) {
        ui.MessageBox(JoinParagraphs("Не удалось создать папку " + folder + ".",
                                     SystemErrorText(ec ? ec.value() : ENOTDIR)),
                      Icon::Critical);
        return false;
    }
    for (const ExportFile& f : files) {
        const std::string path = (std::filesystem::path(folder) / f.name).string();
        int err = 0;
        if (!AtomicWriteFile(path, f.bytes, err, like)) {
            ui.MessageBox(WriteErrorMessage(path, SystemErrorText(err)), Icon::Exclamation,
                          Buttons::OK, "Запись файла");
            return false;
        }
    }
    return true;
}

void ExportToCsv(const BudgetFile& doc, Platform& ui) {
    const std::string folder = ui.FolderDialog("Экспорт в CSV", FolderOf(doc.FilePath));
    if (folder.empty()) return;
    const auto files = CsvExport(doc, ui.Today());
    const bool earlier = std::any_of(files.begin(), files.end(), [&](const ExportFile& f) {
        return FileExists((std::filesystem::path(folder) / f.name).string());
    });
    if (earlier && ui.MessageBox("В папке " + folder +
                                     " уже есть файлы экспорта с такими же именами. Заменить их?",
                                 Icon::Question, Buttons::YesNo, "Экспорт в CSV") != Answer::Yes)
        return;
    if (!WriteExportFiles(ui, folder, files, doc.IsProtected)) return;
    ui.MessageBox("Экспорт завершен. Файлы CSV записаны в папку:\r\n" + folder, Icon::Information,
                  Buttons::OK, "Экспорт в CSV");
}

}  // namespace kz
