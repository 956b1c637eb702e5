#include <gtest/gtest.h>

#include <random>

#include "core/Cipher.h"
#include "core/Cp1251.h"
#include "core/Text.h"

namespace kz {
namespace {

TEST(Cipher, EveryByteAndKeyRoundTripsInLinesOfItsLength) {
    // 't' (116): 216 = 11011000; 'a' (97): 197 = 11000101.
    EXPECT_EQ(EncodeByte('t', 'a'), "00011101");
    // The same character meets itself: all zeros, leading ones included.
    EXPECT_EQ(EncodeByte(0, 0), "0000000");
    // A longer key (300 = 100101100) gives only its first 7 digits to a
    // 7-digit byte (100 = 1100100).
    EXPECT_EQ(EncodeByte(0, 200), "0101111");
    for (int c = 0; c < 256; ++c) {
        for (int k = 0; k < 256; ++k) {
            const std::string line = EncodeByte(c, k);
            ASSERT_EQ(line.size(), c <= 27 ? 7u : c <= 155 ? 8u : 9u) << c << " " << k;
            ASSERT_EQ(line.find_first_not_of("01"), std::string::npos);
            ASSERT_EQ(DecodeLine(line, k), c) << c << " " << k;
        }
    }
    // Bad lines give no character; zeros only meet the key's own digits,
    // however long the line; non-digits count as 0, other digits as 1.
    EXPECT_EQ(DecodeLine("", 'a'), -1);
    EXPECT_EQ(DecodeLine(std::string(1000000, '0'), 'a'), 'a');
    EXPECT_EQ(DecodeLine("1" + std::string(1000000, '0'), 'a'), -1);
    EXPECT_EQ(DecodeLine("1111111111", 0), -1);
    EXPECT_EQ(DecodeLine("0x011101", 'a'), 't');
    EXPECT_EQ(DecodeLine("00011102", 'a'), 'u');
}

TEST(Cipher, BytesRoundTripWithAnyPassword) {
    std::mt19937 rng(11);
    std::string plain;
    ASSERT_TRUE(Utf8ToCp1251("type=Kerva70cr\r\nname=Пётр\r\n", plain));
    for (int i = 0; i < 5000; ++i) plain += static_cast<char>(rng() & 0xFF);
    for (const char* pw : {"x", "пароль", "long password with spaces 12345"}) {
        std::string key, back;
        ASSERT_TRUE(PasswordBytes(pw, key));
        const std::string enc = EncipherBytes(plain, key);
        ASSERT_TRUE(DecipherBytes(enc, key, back));
        EXPECT_EQ(back, plain);
    }
    // A one-character password enciphers every byte with that character.
    EXPECT_EQ(EncipherBytes("ab", "z"),
              EncodeByte('a', 'z') + "\r\n" + EncodeByte('b', 'z') + "\r\n");
}

// What deciphering must give: each line as the line reader splits the
// text, through DecodeLine.
std::string DecipherLineByLine(std::string_view text, std::string_view key) {
    std::string plain;
    std::size_t m = 0;
    bool ok = true;
    ForEachLine(text, [&](std::string_view line) {
        const int c = ok ? DecodeLine(line, static_cast<unsigned char>(key[m])) : -1;
        ok = c >= 0;
        plain += static_cast<char>(c);
        m = (m + 1) % key.size();
    });
    return ok ? plain : "failed";
}

TEST(Cipher, PiecesOfAnySizeGiveWhatTheLineReaderGivesWithEitherWayOfReadingBlocks) {
    std::string key, text;
    ASSERT_TRUE(PasswordBytes("пароль", key));
    ASSERT_TRUE(Utf8ToCp1251("type=Kerva70cr\r\nимя=Ёж 12\r\n", text));
    for (int c = 0; c < 256; ++c) text += static_cast<char>(c);
    const std::string good = EncipherBytes(text, key);
    std::string mixed;  // every fifth line end a lone LF, every seventh a lone CR
    for (std::size_t i = 0; i < good.size(); ++i) {
        const bool odd = good[i] == '\r' && (i % 5 == 0 || i % 7 == 0);
        mixed += odd ? (i % 5 == 0 ? '\n' : '\r') : good[i];
        i += odd;
    }
    // A line added after these meets the password's second character, "а"
    // (key bits 101000100): where the key has a 0, a digit 2 counts as 1 and
    // a letter as 0. More lines follow it.
    ASSERT_EQ(text.size() % 6, 1u);
    const std::string more = EncipherBytes(std::string(30, 'm'), key.substr(2) + key.substr(0, 2));
    const std::string cases[] = {
        good,
        mixed,
        good.substr(0, good.size() - 2),                // no final line break
        "0" + good,                                     // a line too long
        good + "111200001\r\n" + more,                  // a digit other than 0 and 1
        good + "11110000y\r\n" + more,                  // a letter
        good + std::string(72, '0') + "\r\n" + more,    // zeros, however many: "а" itself
        good.substr(0, 20) + "\r\n" + good.substr(20),  // an empty line
        good + "\r\n\r\n",                              // empty lines at the end
        "11111111111111111111111111\r\n" + good,        // a code out of range
    };
    for (const auto blocks : {Decipherer::Blocks::Fastest, Decipherer::Blocks::Portable}) {
        const auto Fed = [&](std::string_view enc, const std::vector<std::size_t>& cuts) {
            Decipherer d(key, blocks);
            std::string plain;
            bool ok = true;
            for (std::size_t k = 0; k + 1 < cuts.size() && ok; ++k)
                ok = d.Feed(enc.substr(cuts[k], cuts[k + 1] - cuts[k]), plain);
            return ok && d.Finish(plain) ? plain : "failed";
        };
        for (std::size_t c = 0; c < std::size(cases); ++c) {
            const std::string& enc = cases[c];
            const std::string expected = DecipherLineByLine(enc, key);
            // Split in two at every point near the start and the end (every
            // line end and block edge falls among them), further apart
            // elsewhere, and in pieces of every small size.
            for (std::size_t split = 0; split <= enc.size();
                 split += split < 400 || split + 600 > enc.size() ? 1 : 7)
                ASSERT_EQ(Fed(enc, {0, split, enc.size()}), expected) << c << " split " << split;
            for (std::size_t size = 1; size <= 24; ++size) {
                std::vector<std::size_t> cuts;
                for (std::size_t at = 0; at < enc.size(); at += size) cuts.push_back(at);
                cuts.push_back(enc.size());
                ASSERT_EQ(Fed(enc, cuts), expected) << c << " size " << size;
            }
        }
    }
}

}  // namespace
}  // namespace kz
