#include "cli/DocumentJson.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ostream>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "cli/JsonValue.h"
#include "core/Cp1251.h"
#include "core/Text.h"

namespace kz::cli {

namespace {

nlohmann::ordered_json ListJson(const EntryList& list) {
    auto a = nlohmann::ordered_json::array();
    for (const auto& e : list) a.push_back(e);
    return a;
}

struct Reader {
    std::string problem;

    bool Fail(const std::string& why) {
        if (problem.empty()) problem = why;
        return false;
    }

    // A text that must fit on one line of the file.
    bool Text(const JsonValue& obj, const char* key, std::string& out, bool multiLine = false) {
        const JsonValue* v = obj.Find(key);
        return !v || TextValue(*v, key, out, multiLine);
    }
    bool TextValue(const JsonValue& v, const char* key, std::string& out, bool multiLine = false) {
        if (!v.IsString()) return Fail(std::string("поле ") + key + " должно быть строкой");
        const std::string_view s = v.Text();
        std::string bad;
        if (!v.InCodePage() && !IsCp1251Representable(s, &bad))
            return Fail(std::string("поле ") + key + " содержит символ «" + bad +
                        "», которого нет в кодировке Windows-1251");
        if (!multiLine && v.HasLineBreak())
            return Fail(std::string("поле ") + key + " не может содержать переводы строк");
        if (multiLine) {
            // A line starting with "[" would end the text when the file is read.
            for (std::size_t p = 0; p < s.size(); ++p)
                if (s[p] == '[' && (p == 0 || s[p - 1] == '\n' || s[p - 1] == '\r'))
                    return Fail(std::string("строка поля ") + key + " не может начинаться с \"[\"");
        }
        out.assign(s);
        return true;
    }

    bool Int(const JsonValue& obj, const char* key, int& out, int lo, int hi) {
        const JsonValue* v = obj.Find(key);
        if (!v) return true;
        const bool huge = v->kind() == JsonValue::Kind::Unsigned &&
                          v->Unsigned() > static_cast<unsigned long long>(hi);
        if (!v->IsInteger() || huge || v->Integer() < lo || v->Integer() > hi)
            return Fail(std::string("поле ") + key + " должно быть целым числом от " +
                        std::to_string(lo) + " до " + std::to_string(hi));
        out = static_cast<int>(v->Integer());
        return true;
    }

    template <std::size_t N>
    bool List(const JsonValue& obj, const char* key, std::array<std::string, N>& out) {
        const JsonValue* v = obj.Find(key);
        if (!v) return true;
        if (!v->IsArray() || v->Size() > N)
            return Fail(std::string("поле ") + key + " должно быть списком не длиннее " +
                        std::to_string(N));
        for (std::size_t i = 0; i < v->Size(); ++i)
            if (!TextValue((*v)[i], key, out[i])) return false;
        return true;
    }
};

}  // namespace

nlohmann::ordered_json DocumentToJson(const BudgetFile& doc) {
    using ojson = nlohmann::ordered_json;
    ojson j;
    j["name"] = doc.name;
    j["pass"] = doc.pass;
    j["units"] = ojson::array();
    for (const auto& u : doc.Units)
        j["units"].push_back(ojson{{"cap", u.cap}, {"short", u.short_}});
    j["sostkol"] = doc.sostkol;
    j["clientkol"] = doc.clientkol;
    j["sosts"] = ojson::array();
    for (int i = 1; i <= doc.sostkol; ++i) {
        const SostRecord& s = doc.Sost(i);
        ojson o;
        o["sostname"] = s.sostname;
        o["bal"] = s.bal;
        o["ienum"] = s.ienum;
        for (const auto& info : kSostLists) o[info.section] = ListJson(s.*(info.list));
        j["sosts"].push_back(o);
    }
    j["clients"] = ojson::array();
    for (int i = 1; i <= doc.clientkol; ++i) {
        const ClientRecord& c = doc.Client(i);
        ojson o;
        o["clientname"] = c.clientname;
        o["ienum"] = c.ienum;
        o["reput"] = c.reput;
        o["clinfo"] = c.clinfo;
        for (const auto& info : kClientLists) o[info.section] = ListJson(c.*(info.list));
        j["clients"].push_back(o);
    }
    j["phones"] = ojson::array();
    for (const auto& p : doc.phones) j["phones"].push_back(p);
    j["notes"] = doc.notes;
    j["ReportsReady"] = doc.ReportsReady;
    j["MonthEndDue"] = doc.MonthEndDue;
    return j;
}

namespace {

// Writes JSON as the library prints it with an indent of two blanks, into a
// buffer that is handed to the sink (when there is one) as it fills.
class PrettyJson {
public:
    explicit PrettyJson(std::ostream* sink, std::size_t room) : sink_(sink) { buf_.resize(room); }

