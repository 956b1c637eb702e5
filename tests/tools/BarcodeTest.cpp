#include <gtest/gtest.h>

#include "support/ScriptedPlatform.h"
#include "tools/Barcode.h"

namespace kz {
namespace {

// Boxes from a 13-character text; a blank stands for an empty box.
BarcodeBoxes Boxes(const std::string& code) {
    BarcodeBoxes b;
    for (std::size_t i = 0; i < b.size() && i < code.size(); ++i)
        if (code[i] != ' ') b[i] = std::string(1, code[i]);
    return b;
}

const std::string kValidPrefix =
    "Штрих-код верный.\r\n\r\nТовар с этим штрих-кодом сделан в стране: ";

TEST(Barcode, WorkedExamplesOfTheCheckDigit) {
    // 4, 6, ten zeros: S = 3 * 6 + 4 = 22, so the check digit is 8.
    EXPECT_EQ(ExpectedCheckDigit(Boxes("4600000000000")), 8);
    EXPECT_EQ(BarcodeVerdict(Boxes("4600000000008")), kValidPrefix + "СНГ");
    // 1, 3, ten zeros: S = 10, check digit 0; prefix 130 has no country.
    EXPECT_EQ(ExpectedCheckDigit(Boxes("1300000000000")), 0);
    EXPECT_EQ(BarcodeVerdict(Boxes("1300000000000")), kValidPrefix + " (неизвестно)");
    // A real product code: 4 006381 33393 1.
    EXPECT_EQ(BarcodeVerdict(Boxes("4006381333931")), kValidPrefix + "Германия");
}

TEST(Barcode, ChangedCheckDigitIsForged) {
    for (char c : std::string("012345679")) {
        std::string code = "460000000000";
        code += c;
        EXPECT_EQ(BarcodeVerdict(Boxes(code)), "Этот штрих-код поддельный!") << code;
    }
    test::ScriptedPlatform ui;
    CheckBarcode(ui, Boxes("4600000000001"));
    CheckBarcode(ui, Boxes("4600000000008"));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Этот штрих-код поддельный!");
    EXPECT_EQ(ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::OK);
    EXPECT_EQ(ui.messages[0].title, kDefaultTitle);
    EXPECT_EQ(ui.messages[1].text, kValidPrefix + "СНГ");
    EXPECT_EQ(ui.messages[1].icon, Icon::Information);
}

TEST(Barcode, EmptyAndNonDigitBoxesCountAsZero) {
    EXPECT_EQ(BarcodeDigit(""), 0);
    EXPECT_EQ(BarcodeDigit("x"), 0);
    EXPECT_EQ(BarcodeDigit("7"), 7);
    // Same code as "4600000000008" with the zeros left empty or mistyped.
    EXPECT_EQ(BarcodeVerdict(Boxes("46  a-  z   8")), kValidPrefix + "СНГ");
    // An all-empty form: S = 0, check digit 0 matches the empty last box.
    EXPECT_EQ(BarcodeVerdict(BarcodeBoxes{}), kValidPrefix + "США или Канада");
}

TEST(Barcode, ThreeDigitPrefixesWinOverTheirTwoDigitRows) {
    struct Case {
        int d1, d2, d3;
        const char* country;
    };
    const Case cases[] = {
        {5, 2, 9, "Кипр"},
        {5, 2, 0, "Греция"},
        {5, 6, 9, "Исландия"},
        {5, 6, 0, "Португалия"},
        {8, 6, 0, "Югославия"},
        {8, 6, 9, "Турция"},
        {0, 3, 0, "США или Канада"},
        {0, 6, 5, "США или Канада"},
        {0, 5, 0, " (неизвестно)"},
        {2, 0, 0, " (неизвестно)"},
        {4, 6, 9, "СНГ"},
        {4, 7, 0, " (неизвестно)"},
        {4, 8, 9, "Гонконг"},
        {4, 8, 8, " (неизвестно)"},
        {4, 3, 5, "Германия"},
        {4, 4, 0, " (неизвестно)"},
        {8, 8, 8, "Сингапур"},
        {8, 8, 0, "Корея"},
        {6, 9, 0, "Китай"},
        {9, 1, 2, "Австрия"},
        {8, 3, 9, "Италия"},
        {3, 7, 9, "Франция"},
        {3, 8, 0, " (неизвестно)"},
        {4, 9, 0, "Япония"},
        {8, 5, 9, "Чехия, Словакия"},
        {5, 0, 1, "Великобритания или Сев.Ирландия"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BarcodeCountry(c.d1, c.d2, c.d3), c.country) << c.d1 << c.d2 << c.d3;
}

TEST(Barcode, ClearEmptiesEveryBox) {
    BarcodeBoxes b = Boxes("4600000000008");
    ClearBarcode(b);
    for (const auto& box : b) EXPECT_TRUE(box.empty());
}

}  // namespace
}  // namespace kz
