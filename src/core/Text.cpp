#include "core/Text.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace kz {

std::string AmountText(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    char buf[64];
    // 15 significant digits: d.dddddddddddddde+XX
    std::snprintf(buf, sizeof buf, "%.14e", value);
    std::string s(buf);
    std::string out;
    std::size_t i = 0;
    if (s[0] == '-') {
        out = "-";
        i = 1;
    }
    std::string digits;
    for (; i < s.size() && s[i] != 'e'; ++i)
        if (s[i] >= '0' && s[i] <= '9') digits += s[i];
    const int exp10 = std::atoi(s.c_str() + i + 1);
    if (std::isinf(std::strtod(s.c_str(), nullptr))) {
        // Rounded to 15 digits, the largest amounts would read back beyond
        // the largest double: those are cut instead.
        for (std::size_t d = digits.size(); d-- > 0;) {
            if (digits[d] != '0') {
                --digits[d];
                break;
            }
            digits[d] = '9';
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int n = static_cast<int>(digits.size());

    const bool plain = exp10 >= 0 ? exp10 < 15 : (-exp10 - 1 + n) <= 15;
    if (plain) {
        if (exp10 >= 0) {
            if (n <= exp10 + 1) {
                out += digits + std::string(static_cast<std::size_t>(exp10 + 1 - n), '0');
            } else {
                out += digits.substr(0, static_cast<std::size_t>(exp10 + 1));
                out += ',';
                out += digits.substr(static_cast<std::size_t>(exp10 + 1));
            }
        } else {
            out += "0,";
            out += std::string(static_cast<std::size_t>(-exp10 - 1), '0');
            out += digits;
        }
        return out;
    }
    out += digits[0];
    if (n > 1) {
        out += ',';
        out += digits.substr(1);
    }
    char e[16];
    std::snprintf(e, sizeof e, "E%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
    return out + e;
}

bool ParseAmountText(std::string_view text, double& out) {
    std::string s;
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && text[i] == '-') s += text[i++];
    std::size_t intDigits = 0, fracDigits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        s += text[i++];
        ++intDigits;
    }
    if (i < n && (text[i] == ',' || text[i] == '.')) {
        s += '.';
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            s += text[i++];
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0) return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        s += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) s += text[i++];
        std::size_t expDigits = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            s += text[i++];
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    if (i != n) return false;
    errno = 0;
    double v = std::strtod(s.c_str(), nullptr);
    if (!std::isfinite(v)) {
        // The largest double written with 15 digits and rounded up
        // (1,79769313486232E+308) is that double: files holding it exist.
        const long double wide = std::strtold(s.c_str(), nullptr);
        if (!(std::fabs(wide) <= 1.79769313486232e308L)) return false;
        v = std::copysign(std::numeric_limits<double>::max(), static_cast<double>(wide));
    }
    out = v;
    return true;
}

double LeadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size() < 64 ? text.size() : 64);
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skip = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
    };
    auto isDigit = [&] { return i < n && text[i] >= '0' && text[i] <= '9'; };
    skip();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        s += text[i++];
        skip();
    }
    bool anyDigit = false;
    while (isDigit()) {
        s += text[i++];
        anyDigit = true;
        skip();
    }
    if (i < n && text[i] == '.') {
        s += '.';
        ++i;
        skip();
        while (isDigit()) {
            s += text[i++];
            anyDigit = true;
            skip();
        }
    }
    if (!anyDigit) return 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::string e = "e";
        std::size_t save = i;
        ++i;
        skip();
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            e += text[i++];
            skip();
        }
        bool expDigit = false;
        while (isDigit()) {
            e += text[i++];
            expDigit = true;
            skip();
        }
        if (expDigit)
            s += e;
        else
            i = save;
    }
    return std::strtod(s.c_str(), nullptr);
}

std::string CommaToPoint(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}

double LeadingAmount(std::string_view text) {
    return LeadingNumber(CommaToPoint(text));
}

