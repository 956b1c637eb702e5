#include "core/Cipher.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/Cp1251.h"
#include "core/Files.h"
#include "core/Text.h"

namespace kz {

namespace {

int BitLength(int n) {
    int len = 0;
    while (n > 0) {
        ++len;
        n >>= 1;
    }
    return len;
}

// The key bits that meet a line of `length` digits: the binary form of k+100,
// left-padded with zeros, or cut to its first digits when it is longer.
int KeyBits(int k, std::size_t length) {
    const int b = k + 100;
    const int lenB = BitLength(b);
    if (length < static_cast<std::size_t>(lenB)) return b >> (lenB - static_cast<int>(length));
    return b;
}

// 256 digit lines (each with CR LF) for one password character.
using LineTable = std::array<std::string, 256>;

LineTable MakeTable(int k) {
    LineTable t;
    for (int c = 0; c < 256; ++c) t[static_cast<std::size_t>(c)] = EncodeByte(c, k) + "\r\n";
    return t;
}

}  // namespace

std::string EncodeByte(int c, int k) {
    const int a = c + 100;
    const int lenA = BitLength(a);
    const int x = a ^ KeyBits(k, static_cast<std::size_t>(lenA));
    std::string out(static_cast<std::size_t>(lenA), '0');
    for (int i = 0; i < lenA; ++i)
        if (x & (1 << (lenA - 1 - i))) out[static_cast<std::size_t>(i)] = '1';
    return out;
}

int DecodeLine(std::string_view line, int k) {
    const std::size_t len = line.size();
    const int key = KeyBits(k, len);
    // Digits are taken by their value and xor-ed with the key digit; any
    // non-zero result digit counts as 1. Non-digits count as 0. Codes above
    // 355 cannot give a character, so long lines stop early.
    long value = 0;
    for (std::size_t i = 0; i < len; ++i) {
        const std::size_t fromRight = len - 1 - i;
        const int keyDigit = fromRight < 31 ? (key >> fromRight) & 1 : 0;
        const char ch = line[i];
        const int digit = (ch >= '0' && ch <= '9') ? ch - '0' : 0;
        const bool one = (digit ^ keyDigit) != 0;
        if (one) {
            if (fromRight >= 9) return -1;
            value += 1L << fromRight;
        }
    }
    const long code = value - 100;
    return code >= 0 && code <= 255 ? static_cast<int>(code) : -1;
}

std::string EncipherBytes(std::string_view plain, std::string_view password) {
    std::string out;
    if (password.empty()) return out;
    std::vector<LineTable> tables;
    tables.reserve(password.size());
    for (char p : password) tables.push_back(MakeTable(static_cast<unsigned char>(p)));
    out.reserve(plain.size() * 10);
    std::size_t m = 0;
    for (char ch : plain) {
        out += tables[m][static_cast<unsigned char>(ch)];
        if (++m == tables.size()) m = 0;
    }
    return out;
}

Decipherer::Decipherer(std::string_view password) : codes_(password.size()) {
    for (std::size_t m = 0; m < password.size(); ++m) {
        const int k = static_cast<unsigned char>(password[m]);
        chars_.push_back(k);
        // For each length, the code that every nine digits give (the first
        // digit in bit 0; digits beyond the length do not count), or 256 and
        // above when it is no character.
        CodeTable& t = codes_[m];
        for (unsigned slot = 0; slot < 4; ++slot) {
            const unsigned length = slot + 7;
            const unsigned key = static_cast<unsigned>(KeyBits(k, length));
            for (unsigned bits = 0; bits < 512; ++bits) {
                unsigned value = 0;
                for (unsigned i = 0; i < length && slot < 3; ++i)
                    if (bits & (1u << i)) value |= 1u << (length - 1 - i);
                t.code[slot][bits] = static_cast<std::uint16_t>(
                    slot < 3 ? ((value ^ key) - 100u) & 0xFFFFu : 0xFFFFu);
            }
        }
    }
}

bool Decipherer::Line(std::string_view line, std::string& plain) {
    const int c = DecodeLine(line, chars_[m_]);
    if (c < 0) return false;
    plain += static_cast<char>(c);
    if (++m_ == chars_.size()) m_ = 0;
    return true;
}

namespace {

// Where 64 bytes hold a CR, an LF, a "1", and a "0" or "1": bit i stands for
// byte i.
struct ByteMasks {
    std::uint64_t cr = 0, lf = 0, one = 0, binary = 0;
};

#if defined(__SSE2__)
inline ByteMasks MasksOf64(const char* q) {
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n'), one = _mm_set1_epi8('1'),
                  low = _mm_set1_epi8(1);
    ByteMasks m;
    const auto masks = [&](int k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 16 * k));
        const auto bits = [k](__m128i eq) {
            return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(eq)))
                   << (16 * k);
        };
        m.cr |= bits(_mm_cmpeq_epi8(v, cr));
        m.lf |= bits(_mm_cmpeq_epi8(v, lf));
        m.one |= bits(_mm_cmpeq_epi8(v, one));
        m.binary |= bits(_mm_cmpeq_epi8(_mm_or_si128(v, low), one));
    };
    masks(0);
    masks(1);
    masks(2);
    masks(3);
    return m;
}
#else
ByteMasks MasksOf64(const char* q) {
    ByteMasks m;
    for (int i = 0; i < 64; ++i) {
        const std::uint64_t bit = std::uint64_t{1} << i;
        m.cr |= q[i] == '\r' ? bit : 0;
        m.lf |= q[i] == '\n' ? bit : 0;
        m.one |= q[i] == '1' ? bit : 0;
        m.binary |= (q[i] | 1) == '1' ? bit : 0;
    }
    return m;
}
#endif

