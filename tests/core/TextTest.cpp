#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Cp1251.h"
#include "core/Date.h"
#include "core/Text.h"

namespace kz {
namespace {

TEST(AmountText, WritesTheShortestFormWithDecimalCommaAndReadsItBack) {
    const double max = std::numeric_limits<double>::max();
    // 0.1 + 0.2 is not 0.3 in binary: 15 digits hide that, as users expect. The
    // exponent form only beyond fifteen digits. Rounded up, 15 digits of the
    // largest double would read back beyond it.
    const std::pair<double, const char*> cases[] = {{0.1, "0,1"},
                                                    {-2, "-2"},
                                                    {-0.0, "0"},
                                                    {1234.5, "1234,5"},
                                                    {1030, "1030"},
                                                    {1.0 / 3, "0,333333333333333"},
                                                    {2.0 / 3 * 1000, "666,666666666667"},
                                                    {0.1 + 0.2, "0,3"},
                                                    {999999999999999.0, "999999999999999"},
                                                    {1e15, "1E+15"},
                                                    {-2.5e20, "-2,5E+20"},
                                                    {1e-15, "0,000000000000001"},
                                                    {1.5e-15, "1,5E-15"},
                                                    {max, "1,79769313486231E+308"},
                                                    {-max, "-1,79769313486231E+308"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(AmountText(value), text) << value;
        double back = 0;
        ASSERT_TRUE(ParseAmountText(text, back)) << text;
        EXPECT_EQ(AmountText(back), text);
    }
    double v = 0;
    // Files written under another locale, shortened forms, and what earlier
    // versions wrote for the largest double.
    for (const auto& [text, value] :
         {std::pair{"1.5", 1.5}, {"-,5", -0.5}, {"-1,79769313486232E+308", -max}}) {
        EXPECT_TRUE(ParseAmountText(text, v)) << text;
        EXPECT_EQ(v, value);
    }
    for (const char* bad : {"", "abc", "-", "1,2,3", "1 2", "--1", "1E", "1E+", "12a", " 1",
                            "1e999", "+1", "1,79769313486233E+308"})
        EXPECT_FALSE(ParseAmountText(bad, v)) << bad;
}

TEST(AmountText, KeptTypedAndAddedAmountsShowNoExponentBelowTheLimit) {
    for (const auto& [value, kept] : {std::pair{0.0999999999999943, "0,099999999999994"},
                                      {1.5e-15, "0,000000000000001"},
                                      {1e-17, "0"},
                                      {0.30000000000000004, "0,3"},
                                      {2.5e20, "2,5E+20"}})
        EXPECT_EQ(AmountText(KeptAmount(value)), kept) << value;
    // A typed number that is not finite reads as none at all.
    EXPECT_EQ(TypedAmount("1e400"), 0);
    EXPECT_EQ(TypedAmount("12,5"), 12.5);
    EXPECT_EQ(TypedAmount("0,0000000000000001"), 0);
    // Sums have no more decimals than their parts.
    EXPECT_EQ(AddAmounts(AddAmounts(0.3, -0.1), -0.2), 0);
    EXPECT_EQ(AmountText(AddAmounts(100.1, -100.01)), "0,09");
    // From the limit on, 15 digits are kept, as the data file keeps them.
    EXPECT_EQ(AddAmounts(1e15, 0.5), 1e15);
}

TEST(Numbers, LeadingNumbersAndSixteenBitIntegers) {
    const std::pair<const char*, double> leading[] = {
        {"250,5", 250}, {" 1 2\t3\n", 123}, {"-4.5e2x", -450}, {"12D2", 1200}, {"1E+", 1},
        {".5", 0.5},    {"+3р.", 3},        {"abc", 0},        {"-", 0},       {"5%", 5}};
    for (const auto& [text, value] : leading) EXPECT_EQ(LeadingNumber(text), value) << text;
    EXPECT_EQ(LeadingAmount("250,5"), 250.5);
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));

