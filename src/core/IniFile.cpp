#include "core/IniFile.h"

#include <algorithm>

#include "core/Cp1251.h"
#include "core/Text.h"

namespace kz {

namespace {

// Lookups name sections and keys of a few ASCII characters; longer names in
// a header are not indexed, so that a hostile header line of many "]" cannot
// make the index grow with the square of its length.
constexpr std::size_t kMaxNameLength = 64;

std::string AsciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

}  // namespace

void IniFile::Close() {
    keys_.clear();
    headers_.clear();
    sections_.clear();
    text_.Release();
    cp1251_ = false;
}

void IniFile::Load(std::string utf8Text) {
    Close();
    text_ = WholeFile(std::move(utf8Text));
    Index();
}

// Section and key names are ASCII, and no byte of a Windows-1251 character
// beyond ASCII is one of "[", "]", "=", CR or LF in either encoding: the
// index of the raw bytes is the index of the decoded text.
void IniFile::LoadCp1251(WholeFile bytes) {
    Close();
    text_ = std::move(bytes);
    cp1251_ = true;
    Index();
}

std::string IniFile::Decoded(std::string_view raw) const {
    return cp1251_ ? Cp1251ToUtf8(raw) : std::string(raw);
}

namespace {

// The line that starts at `pos`, moving `pos` to the start of the next one,
// as ForEachLine splits a text; false after the last line.
bool NextLine(std::string_view text, std::size_t& pos, std::string_view& line) {
    if (pos >= text.size()) return false;
    const std::size_t end = LineBreakAt(text, pos);
    line = text.substr(pos, end - pos);
    pos = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
    return true;
}

}  // namespace

void IniFile::Index() {
    const std::string_view text = text_.Bytes();
    // A "[" that starts a line starts a header: it follows a CR or an LF.
    for (std::size_t at = 0; (at = text.find('[', at)) != std::string_view::npos; ++at) {
        if (at > 0 && text[at - 1] != '\r' && text[at - 1] != '\n') continue;
        headers_.push_back(at);
        std::size_t next = at;
        std::string_view line;
        NextLine(text, next, line);
        // A header "[name]..." matches every section whose name followed by
        // "]" starts the line.
        const std::size_t limit = std::min(line.size(), kMaxNameLength + 2);
        for (std::size_t p = 1; p < limit; ++p) {
            if (line[p] == ']') sections_.try_emplace(AsciiLower(line.substr(1, p - 1)), next);
        }
    }
}

const IniFile::KeyMap& IniFile::KeysFrom(std::size_t first) const {
    auto it = keys_.find(first);
    if (it != keys_.end()) return it->second;
    KeyMap& map = keys_[first];
    std::string_view line;
    for (std::size_t pos = first; NextLine(text_.Bytes(), pos, line);) {
        if (!line.empty() && line[0] == '[') break;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || eq > kMaxNameLength) continue;
        map.try_emplace(AsciiLower(line.substr(0, eq)), line.substr(eq + 1));
    }
    return map;
}

bool IniFile::FirstLineOf(std::string_view section, std::size_t& first) const {
    first = 0;
    if (section.empty()) return true;
    auto it = sections_.find(AsciiLower(section));
    if (it == sections_.end()) return false;
    first = it->second;
    return true;
}

std::string IniFile::Value(std::string_view section, std::string_view key) const {
    std::size_t first = 0;
    if (!FirstLineOf(section, first)) return {};
    const KeyMap& keys = KeysFrom(first);
    auto k = keys.find(AsciiLower(key));
    return k == keys.end() ? std::string() : Decoded(k->second);
}

void IniFile::NumberedValues(std::string_view section, std::string_view prefix, std::string* out,
                             std::size_t count) const {
    for (std::size_t i = 0; i < count; ++i) out[i].clear();
    std::size_t first = 0;
    if (!FirstLineOf(section, first)) return;
    std::vector<bool> found(count);
    std::string_view line;
    for (std::size_t pos = first; NextLine(text_.Bytes(), pos, line);) {
        if (!line.empty() && line[0] == '[') break;
        // The key is what precedes the first "=": the prefix in any letter
        // case and a number without leading zeros.
        std::size_t eq = 0;
        const std::size_t scan = std::min(line.size(), kMaxNameLength + 1);
        while (eq < scan && line[eq] != '=') ++eq;
        if (eq == scan || eq <= prefix.size() || line[prefix.size()] == '0') continue;
        bool match = true;
        for (std::size_t c = 0; c < prefix.size() && match; ++c) {
            char ch = line[c];
            if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
            match = ch == prefix[c];
        }
        std::size_t n = 0;
        for (std::size_t c = prefix.size(); c < eq && match; ++c) {
            match = line[c] >= '0' && line[c] <= '9' && n <= count;
            n = n * 10 + static_cast<std::size_t>(line[c] - '0');
        }
        if (!match || n < 1 || n > count || found[n - 1]) continue;
        found[n - 1] = true;
        out[n - 1] = Decoded(line.substr(eq + 1));
    }
}

std::string IniFile::Section(Platform& ui, std::string_view section) const {
    const std::string header = "[" + AsciiLower(section) + "]";
    std::string text;
    std::string_view line;
    // Only header lines can start a text; the line that ends one is consumed
    // with it, as a scan that reads on from there would.
    std::size_t resume = 0;
    for (const std::size_t at : headers_) {
        if (at < resume) continue;
        std::size_t pos = at;
        NextLine(text_.Bytes(), pos, line);
        if (line.size() != header.size() || AsciiLower(line) != header) continue;
        if (pos >= text_.Bytes().size()) {
            ui.MessageBox("Ошибка при загрузке данных!", Icon::Critical);
            return {};
        }
        while (NextLine(text_.Bytes(), pos, line)) {
            if (!line.empty() && line[0] == '[') break;
            if (!text.empty()) text += "\r\n";
            text += line;
        }
        resume = pos;
    }
    return Decoded(text);
}

}  // namespace kz