// The slot of a line length in the tables of codes: 7, 8 and 9 digits, and
// every other length.
constexpr std::array<std::uint8_t, 64> kLengthSlot = [] {
    std::array<std::uint8_t, 64> slots{};
    for (std::size_t i = 0; i < slots.size(); ++i) slots[i] = i >= 7 && i <= 9 ? i - 7 : 3;
    return slots;
}();

}  // namespace

bool Decipherer::Fail() {
    failed_ = true;
    return false;
}

// The program's own lines: 7, 8 or 9 digits "0"/"1" and CR LF, read 64
// bytes at a time (blocks aligned to the piece, so that one block does not
// wait for the last): where the bytes are CRs, LFs and ones is found for all
// 64 at once, and each line's digits then become its character by a table,
// without a branch per digit or per line. A line may begin in the block
// before. Stops before a block with anything out of the ordinary in it.
void Decipherer::BlockLines(const char* p, std::size_t n, std::size_t& pos, char*& out) {
    const CodeTable* table = codes_.data() + m_;
    const CodeTable* const first = codes_.data();
    const CodeTable* const last = first + codes_.size() - 1;
    char* o = out;
    std::size_t block = pos & ~std::size_t{63};
    std::size_t start = pos;  // of the line being read
    // The block before, as far as a line that begins in it needs it.
    std::uint64_t before = 0, crBefore = 0;
    // Bytes before `pos` are done: the first block is checked from there.
    std::uint64_t live = ~std::uint64_t{0} << (pos - block);
    while (block + 64 < n) {
        const ByteMasks mk = MasksOf64(p + block);
        // Binary digits, CRs and LFs only; every CR followed by an LF (that
        // of the last byte is the first of the next block) and every LF
        // preceded by a CR.
        if (((mk.binary | mk.cr | mk.lf) & live) != live ||
            ((((mk.cr << 1) | (crBefore >> 63)) ^ mk.lf) & live) != 0 ||
            ((mk.cr >> 63) != 0 && p[block + 64] != '\n'))
            break;
        const CodeTable* const tableThen = table;
        char* const outThen = o;
        const std::size_t startThen = start;
        unsigned odd = 0;
        for (std::uint64_t c = mk.cr & live; c != 0; c &= c - 1) {
            const std::size_t end = block + static_cast<std::size_t>(__builtin_ctzll(c));
            const std::size_t length = end - start;
            // A line that begins in the block before takes its first digits
            // from there.
            const std::uint64_t digits = start >= block ? mk.one >> (start - block)
                                                        : (mk.one << ((block - start) & 63)) |
                                                              (before >> ((start - block) & 63));
            const unsigned code =
                table->code[kLengthSlot[length & 63]][static_cast<unsigned>(digits) & 511u];
            odd |= code | static_cast<unsigned>(length > 9) << 8;
            *o++ = static_cast<char>(code);
            table = table == last ? first : table + 1;
            start = end + 2;
        }
        if ((odd & ~0xFFu) != 0) {
            table = tableThen;
            o = outThen;
            start = startThen;
            break;
        }
        before = mk.one;
        crBefore = mk.cr;
        live = ~std::uint64_t{0};
        block += 64;
    }
    m_ = static_cast<std::size_t>(table - first);
    out = o;
    pos = start;
}

