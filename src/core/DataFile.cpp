#include "core/DataFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <memory>
#include <utility>

#include "core/Cipher.h"
#include "core/Cp1251.h"
#include "core/Files.h"
#include "core/IniFile.h"
#include "core/OlderFile.h"
#include "core/Save.h"
#include "core/Text.h"
#include "core/TextFiles.h"

namespace kz {

namespace {

// Where the text of a data file goes: kept as it is (UTF-8), or encoded into
// Windows-1251 on the way (in pieces of some size, which is faster), up to
// the first character the code page lacks.
class FileText {
public:
    FileText(bool cp1251, std::size_t room)
        : cp1251_(cp1251), piece_(new char[kPiece]), room_(kPiece) {
        out_.reserve(room);
    }

    FileText& operator+=(std::string_view s) {
        if (s.empty()) return *this;
        if (s.size() > room_) {
            Encode();
            // A text longer than a piece goes on its own.
            if (s.size() > kPiece) {
                Emit(s);
                return *this;
            }
        }
        std::memcpy(piece_.get() + (kPiece - room_), s.data(), s.size());
        room_ -= s.size();
        return *this;
    }
    FileText& operator+=(char c) { return *this += std::string_view(&c, 1); }
    void Line(std::string_view a, std::string_view b = {}) {
        *this += a;
        *this += b;
        *this += "\r\n";
    }
    // key<n>=text
    void Entry(std::string_view key, int n, std::string_view text) {
        char number[16];
        const auto end = std::to_chars(number, number + sizeof number, n).ptr;
        *this += key;
        *this += std::string_view(number, static_cast<std::size_t>(end - number));
        *this += '=';
        Line(text);
    }

    bool ok() {
        Encode();
        return ok_;
    }
    const std::string& bad() const { return bad_; }
    std::string Take() {
        Encode();
        return std::move(out_);
    }

private:
    static constexpr std::size_t kPiece = 1 << 16;
    void Encode() {
        Emit(std::string_view(piece_.get(), kPiece - room_));
        room_ = kPiece;
    }
    void Emit(std::string_view s) {
        if (!cp1251_)
            out_ += s;
        else if (ok_ && !s.empty())
            ok_ = AppendCp1251(s, out_, &bad_);
    }

