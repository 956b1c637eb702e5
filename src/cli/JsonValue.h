#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kz::cli {

// A JSON text read into values, as the write command needs it: strict JSON
// (RFC 8259, UTF-8, an optional byte order mark, a NUL byte ending the text),
// with the last of two equal keys winning.
class JsonValue {
public:
    enum class Kind { Null, Bool, Integer, Unsigned, Float, String, Array, Object };

    // False when the text is not JSON (or nests deeper than a document ever
    // could, 1000 levels).
    static bool Parse(std::string_view text, JsonValue& out);

    Kind kind() const { return kind_; }
    bool IsObject() const { return kind_ == Kind::Object; }
    bool IsArray() const { return kind_ == Kind::Array; }
    bool IsString() const { return kind_ == Kind::String; }
    bool IsInteger() const { return kind_ == Kind::Integer || kind_ == Kind::Unsigned; }
    bool IsNumber() const { return IsInteger() || kind_ == Kind::Float; }

    const std::string& Text() const { return text_; }
    // A string whose every character Windows-1251 holds (found while it was
    // read, so that a text is looked at once).
    bool InCodePage() const { return inCodePage_; }
    // The text, to be taken away (the value is not needed any more).
    std::string& TextToTake() { return text_; }
    bool Boolean() const { return integer_ != 0; }
    long long Integer() const { return integer_; }
    unsigned long long Unsigned() const { return static_cast<unsigned long long>(integer_); }
    // Any number as a double.
    double Number() const;

    // Items of an array, values of an object's members (in the order of the
    // text).
    std::size_t Size() const { return children_ ? children_->size() / Stride() : 0; }
    const JsonValue& operator[](std::size_t i) const {
        return (*children_)[i * Stride() + Stride() - 1];
    }
    JsonValue& operator[](std::size_t i) { return (*children_)[i * Stride() + Stride() - 1]; }
    // The key of an object's member.
    const std::string& KeyAt(std::size_t i) const { return (*children_)[2 * i].text_; }
    // The value of the member of an object with that key (the last one), or
    // nullptr.
    const JsonValue* Find(std::string_view key) const;
    JsonValue* Find(std::string_view key) {
        return const_cast<JsonValue*>(static_cast<const JsonValue&>(*this).Find(key));
    }

private:
    friend class JsonParser;
    // An object holds its members as a key (a string) and a value each.
    std::size_t Stride() const { return kind_ == Kind::Object ? 2 : 1; }

    Kind kind_ = Kind::Null;
    bool inCodePage_ = false;
    union {
        long long integer_ = 0;  // also bool and unsigned
        double float_;
    };
    std::string text_;
    std::unique_ptr<std::vector<JsonValue>> children_;
};

}  // namespace kz::cli
