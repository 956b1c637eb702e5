#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "core/Cp1251.h"
#include "core/Date.h"
#include "core/Text.h"

namespace kz {
namespace {

TEST(AmountText, WritesTheShortestFormWithDecimalComma) {
    EXPECT_EQ(AmountText(0.1), "0,1");
    EXPECT_EQ(AmountText(-2), "-2");
    EXPECT_EQ(AmountText(0), "0");
    EXPECT_EQ(AmountText(-0.0), "0");
    EXPECT_EQ(AmountText(1234.5), "1234,5");
    EXPECT_EQ(AmountText(1030), "1030");
    EXPECT_EQ(AmountText(1033.33), "1033,33");
    EXPECT_EQ(AmountText(-0.5), "-0,5");
    EXPECT_EQ(AmountText(0.001), "0,001");
    EXPECT_EQ(AmountText(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(AmountText(2.0 / 3 * 1000), "666,666666666667");
    // 0.1 + 0.2 is not 0.3 in binary; 15 digits hide that, as users expect.
    EXPECT_EQ(AmountText(0.1 + 0.2), "0,3");
}

TEST(AmountText, UsesExponentFormOnlyBeyondFifteenDigits) {
    EXPECT_EQ(AmountText(999999999999999.0), "999999999999999");
    EXPECT_EQ(AmountText(1e15), "1E+15");
    EXPECT_EQ(AmountText(1e16), "1E+16");
    EXPECT_EQ(AmountText(-2.5e20), "-2,5E+20");
    EXPECT_EQ(AmountText(1e-15), "0,000000000000001");
    EXPECT_EQ(AmountText(1.5e-15), "1,5E-15");
    EXPECT_EQ(AmountText(1.5e-16), "1,5E-16");
    EXPECT_EQ(AmountText(1e-300), "1E-300");
}

TEST(AmountText, ReadsBackWhatItWrites) {
    for (double v : {0.1, -2.0, 1234.5, 1e16, -2.5e20, 1.5e-16, 123456789.125, 0.0, 42.0}) {
        double back = -1;
        ASSERT_TRUE(ParseAmountText(AmountText(v), back)) << AmountText(v);
        EXPECT_EQ(back, v);
    }
    double v = 0;
    EXPECT_TRUE(ParseAmountText("1.5", v));  // files written under another locale
    EXPECT_EQ(v, 1.5);
    EXPECT_TRUE(ParseAmountText("-,5", v));
    EXPECT_EQ(v, -0.5);
    for (const char* bad : {"", "abc", "-", "1,2,3", "1 2", "--1", "1E", "1E+", "12a", " 1",
                            "1e999", "+1", "1,79769313486233E+308"})
        EXPECT_FALSE(ParseAmountText(bad, v)) << bad;
}

TEST(AmountText, TheLargestAmountsStayWithinTheDoubleRange) {
    const double max = std::numeric_limits<double>::max();
    // Rounded up, 15 digits of the largest double read back beyond it.
    EXPECT_EQ(AmountText(max), "1,79769313486231E+308");
    EXPECT_EQ(AmountText(-max), "-1,79769313486231E+308");
    EXPECT_EQ(AmountText(1.7976931348623e308), "1,7976931348623E+308");
    double v = 0;
    ASSERT_TRUE(ParseAmountText(AmountText(max), v));
    EXPECT_EQ(AmountText(v), AmountText(max));
    // What earlier versions wrote for it is that double.
    ASSERT_TRUE(ParseAmountText("-1,79769313486232E+308", v));
    EXPECT_EQ(v, -max);
}

TEST(AmountText, KeptTypedAndAddedAmountsShowNoExponentBelowTheLimit) {
    struct Case {
        double value;
        const char* kept;
    };
    for (const Case& c :
         {Case{0.0999999999999943, "0,099999999999994"}, Case{1.5e-15, "0,000000000000001"},
          Case{1e-17, "0"}, Case{0.30000000000000004, "0,3"}, Case{2.5e20, "2,5E+20"}}) {
        EXPECT_EQ(AmountText(KeptAmount(c.value)), c.kept) << c.value;
    }
    // A typed number that is not finite reads as none at all.
    EXPECT_EQ(TypedAmount("1e400"), 0);
    EXPECT_EQ(TypedAmount("-1e400"), 0);
    EXPECT_EQ(TypedAmount("12,5"), 12.5);
    EXPECT_EQ(TypedAmount("0,0000000000000001"), 0);
    // Sums have no more decimals than their parts.
    EXPECT_EQ(AddAmounts(AddAmounts(0.3, -0.1), -0.2), 0);
    EXPECT_EQ(AmountText(AddAmounts(100.1, -100.01)), "0,09");
    EXPECT_EQ(AddAmounts(0.1, 0.2), 0.3);
    // From the limit on, 15 digits are kept, as the data file keeps them.
    EXPECT_EQ(AddAmounts(1e15, 0.5), 1e15);
}

TEST(LeadingNumber, ReadsAsFarAsTheTextAllows) {
    EXPECT_EQ(LeadingNumber("250,5"), 250);
    EXPECT_EQ(LeadingAmount("250,5"), 250.5);
    EXPECT_EQ(LeadingNumber(" 1 2\t3\n"), 123);
    EXPECT_EQ(LeadingNumber("-4.5e2x"), -450);
    EXPECT_EQ(LeadingNumber("12D2"), 1200);
    EXPECT_EQ(LeadingNumber("1E"), 1);
    EXPECT_EQ(LeadingNumber("1E+"), 1);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("+3р."), 3);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("5%"), 5);
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
}

TEST(ToInteger16, RoundsHalvesToEvenAndKeepsTheRange) {
    int v = 0;
    EXPECT_TRUE(ToInteger16(2.5, v));
    EXPECT_EQ(v, 2);
    EXPECT_TRUE(ToInteger16(3.5, v));
    EXPECT_EQ(v, 4);
    EXPECT_TRUE(ToInteger16(-0.5, v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(ToInteger16(-32768, v));
    EXPECT_EQ(v, -32768);
    EXPECT_TRUE(ToInteger16(32767.4, v));
    EXPECT_EQ(v, 32767);
    EXPECT_FALSE(ToInteger16(32767.5, v));
    EXPECT_FALSE(ToInteger16(-32769, v));
    EXPECT_FALSE(ToInteger16(NAN, v));
}

TEST(Fields, AreCountedBySeparators) {
    const std::string e = "a\tb\tc";
    EXPECT_EQ(GetField(e, '\t', 1), "b");
    EXPECT_EQ(GetField(e, '\t', 2), "c");
    EXPECT_EQ(GetField(e + "\t", '\t', 2), "c");
    EXPECT_EQ(GetField(e, '\t', 0), "");
    EXPECT_EQ(GetField("", '\t', 1), "");
    EXPECT_EQ(GetField("a\t\tc", '\t', 1), "");
    EXPECT_EQ(FirstField(e, '\t'), "a");
    EXPECT_EQ(SetField(e, '\t', 1, "X"), "a\tX\tc");
    EXPECT_EQ(SetField(e, '\t', 2, "X"), "a\tb\tX");
    EXPECT_EQ(SetField(e + "\t", '\t', 2, "Сумма"), "a\tb\tСумма\t");
    EXPECT_EQ(SetField("", '\t', 1, "X"), "");
}

TEST(Texts, CountCharactersNotBytes) {
    EXPECT_EQ(CharCount("Личные деньги"), 13u);
    EXPECT_EQ(FirstChars("Личные деньги", 6), "Личные");
    EXPECT_EQ(FirstChars("ab", 5), "ab");
    EXPECT_EQ(ToLower("ЛИЧНЫЕ Деньги ЁЖ"), "личные деньги ёж");
    EXPECT_TRUE(EndsWithNoCase("C:/data/HOME.KV7", ".kv7"));
    EXPECT_FALSE(EndsWithNoCase("kv7", ".kv7"));
    EXPECT_EQ(FileNameOf("/home/user/Kerva Files/home.kv7"), "home.kv7");
    EXPECT_EQ(FileNameOf("C:\\x\\home.kv7"), "home.kv7");
    EXPECT_EQ(FileNameOf("home.kv7"), "home.kv7");
}

TEST(Dates, TypedDatesAreCheckedAsCalendarDates) {
    const Date today{2026, 12, 5};
    Date d;
    ASSERT_TRUE(ParseUserDate("05.10.2002", today, d));
    EXPECT_EQ(d, (Date{2002, 10, 5}));
    ASSERT_TRUE(ParseUserDate("5/1/02", today, d));
    EXPECT_EQ(d, (Date{2002, 1, 5}));
    ASSERT_TRUE(ParseUserDate("31-12-29", today, d));
    EXPECT_EQ(d.year, 2029);
    ASSERT_TRUE(ParseUserDate("1.1.30", today, d));
    EXPECT_EQ(d.year, 1930);
    ASSERT_TRUE(ParseUserDate("29.02.2024", today, d));
    ASSERT_TRUE(ParseUserDate("7.3", today, d));
    EXPECT_EQ(d, (Date{2026, 3, 7}));
    for (const char* bad :
         {"29.02.2023", "32.01.2002", "0.1.2002", "1.13.2002", "05.10-2002", "05.10.202", "",
          "05.10.", "a.b.c", "05.10.2002 ", " 05.10.2002", "123.1.2002", "1..2002"})
        EXPECT_FALSE(ParseUserDate(bad, today, d)) << bad;
    EXPECT_EQ(FormatDate(Date{2002, 10, 5}), "05.10.2002");
    EXPECT_EQ(CivilFromDays(DaysFromCivil(Date{2024, 2, 29}) + 1), (Date{2024, 3, 1}));
    EXPECT_EQ(DaysFromCivil(Date{1899, 12, 30}), -25569);
}

TEST(Cp1251, EveryCodeRoundTrips) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    std::string back;
    ASSERT_TRUE(Utf8ToCp1251(Cp1251ToUtf8(all), back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA8\xB8\xB9\x88"), "АяЁё№€");
    std::string bad;
    EXPECT_FALSE(Utf8ToCp1251("цена 5 ¥", back, &bad));
    EXPECT_EQ(bad, "¥");
    EXPECT_FALSE(Utf8ToCp1251("\xFF\xFE", back, &bad));  // not UTF-8 at all
    EXPECT_TRUE(LooksLikeUtf8("type=Kerva70st\r\nname=Пользователь"));
    EXPECT_FALSE(LooksLikeUtf8("name=\xCF\xEE\xEB\xFC\xE7\xEE\xE2\xE0\xF2\xE5\xEB\xFC"));
    EXPECT_FALSE(LooksLikeUtf8("plain ascii"));
}

TEST(Cp1251, WordAtATimeDecodingAndCheckingAgreeWithByteAtATime) {
    std::mt19937 rng(1251);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        for (std::size_t n = rng() % 70; n > 0; --n)
            bytes += static_cast<char>(rng() % 3 ? 0x20 + rng() % 0x60 : rng() % 256);
        std::string oneByOne;
        for (char c : bytes) oneByOne += Cp1251ToUtf8(std::string_view(&c, 1));
        ASSERT_EQ(Cp1251ToUtf8(bytes), oneByOne);
        ASSERT_TRUE(IsValidUtf8(oneByOne));
        // And back, many characters at once; with a character the code page
        // lacks somewhere, that one is named.
        std::string back, bad;
        ASSERT_TRUE(Utf8ToCp1251(oneByOne, back));
        ASSERT_EQ(back, bytes);
        const std::size_t at = rng() % (bytes.size() + 1);
        const std::string text =
            Cp1251ToUtf8(bytes.substr(0, at)) + "¥Я" + Cp1251ToUtf8(bytes.substr(at));
        ASSERT_FALSE(Utf8ToCp1251(text, back, &bad));
        ASSERT_EQ(bad, "¥");
    }
    // Pieces of valid and invalid UTF-8 in every order: checked against a
    // plain decoder.
    const auto valid = [](std::string_view s) {
        for (std::size_t i = 0; i < s.size();) {
            const unsigned char c = static_cast<unsigned char>(s[i]);
            const std::size_t len = c < 0x80                 ? 1
                                    : c >= 0xC2 && c <= 0xDF ? 2
                                    : c >= 0xE0 && c <= 0xEF ? 3
                                    : c >= 0xF0 && c <= 0xF4 ? 4
                                                             : 0;
            if (len == 0 || i + len > s.size()) return false;
            std::uint32_t cp = len == 1 ? c : c & (0xFF >> (len + 1));
            for (std::size_t k = 1; k < len; ++k) {
                const unsigned char cc = static_cast<unsigned char>(s[i + k]);
                if ((cc & 0xC0) != 0x80) return false;
                cp = cp << 6 | (cc & 0x3F);
            }
            const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
            if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
            i += len;
        }
        return true;
    };
    const char* const pieces[] = {"a",
                                  "tab\t",
                                  "Я",
                                  "ё",
                                  "€",
                                  "😀",
                                  "\x80",
                                  "\xD0",
                                  "\xC0\x80",
                                  "\xC1\xBF",
                                  "\xE0\x80\x80",
                                  "\xED\xA0\x80",
                                  "\xF5\x80\x80\x80",
                                  "\xFF",
                                  "\xE2\x82",
                                  "0123456789abcdef"};
    for (int round = 0; round < 5000; ++round) {
        std::string s;
        for (std::size_t n = rng() % 12; n > 0; --n) s += pieces[rng() % std::size(pieces)];
        ASSERT_EQ(IsValidUtf8(s), valid(s)) << ::testing::PrintToString(s);
    }
}

TEST(Lines, EndAtCrLfLfOrALoneCrWhereverTheyStand) {
    // Line breaks at every place of texts long enough to be looked at
    // sixteen bytes at a time.
    const auto byBytes = [](std::string_view text) {
        std::vector<std::string> lines;
        std::string line;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\r' && text[i] != '\n') {
                line += text[i];
                continue;
            }
            lines.push_back(line);
            line.clear();
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        }
        if (!line.empty()) lines.push_back(line);
        return lines;
    };
    for (std::size_t length : {7u, 15u, 16u, 17u, 40u}) {
        for (std::size_t at = 0; at < length; ++at) {
            for (const char* brk : {"\r\n", "\n", "\r", "\r\r", "\n\r"}) {
                std::string text(length, 'x');
                text.insert(at, brk);
                std::vector<std::string> lines;
                ForEachLine(text, [&](std::string_view l) { lines.emplace_back(l); });
                ASSERT_EQ(lines, byBytes(text)) << ::testing::PrintToString(text);
            }
        }
    }
}

}  // namespace
}  // namespace kz
