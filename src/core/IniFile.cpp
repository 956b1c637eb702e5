#include "core/IniFile.h"

#include "core/Cp1251.h"
#include "core/Files.h"
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

bool IniFile::Open(Platform& ui, const std::string& path) {
    Close();
    std::string bytes;
    int err = 0;
    if (path.empty() || !ReadWholeFile(path, bytes, err)) {
        ui.MessageBox("Ошибка при открытии служебного файла.", Icon::Information);
        return false;
    }
    Load(Cp1251ToUtf8(bytes));
    return true;
}

void IniFile::Close() {
    keys_.clear();
    sections_.clear();
    lines_.clear();
    text_.clear();
}

void IniFile::Load(std::string utf8Text) {
    Close();
    text_ = std::move(utf8Text);
    ForEachLine(std::string_view(text_), [&](std::string_view line) { lines_.push_back(line); });
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view line = lines_[i];
        if (line.empty() || line[0] != '[') continue;
        // A header "[name]..." matches every section whose name followed by
        // "]" starts the line.
        const std::size_t limit = std::min(line.size(), kMaxNameLength + 2);
        for (std::size_t p = 1; p < limit; ++p) {
            if (line[p] == ']') sections_.try_emplace(AsciiLower(line.substr(1, p - 1)), i + 1);
        }
    }
}

const IniFile::KeyMap& IniFile::KeysFrom(std::size_t firstLine) const {
    auto it = keys_.find(firstLine);
    if (it != keys_.end()) return it->second;
    KeyMap& map = keys_[firstLine];
    for (std::size_t i = firstLine; i < lines_.size(); ++i) {
        std::string_view line = lines_[i];
        if (!line.empty() && line[0] == '[') break;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || eq > kMaxNameLength) continue;
        map.try_emplace(AsciiLower(line.substr(0, eq)), line.substr(eq + 1));
    }
    return map;
}

std::string IniFile::Value(std::string_view section, std::string_view key) const {
    std::size_t first = 0;
    if (!section.empty()) {
        auto it = sections_.find(AsciiLower(section));
        if (it == sections_.end()) return {};
        first = it->second;
    }
    const KeyMap& keys = KeysFrom(first);
    auto k = keys.find(AsciiLower(key));
    return k == keys.end() ? std::string() : std::string(k->second);
}

std::string IniFile::Section(Platform& ui, std::string_view section) const {
    const std::string header = "[" + AsciiLower(section) + "]";
    std::string text;
    std::size_t i = 0;
    while (i < lines_.size()) {
        std::string_view line = lines_[i++];
        if (line.size() != header.size() || AsciiLower(line) != header) continue;
        if (i >= lines_.size()) {
            ui.MessageBox("Ошибка при загрузке данных!", Icon::Critical);
            return {};
        }
        // The line that ends the text is consumed with it, as a scan that
        // reads on from there would.
        while (i < lines_.size()) {
            line = lines_[i++];
            if (!line.empty() && line[0] == '[') break;
            if (!text.empty()) text += "\r\n";
            text += line;
        }
    }
    return text;
}

}  // namespace kz
