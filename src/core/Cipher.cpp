#include "core/Cipher.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
// Blocks are read with wider instructions where the processor has them.
#define KZ_WIDE_BLOCKS
#endif

#include "core/Cp1251.h"
#include "core/Files.h"
#include "core/Text.h"
#include "core/WholeFile.h"

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

// Nine digits with the first in bit 0, as the number they write.
constexpr std::array<std::uint16_t, 512> kReversed = [] {
    std::array<std::uint16_t, 512> r{};
    for (unsigned bits = 0; bits < 512; ++bits)
        for (unsigned i = 0; i < 9; ++i)
            if (bits & (1u << i)) r[bits] = static_cast<std::uint16_t>(r[bits] | 1u << (8 - i));
    return r;
}();

#if defined(KZ_WIDE_BLOCKS)
bool HasWideBlocks() {
    static const bool has = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
                            __builtin_cpu_supports("bmi2");
    return has;
}
#endif

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

Decipherer::Decipherer(std::string_view password, Blocks blocks) : codes_(password.size()) {
#if defined(KZ_WIDE_BLOCKS)
    wide_ = blocks == Blocks::Fastest && HasWideBlocks();
#else
    (void)blocks;
#endif
    for (std::size_t m = 0; m < password.size(); ++m) {
        const int k = static_cast<unsigned char>(password[m]);
        chars_.push_back(k);
        // For each length, the code that every nine digits give (the first
        // digit in bit 0; digits beyond the length do not count), or 256 and
        // above when it is no character.
        CodeTable& t = codes_[m];
        for (unsigned slot = 0; slot < 3; ++slot) {
            const unsigned length = slot + 7;
            const unsigned key = static_cast<unsigned>(KeyBits(k, length));
            for (unsigned bits = 0; bits < 512; ++bits) {
                const unsigned value = kReversed[bits] >> (9 - length);
                t.code[slot * 512 + bits] = static_cast<std::uint16_t>((value ^ key) - 100u);
            }
        }
        std::fill(t.code + 3 * 512, t.code + 4 * 512, std::uint16_t{0xFFFF});
    }
    for (std::size_t i = 0; !codes_.empty() && i <= codes_.size() + kMostLinesInBlock; ++i)
        ring_.push_back(&codes_[i % codes_.size()]);
}

bool Decipherer::Line(std::string_view line, std::string& plain) {
    const int c = DecodeLine(line, chars_[m_]);
    if (c < 0) return false;
    plain += static_cast<char>(c);
    if (++m_ == chars_.size()) m_ = 0;
    return true;
}

namespace {

// What 64 bytes hold: where the CRs and the ones are (bit i stands for byte
// i), and whether every byte is a binary digit, a CR or an LF, every CR
// followed by an LF and every LF after the first byte preceded by a CR. The
// byte after the 64 is read too.
struct BlockMasks {
    std::uint64_t cr = 0, one = 0;
    bool sound = false;
};

#if defined(__SSE2__)
inline BlockMasks MasksOf64(const char* q) {
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n'), one = _mm_set1_epi8('1'),
                  low = _mm_set1_epi8(1);
    __m128i known = _mm_set1_epi8(-1), unpaired = _mm_setzero_si128();
    std::uint64_t crs[4], ones[4];
#pragma GCC unroll 4
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 16 * k));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 16 * k + 1));
        const __m128i isCr = _mm_cmpeq_epi8(v, cr);
        const __m128i isDigit = _mm_cmpeq_epi8(_mm_or_si128(v, low), one);
        known =
            _mm_and_si128(known, _mm_or_si128(_mm_or_si128(isDigit, isCr), _mm_cmpeq_epi8(v, lf)));
        unpaired = _mm_or_si128(unpaired, _mm_xor_si128(_mm_cmpeq_epi8(next, lf), isCr));
        crs[k] = static_cast<unsigned>(_mm_movemask_epi8(isCr));
        ones[k] = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, one)));
    }
    BlockMasks m;
    m.cr = crs[0] | crs[1] << 16 | crs[2] << 32 | crs[3] << 48;
    m.one = ones[0] | ones[1] << 16 | ones[2] << 32 | ones[3] << 48;
    m.sound = _mm_movemask_epi8(_mm_andnot_si128(unpaired, known)) == 0xFFFF;
    return m;
}
#else
inline BlockMasks MasksOf64(const char* q) {
    BlockMasks m;
    bool sound = true;
    for (int i = 0; i < 64; ++i) {
        const std::uint64_t bit = std::uint64_t{1} << i;
        m.cr |= q[i] == '\r' ? bit : 0;
        m.one |= q[i] == '1' ? bit : 0;
        sound &= (q[i] | 1) == '1' || q[i] == '\r' || q[i] == '\n';
        sound &= (q[i] == '\r') == (q[i + 1] == '\n');
    }
    m.sound = sound;
    return m;
}
#endif

