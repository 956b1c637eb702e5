#include "cli/CliMain.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "cli/ConsolePlatform.h"
#include "cli/DocumentJson.h"
#include "core/DataFile.h"
#include "core/Files.h"
#include "core/Text.h"
#include "reports/ClientReport.h"
#include "reports/Refresh.h"
#include "reports/ReportFiles.h"
#include "reports/StateReport.h"
#include "tools/Barcode.h"
#include "tools/Export.h"

namespace kz::cli {

namespace {

using json = nlohmann::json;

const char* const kUsage =
    "Использование: kervazyl-cli КОМАНДА ...\n"
    "\n"
    "  new FILE                               создать новый файл данных\n"
    "  dump FILE [--password P] [--today ДД.ММ.ГГГГ]\n"
    "                                         вывести документ (.kv7 или .kv6) в JSON\n"
    "  write JSON OUT.kv7 [--password P]      записать документ из JSON в файл данных\n"
    "  convert OLD.kv6 NEW.kv7 [--password P] перевести файл старого формата в новый\n"
    "  report state FILE N [--date ДД.ММ.ГГГГ] отчет за месяц по состоянию N\n"
    "  report client FILE N [--date ДД.ММ.ГГГГ]\n"
    "                                         отчет за месяц по клиенту N\n"
    "  report all FILE                        отчеты по всем состояниям (и файл отчетов)\n"
    "  reminders FILE [--save]                открыть файл, как это делает программа, и\n"
    "                                         вывести списки и напоминания главного окна\n"
    "  barcode ЦИФРЫ                          проверить штрих-код\n"
    "  export csv FILE OUTDIR [--password P]  выгрузить документ в файлы CSV в папке OUTDIR\n"
    "  export qif FILE OUT.qif [--password P] выгрузить историю состояний в файл QIF\n"
    "\n"
    "Все команды, читающие файл, принимают --password P и --today ДД.ММ.ГГГГ.\n"
    "Отчеты строятся по файлу как он есть, без обработки конца месяца.\n"
    "\n"
    "Сообщения программы выводятся в стандартный поток ошибок.\n"
    "Код возврата: 0 - успех, 1 - операция отклонена или не удалась, 2 - неверный вызов.\n";

struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Splits "--name value" options and "--flag" switches from positional words;
// `allowed` lists the options the command takes, `flags` its switches.
Args Parse(const std::vector<std::string>& words, std::initializer_list<const char*> allowed,
           std::initializer_list<const char*> flags = {}) {
    Args a;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.rfind("--", 0) == 0 && w.size() > 2) {
            bool known = false, flag = false;
            for (const char* name : allowed) known = known || w == name;
            for (const char* name : flags) flag = flag || w == name;
            if (flag) {
                a.options[w] = "";
                continue;
            }
            if (!known) throw UsageError("неизвестный параметр " + w);
            if (i + 1 >= words.size()) throw UsageError("параметру " + w + " нужно значение");
            a.options[w] = words[++i];
        } else {
            a.positional.push_back(w);
        }
    }
    return a;
}

std::string Option(const Args& a, const std::string& name) {
    auto it = a.options.find(name);
    return it == a.options.end() ? std::string() : it->second;
}

// A DD.MM.YYYY option, or `fallback` when the option is absent.
Date DateOption(const Args& a, const std::string& name, const Date& fallback) {
    auto it = a.options.find(name);
    if (it == a.options.end()) return fallback;
    Date d;
    if (!ParseUserDate(it->second, fallback, d) || CharCount(it->second) != 10)
        throw UsageError("дата " + name + " должна иметь вид ДД.ММ.ГГГГ");
    return d;
}

// --today sets the date the whole run sees.
void ApplyToday(const Args& a, ConsolePlatform& ui) {
    ui.SetToday(DateOption(a, "--today", ui.Today()));
}

void Expect(const Args& a, std::size_t count) {
    if (a.positional.size() != count) throw UsageError("неверное число аргументов");
}

int CmdNew(const std::vector<std::string>& words, std::ostream&, ConsolePlatform& ui) {
    Args a = Parse(words, {"--today"});
    Expect(a, 1);
    ApplyToday(a, ui);
    BudgetFile doc;
    AppSettings settings;
    // The file is created empty first; a backup of that would only litter.
    settings.BackUp = false;
    if (!NewDocument(doc, ui, settings, a.positional[0], nullptr)) return 1;
    return doc.Dirty ? 1 : 0;
}

