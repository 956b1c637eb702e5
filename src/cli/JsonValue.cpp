#include "cli/JsonValue.h"

#include <locale.h>

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/Cp1251.h"

namespace kz::cli {

double JsonValue::Number() const {
    switch (kind_) {
        case Kind::Integer:
            return static_cast<double>(integer_);
        case Kind::Unsigned:
            return static_cast<double>(Unsigned());
        default:
            return float_;
    }
}

const JsonValue* JsonValue::Find(std::string_view key) const {
    if (kind_ != Kind::Object || !children_) return nullptr;
    for (std::size_t i = children_->size(); i >= 2; i -= 2)
        if ((*children_)[i - 2].text_ == key) return &(*children_)[i - 1];
    return nullptr;
}

class JsonParser {
public:
    // A text never grows when read (an escape is longer than what it
    // stands for), so one room as long as the JSON holds any text of it.
    explicit JsonParser(std::string_view text)
        : p_(text.data()), end_(text.data() + text.size()), room_(new char[text.size() + 1]) {}

    bool Document(JsonValue& out) {
        // A byte order mark is skipped, as the JSON library did.
        if (end_ - p_ >= 3 && std::memcmp(p_, "\xEF\xBB\xBF", 3) == 0) p_ += 3;
        if (!Value(out, 0)) return false;
        Space();
        // A NUL byte ends the text, as it did for the JSON library.
        return p_ == end_ || *p_ == '\0';
    }

private:
    static constexpr int kMaxDepth = 1000;

    void Space() {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\n' || *p_ == '\r')) ++p_;
    }
    bool Literal(std::string_view word) {
        if (static_cast<std::size_t>(end_ - p_) < word.size() ||
            std::memcmp(p_, word.data(), word.size()) != 0)
            return false;
        p_ += word.size();
        return true;
    }

    bool Value(JsonValue& v, int depth) {
        Space();
        if (p_ == end_ || depth > kMaxDepth) return false;
        switch (*p_) {
            case '{':
                return Object(v, depth);
            case '[':
                return Array(v, depth);
            case '"':
                return String(v);
            case 't':
                v.kind_ = JsonValue::Kind::Bool;
                v.integer_ = 1;
                return Literal("true");
            case 'f':
                v.kind_ = JsonValue::Kind::Bool;
                return Literal("false");
            case 'n':
                return Literal("null");
            default:
                return Number(v);
        }
    }

    bool Object(JsonValue& v, int depth) {
        v.kind_ = JsonValue::Kind::Object;
        v.children_ = std::make_unique<std::vector<JsonValue>>();
        ++p_;
        Space();
        if (p_ < end_ && *p_ == '}') {
            ++p_;
            return true;
        }
        for (;;) {
            Space();
            if (p_ == end_ || *p_ != '"') return false;
            JsonValue& key = v.children_->emplace_back();
            if (!String(key)) return false;
            Space();
            if (p_ == end_ || *p_++ != ':') return false;
            if (!Value(v.children_->emplace_back(), depth + 1)) return false;
            Space();
            if (p_ == end_) return false;
            const char c = *p_++;
            if (c == '}') return true;
            if (c != ',') return false;
        }
    }

    bool Array(JsonValue& v, int depth) {
        v.kind_ = JsonValue::Kind::Array;
        v.children_ = std::make_unique<std::vector<JsonValue>>();
        ++p_;
        Space();
        if (p_ < end_ && *p_ == ']') {
            ++p_;
            return true;
        }
        for (;;) {
            if (!Value(v.children_->emplace_back(), depth + 1)) return false;
            Space();
            if (p_ == end_) return false;
            const char c = *p_++;
            if (c == ']') return true;
            if (c != ',') return false;
        }
    }

    // The characters up to the next quote, backslash or control character.
    const char* PlainRun(const char* p) const {
#if defined(__SSE2__)
        const __m128i quote = _mm_set1_epi8('"'), slash = _mm_set1_epi8('\\'),
                      control = _mm_set1_epi8(0x1F);
        for (; end_ - p >= 16; p += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i stop =
                _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, quote), _mm_cmpeq_epi8(v, slash)),
                             _mm_cmpeq_epi8(_mm_max_epu8(v, control), control));
            const unsigned bits = static_cast<unsigned>(_mm_movemask_epi8(stop));
            if (bits != 0) return p + __builtin_ctz(bits);
        }
