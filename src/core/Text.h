#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kz {

// The text form of an amount: at most 15 significant digits, decimal comma,
// no grouping, no trailing zeros, exponent form (1E+16) for magnitudes of
// 1e15 and above and for tiny ones that 15 digits cannot show plainly.
std::string AmountText(double value);

// Reads the AmountText form back. Also takes "." as the decimal point, which
// files written under another locale may hold. False for empty or malformed
// text and for values out of the double range.
bool ParseAmountText(std::string_view text, double& out);

// The number a text begins with; blanks, tabs and line feeds are skipped, a
// "," ends the number, no digit read gives 0.
double LeadingNumber(std::string_view text);

// Every "," becomes "." (typed amounts go through this before LeadingNumber).
std::string CommaToPoint(std::string_view text);

// An amount as the user types it or an entry stores it: every "," read as
// "." and the number the text begins with (0 when none).
double LeadingAmount(std::string_view text);

// Amounts below this are always written without an exponent in what the
// user sees (KeptAmount, AddAmounts).
inline constexpr double kPlainAmountLimit = 1e15;

// The amount as the program keeps it: the value its AmountText form reads
// back, and below kPlainAmountLimit at most 15 decimals, so that its text
// never takes the exponent form. A value that is not finite stays as it is.
double KeptAmount(double value);

// An amount the user typed: LeadingAmount kept as KeptAmount. A number that
// is not finite ("1e400") reads as 0, so it is refused like a missing one.
double TypedAmount(std::string_view text);

// a + b with no more decimals than a and b have, as KeptAmount: float noise
// never reaches a balance or a debt (0,3 - 0,1 is 0,2; 100,1 - 100,01 is
// 0,09).
double AddAmounts(double a, double b);

// True when a and b are the same amount to the user: equal, or apart only by
// the float noise of a sum (100,1 + 200,2 against 300,3), so that their
// AmountText forms agree.
bool SameAmount(double a, double b);

// The amount an entry begins with: the text before its first tab, read as
// LeadingAmount.
double EntryAmount(std::string_view entry);

// Rounds to the nearest integer, halves to the even neighbour; false when
// the result is outside the signed 16-bit range.
bool ToInteger16(double value, int& out);

// Fields of a separated entry, counted by separators: index 0 yields an empty
// text, index n the text after the n-th separator.
std::string GetField(std::string_view text, char sep, int n);
std::string SetField(std::string_view text, char sep, int n, std::string_view value);

// The part of a path after its last "\" or "/".
std::string FileNameOf(std::string_view path);

// Text before the first occurrence of sep (the whole text when none).
std::string FirstField(std::string_view text, char sep);

// UTF-8 helpers: lengths of texts count characters, not bytes.
std::size_t CharCount(std::string_view utf8);
std::string FirstChars(std::string_view utf8, std::size_t n);

bool EndsWithNoCase(std::string_view text, std::string_view suffix);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Lower case of ASCII and Cyrillic letters in a UTF-8 text.
std::string ToLower(std::string_view utf8);

// Every line break (CR LF, LF or a lone CR) written as CR LF, the form of
// texts in files and messages.
std::string CrLfLineBreaks(std::string_view text);

// Bytes of a 64-bit word (little-endian: byte 0 is the first of the text)
// looked at together: the high bit of every byte of x that is zero.
inline std::uint64_t ZeroByteMask(std::uint64_t x) {
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
    return ~(((x & low7) + low7) | x) & ~low7;
}
inline constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;

// Where a word of UTF-8 holds ASCII and two-byte characters only (Cyrillic
// letters are): the high bits of its lead bytes (C2-DF) and continuation
// bytes. False when other bytes beyond ASCII are in it.
inline bool TwoByteCharacters(std::uint64_t w, std::uint64_t& lead, std::uint64_t& cont) {
    cont = ZeroByteMask((w & (kEveryByte * 0xC0)) ^ (kEveryByte * 0x80));
    lead = ZeroByteMask((w & (kEveryByte * 0xE0)) ^ (kEveryByte * 0xC0)) &
           ~ZeroByteMask(w & (kEveryByte * 0x1E));
    return (w & (kEveryByte * 0x80) & ~cont & ~lead) == 0;
}

// The first CR or LF at or after `from`, or the end of the text. Sixteen
// (or eight) bytes are looked at together.
inline std::size_t LineBreakAt(std::string_view text, std::size_t from) {
    const char* p = text.data() + from;
    const char* const end = text.data() + text.size();
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned breaks = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
        if (breaks != 0)
            return static_cast<std::size_t>(p - text.data()) +
                   static_cast<std::size_t>(__builtin_ctz(breaks));
    }
#endif
    for (; std::endian::native == std::endian::little && end - p >= 8; p += 8) {
        std::uint64_t w;
        std::memcpy(&w, p, sizeof w);
        const std::uint64_t breaks =
            ZeroByteMask(w ^ (kEveryByte * '\r')) | ZeroByteMask(w ^ (kEveryByte * '\n'));
        if (breaks != 0)
            return static_cast<std::size_t>(p - text.data()) +
                   static_cast<std::size_t>(__builtin_ctzll(breaks)) / 8;
    }
    while (p < end && *p != '\r' && *p != '\n') ++p;
    return static_cast<std::size_t>(p - text.data());
}

// Lines of a text: CR LF, LF and a lone CR each end a line; a final line
// break does not start another line.
template <class F>
void ForEachLine(std::string_view text, F&& f) {
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        const std::size_t end = LineBreakAt(text, pos);
        f(text.substr(pos, end - pos));
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n')
            pos = end + 2;
        else
            pos = end + 1;
    }
}

}  // namespace kz