int CmdDump(const std::vector<std::string>& words, std::ostream& out, ConsolePlatform& ui) {
    Args a = Parse(words, {"--password", "--today"});
    Expect(a, 1);
    ApplyToday(a, ui);
    BudgetFile doc;
    if (!OpenDocument(doc, ui, a.positional[0], Option(a, "--password"), nullptr)) return 1;
    WriteDocumentJson(doc, out);
    out << "\n";
    return 0;
}

int WriteDocument(BudgetFile& doc, ConsolePlatform& ui, const std::string& path,
                  const std::string& password) {
    doc.FilePath = path;
    doc.pass = password;
    doc.IsProtected = !password.empty();
    doc.Dirty = true;
    AppSettings settings;
    settings.BackUp = FileExists(path);
    return WriteDataFile(doc, ui, settings) ? 0 : 1;
}

int CmdWrite(const std::vector<std::string>& words, std::ostream&, ConsolePlatform& ui) {
    Args a = Parse(words, {"--password", "--today"});
    Expect(a, 2);
    ApplyToday(a, ui);
    WholeFile json;
    if (int err = 0; !json.Read(a.positional[0], err)) {
        ui.MessageBox(JoinParagraphs("Не удалось прочитать файл JSON " + a.positional[0] + ".",
                                     SystemErrorText(err)),
                      Icon::Critical);
        return 1;
    }
    BudgetFile doc;
    std::string problem;
    // The JSON's texts are gone afterwards: the written file takes their
    // room (see main).
    if (!DocumentFromJson(std::move(json), ui.Today(), doc, problem)) {
        ui.MessageBox("Документ в JSON не принят: " + problem, Icon::Critical);
        return 1;
    }
    return WriteDocument(doc, ui, a.positional[1], Option(a, "--password"));
}

int CmdConvert(const std::vector<std::string>& words, std::ostream&, ConsolePlatform& ui) {
    Args a = Parse(words, {"--password", "--today"});
    Expect(a, 2);
    ApplyToday(a, ui);
    if (!EndsWithNoCase(a.positional[0], ".kv6")) throw UsageError("первый файл должен быть .kv6");
    BudgetFile doc;
    const std::string password = Option(a, "--password");
    if (!OpenDocument(doc, ui, a.positional[0], password, nullptr)) return 1;
    return WriteDocument(doc, ui, a.positional[1], password);
}

// Texts keep their CR LF; the console gets them as they are.
void PrintText(std::ostream& out, const std::string& text) {
    out << text;
}

int Number(const std::string& word) {
    int n = 0;
    for (char c : word) {
        if (c < '0' || c > '9' || n > 1000) throw UsageError("номер должен быть числом: " + word);
        n = n * 10 + (c - '0');
    }
    if (word.empty()) throw UsageError("нужен номер");
    return n;
}

int CmdReport(const std::vector<std::string>& words, std::ostream& out, ConsolePlatform& ui) {
    Args a = Parse(words, {"--password", "--today", "--date"});
    if (a.positional.empty()) throw UsageError("нужно указать state, client или all");
    const std::string kind = a.positional[0];
    if (kind == "all") {
        Expect(a, 2);
    } else if (kind == "state" || kind == "client") {
        Expect(a, 3);
    } else {
        throw UsageError("неизвестный вид отчета " + kind);
    }
    ApplyToday(a, ui);
    const Date date = DateOption(a, "--date", ui.Today());
    const int n = kind == "all" ? 0 : Number(a.positional[2]);
    BudgetFile doc;
    if (!OpenDocument(doc, ui, a.positional[1], Option(a, "--password"), nullptr)) return 1;
    if (kind == "all") {
        const AllReports r = BuildAllReports(doc, ui);
        PrintText(out, r.text);
        return r.ok ? 0 : 1;
    }
    const int count = kind == "state" ? doc.sostkol : doc.clientkol;
    if (n < 1 || n > count) {
        ui.MessageBox(std::string(kind == "state" ? "Нет состояния" : "Нет клиента") +
                          " с номером " + std::to_string(n) + ".",
                      Icon::Exclamation);
        return 1;
    }
    PrintText(out, kind == "state" ? StateReport(doc, ui, n, date)
                                   : ClientReport(doc, n, date, ui.Today()));
    return 0;
}