#endif
        while (p < end_ && *p != '"' && *p != '\\' && static_cast<unsigned char>(*p) >= 0x20) ++p;
        return p;
    }

    bool String(JsonValue& v) {
        v.kind_ = JsonValue::Kind::String;
        ++p_;  // the opening quote
        // Built in the room kept from text to text, and copied once.
        char* o = room_.get();
        for (;;) {
            const char* const run = PlainRun(p_);
            std::memcpy(o, p_, static_cast<std::size_t>(run - p_));
            o += run - p_;
            p_ = run;
            if (p_ == end_ || static_cast<unsigned char>(*p_) < 0x20) return false;
            if (*p_++ == '"') break;
            if (!Escape(o)) return false;
        }
        const std::string_view text(room_.get(), static_cast<std::size_t>(o - room_.get()));
        // An escape gives whole characters: the text is valid UTF-8 exactly
        // when what stood between them was. A text the code page holds is
        // valid UTF-8, and the data file needs to know that anyway.
        v.inCodePage_ = IsCp1251Representable(text);
        if (!v.inCodePage_ && !IsValidUtf8(text)) return false;
        v.text_.assign(text);
        return true;
    }

    bool Hex4(unsigned& value) {
        if (end_ - p_ < 4) return false;
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = *p_++;
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= static_cast<unsigned>(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }

    bool Escape(char*& o) {
        if (p_ == end_) return false;
        switch (*p_++) {
            case '"':
                *o++ = '"';
                return true;
            case '\\':
                *o++ = '\\';
                return true;
            case '/':
                *o++ = '/';
                return true;
            case 'b':
                *o++ = '\b';
                return true;
            case 'f':
                *o++ = '\f';
                return true;
            case 'n':
                *o++ = '\n';
                return true;
            case 'r':
                *o++ = '\r';
                return true;
            case 't':
                *o++ = '\t';
                return true;
            case 'u':
                break;
            default:
                return false;
        }
        unsigned cp = 0;
        if (!Hex4(cp)) return false;
        if (cp >= 0xDC00 && cp <= 0xDFFF) return false;  // a second half alone
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            unsigned low = 0;
            if (end_ - p_ < 2 || p_[0] != '\\' || p_[1] != 'u') return false;
            p_ += 2;
            if (!Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        if (cp < 0x80) {
            *o++ = static_cast<char>(cp);
        } else if (cp < 0x800) {
            *o++ = static_cast<char>(0xC0 | (cp >> 6));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *o++ = static_cast<char>(0xE0 | (cp >> 12));
            *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *o++ = static_cast<char>(0xF0 | (cp >> 18));
            *o++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
        return true;
    }

    bool Digits() {
        const char* const first = p_;
        while (p_ < end_ && *p_ >= '0' && *p_ <= '9') ++p_;
        return p_ != first;
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)? ; an integer that does
    // not fit 64 bits is a floating-point number, as the JSON library had it.
    bool Number(JsonValue& v) {
        const char* const first = p_;
        if (*p_ == '-') ++p_;
        if (p_ == end_) return false;
        if (*p_ == '0') {
            ++p_;
        } else if (!Digits()) {
            return false;
        }
        bool integer = true;
        if (p_ < end_ && *p_ == '.') {
            ++p_;
            if (!Digits()) return false;
            integer = false;
        }
        if (p_ < end_ && (*p_ == 'e' || *p_ == 'E')) {
            ++p_;
            if (p_ < end_ && (*p_ == '+' || *p_ == '-')) ++p_;
            if (!Digits()) return false;
            integer = false;
        }
        if (integer) {
            if (*first == '-') {
                long long n = 0;
                if (std::from_chars(first, p_, n).ec == std::errc()) {
                    v.kind_ = JsonValue::Kind::Integer;
                    v.integer_ = n;
                    return true;
                }
            } else {
                unsigned long long n = 0;
                if (std::from_chars(first, p_, n).ec == std::errc()) {
                    v.kind_ = JsonValue::Kind::Unsigned;
                    v.integer_ = static_cast<long long>(n);
                    return true;
                }
            }
        }
        // strtod's rounding (zero below the range), in the "C" locale
        // whatever the program's; beyond the range is no number.
        static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        const std::string token(first, p_);
        v.kind_ = JsonValue::Kind::Float;
        v.float_ = ::strtod_l(token.c_str(), nullptr, c);
        return !std::isinf(v.float_);
    }

    const char* p_;
    const char* const end_;
    std::unique_ptr<char[]> room_;
};

bool JsonValue::Parse(std::string_view text, JsonValue& out) {
    out = JsonValue();
    JsonParser parser(text);
    return parser.Document(out);
}

}  // namespace kz::cli