#if defined(KZ_WIDE_BLOCKS)
[[gnu::target("avx2")]] inline BlockMasks MasksOf64Wide(const char* q) {
    const __m256i cr = _mm256_set1_epi8('\r'), lf = _mm256_set1_epi8('\n'),
                  one = _mm256_set1_epi8('1'), low = _mm256_set1_epi8(1);
    __m256i known = _mm256_set1_epi8(-1), unpaired = _mm256_setzero_si256();
    std::uint64_t crs[2], ones[2];
#pragma GCC unroll 2
    for (int k = 0; k < 2; ++k) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 32 * k));
        const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 32 * k + 1));
        const __m256i isCr = _mm256_cmpeq_epi8(v, cr);
        const __m256i isDigit = _mm256_cmpeq_epi8(_mm256_or_si256(v, low), one);
        known = _mm256_and_si256(
            known, _mm256_or_si256(_mm256_or_si256(isDigit, isCr), _mm256_cmpeq_epi8(v, lf)));
        unpaired = _mm256_or_si256(unpaired, _mm256_xor_si256(_mm256_cmpeq_epi8(next, lf), isCr));
        crs[k] = static_cast<std::uint32_t>(_mm256_movemask_epi8(isCr));
        ones[k] = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, one)));
    }
    BlockMasks m;
    m.cr = crs[0] | crs[1] << 32;
    m.one = ones[0] | ones[1] << 32;
    m.sound = _mm256_movemask_epi8(_mm256_andnot_si256(unpaired, known)) == -1;
    return m;
}
#endif

// Where the codes of a line length begin in a table of codes: 7, 8 and 9
// digits, and every other length (a line that begins in the block before is
// at most 125 long).
constexpr std::array<std::uint16_t, 128> kLengthOffset = [] {
    std::array<std::uint16_t, 128> offsets{};
    for (std::size_t i = 0; i < offsets.size(); ++i)
        offsets[i] = static_cast<std::uint16_t>((i >= 7 && i <= 9 ? i - 7 : 3) * 512);
    return offsets;
}();

// The program's own lines: 7, 8 or 9 digits "0"/"1" and CR LF, read 64
// bytes at a time from the first line on: where the CRs and ones are is
// found for the block at once, and each line's digits then become its
// character by a table. Stops before a block with anything out of the
// ordinary in it, or with a line the table has no character for; the
// line-by-line way takes it from there. The lines take their tables in turn
// from `ring`, the first that of character `m`; returns the character of the
// line after the last. The characters of a block are written before they are
// known to be good: `out` has room for kMostLinesInBlock more.
template <bool Wide, class Table>
[[gnu::always_inline]] inline std::size_t DecodeBlocks(const char* p, std::size_t n,
                                                       std::size_t& pos, char*& out,
                                                       const Table* const* ring, const Table* codes,
                                                       std::size_t m) {
    const Table* const* tables = ring + m;
    char* o = out;
    std::size_t block = pos;
    // Where the line being read begins, from the block's first byte: before
    // it when the line began in the block before.
    long start = 0;
    std::uint64_t before = 0;  // the ones of the block before
    while (block + 64 < n) {
        BlockMasks mk;
#if defined(KZ_WIDE_BLOCKS)
        if constexpr (Wide) mk = MasksOf64Wide(p + block);
#endif
        if constexpr (!Wide) mk = MasksOf64(p + block);
        // Every line ends within 64 bytes of the last.
        if (!mk.sound || mk.cr == 0) break;
        std::uint64_t c = mk.cr;
        // The first line may take its first digits from the block before.
        unsigned end = static_cast<unsigned>(__builtin_ctzll(c));
        const auto firstDigits = static_cast<std::uint64_t>(
            ((static_cast<unsigned __int128>(mk.one) << 64) | before) >> (start + 64));
        unsigned code = tables[0]->code[kLengthOffset[(end - start) & 127] +
                                        (static_cast<unsigned>(firstDigits) & 511u)];
        // Whether every line gave a character is asked once a block.
        unsigned all = code;
        o[0] = static_cast<char>(code);
        std::size_t lines = 1;
        // The others lie within the block.
        unsigned from = end + 2;
        for (c &= c - 1; c != 0; c &= c - 1) {
            end = static_cast<unsigned>(__builtin_ctzll(c));
            code = tables[lines]->code[kLengthOffset[end - from] +
                                       (static_cast<unsigned>(mk.one >> from) & 511u)];
            all |= code;
            o[lines++] = static_cast<char>(code);
            from = end + 2;
        }
        // A line without one: the block is left to the line-by-line way.
        if (all > 0xFFu) break;
        o += lines;
        tables = ring + (tables[lines] - codes);
        before = mk.one;
        start = static_cast<long>(from) - 64;
        block += 64;
    }
    out = o;
    pos = block + static_cast<std::size_t>(start);
    return static_cast<std::size_t>(*tables - codes);
}

