#include "core/OlderFile.h"

#include "core/Cp1251.h"
#include "core/Files.h"
#include "core/IniFile.h"
#include "core/Text.h"

namespace kz {

bool ReadOlderFile(BudgetFile& doc, Platform& ui, const std::string& path,
                   const std::string& password, const RefreshRoutine& refresh, std::string* plain) {
    IniFile ini;
    if (!OpenDataText(ui, path, password, plain, "Kerva60st", "Kerva60cr", ini)) return false;
    const bool isProtected = plain != nullptr;

    BudgetFile d = doc;
    d.Dirty = false;
    d.IsProtected = isProtected;
    d.pass = password;
    d.name = ini.Value("user", "name");
    if (d.name.empty()) d.name = kDefaultUserName;
    d.sostkol = 1;
    d.clientkol = 0;
    SostRecord& s = d.Sost(1);
    ResetSost(s);
    s.ienum = 1;
    s.sostname = "Домашний бюджет";
    const std::string bal = ini.Value("user", "bal");
    if (!ParseAmountText(bal, s.bal)) {
        // The import goes on; the balance keeps the 0 of the reset.
        ui.MessageBox(JoinParagraphs("Ошибка при загрузке данных:",
                                     "Значение баланса «" + bal + "» не является числом."),
                      Icon::Critical);
    }
    d.Unit(1).cap = ini.Value("user", "iecap");
    d.Unit(1).short_ = ini.Value("user", "ieshort");
    d.Unit(2) = {};
    d.Unit(3) = {};
    d.notes = ReadNotes(ui, ini);
    for (auto& p : d.phones) p.clear();
    for (int j = 1; j <= 50; ++j) {
        const std::string n = std::to_string(j);
        Slot(s.oldbal, j) = ini.Value("oldbal", "bal" + n);
        Slot(s.oldodol, j) = ini.Value("oldodol", "oldodol" + n);
        Slot(s.oldzan, j) = ini.Value("oldzan", "zan" + n);
        Slot(s.dohod, j) = ini.Value("dohod", "d" + n);
        Slot(s.rashod, j) = ini.Value("rashod", "ras" + n);
        Slot(d.phones, j) = ini.Value("phones", "p" + n);
        ui.SetProgress(2LL * j, 100);
    }
    if (ShowIfCutShort(ui, path, ini)) return false;
    d.FilePath = path;
    d.PendingBackupDelete.clear();
    SetMonthFlags(d, ui, path);
    doc = std::move(d);
    if (refresh) refresh(doc, ui);
    return true;
}

}  // namespace kz
