#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Platform.h"

namespace kz {

// A sectioned text file ("[section]" headers, "key=value" lines) read for
// lookups. The file is decoded and indexed once; every lookup returns exactly
// what a scan from the top of the file would: section headers and keys are
// matched without regard to letter case, the first match wins, a key is
// only found inside its own section, and the unnamed section ends at the
// first header.
class IniFile {
public:
    // Reads the file (Windows-1251). Shows "Ошибка при открытии служебного
    // файла." and returns false when it cannot be read.
    bool Open(Platform& ui, const std::string& path);
    // Takes text that is already decoded (UTF-8).
    void Load(std::string utf8Text);
    void Close();

    // The value of `key` in `section` ("" is the unnamed section), or an empty
    // text when there is none.
    std::string Value(std::string_view section, std::string_view key) const;
    // The free text of a section, its lines joined by CR LF; a repeated header
    // adds its lines. A header on the last line shows "Ошибка при загрузке
    // данных!" and gives an empty text.
    std::string Section(Platform& ui, std::string_view section) const;

    std::size_t LineCount() const { return lines_.size(); }

private:
    using KeyMap = std::unordered_map<std::string, std::string_view>;
    const KeyMap& KeysFrom(std::size_t firstLine) const;

    std::string text_;
    std::vector<std::string_view> lines_;
    // Lower-case section name -> line after its first header.
    std::unordered_map<std::string, std::size_t> sections_;
    mutable std::unordered_map<std::size_t, KeyMap> keys_;
};

}  // namespace kz