int CmdReminders(const std::vector<std::string>& words, std::ostream& out, ConsolePlatform& ui) {
    Args a = Parse(words, {"--password", "--today"}, {"--save"});
    const bool save = a.options.count("--save") > 0;
    Expect(a, 1);
    ApplyToday(a, ui);
    BudgetFile doc;
    MainView view;
    const auto refresh = [&](BudgetFile& d, Platform& p) { view = RefreshMainWindow(d, p); };
    if (!OpenDocument(doc, ui, a.positional[0], Option(a, "--password"), refresh)) return 1;
    int code = 0;
    if (save) {
        AppSettings settings;
        if (!EndsWithNoCase(doc.FilePath, ".kv6") && !WriteDataFile(doc, ui, settings)) code = 1;
    }
    nlohmann::ordered_json j;
    j["lstIE"] = view.ieRows;
    j["lstSost"] = view.sostRows;
    j["lstClients"] = view.clientRows;
    j["txtRemindToday"] = view.remindToday;
    j["txtSostToday"] = view.sostToday;
    j["txtClientToday"] = view.clientToday;
    j["messages"] = ui.messages;
    out << j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    return code;
}

int CmdBarcode(const std::vector<std::string>& words, std::ostream& out, ConsolePlatform&) {
    Args a = Parse(words, {});
    Expect(a, 1);
    const std::string& digits = a.positional[0];
    if (digits.size() != kBarcodeLength ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError("штрих-код должен состоять из 13 цифр");
    BarcodeBoxes boxes;
    for (int i = 0; i < kBarcodeLength; ++i)
        boxes[static_cast<std::size_t>(i)] = digits.substr(static_cast<std::size_t>(i), 1);
    out << BarcodeVerdict(boxes) << "\n";
    return 0;
}

int CmdExport(const std::vector<std::string>& words, std::ostream& out, ConsolePlatform& ui) {
    Args a = Parse(words, {"--password", "--today"});
    const std::string kind = a.positional.empty() ? "" : a.positional[0];
    if (kind != "csv" && kind != "qif") throw UsageError("нужно указать csv или qif");
    Expect(a, 3);
    ApplyToday(a, ui);
    BudgetFile doc;
    if (!OpenDocument(doc, ui, a.positional[1], Option(a, "--password"), nullptr)) return 1;
    const std::string& target = a.positional[2];
    if (kind == "csv") {
        const auto files = CsvExport(doc, ui.Today());
        if (!WriteExportFiles(ui, target, files, doc.IsProtected)) return 1;
        for (const auto& f : files) out << f.name << "\n";
        return 0;
    }
    const QifExport qif = ExportQif(doc, ui.Today());
    const std::filesystem::path path(target);
    if (!WriteExportFiles(ui, path.parent_path().empty() ? "." : path.parent_path().string(),
                          {{path.filename().string(), qif.text}}, doc.IsProtected))
        return 1;
    if (qif.skipped > 0)
        ui.MessageBox("Записи без правильной даты или суммы не попали в QIF: " +
                          std::to_string(qif.skipped) + ".",
                      Icon::Exclamation);
    return 0;
}

}  // namespace

int Run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return Run(args, std::cout, std::cerr);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << kUsage;
        return 0;
    }
    ConsolePlatform ui(err);
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    try {
        if (args[0] == "new") return CmdNew(rest, out, ui);
        if (args[0] == "dump") return CmdDump(rest, out, ui);
        if (args[0] == "write") return CmdWrite(rest, out, ui);
        if (args[0] == "convert") return CmdConvert(rest, out, ui);
        if (args[0] == "report") return CmdReport(rest, out, ui);
        if (args[0] == "reminders") return CmdReminders(rest, out, ui);
        if (args[0] == "barcode") return CmdBarcode(rest, out, ui);
        if (args[0] == "export") return CmdExport(rest, out, ui);
        throw UsageError("неизвестная команда " + args[0]);
    } catch (const UsageError& e) {
        err << "kervazyl-cli: " << e.what() << "\n\n" << kUsage;
        return 2;
    }
}

}  // namespace kz::cli
