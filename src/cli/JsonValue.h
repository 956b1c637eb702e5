#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/WholeFile.h"

namespace kz::cli {

class JsonDocument;

// One value of a JSON text read by JsonDocument. It lives as long as the
// document: texts point into the document's room for them, the items of an
// array or object into its list of values.
class JsonValue {
public:
    enum class Kind : std::uint8_t { Null, Bool, Integer, Unsigned, Float, String, Array, Object };

    Kind kind() const { return static_cast<Kind>(kind_); }
    bool IsObject() const { return kind() == Kind::Object; }
    bool IsArray() const { return kind() == Kind::Array; }
    bool IsString() const { return kind() == Kind::String; }
    bool IsInteger() const { return kind() == Kind::Integer || kind() == Kind::Unsigned; }
    bool IsNumber() const { return IsInteger() || kind() == Kind::Float; }

    std::string_view Text() const { return {text_, static_cast<std::size_t>(size_)}; }
    // A string whose every character Windows-1251 holds (found while it was
    // read, so that a text is looked at once).
    bool InCodePage() const { return inCodePage_; }
    // A string holding a CR or LF (which only an escape can give).
    bool HasLineBreak() const { return lineBreak_; }
    bool Boolean() const { return integer_ != 0; }
    long long Integer() const { return integer_; }
    unsigned long long Unsigned() const { return static_cast<unsigned long long>(integer_); }
    // Any number as a double.
    double Number() const;

    // Items of an array, values of an object's members (in the order of the
    // text).
    std::size_t Size() const {
        return IsArray() || IsObject() ? static_cast<std::size_t>(size_) : 0;
    }
    const JsonValue& operator[](std::size_t i) const { return items_[i * Stride() + Stride() - 1]; }
    // The key of an object's member.
    std::string_view KeyAt(std::size_t i) const { return items_[2 * i].Text(); }
    // The value of the member of an object with that key (the last one), or
    // nullptr.
    const JsonValue* Find(std::string_view key) const;

private:
    friend class JsonParser;
    friend class JsonDocument;
    // An object holds its members as a key (a string) and a value each.
    std::size_t Stride() const { return IsObject() ? 2 : 1; }

    // Sixteen bytes a value: a document has some twenty thousand.
    std::uint64_t kind_ : 8 = 0;
    std::uint64_t inCodePage_ : 1 = 0;
    std::uint64_t lineBreak_ : 1 = 0;
    std::uint64_t size_ : 54 = 0;  // bytes of a text, items or members of a container
    union {
        long long integer_ = 0;  // also bool and unsigned
        double float_;
        const char* text_;
        const JsonValue* items_;
        std::size_t first_;  // where the items start, until the list is complete
    };
};

// A JSON text read into values, as the write command needs it: strict JSON
// (RFC 8259, UTF-8, an optional byte order mark, a NUL byte ending the text),
// with the last of two equal keys winning.
class JsonDocument {
public:
    // Keeps the text while its values live. False when the text is not JSON
    // (or nests deeper than a document ever could, 1000 levels).
    bool Parse(WholeFile text);
    bool Parse(std::string text) { return Parse(WholeFile(std::move(text))); }
    const JsonValue& Root() const { return root_; }
    // The file was cut short by another program while it was read.
    bool CutShort() const { return text_.CutShort(); }

private:
    WholeFile text_;
    // The strings, their escapes read, side by side.
    std::unique_ptr<char[]> texts_;
    std::vector<JsonValue> values_;
    JsonValue root_;
};

}  // namespace kz::cli