    // What was written, when there is no sink; what is left for it when there is.
    std::string Take() {
        buf_.resize(used_);
        used_ = 0;
        return std::move(buf_);
    }

    void Open(char bracket) {
        Put(&bracket, 1);
        first_.push_back(true);
    }
    void Close(char bracket) {
        const bool empty = first_.back();
        first_.pop_back();
        if (!empty) NewLine();
        Put(&bracket, 1);
    }
    // The next element of the array or object open now.
    void Next() {
        if (!first_.back()) Put(",", 1);
        first_.back() = false;
        NewLine();
    }
    void Key(std::string_view key) {
        Next();
        String(key);
        Put(": ", 2);
    }
    void String(std::string_view s) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(s.data());
        const unsigned char* const end = p + s.size();
        // An escape is at most six characters for one.
        char* const start = Room(6 * s.size() + 2);
        char* o = start;
        *o++ = '"';
        while (p < end) {
#if defined(__SSE2__)
            if (end - p >= 16) {
                const Run run = Sixteen(p, o);
                if (run == Run::Invalid) return Replaced(s);
                if (run == Run::Copied) continue;
            }
#endif
            if (*p < 0x80) {
                Char(*p++, o);
                continue;
            }
            std::uint32_t length = 0;
            const std::size_t at =
                static_cast<std::size_t>(p - reinterpret_cast<const unsigned char*>(s.data()));
            for (std::size_t len = 2; len <= 4 && length == 0; ++len)
                if (at + len <= s.size() && IsValidUtf8(s.substr(at, len)))
                    length = static_cast<std::uint32_t>(len);
            if (length == 0) return Replaced(s);
            std::memcpy(o, p, length);
            o += length;
            p += length;
        }
        *o++ = '"';
        used_ += static_cast<std::size_t>(o - start);
    }
    template <class T>
    void Number(T value) {
        const std::string text = nlohmann::ordered_json(value).dump();
        Put(text.data(), text.size());
    }
    void Bool(bool value) {
        value ? Put("true", 4) : Put("false", 5);
    }
    // A member of the object open now.
    void Member(std::string_view key, const std::string& value) {
        Key(key);
        String(value);
    }
    void Member(std::string_view key, bool value) {
        Key(key);
        Bool(value);
    }
    template <class T>
    void Member(std::string_view key, T number) {
        Key(key);
        Number(number);
    }

private:
#if defined(__SSE2__)
    enum class Run { Copied, Longer, Invalid };
    // Sixteen bytes at once: ASCII and two-byte characters (as Cyrillic
    // letters are) are copied up to the first character that needs an escape
    // (below a blank, a quote, a backslash), which is written too. Longer:
    // a character of three or four bytes comes first and nothing was done.
    static Run Sixteen(const unsigned char*& p, char*& o) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const auto bits = [](__m128i m) { return static_cast<unsigned>(_mm_movemask_epi8(m)); };
        const auto bytes = [](int b) { return _mm_set1_epi8(static_cast<char>(b)); };
        const unsigned high = bits(v);
        const unsigned escapes = (bits(_mm_cmplt_epi8(v, bytes(0x20))) & ~high) |
                                 bits(_mm_cmpeq_epi8(v, bytes('"'))) |
                                 bits(_mm_cmpeq_epi8(v, bytes('\\')));
        unsigned lead = 0;
        if (high != 0) {
            const unsigned cont = bits(_mm_cmpeq_epi8(_mm_and_si128(v, bytes(0xC0)), bytes(0x80)));
            lead = bits(_mm_cmpeq_epi8(_mm_and_si128(v, bytes(0xE0)), bytes(0xC0))) &
                   ~bits(_mm_cmpeq_epi8(_mm_and_si128(v, bytes(0x1E)), _mm_setzero_si128()));
            if ((high & ~cont & ~lead) != 0) return Run::Longer;
            // Each lead byte followed by a continuation byte, and each of
            // those after a lead.
            if (cont != ((lead << 1) & 0xFFFFu)) return Run::Invalid;
        }
        // A lead in the last byte goes with the next sixteen.
        const unsigned take = escapes != 0 ? static_cast<unsigned>(__builtin_ctz(escapes))
                              : (lead & 0x8000u) != 0 ? 15u
                                                      : 16u;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o), v);
        o += take;
        p += take;
        if (escapes != 0) Char(*p++, o);
        return Run::Copied;
    }
