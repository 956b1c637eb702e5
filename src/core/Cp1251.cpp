#include "core/Cp1251.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__GNUC__)
#include <tmmintrin.h>
#endif

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "core/Text.h"

namespace kz {

namespace {

// Code points of 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<std::uint16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

std::uint32_t CodePoint(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return 0x0410u + (b - 0xC0u);
    return kHigh[b - 0x80u];
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when invalid.
std::size_t DecodeUtf8(std::string_view s, std::size_t i, std::uint32_t& cp) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t len;
    std::uint32_t min;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        len = 2, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const unsigned char cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

int EncodeCodePoint(std::uint32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(0xC0 + (cp - 0x0410));
    for (std::size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == cp) return static_cast<int>(0x80 + k);
    return -1;
}

// The UTF-8 bytes of every code and how many there are.
struct Utf8Table {
    struct Entry {
        char bytes[3];
        std::uint8_t length;
    };
    std::array<Entry, 256> entry{};
    Utf8Table() {
        for (unsigned b = 0; b < 0x100; ++b) {
            std::string s;
            AppendUtf8(s, CodePoint(static_cast<unsigned char>(b)));
            Entry& e = entry[b];
            std::memcpy(e.bytes, s.data(), s.size());
            e.length = static_cast<std::uint8_t>(s.size());
        }
    }
};
const Utf8Table kUtf8;

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    // At most three bytes for one, written into room made beforehand (a
    // fourth may be written past them); runs of ASCII eight bytes at a time.
    // Short texts, the values of a file, share one room.
    thread_local std::string shared;
    std::string own;
    std::string& room = bytes.size() <= 4096 ? shared : own;
    if (room.size() < bytes.size() * 3 + 8) room.resize(bytes.size() * 3 + 8);
    char* const first = room.data();
    char* o = first;
    const auto one = [&o](unsigned char b) {
        std::memcpy(o, &kUtf8.entry[b], 4);
        o += kUtf8.entry[b].length;
    };
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* const end = p + bytes.size();
    for (; end - p >= 8; p += 8) {
        std::uint64_t w;
        std::memcpy(&w, p, sizeof w);
        if ((w & 0x8080808080808080ull) == 0) {
            std::memcpy(o, p, 8);
            o += 8;
        } else {
            for (int k = 0; k < 8; ++k) one(p[k]);
        }
    }
    while (p < end) one(*p++);
    return std::string(first, static_cast<std::size_t>(o - first));
}

namespace {

#if defined(__SSE2__)
// Writes the bytes of `v` whose bits are set in `keep` side by side at `out`
// (sixteen bytes of room) and returns the end of them. Shuffling them into
// place needs SSSE3; without it they go one by one.
using PackRoutine = char* (*)(__m128i v, unsigned keep, char* out);

char* PackEach(__m128i v, unsigned keep, char* out) {
    alignas(16) unsigned char bytes[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(bytes), v);
    for (; keep != 0; keep &= keep - 1) *out++ = static_cast<char>(bytes[__builtin_ctz(keep)]);
    return out;
}

#if defined(__GNUC__)
// For eight bits: the places of the set ones, in order, and how many.
struct PackOrder {
    std::array<std::uint64_t, 256> order{};
    std::array<std::uint8_t, 256> count{};
    constexpr PackOrder() {
        for (unsigned bits = 0; bits < 256; ++bits) {
            unsigned n = 0;
            for (unsigned b = 0; b < 8; ++b)
                if (bits & (1u << b)) order[bits] |= std::uint64_t{b} << (8 * n++);
            count[bits] = static_cast<std::uint8_t>(n);
        }
    }
};
constexpr PackOrder kPackOrder;

__attribute__((target("ssse3"))) char* PackShuffled(__m128i v, unsigned keep, char* out) {
    const unsigned low = keep & 0xFF, high = keep >> 8;
    const __m128i order =
        _mm_set_epi64x(static_cast<long long>(kPackOrder.order[high] + kEveryByte * 8),
                       static_cast<long long>(kPackOrder.order[low]));
    const __m128i packed = _mm_shuffle_epi8(v, order);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), packed);
    out += kPackOrder.count[low];
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_unpackhi_epi64(packed, packed));
    return out + kPackOrder.count[high];
}

PackRoutine ChoosePack() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3") ? PackShuffled : PackEach;
}
#else
PackRoutine ChoosePack() {
    return PackEach;
}
#endif
#endif