    bool cp1251_;
    bool ok_ = true;
    std::unique_ptr<char[]> piece_;
    std::size_t room_;  // left in the piece
    std::string out_, bad_;
};

template <class Record, class Info>
void WriteLists(FileText& out, const Record& rec, const Info& lists, int i) {
    const std::string n = std::to_string(i);
    for (const auto& info : lists) {
        out += '[';
        out += info.section;
        out += n;
        out += "]\r\n";
        const EntryList& list = rec.*(info.list);
        for (int j = 0; j < kListSize; ++j) {
            const std::string& e = list[static_cast<std::size_t>(j)];
            if (!e.empty()) out.Entry(info.key, j + 1, e);
        }
    }
}

// The whole data file text of a document.
void WriteFileText(FileText& out, const BudgetFile& doc, bool enciphered) {
    out.Line(enciphered ? "type=Kerva70cr" : "type=Kerva70st");
    out.Line("[user]");
    out.Line("name=", doc.name);
    out.Line("pass=", doc.pass);
    for (int k = 1; k <= kUnitCount; ++k) {
        const std::string n = std::to_string(k);
        out.Line("ie" + n + "cap=", doc.Unit(k).cap);
        out.Line("ie" + n + "short=", doc.Unit(k).short_);
    }
    out.Line("sostkol=", std::to_string(doc.sostkol));
    out.Line("clientkol=", std::to_string(doc.clientkol));
    for (int i = 1; i <= doc.sostkol && i <= kMaxSosts; ++i) {
        const SostRecord& s = doc.Sost(i);
        out.Line("[Sost" + std::to_string(i) + "]");
        out.Line("bal=", AmountText(s.bal));
        out.Line("sostname=", s.sostname);
        out.Line("ienum=", std::to_string(s.ienum));
        WriteLists(out, s, kSostLists, i);
    }
    for (int i = 1; i <= doc.clientkol && i <= kMaxClients; ++i) {
        const ClientRecord& c = doc.Client(i);
        out.Line("[Client" + std::to_string(i) + "]");
        out.Line("clientname=", c.clientname);
        out.Line("ienum=", std::to_string(c.ienum));
        out.Line("reput=", std::to_string(c.reput));
        WriteLists(out, c, kClientLists, i);
        out.Line("[clinfo" + std::to_string(i) + "]");
        out.Line(CrLfLineBreaks(c.clinfo));
    }
    out.Line("[phones]");
    for (int k = 1; k <= kSavedPhones; ++k) {
        const std::string& p = Slot(doc.phones, k);
        if (!p.empty()) out.Entry("p", k, p);
    }
    out.Line("[notes]");
    out.Line(CrLfLineBreaks(doc.notes));
    out.Line("");
}

// Room for the text of a document: its entries and a key in front of each.
std::size_t FileTextRoom(const BudgetFile& doc) {
    std::size_t room = 64 * 1024 + doc.notes.size();
    for (int i = 1; i <= doc.sostkol && i <= kMaxSosts; ++i)
        for (const auto& info : kSostLists)
            for (const std::string& e : doc.Sost(i).*(info.list)) room += e.size() + 16;
    for (int i = 1; i <= doc.clientkol && i <= kMaxClients; ++i) {
        room += doc.Client(i).clinfo.size();
        for (const auto& info : kClientLists)
            for (const std::string& e : doc.Client(i).*(info.list)) room += e.size() + 16;
    }
    return room;
}

// The bytes of the data file (Windows-1251); false with the first character
// the code page lacks in `bad`.
bool DataFileBytes(const BudgetFile& doc, bool enciphered, std::string& bytes, std::string& bad) {
    FileText out(true, FileTextRoom(doc));
    WriteFileText(out, doc, enciphered);
    const bool ok = out.ok();
    bad = out.bad();
    bytes = out.Take();
    return ok;
}

bool NumberValue(const std::string& text, int& out) {
    return ToInteger16(LeadingNumber(text), out);
}

const char* const kUtf8Message =
    "Файл записан в кодировке UTF-8, а не Windows-1251, и не может быть открыт.";

// What of a data file can be damaged, read and checked before anything of
// the open document changes.
struct CheckedParts {
    std::string name;
    std::array<CurrencyUnit, kUnitCount> units;
    int sostkol = 0, clientkol = 0;
    std::string notes;
    struct Sost {
        double bal = 0;
        int ienum = 1;
        std::string sostname;
    };
    std::array<Sost, kMaxSosts> sosts;
    struct Client {
        int ienum = 1, reput = 0;
        std::string clientname, clinfo;
    };
    std::array<Client, kMaxClients> clients;
};

// Everything of step "load" that can fail on a damaged file fails here, in
// the order of the file's parts.
bool CheckDocument(Platform& ui, const IniFile& ini, CheckedParts& c) {
    c.name = ini.Value("user", "name");
    if (c.name.empty()) c.name = kDefaultUserName;
    for (int k = 1; k <= kUnitCount; ++k) {
        const std::string n = std::to_string(k);
        c.units[static_cast<std::size_t>(k - 1)] = {ini.Value("user", "ie" + n + "cap"),
                                                    ini.Value("user", "ie" + n + "short")};
    }
    if (!NumberValue(ini.Value("user", "sostkol"), c.sostkol) ||
        !NumberValue(ini.Value("user", "clientkol"), c.clientkol))
        return false;
    // No states at all is legal: the main window lets the user delete the last one.
    if (c.sostkol < 0 || c.sostkol > kMaxSosts || c.clientkol < 0 || c.clientkol > kMaxClients)
        return false;
    c.notes = ReadNotes(ui, ini);
    for (int i = 1; i <= c.sostkol; ++i) {
        CheckedParts::Sost& s = c.sosts[static_cast<std::size_t>(i - 1)];
        const std::string sec = "sost" + std::to_string(i);
        if (!ParseAmountText(ini.Value(sec, "bal"), s.bal)) return false;
        if (!NumberValue(ini.Value(sec, "ienum"), s.ienum)) return false;
        if (s.ienum == 0) s.ienum = 1;
        if (s.ienum < 1 || s.ienum > kUnitCount) return false;
        s.sostname = ini.Value(sec, "sostname");
        if (s.sostname.empty()) s.sostname = kFirstSostName;
    }
    for (int i = 1; i <= c.clientkol; ++i) {
        CheckedParts::Client& cl = c.clients[static_cast<std::size_t>(i - 1)];
        const std::string sec = "client" + std::to_string(i);
        if (!NumberValue(ini.Value(sec, "ienum"), cl.ienum)) return false;
        if (cl.ienum == 0) cl.ienum = 1;
        if (cl.ienum < 1 || cl.ienum > kUnitCount) return false;
        cl.clientname = ini.Value(sec, "clientname");
        if (cl.clientname.empty()) cl.clientname = kDefaultClientName;
        if (!NumberValue(ini.Value(sec, "reput"), cl.reput)) return false;
        cl.clinfo = ini.Section(ui, "clinfo" + std::to_string(i));
    }
    return true;
}

// The checked parts and the lists (which cannot be damaged) go into the
// document; slots beyond the counts keep what they held.
void FillDocument(BudgetFile& d, Platform& ui, const IniFile& ini, CheckedParts& c) {
    d.name = std::move(c.name);
    d.Units = std::move(c.units);
    d.sostkol = c.sostkol;
    d.clientkol = c.clientkol;
    d.notes = std::move(c.notes);
    ini.NumberedValues("phones", "p", d.phones.data(), d.phones.size());
    const long long records = c.sostkol + c.clientkol;
    for (int i = 1; i <= c.sostkol; ++i) {
        SostRecord& s = d.Sost(i);
        CheckedParts::Sost& from = c.sosts[static_cast<std::size_t>(i - 1)];
        s.bal = from.bal;
        s.ienum = from.ienum;
        s.sostname = std::move(from.sostname);
        const std::string n = std::to_string(i);
        for (const auto& info : kSostLists)
            ini.NumberedValues(info.section + n, info.key, (s.*(info.list)).data(), kListSize);
        ui.SetProgress(i, records);
    }
    for (int i = 1; i <= c.clientkol; ++i) {
        ClientRecord& cl = d.Client(i);
        CheckedParts::Client& from = c.clients[static_cast<std::size_t>(i - 1)];
        cl.ienum = from.ienum;
        cl.clientname = std::move(from.clientname);
        cl.reput = from.reput;
        cl.clinfo = std::move(from.clinfo);
        const std::string n = std::to_string(i);
        for (const auto& info : kClientLists)
            ini.NumberedValues(info.section + n, info.key, (cl.*(info.list)).data(), kListSize);
        ui.SetProgress(c.sostkol + i, records);
    }
}

}  // namespace

std::string ReadNotes(Platform& ui, const IniFile& ini) {
    std::string notes = ini.Section(ui, "notes");
    // The writer ends the file with an empty line after the notes; it is not
    // part of them.
    if (notes.size() >= 2 && notes.compare(notes.size() - 2, 2, "\r\n") == 0)
        notes.resize(notes.size() - 2);
    return notes;
}

bool CheckDataPath(Platform& ui, const std::string& path) {
    const int problem = FileReadProblem(path);
    if (problem == 0) return true;
    ShowUnreadable(ui, path, problem);
    return false;
}

void ShowUnreadable(Platform& ui, const std::string& path, int err) {
    const std::string text = UnreadableFileText(path, err);
    if (!text.empty())
        ui.MessageBox(text, Icon::Exclamation);
    else
        ui.MessageBox("Ошибка при открытии служебного файла.", Icon::Information);
}

void ShowDamagedFile(Platform& ui) {
    ui.MessageBox("Указанный файл поврежден, записан предыдущей версией Kerva или защищен паролем.",
                  Icon::Information);
}

std::string DataFileText(const BudgetFile& doc, bool enciphered) {
    FileText out(false, FileTextRoom(doc));
    WriteFileText(out, doc, enciphered);
    return out.Take();
}

bool WriteDataFile(BudgetFile& doc, Platform& ui, const AppSettings& settings) {
    const auto writeFailed = [&](int err) {
        if (doc.IsProtected) {
            ui.MessageBox(JoinParagraphs("Ошибка при шифровании файла!", SystemErrorText(err)),
                          Icon::Critical);
            ui.MessageBox("Возникла ошибка при шифровании файла. Файл не сохранен!",
                          Icon::Critical);
        } else {
            ui.MessageBox(JoinParagraphs("Ошибка при сохранении файла!", SystemErrorText(err)),
                          Icon::Critical);
        }
        return false;
    };
    // A file the user may not write is not replaced, and its backup copy is
    // left as it is too.
    int err = 0;
    if (!MayReplace(doc.FilePath, err)) return writeFailed(err);

    MakeBackup(doc, ui, settings);

    std::string bytes, bad;
    if (!DataFileBytes(doc, doc.IsProtected, bytes, bad)) {
        ui.MessageBox(JoinParagraphs("Ошибка при сохранении файла!", UnwritableCharText(bad)),
                      Icon::Critical);
        return false;
    }
    if (doc.IsProtected) {
        std::string key;
        if (!PasswordBytes(doc.pass, key)) return writeFailed(EILSEQ);
        if (!AtomicWriteFile(doc.FilePath, EncipherBytes(bytes, key), err)) return writeFailed(err);
    } else if (!AtomicWriteFile(doc.FilePath, bytes, err)) {
        return writeFailed(err);
    }

    if (doc.PendingBackupDelete.size() >= 3) {
        // A backup that is already gone needs no deleting.
        if (!RemoveFile(doc.PendingBackupDelete, err) && err != ENOENT) {
            ui.MessageBox(
                JoinParagraphs("Ошибка при удалении резервной копии файла:", SystemErrorText(err)),
                Icon::Critical, Buttons::OK, "Служба безопасности");
            return false;
        }
        doc.PendingBackupDelete.clear();
    }
    doc.Dirty = false;
    return true;
}

void SetMonthFlags(BudgetFile& doc, Platform& ui, const std::string& dataPath) {
    const Date today = ui.Today();
    doc.LastDate = today;
    doc.ReportsReady = false;
    doc.MonthEndDue = false;
    const auto modified = ui.FileModificationDate(dataPath);
    if (!modified) return;
    if (modified->year < today.year) {
        doc.ReportsReady = true;
    } else if (modified->month < today.month) {
        doc.ReportsReady = true;
        doc.MonthEndDue = true;
    }
}

bool OpenDataText(Platform& ui, const std::string& path, const std::string& password,
                  std::string* plain, const char* plainType, const char* cipherType, IniFile& ini) {
    if (!CheckDataPath(ui, path)) return false;
    // A save of this file that was killed half-way may have left its hidden
    // file behind.
    RemoveSaveLeftovers(path);
    WholeFile bytes;
    if (plain) {
        // The deciphered text, a tenth of the file, is not copied.
        bytes = WholeFile(std::move(*plain));
    } else if (int err = 0; !bytes.Read(path, err)) {
        ShowUnreadable(ui, path, err);
        return false;
    }
    // A file cut short under the reader is not damaged: it is to be opened again.
    const auto refuse = [&](const auto& show) {
        if (bytes.CutShort() || ini.CutShort())
            ShowUnreadable(ui, path, ESTALE);
        else
            show();
        return false;
    };
    if (LooksLikeUtf8(bytes.Bytes()))
        return refuse([&] { ui.MessageBox(kUtf8Message, Icon::Information); });
    ini.LoadCp1251(std::move(bytes));

    const std::string type = ini.Value("", "type");
    if (plain && type != cipherType) {
        ui.MessageBox("Неверно декодирован файл. Убедитесь, что пароль введен правильно.",
                      Icon::Information);
        return false;
    }
    if (!plain && type != plainType) return refuse([&] { ShowDamagedFile(ui); });
    if (ini.Value("user", "pass") != password)
        return refuse([&] { ui.MessageBox("Вы ввели неверный пароль!", Icon::Exclamation); });
    return true;
}

bool ShowIfCutShort(Platform& ui, const std::string& path, const IniFile& ini) {
    if (!ini.CutShort()) return false;
    ShowUnreadable(ui, path, ESTALE);
    return true;
}

bool ReadDataFile(BudgetFile& doc, Platform& ui, const std::string& path,
                  const std::string& password, const RefreshRoutine& refresh, std::string* plain) {
    IniFile ini;
    if (!OpenDataText(ui, path, password, plain, "Kerva70st", "Kerva70cr", ini)) return false;
    const bool isProtected = plain != nullptr;

    // Nothing of the open document changes unless the file is sound.
    CheckedParts parts;
    const bool sound = CheckDocument(ui, ini, parts);
    if (ShowIfCutShort(ui, path, ini)) return false;
    if (!sound) {
        ShowDamagedFile(ui);
        return false;
    }
    doc.Dirty = false;
    doc.IsProtected = isProtected;
    doc.pass = password;
    FillDocument(doc, ui, ini, parts);
    // Cut short while the lists were read: they are incomplete, and the
    // document is not entered.
    if (ShowIfCutShort(ui, path, ini)) return false;
    doc.FilePath = path;
    doc.PendingBackupDelete.clear();
    SetMonthFlags(doc, ui, path);
    ini.Close();
    if (refresh) refresh(doc, ui);
    return true;
}

bool OpenDocument(BudgetFile& doc, Platform& ui, const std::string& path,
                  const std::string& password, const RefreshRoutine& refresh) {
    if (!CheckDataPath(ui, path)) return false;
    const bool older = EndsWithNoCase(path, ".kv6");
    if (password.empty())
        return older ? ReadOlderFile(doc, ui, path, password, refresh)
                     : ReadDataFile(doc, ui, path, password, refresh);
    std::string plain;
    if (!DecryptFile(ui, path, password, plain)) return false;
    return older ? ReadOlderFile(doc, ui, path, password, refresh, &plain)
                 : ReadDataFile(doc, ui, path, password, refresh, &plain);
}

bool NewDocument(BudgetFile& doc, Platform& ui, const AppSettings& settings,
                 const std::string& path, const RefreshRoutine& refresh) {
    {
        // A file the user agreed to overwrite is not emptied here: the save
        // below replaces it, and its old content becomes the backup copy.
        const bool existed = FileExists(path);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        int err = fd < 0 ? errno : 0;
        if (fd >= 0) {
            if (!existed && ::write(fd, "\r\n", 2) != 2) err = errno ? errno : EIO;
            if (::close(fd) != 0 && err == 0) err = errno;
        }
        if (err != 0) {
            ui.MessageBox(JoinParagraphs("Ошибка при создании файла!", SystemErrorText(err)),
                          Icon::Critical);
            return false;
        }
    }
    BudgetFile fresh;
    fresh.LastDate = ui.Today();
    FillNewDocumentDefaults(fresh);
    if (refresh) refresh(fresh, ui);
    fresh.Dirty = true;
    fresh.FilePath = path;
    doc = std::move(fresh);
    WriteDataFile(doc, ui, settings);
    return true;
}

}  // namespace kz