#endif
    // Invalid UTF-8: what to replace and how is the library's business.
    void Replaced(std::string_view s) {
        const std::string replaced =
            nlohmann::ordered_json(std::string(s))
                .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        Put(replaced.data(), replaced.size());
    }
    static void Char(unsigned char c, char*& o) {
        if (c >= 0x20 && c != '"' && c != '\\') {
            *o++ = static_cast<char>(c);
            return;
        }
        *o++ = '\\';
        switch (c) {
            case '"':
                *o++ = '"';
                break;
            case '\\':
                *o++ = '\\';
                break;
            case '\b':
                *o++ = 'b';
                break;
            case '\f':
                *o++ = 'f';
                break;
            case '\n':
                *o++ = 'n';
                break;
            case '\r':
                *o++ = 'r';
                break;
            case '\t':
                *o++ = 't';
                break;
            default: {
                static const char hex[] = "0123456789abcdef";
                *o++ = 'u';
                *o++ = '0';
                *o++ = '0';
                *o++ = hex[c >> 4];
                *o++ = hex[c & 15];
            }
        }
    }
    // Room for n more characters at the end of what is written.
    char* Room(std::size_t n) {
        if (used_ + n > buf_.size()) {
            if (sink_) {
                sink_->write(buf_.data(), static_cast<std::streamsize>(used_));
                used_ = 0;
            }
            if (used_ + n > buf_.size()) buf_.resize(std::max(used_ + n, 2 * buf_.size()));
        }
        return buf_.data() + used_;
    }
    void Put(const char* s, std::size_t n) {
        std::memcpy(Room(n), s, n);
        used_ += n;
    }
    void NewLine() {
        const std::size_t n = 1 + 2 * first_.size();
        char* o = Room(n);
        *o = '\n';
        std::memset(o + 1, ' ', n - 1);
        used_ += n;
    }

    std::ostream* sink_;
    std::string buf_;
    std::size_t used_ = 0;
    std::vector<bool> first_;
};

template <std::size_t N>
void ListText(PrettyJson& j, const char* key, const std::array<std::string, N>& list) {
    j.Key(key);
    j.Open('[');
    for (const auto& e : list) {
        j.Next();
        j.String(e);
    }
    j.Close(']');
}

void WriteJson(PrettyJson& j, const BudgetFile& doc);

}  // namespace

std::string DocumentJsonText(const BudgetFile& doc) {
    PrettyJson j(nullptr, std::size_t{1} << 21);
    WriteJson(j, doc);
    return j.Take();
}

void WriteDocumentJson(const BudgetFile& doc, std::ostream& sink) {
    PrettyJson j(&sink, std::size_t{1} << 16);
    WriteJson(j, doc);
    const std::string rest = j.Take();
    sink.write(rest.data(), static_cast<std::streamsize>(rest.size()));
}

namespace {

void WriteJson(PrettyJson& j, const BudgetFile& doc) {
    j.Open('{');
    j.Member("name", doc.name);
    j.Member("pass", doc.pass);
    j.Key("units");
    j.Open('[');
    for (const auto& u : doc.Units) {
        j.Next();
        j.Open('{');
        j.Member("cap", u.cap);
        j.Member("short", u.short_);
        j.Close('}');
    }
    j.Close(']');
    j.Member("sostkol", doc.sostkol);
    j.Member("clientkol", doc.clientkol);
    j.Key("sosts");
    j.Open('[');
    for (int i = 1; i <= doc.sostkol; ++i) {
        const SostRecord& s = doc.Sost(i);
        j.Next();
        j.Open('{');
        j.Member("sostname", s.sostname);
        j.Member("bal", s.bal);
        j.Member("ienum", s.ienum);
        for (const auto& info : kSostLists) ListText(j, info.section, s.*(info.list));
        j.Close('}');
    }
    j.Close(']');
    j.Key("clients");
    j.Open('[');
    for (int i = 1; i <= doc.clientkol; ++i) {
        const ClientRecord& c = doc.Client(i);
        j.Next();
        j.Open('{');
        j.Member("clientname", c.clientname);
        j.Member("ienum", c.ienum);
        j.Member("reput", c.reput);
        j.Member("clinfo", c.clinfo);
        for (const auto& info : kClientLists) ListText(j, info.section, c.*(info.list));
        j.Close('}');
    }
    j.Close(']');
    ListText(j, "phones", doc.phones);
    j.Member("notes", doc.notes);
    j.Member("ReportsReady", doc.ReportsReady);
    j.Member("MonthEndDue", doc.MonthEndDue);
    j.Close('}');
}

}  // namespace

