#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/WholeFile.h"
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
    // Takes text that is already decoded (UTF-8).
    void Load(std::string utf8Text);
    // Takes the bytes of a Windows-1251 file; what is looked up comes back
    // decoded (UTF-8).
    void LoadCp1251(WholeFile bytes);
    void Close();
    // The file was cut short by another program while it was read: what
    // was looked up cannot be trusted.
    bool CutShort() const { return text_.CutShort(); }

    // The value of `key` in `section` ("" is the unnamed section), or an empty
    // text when there is none.
    std::string Value(std::string_view section, std::string_view key) const;
    // The free text of a section, its lines joined by CR LF; a repeated header
    // adds its lines. A header on the last line shows "Ошибка при загрузке
    // данных!" and gives an empty text.
    std::string Section(Platform& ui, std::string_view section) const;
    // out[i] = Value(section, prefix + decimal(i + 1)) for i < count, all in
    // one pass over the section. `prefix` is lower-case ASCII.
    void NumberedValues(std::string_view section, std::string_view prefix, std::string* out,
                        std::size_t count) const;

private:
    using KeyMap = std::unordered_map<std::string, std::string_view>;
    // The keys of the lines from `first` (a line start) to the next header.
    const KeyMap& KeysFrom(std::size_t first) const;
    // Where a section's keys start (the line after its first header), or
    // false when it has none.
    bool FirstLineOf(std::string_view section, std::size_t& first) const;
    std::string Decoded(std::string_view raw) const;
    void Index();

    WholeFile text_;
    bool cp1251_ = false;
    std::vector<std::size_t> headers_;  // where the lines that begin with "[" start
    // Lower-case section name -> start of the line after its first header.
    std::unordered_map<std::string, std::size_t> sections_;
    mutable std::unordered_map<std::size_t, KeyMap> keys_;
};

}  // namespace kz