namespace {

// The value of the fixed-point text with `decimals` decimals, which
// strtod reads to the nearest double.
double RoundedTo(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return std::strtod(buf, nullptr);
}

// Decimals of an amount as AmountText writes it; an exponent form below the
// limit counts as the most a kept amount has.
int AmountDecimals(double value) {
    const std::string text = AmountText(value);
    if (text.find('E') != std::string::npos) return std::fabs(value) < kPlainAmountLimit ? 15 : 0;
    const std::size_t comma = text.find(',');
    return comma == std::string::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

}  // namespace

double KeptAmount(double value) {
    if (!std::isfinite(value)) return value;
    double kept = value;
    ParseAmountText(AmountText(value), kept);
    if (std::fabs(kept) < kPlainAmountLimit && AmountText(kept).find('E') != std::string::npos)
        kept = RoundedTo(kept, 15);
    return kept;
}

double TypedAmount(std::string_view text) {
    const double value = LeadingAmount(text);
    return std::isfinite(value) ? KeptAmount(value) : 0;
}

double AddAmounts(double a, double b) {
    const double sum = a + b;
    if (!std::isfinite(sum) || std::fabs(sum) >= kPlainAmountLimit) return KeptAmount(sum);
    return KeptAmount(RoundedTo(sum, std::max(AmountDecimals(a), AmountDecimals(b))));
}

bool SameAmount(double a, double b) {
    if (a == b) return true;
    // Only a difference far below a cent can be noise; the texts decide.
    if (!(std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b)))) return false;
    return AmountText(a) == AmountText(b);
}

double EntryAmount(std::string_view entry) {
    return LeadingAmount(FirstField(entry, '\t'));
}

bool ToInteger16(double value, int& out) {
    if (!std::isfinite(value)) return false;
    double r = std::nearbyint(value);  // default rounding: halves to even
    if (r < -32768.0 || r > 32767.0) return false;
    out = static_cast<int>(r);
    return true;
}

std::string GetField(std::string_view text, char sep, int n) {
    if (text.empty() || n <= 0) return {};
    std::size_t pos = 0;
    for (int k = 0; k < n; ++k) {
        std::size_t p = text.find(sep, pos);
        if (p == std::string_view::npos) return {};
        pos = p + 1;
    }
    std::size_t end = text.find(sep, pos);
    if (end == std::string_view::npos) end = text.size();
    return std::string(text.substr(pos, end - pos));
}

std::string SetField(std::string_view text, char sep, int n, std::string_view value) {
    if (text.empty()) return {};
    if (n <= 0) return std::string(text);
    std::size_t pos = 0;
    for (int k = 0; k < n; ++k) {
        std::size_t p = text.find(sep, pos);
        if (p == std::string_view::npos) return std::string(text);
        pos = p + 1;
    }
    std::size_t end = text.find(sep, pos);
    if (end == std::string_view::npos) end = text.size();
    std::string out(text.substr(0, pos));
    out += value;
    out += text.substr(end);
    return out;
}

std::string CrLfLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string FileNameOf(std::string_view path) {
    auto p = path.find_last_of("\\/");
    return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}

std::string FirstField(std::string_view text, char sep) {
    auto p = text.find(sep);
    return std::string(p == std::string_view::npos ? text : text.substr(0, p));
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

std::string FirstChars(std::string_view utf8, std::size_t n) {
    std::size_t count = 0, i = 0;
    for (; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (count == n) break;
            ++count;
        }
    }
    return std::string(utf8.substr(0, i));
}

std::string ToLower(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + 32);
        } else if ((c == 0xD0 || c == 0xD1) && i + 1 < utf8.size()) {
            // Cyrillic: U+0410..U+042F -> U+0430..U+044F, U+0400..U+040F -> U+0450..U+045F
            unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            if (cp >= 0x410 && cp <= 0x42F)
                cp += 0x20;
            else if (cp >= 0x400 && cp <= 0x40F)
                cp += 0x50;
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() == b.size()) {
        bool same = true;
        for (std::size_t i = 0; i < a.size() && same; ++i) {
            char x = a[i], y = b[i];
            if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
            if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
            same = x == y;
        }
        if (same) return true;
    }
    return ToLower(a) == ToLower(b);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    std::string t = ToLower(text), s = ToLower(suffix);
    return t.size() >= s.size() && t.compare(t.size() - s.size(), s.size(), s) == 0;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    std::string t = ToLower(text), p = ToLower(prefix);
    return t.size() >= p.size() && t.compare(0, p.size(), p) == 0;
}

}  // namespace kz
