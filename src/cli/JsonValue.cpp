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

static_assert(sizeof(JsonValue) == 16);

double JsonValue::Number() const {
    switch (kind()) {
        case Kind::Integer:
            return static_cast<double>(integer_);
        case Kind::Unsigned:
            return static_cast<double>(Unsigned());
        default:
            return float_;
    }
}

const JsonValue* JsonValue::Find(std::string_view key) const {
    if (!IsObject()) return nullptr;
    for (std::size_t i = Size(); i >= 1; --i)
        if (KeyAt(i - 1) == key) return &items_[2 * i - 1];
    return nullptr;
}

class JsonParser {
public:
    // A text never grows when read (an escape is longer than what it
    // stands for, and the quotes go): room of the size of the JSON holds
    // them all, each right after the one before.
    JsonParser(std::string_view text, char* texts, std::vector<JsonValue>& values)
        : p_(text.data()), end_(text.data() + text.size()), o_(texts), values_(values) {}

    bool Document(JsonValue& root) {
        const char* const texts = o_;
        // A byte order mark is skipped, as the JSON library did.
        if (end_ - p_ >= 3 && std::memcmp(p_, "\xEF\xBB\xBF", 3) == 0) p_ += 3;
        if (!Value(0)) return false;
        Space();
        // A NUL byte ends the text, as it did for the JSON library.
        if (p_ != end_ && *p_ != '\0') return false;
        // The texts looked at together: when all of them are Windows-1251
        // (and so valid UTF-8) and none begins inside a character, each one
        // is too. Otherwise each is looked at alone.
        const bool together = !cut_ && IsCp1251Representable(std::string_view(
                                           texts, static_cast<std::size_t>(o_ - texts)));
        const auto finish = [&](JsonValue& v) {
            if (v.IsArray() || v.IsObject()) {
                v.items_ = values_.data() + v.first_;
            } else if (v.IsString() && !together) {
                v.inCodePage_ = IsCp1251Representable(v.Text());
                if (!v.inCodePage_ && !IsValidUtf8(v.Text())) return false;
            }
            return true;
        };
        for (JsonValue& v : values_)
            if (!finish(v)) return false;
        if (!finish(stack_.back())) return false;
        root = stack_.back();
        return true;
    }

private:
    static constexpr int kMaxDepth = 1000;

    void Space() {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\n' || *p_ == '\r')) {
            ++p_;
            // Indentation eight blanks at a time.
            while (end_ - p_ >= 8 && std::memcmp(p_, "        ", 8) == 0) p_ += 8;
        }
    }
    bool Literal(std::string_view word) {
        if (static_cast<std::size_t>(end_ - p_) < word.size() ||
            std::memcmp(p_, word.data(), word.size()) != 0)
            return false;
        p_ += word.size();
        return true;
    }

    static JsonValue Of(JsonValue::Kind kind) {
        JsonValue v;
        v.kind_ = static_cast<std::uint8_t>(kind);
        return v;
    }

    // Reads one value onto the stack.
    bool Value(int depth) {
        Space();
        if (p_ == end_ || depth > kMaxDepth) return false;
        switch (*p_) {
            case '{':
                return Container(JsonValue::Kind::Object, '}', depth);
            case '[':
                return Container(JsonValue::Kind::Array, ']', depth);
            case '"':
                return String();
            case 't':
                stack_.push_back(Of(JsonValue::Kind::Bool));
                stack_.back().integer_ = 1;
                return Literal("true");
            case 'f':
                stack_.push_back(Of(JsonValue::Kind::Bool));
                return Literal("false");
            case 'n':
                stack_.push_back(Of(JsonValue::Kind::Null));
                return Literal("null");
            default:
                return Number();
        }
    }

    // An array or object: its items gather on the stack and then move to
    // the list of values side by side.
    bool Container(JsonValue::Kind kind, char close, int depth) {
        const bool object = kind == JsonValue::Kind::Object;
        const std::size_t mark = stack_.size();
        ++p_;
        Space();
        if (p_ < end_ && *p_ == close) {
            ++p_;
        } else {
            for (;;) {
                if (object) {
                    Space();
                    if (p_ == end_ || *p_ != '"' || !String()) return false;
                    Space();
                    if (p_ == end_ || *p_++ != ':') return false;
                }
                if (!Value(depth + 1)) return false;
                Space();
                if (p_ == end_) return false;
                const char c = *p_++;
                if (c == close) break;
                if (c != ',') return false;
            }
        }
        JsonValue v = Of(kind);
        v.size_ = (stack_.size() - mark) / (object ? 2 : 1);
        v.first_ = values_.size();
        values_.insert(values_.end(), stack_.begin() + static_cast<std::ptrdiff_t>(mark),
                       stack_.end());
        stack_.resize(mark);
        stack_.push_back(v);
        return true;
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

    bool String() {
        JsonValue v = Of(JsonValue::Kind::String);
        ++p_;  // the opening quote
        char* const start = o_;
        for (;;) {
            const char* const run = PlainRun(p_);
            std::memcpy(o_, p_, static_cast<std::size_t>(run - p_));
            o_ += run - p_;
            p_ = run;
            if (p_ == end_ || static_cast<unsigned char>(*p_) < 0x20) return false;
            if (*p_++ == '"') break;
            if (!Escape(v)) return false;
        }
        v.text_ = start;
        v.size_ = static_cast<std::size_t>(o_ - start);
        // Until the texts are looked at together (see Document).
        v.inCodePage_ = 1;
        // A continuation byte first: this text is no valid UTF-8 of its own,
        // whatever the one before it ends with.
        if (o_ != start && (static_cast<unsigned char>(*start) & 0xC0) == 0x80) cut_ = true;
        stack_.push_back(v);
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

    bool Escape(JsonValue& v) {
        char*& o = o_;
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
                v.lineBreak_ = 1;
                return true;
            case 'r':
                *o++ = '\r';
                v.lineBreak_ = 1;
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
        if (cp == '\n' || cp == '\r') v.lineBreak_ = 1;
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
    bool Number() {
        JsonValue& v = stack_.emplace_back();
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
                    v = Of(JsonValue::Kind::Integer);
                    v.integer_ = n;
                    return true;
                }
            } else {
                unsigned long long n = 0;
                if (std::from_chars(first, p_, n).ec == std::errc()) {
                    v = Of(JsonValue::Kind::Unsigned);
                    v.integer_ = static_cast<long long>(n);
                    return true;
                }
            }
        }
        // strtod's rounding (zero below the range), in the "C" locale
        // whatever the program's; beyond the range is no number.
        static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        const std::string token(first, p_);
        v = Of(JsonValue::Kind::Float);
        v.float_ = ::strtod_l(token.c_str(), nullptr, c);
        return !std::isinf(v.float_);
    }

    const char* p_;
    const char* const end_;
    char* o_;  // where the next text goes
    bool cut_ = false;
    std::vector<JsonValue>& values_;
    // The values read whose array or object is not complete yet.
    std::vector<JsonValue> stack_;
};

bool JsonDocument::Parse(WholeFile text) {
    text_ = std::move(text);
    const std::string_view bytes = text_.Bytes();
    // Room for the texts and the values is made at once, so that it is not
    // copied as it grows (a document has a value for some eighty bytes of
    // JSON); pages that are never written cost nothing.
    texts_ = std::make_unique_for_overwrite<char[]>(bytes.size());
    values_.clear();
    values_.reserve(bytes.size() / 16);
    root_ = JsonValue();
    JsonParser parser(bytes, texts_.get(), values_);
    return parser.Document(root_);
}

}  // namespace kz::cli
