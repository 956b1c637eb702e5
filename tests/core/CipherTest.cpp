#include <gtest/gtest.h>

#include <random>

#include "core/Cipher.h"
#include "core/Cp1251.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

TEST(Cipher, EncodesWorkedExamples) {
    // 't' (116): 216 = 11011000; 'a' (97): 197 = 11000101.
    EXPECT_EQ(EncodeByte('t', 'a'), "00011101");
    // The same character meets itself: all zeros, leading ones included.
    EXPECT_EQ(EncodeByte(0, 0), "0000000");
    // A longer key (300 = 100101100) gives only its first 7 digits to a
    // 7-digit byte (100 = 1100100).
    EXPECT_EQ(EncodeByte(0, 200), "0101111");
    EXPECT_EQ(DecodeLine("0101111", 200), 0);
    EXPECT_EQ(DecodeLine("00011101", 'a'), 't');
}

TEST(Cipher, LineLengthFollowsTheByteAndEveryPairRoundTrips) {
    for (int c = 0; c < 256; ++c) {
        const std::size_t expected = c <= 27 ? 7 : c <= 155 ? 8 : 9;
        for (int k = 0; k < 256; ++k) {
            const std::string line = EncodeByte(c, k);
            ASSERT_EQ(line.size(), expected) << c << " " << k;
            ASSERT_EQ(line.find_first_not_of("01"), std::string::npos);
            ASSERT_EQ(DecodeLine(line, k), c) << c << " " << k;
        }
    }
}

TEST(Cipher, BadLinesGiveNoCharacter) {
    EXPECT_EQ(DecodeLine("", 'a'), -1);
    // Zeros only meet the key's own digits, however long the line.
    EXPECT_EQ(DecodeLine(std::string(1000000, '0'), 'a'), 'a');
    EXPECT_EQ(DecodeLine("1" + std::string(1000000, '0'), 'a'), -1);
    EXPECT_EQ(DecodeLine("1111111111", 0), -1);
    // Non-digits count as 0, other digits as non-zero.
    EXPECT_EQ(DecodeLine("0x011101", 'a'), DecodeLine("00011101", 'a'));
    EXPECT_EQ(DecodeLine("00011102", 'a'), 'u');
    EXPECT_EQ(DecodeLine("00011100", 'a'), 'u');
}

TEST(Cipher, BytesRoundTripWithAnyPassword) {
    std::mt19937 rng(11);
    std::string plain;
    for (int i = 0; i < 5000; ++i) plain += static_cast<char>(rng() & 0xFF);
    std::string cyr;
    ASSERT_TRUE(Utf8ToCp1251("type=Kerva70cr\r\nname=Пётр\r\n", cyr));
    plain = cyr + plain;
    for (const char* pw : {"x", "пароль", "long password with spaces 12345"}) {
        std::string key;
        ASSERT_TRUE(PasswordBytes(pw, key));
        const std::string enc = EncipherBytes(plain, key);
        std::string back;
        ASSERT_TRUE(DecipherBytes(enc, key, back));
        EXPECT_EQ(back, plain);
        // LF-only line ends are read as well.
        std::string lf;
        for (char ch : enc)
            if (ch != '\r') lf += ch;
        ASSERT_TRUE(DecipherBytes(lf, key, back));
        EXPECT_EQ(back, plain);
    }
    // A one-character password enciphers every byte with that character.
    const std::string enc = EncipherBytes("ab", "z");
    EXPECT_EQ(enc, EncodeByte('a', 'z') + "\r\n" + EncodeByte('b', 'z') + "\r\n");
}

TEST(Cipher, DecryptFileReportsFailures) {
    test::TempDir dir;
    test::ScriptedPlatform ui;
    std::string plain;
    test::WriteBytes(dir / "plain.kv7", "type=Kerva70st\r\n");
    EXPECT_FALSE(DecryptFile(ui, dir / "plain.kv7", "pw", plain) && plain.rfind("type=Kerva70cr", 0) == 0);
    EXPECT_FALSE(DecryptFile(ui, dir / "missing.kv7", "pw", plain));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text,
              "Ошибка при декодировании файла!\r\n\r\nУбедитесь в правильности пароля.");
    EXPECT_EQ(ui.messages.back().icon, Icon::Exclamation);
}

}  // namespace
}  // namespace kz
