#include "cli/DocumentJson.h"

#include "core/Cp1251.h"

namespace kz::cli {

using json = nlohmann::json;

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
    bool Text(const json& obj, const char* key, std::string& out, bool multiLine = false) {
        if (!obj.contains(key)) return true;
        const json& v = obj[key];
        if (!v.is_string()) return Fail(std::string("поле ") + key + " должно быть строкой");
        std::string s = v.get<std::string>();
        std::string bad;
        if (!IsCp1251Representable(s, &bad))
            return Fail(std::string("поле ") + key + " содержит символ «" + bad +
                        "», которого нет в кодировке Windows-1251");
        if (!multiLine && s.find_first_of("\r\n") != std::string::npos)
            return Fail(std::string("поле ") + key + " не может содержать переводы строк");
        if (multiLine) {
            // A line starting with "[" would end the text when the file is read.
            for (std::size_t p = 0; p < s.size(); ++p)
                if (s[p] == '[' && (p == 0 || s[p - 1] == '\n' || s[p - 1] == '\r'))
                    return Fail(std::string("строка поля ") + key + " не может начинаться с \"[\"");
        }
        out = std::move(s);
        return true;
    }

    bool Int(const json& obj, const char* key, int& out, int lo, int hi) {
        if (!obj.contains(key)) return true;
        const json& v = obj[key];
        if (!v.is_number_integer() || v.get<long long>() < lo || v.get<long long>() > hi)
            return Fail(std::string("поле ") + key + " должно быть целым числом от " +
                        std::to_string(lo) + " до " + std::to_string(hi));
        out = v.get<int>();
        return true;
    }

    template <std::size_t N>
    bool List(const json& obj, const char* key, std::array<std::string, N>& out) {
        if (!obj.contains(key)) return true;
        const json& v = obj[key];
        if (!v.is_array() || v.size() > N)
            return Fail(std::string("поле ") + key + " должно быть списком не длиннее " +
                        std::to_string(N));
        for (std::size_t i = 0; i < v.size(); ++i) {
            json item = json::object({{key, v[i]}});
            if (!Text(item, key, out[i])) return false;
        }
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
    for (const auto& u : doc.Units) j["units"].push_back(ojson{{"cap", u.cap}, {"short", u.short_}});
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

bool DocumentFromJson(const std::string& text, const Date& today, BudgetFile& doc,
                      std::string& problem) {
    json j = json::parse(text, nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
        problem = "это не объект JSON";
        return false;
    }
    BudgetFile d;
    FillNewDocumentDefaults(d);
    d.LastDate = today;
    Reader r;
    bool ok = r.Text(j, "name", d.name) && r.Int(j, "sostkol", d.sostkol, 1, kMaxSosts) &&
              r.Int(j, "clientkol", d.clientkol, 0, kMaxClients) && r.List(j, "phones", d.phones) &&
              r.Text(j, "notes", d.notes, true);
    if (ok && j.contains("units")) {
        const json& units = j["units"];
        if (!units.is_array() || units.size() > kUnitCount) {
            ok = r.Fail("поле units должно быть списком из не более чем 3 элементов");
        } else {
            for (std::size_t k = 0; ok && k < units.size(); ++k)
                ok = units[k].is_object() ? r.Text(units[k], "cap", d.Units[k].cap) &&
                                                r.Text(units[k], "short", d.Units[k].short_)
                                          : r.Fail("элемент units должен быть объектом");
        }
    }
    auto records = [&](const char* key, std::size_t max, auto&& one) {
        if (!ok || !j.contains(key)) return;
        const json& a = j[key];
        if (!a.is_array() || a.size() > max) {
            ok = r.Fail(std::string("поле ") + key + " должно быть списком не длиннее " +
                        std::to_string(max));
            return;
        }
        for (std::size_t i = 0; ok && i < a.size(); ++i)
            ok = a[i].is_object() ? one(a[i], i) : r.Fail(std::string("элемент ") + key +
                                                          " должен быть объектом");
    };
    records("sosts", kMaxSosts, [&](const json& o, std::size_t i) {
        SostRecord& s = d.Sosts[i];
        if (o.contains("bal")) {
            if (!o["bal"].is_number()) return r.Fail("поле bal должно быть числом");
            s.bal = o["bal"].get<double>();
        }
        bool good = r.Text(o, "sostname", s.sostname) && r.Int(o, "ienum", s.ienum, 1, kUnitCount);
        for (const auto& info : kSostLists) good = good && r.List(o, info.section, s.*(info.list));
        return good;
    });
    records("clients", kMaxClients, [&](const json& o, std::size_t i) {
        ClientRecord& c = d.Clients[i];
        bool good = r.Text(o, "clientname", c.clientname) &&
                    r.Int(o, "ienum", c.ienum, 1, kUnitCount) &&
                    r.Int(o, "reput", c.reput, -32768, 32767) && r.Text(o, "clinfo", c.clinfo, true);
        for (const auto& info : kClientLists) good = good && r.List(o, info.section, c.*(info.list));
        return good;
    });
    if (ok && !j.contains("sostkol") && j.contains("sosts") && j["sosts"].is_array())
        d.sostkol = std::max<int>(1, static_cast<int>(j["sosts"].size()));
    if (ok && !j.contains("clientkol") && j.contains("clients") && j["clients"].is_array())
        d.clientkol = static_cast<int>(j["clients"].size());
    if (!ok) {
        problem = r.problem;
        return false;
    }
    doc = std::move(d);
    return true;
}

}  // namespace kz::cli
