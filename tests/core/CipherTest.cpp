#include <gtest/gtest.h>

#include <random>

#include "core/Cipher.h"
#include "core/Cp1251.h"

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
    // Line ends changed on the way (LF or CR alone), or no final one, still decipher.
    std::string key, back;
    ASSERT_TRUE(PasswordBytes("пароль", key));
    const std::string enc = EncipherBytes(plain, key);
    for (const char drop : {'\r', '\n'}) {
        std::string other = enc;
        std::erase(other, drop);
        ASSERT_TRUE(DecipherBytes(other, key, back));
        EXPECT_EQ(back, plain);
    }
    ASSERT_TRUE(DecipherBytes(enc.substr(0, enc.size() - 2), key, back));
    EXPECT_EQ(back, plain);
    // A one-character password enciphers every byte with that character.
    EXPECT_EQ(EncipherBytes("ab", "z"),
              EncodeByte('a', 'z') + "\r\n" + EncodeByte('b', 'z') + "\r\n");
}

}  // namespace
}  // namespace kz