bool DocumentFromJson(WholeFile text, const Date& today, BudgetFile& d, std::string& problem) {
    JsonDocument json;
    const bool parsed = json.Parse(std::move(text));
    if (json.CutShort()) {
        problem = "файл изменила другая программа, пока он читался";
        return false;
    }
    if (!parsed || !json.Root().IsObject()) {
        problem = "это не объект JSON";
        return false;
    }
    const JsonValue& j = json.Root();
    FillNewDocumentDefaults(d);
    d.LastDate = today;
    Reader r;
    bool ok = r.Text(j, "name", d.name) && r.Int(j, "sostkol", d.sostkol, 1, kMaxSosts) &&
              r.Int(j, "clientkol", d.clientkol, 0, kMaxClients) && r.List(j, "phones", d.phones) &&
              r.Text(j, "notes", d.notes, true);
    if (const JsonValue* units = j.Find("units"); ok && units) {
        if (!units->IsArray() || units->Size() > kUnitCount) {
            ok = r.Fail("поле units должно быть списком из не более чем 3 элементов");
        } else {
            for (std::size_t k = 0; ok && k < units->Size(); ++k) {
                const JsonValue& unit = (*units)[k];
                ok = unit.IsObject() ? r.Text(unit, "cap", d.Units[k].cap) &&
                                           r.Text(unit, "short", d.Units[k].short_)
                                     : r.Fail("элемент units должен быть объектом");
            }
        }
    }
    auto records = [&](const char* key, std::size_t max, auto&& one) {
        const JsonValue* a = j.Find(key);
        if (!ok || !a) return;
        if (!a->IsArray() || a->Size() > max) {
            ok = r.Fail(std::string("поле ") + key + " должно быть списком не длиннее " +
                        std::to_string(max));
            return;
        }
        for (std::size_t i = 0; ok && i < a->Size(); ++i)
            ok = (*a)[i].IsObject()
                     ? one((*a)[i], i)
                     : r.Fail(std::string("элемент ") + key + " должен быть объектом");
    };
    records("sosts", kMaxSosts, [&](const JsonValue& o, std::size_t i) {
        SostRecord& s = d.Sosts[i];
        if (const JsonValue* bal = o.Find("bal")) {
            if (!bal->IsNumber()) return r.Fail("поле bal должно быть числом");
            s.bal = bal->Number();
        }
        bool good = r.Text(o, "sostname", s.sostname) && r.Int(o, "ienum", s.ienum, 1, kUnitCount);
        for (const auto& info : kSostLists) good = good && r.List(o, info.section, s.*(info.list));
        return good;
    });
    records("clients", kMaxClients, [&](const JsonValue& o, std::size_t i) {
        ClientRecord& c = d.Clients[i];
        bool good =
            r.Text(o, "clientname", c.clientname) && r.Int(o, "ienum", c.ienum, 1, kUnitCount) &&
            r.Int(o, "reput", c.reput, -32768, 32767) && r.Text(o, "clinfo", c.clinfo, true);
        for (const auto& info : kClientLists)
            good = good && r.List(o, info.section, c.*(info.list));
        return good;
    });
    const JsonValue* sosts = j.Find("sosts");
    const JsonValue* clients = j.Find("clients");
    if (ok && !j.Find("sostkol") && sosts && sosts->IsArray())
        d.sostkol = std::max<int>(1, static_cast<int>(sosts->Size()));
    if (ok && !j.Find("clientkol") && clients && clients->IsArray())
        d.clientkol = static_cast<int>(clients->Size());
    if (!ok) {
        problem = r.problem;
        return false;
    }
    return true;
}

}  // namespace kz::cli