    // Halves round to even; the range is that of a 16-bit integer.
    for (const auto& [value, rounded] :
         {std::pair{2.5, 2}, {3.5, 4}, {-0.5, 0}, {-32768.0, -32768}, {32767.4, 32767}}) {
        int v = 1;
        EXPECT_TRUE(ToInteger16(value, v)) << value;
        EXPECT_EQ(v, rounded);
    }
    int v = 0;
    for (double bad : {32767.5, -32769.0, double(NAN)}) EXPECT_FALSE(ToInteger16(bad, v)) << bad;
}

TEST(Texts, FieldsAndCharacters) {
    const std::string e = "a\tb\tc";
    EXPECT_EQ(GetField(e, '\t', 1), "b");
    EXPECT_EQ(GetField(e + "\t", '\t', 2), "c");
    EXPECT_EQ(GetField("a\t\tc", '\t', 1), "");
    EXPECT_EQ(SetField(e, '\t', 2, "X"), "a\tb\tX");
    EXPECT_EQ(SetField(e + "\t", '\t', 2, "Сумма"), "a\tb\tСумма\t");
    EXPECT_EQ(CharCount("Личные деньги"), 13u);
    EXPECT_EQ(FirstChars("Личные деньги", 6), "Личные");
    EXPECT_EQ(FirstChars("ab", 5), "ab");
    EXPECT_EQ(ToLower("ЛИЧНЫЕ Деньги ЁЖ"), "личные деньги ёж");
    EXPECT_TRUE(EndsWithNoCase("C:/data/HOME.KV7", ".kv7"));
    EXPECT_FALSE(EndsWithNoCase("kv7", ".kv7"));
    EXPECT_EQ(FileNameOf("/home/user/Kerva Files/home.kv7"), "home.kv7");
    EXPECT_EQ(FileNameOf("C:\\x\\home.kv7"), "home.kv7");
}

TEST(Dates, TypedDatesAreCheckedAsCalendarDates) {
    const Date today{2026, 12, 5};
    const std::pair<const char*, Date> good[] = {
        {"05.10.2002", {2002, 10, 5}}, {"5/1/02", {2002, 1, 5}},      {"31-12-29", {2029, 12, 31}},
        {"1.1.30", {1930, 1, 1}},      {"29.02.2024", {2024, 2, 29}}, {"7.3", {2026, 3, 7}},
        {"30.11.2002", {2002, 11, 30}}};
    for (const auto& [text, date] : good) {
        Date d;
        ASSERT_TRUE(ParseUserDate(text, today, d)) << text;
        EXPECT_EQ(d, date) << text;
    }
    Date d;
    for (const char* bad : {"29.02.2023", "31.11.2002", "31.04.2002", "32.01.2002", "0.1.2002",
                            "1.13.2002", "05.10-2002", "05.10.202", "", "05.10.", "a.b.c",
                            "05.10.2002 ", " 05.10.2002", "123.1.2002", "1..2002"})
        EXPECT_FALSE(ParseUserDate(bad, today, d)) << bad;
    EXPECT_EQ(FormatDate(Date{2002, 10, 5}), "05.10.2002");
    EXPECT_EQ(CivilFromDays(DaysFromCivil(Date{2024, 2, 29}) + 1), (Date{2024, 3, 1}));
    EXPECT_EQ(DaysFromCivil(Date{1899, 12, 30}), -25569);
}

TEST(Cp1251, EveryCodeRoundTripsAndOnlyUtf8IsTakenForIt) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    std::string back, bad;
    ASSERT_TRUE(Utf8ToCp1251(Cp1251ToUtf8(all), back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA8\xB8\xB9\x88"), "АяЁё№€");
    EXPECT_FALSE(Utf8ToCp1251("\xFF\xFE", back, &bad));  // not UTF-8 at all
    for (std::size_t at = 0; at < 40; ++at) {  // wherever it stands, the first one is named
        EXPECT_FALSE(
            Utf8ToCp1251(std::string(at, 'a') + "Я¥€☺" + std::string(at, 'b'), back, &bad));
        EXPECT_EQ(bad, "¥") << at;
    }
    EXPECT_TRUE(LooksLikeUtf8("type=Kerva70st\r\nname=Пользователь"));
    EXPECT_FALSE(LooksLikeUtf8("name=\xCF\xEE\xEB\xFC\xE7\xEE\xE2\xE0\xF2\xE5\xEB\xFC"));
    EXPECT_FALSE(LooksLikeUtf8("plain ascii"));
    // Overlong, surrogate, cut and out-of-range sequences, also after valid letters.
    for (const char* bad : {"Я\xC0\x80", "ё\xC1\xBF", "€\xE0\x80\x80", "a\xED\xA0\x80",
                            "😀\xF5\x80\x80\x80", "Я\xE2\x82", "\x80", "Яё€😀\xFF"})
        EXPECT_FALSE(IsValidUtf8(std::string(20, 'a') + bad)) << bad;
    EXPECT_TRUE(IsValidUtf8(std::string(20, 'a') + "Яё€😀\t0123456789abcdef"));
}

}  // namespace
}  // namespace kz