// Encodes UTF-8 into `out` (room for as many bytes as the text has; nullptr
// to only check), `written` bytes; false with the first character the code
// page lacks in `bad`.
bool EncodeCp1251(std::string_view utf8, char* out, std::size_t& written, std::string* bad) {
    char* const first = out;
    const unsigned char* const u = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
#if defined(__SSE2__)
    static const PackRoutine pack = ChoosePack();
#endif
    std::size_t i = 0;
    while (i < n) {
#if defined(__SSE2__)
        // Sixteen bytes of ASCII and the letters А..я at a time: a letter
        // (D0 90..BF or D1 80..8F) becomes its second byte plus 0x30 or
        // 0x70, and the second bytes are then left out.
        if (n - i >= 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i));
            const unsigned high = static_cast<unsigned>(_mm_movemask_epi8(v));
            if (high == 0) {
                if (out) {
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v);
                    out += 16;
                }
                i += 16;
                continue;
            }
            const __m128i d0 = _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(0xD0)));
            const __m128i d1 = _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(0xD1)));
            const __m128i leads = _mm_or_si128(d0, d1);
            const unsigned lead = static_cast<unsigned>(_mm_movemask_epi8(leads));
            const __m128i next = _mm_srli_si128(v, 1);
            // The second bytes as signed numbers from 0 (0x80) to 0x3F (0xBF).
            const __m128i x = _mm_xor_si128(next, _mm_set1_epi8(static_cast<char>(0x80)));
            const __m128i inD0 = _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8(0x0F)),
                                               _mm_cmplt_epi8(x, _mm_set1_epi8(0x40)));
            const __m128i inD1 = _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8(-1)),
                                               _mm_cmplt_epi8(x, _mm_set1_epi8(0x10)));
            const unsigned good = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_or_si128(_mm_and_si128(d0, inD0), _mm_and_si128(d1, inD1))));
            // A letter cut by the end of the block is left for the next one:
            // in a run of letters every other byte leads, so a block that
            // began out of step would otherwise never be taken whole.
            const unsigned cut = lead & 0x8000u;
            const unsigned taken = cut ? 0x7FFFu : 0xFFFFu;
            const unsigned inner = lead & taken;
            // Every byte beyond ASCII a good letter's first or second byte.
            if ((good & taken) == inner && (high & taken) == ((inner | (inner << 1)) & taken)) {
                if (out) {
                    const __m128i codes = _mm_add_epi8(_mm_add_epi8(next, _mm_set1_epi8(0x30)),
                                                       _mm_and_si128(d1, _mm_set1_epi8(0x40)));
                    // Output never runs ahead of the text, which has sixteen
                    // more bytes here: room for the pack.
                    out =
                        pack(_mm_or_si128(_mm_and_si128(leads, codes), _mm_andnot_si128(leads, v)),
                             ~(inner << 1) & taken, out);
                }
                i += cut ? 15 : 16;
                continue;
            }
        }
#endif
        // Runs of ASCII eight bytes at a time.
        while (n - i >= 8) {
            std::uint64_t w;
            std::memcpy(&w, u + i, sizeof w);
            if ((w & (kEveryByte * 0x80)) != 0) break;
            if (out) {
                std::memcpy(out, u + i, 8);
                out += 8;
            }
            i += 8;
        }
        if (i == n) break;
        const unsigned char c = u[i];
        int code;
        std::size_t len = 2;
        if (c < 0x80) {
            code = c;
            len = 1;
        } else if (c == 0xD0 && i + 1 < n && u[i + 1] >= 0x90 && u[i + 1] <= 0xBF) {
            code = u[i + 1] + 0x30;  // А..п
        } else if (c == 0xD1 && i + 1 < n && u[i + 1] >= 0x80 && u[i + 1] <= 0x8F) {
            code = u[i + 1] + 0x70;  // р..я
        } else {
            std::uint32_t cp = 0;
            len = DecodeUtf8(utf8, i, cp);
            code = len ? EncodeCodePoint(cp) : -1;
            if (code < 0) {
                if (bad)
                    *bad = len ? std::string(utf8.substr(i, len)) : std::string("\xEF\xBF\xBD");
                return false;
            }
        }
        if (out) *out++ = static_cast<char>(code);
        i += len;
    }
    written = static_cast<std::size_t>(out - first);
    return true;
}

}  // namespace

bool Utf8ToCp1251(std::string_view utf8, std::string& out, std::string* bad) {
    // Never longer than the UTF-8 text.
    out.resize(utf8.size());
    std::size_t written = 0;
    const bool ok = EncodeCp1251(utf8, out.data(), written, bad);
    out.resize(written);
    return ok;
}

bool AppendCp1251(std::string_view utf8, std::string& out, std::string* bad) {
    const std::size_t before = out.size();
    out.resize(before + utf8.size());
    std::size_t written = 0;
    const bool ok = EncodeCp1251(utf8, out.data() + before, written, bad);
    out.resize(before + written);
    return ok;
}

bool IsCp1251Representable(std::string_view utf8, std::string* bad) {
    std::size_t written = 0;
    return EncodeCp1251(utf8, nullptr, written, bad);
}

bool IsValidUtf8(std::string_view bytes) {
    const unsigned char* const u = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        if (n - i >= 8 && std::endian::native == std::endian::little) {
            // Eight bytes at once: every lead byte is followed by a
            // continuation byte, and every continuation byte follows a lead.
            std::uint64_t w, lead, cont;
            std::memcpy(&w, u + i, sizeof w);
            if ((w & (kEveryByte * 0x80)) == 0) {
                i += 8;
                continue;
            }
            if (TwoByteCharacters(w, lead, cont)) {
                if (cont != (lead << 8)) return false;
                // A lead in the last byte is checked with the next eight.
                i += (lead >> 63) != 0 ? 7 : 8;
                continue;
            }
        }
        const unsigned char c = u[i];
        if (c < 0x80) {
            ++i;
        } else {
            std::uint32_t cp;
            const std::size_t len = DecodeUtf8(bytes, i, cp);
            if (len == 0) return false;
            i += len;
        }
    }
    return true;
}

bool LooksLikeUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        std::uint32_t cp;
        const std::size_t len = DecodeUtf8(bytes, i, cp);
        if (len == 0) return false;
        if (len > 1) return IsValidUtf8(bytes.substr(i + len));
        i += len;
    }
    return false;
}

}  // namespace kz