void Decipherer::FastLines(const char* p, std::size_t n, std::size_t& pos, std::string& plain) {
    const std::size_t start = plain.size();
    plain.resize(start + (n - pos) / 9 + 1);
    char* out = plain.data() + start;
    BlockLines(p, n, pos, out);
    plain.resize(static_cast<std::size_t>(out - plain.data()));
}

bool Decipherer::Feed(std::string_view piece, std::string& plain) {
    if (chars_.empty() || failed_) return Fail();
    const char* p = piece.data();
    const std::size_t n = piece.size();
    std::size_t pos = 0;
    if (n > 0 && afterCr_) {
        // The LF of a CR LF split between two pieces.
        if (p[0] == '\n') pos = 1;
        afterCr_ = false;
    }
    if (!carry_.empty()) {
        // The end of a line begun in the last piece.
        std::size_t end = pos;
        while (end < n && p[end] != '\r' && p[end] != '\n') ++end;
        carry_.append(p + pos, end - pos);
        if (end == n) return true;
        if (!Line(carry_, plain)) return Fail();
        carry_.clear();
        pos = end;
        if (!Terminator(p, n, pos)) return true;
    }
    for (;;) {
        FastLines(p, n, pos, plain);
        // One line the general way, or what is left of the piece.
        std::size_t end = pos;
        while (end < n && p[end] != '\r' && p[end] != '\n') ++end;
        if (end == n) {
            carry_.assign(p + pos, n - pos);
            return true;
        }
        if (!Line(piece.substr(pos, end - pos), plain)) return Fail();
        pos = end;
        if (!Terminator(p, n, pos)) return true;
    }
}

bool Decipherer::Terminator(const char* p, std::size_t n, std::size_t& pos) {
    // A CR, LF or CR LF ends a line; a CR at the end of the piece may have
    // its LF in the next one.
    if (p[pos] == '\r') {
        if (pos + 1 == n) {
            afterCr_ = true;
            pos = n;
            return false;
        }
        pos += p[pos + 1] == '\n' ? 2 : 1;
    } else {
        ++pos;
    }
    return pos < n;
}

bool Decipherer::Finish(std::string& plain) {
    if (failed_ || chars_.empty()) return false;
    // A last line without a line break.
    if (!carry_.empty() && !Line(carry_, plain)) return false;
    carry_.clear();
    return true;
}

bool DecipherBytes(std::string_view enciphered, std::string_view password, std::string& plain) {
    plain.clear();
    Decipherer d(password);
    const bool ok = d.Feed(enciphered, plain) && d.Finish(plain);
    if (!ok) plain.clear();
    return ok;
}

bool PasswordBytes(const std::string& password, std::string& bytes) {
    return Utf8ToCp1251(password, bytes) && !bytes.empty();
}

bool DecryptFile(Platform& ui, const std::string& dataPath, const std::string& password,
                 std::string& plain) {
    plain.clear();
    // What is there but cannot be read is named; anything else (a missing
    // file too) is a failed deciphering.
    int err = FileReadProblem(dataPath);
    if (err == EISDIR || err == ENODEV || err == EFBIG) {
        ui.MessageBox(UnreadableFileText(dataPath, err), Icon::Exclamation);
        return false;
    }
    std::string key;
    bool ok = PasswordBytes(password, key);
    if (ok) {
        // Read and deciphered piece by piece: the enciphered text, ten times
        // the plain one, is never held whole.
        Decipherer decipherer(key);
        long long total = 0, done = 0;
        ok = ReadFileInPieces(
                 dataPath, std::size_t{1} << 18, total,
                 [&](std::string_view piece) {
                     if (plain.empty()) plain.reserve(static_cast<std::size_t>(total / 9 + 16));
                     done += static_cast<long long>(piece.size());
                     ui.SetProgress(done, total);
                     return decipherer.Feed(piece, plain);
                 },
                 err) &&
             decipherer.Finish(plain);
    }
    if (!ok) {
        plain.clear();
        ui.MessageBox(
            JoinParagraphs("Ошибка при декодировании файла!", "Убедитесь в правильности пароля."),
            Icon::Exclamation);
    }
    return ok;
}

}  // namespace kz