template <class Table>
std::size_t PortableBlocks(const char* p, std::size_t n, std::size_t& pos, char*& out,
                           const Table* const* ring, const Table* codes, std::size_t m) {
    return DecodeBlocks<false>(p, n, pos, out, ring, codes, m);
}

#if defined(KZ_WIDE_BLOCKS)
// The same with the instructions of the processors that have them: twice the
// bytes compared at once, and bit instructions that take fewer steps.
template <class Table>
[[gnu::target("avx2,bmi,bmi2")]] std::size_t WideBlocks(const char* p, std::size_t n,
                                                        std::size_t& pos, char*& out,
                                                        const Table* const* ring,
                                                        const Table* codes, std::size_t m) {
    return DecodeBlocks<true>(p, n, pos, out, ring, codes, m);
}
#endif

}  // namespace

bool Decipherer::Fail() {
    failed_ = true;
    return false;
}

void Decipherer::BlockLines(const char* p, std::size_t n, std::size_t& pos, char*& out) {
    // An LF first is an empty line.
    if (pos >= n || p[pos] == '\n') return;
#if defined(KZ_WIDE_BLOCKS)
    if (wide_) {
        m_ = WideBlocks(p, n, pos, out, ring_.data(), codes_.data(), m_);
        return;
    }
#endif
    m_ = PortableBlocks(p, n, pos, out, ring_.data(), codes_.data(), m_);
}

void Decipherer::FastLines(const char* p, std::size_t n, std::size_t& pos, std::string& plain) {
    // Into a buffer of its own, a stretch at a time: growing the string
    // first would fill it, each time the line-by-line way hands back.
    if (!scratch_) scratch_ = std::make_unique<char[]>(kScratchLines + kMostLinesInBlock);
    for (;;) {
        const std::size_t from = pos;
        const std::size_t end = from + std::min(n - from, kScratchLines * 9);
        char* out = scratch_.get();
        BlockLines(p, end, pos, out);
        plain.append(scratch_.get(), static_cast<std::size_t>(out - scratch_.get()));
        // Go on when stopped by the end of the stretch (within two blocks of
        // it) rather than by what is in it.
        if (pos == from || end == n || end - pos > 128) return;
    }
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
        // The enciphered text, ten times the plain one, is mapped rather
        // than read, and deciphered piece by piece to show the progress.
        WholeFile file;
        ok = file.Read(dataPath, err);
        const std::string_view text = file.Bytes();
        constexpr std::size_t kPiece = std::size_t{1} << 18;
        if (ok) plain.reserve(text.size() / 9 + 16);
        Decipherer decipherer(key);
        for (std::size_t done = 0; ok && done < text.size(); done += kPiece) {
            ok = decipherer.Feed(text.substr(done, kPiece), plain);
            ui.SetProgress(static_cast<long long>(std::min(done + kPiece, text.size())),
                           static_cast<long long>(text.size()));
        }
        ok = ok && decipherer.Finish(plain);
        if (file.CutShort()) {
            plain.clear();
            ui.MessageBox(UnreadableFileText(dataPath, ESTALE), Icon::Exclamation);
            return false;
        }
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
