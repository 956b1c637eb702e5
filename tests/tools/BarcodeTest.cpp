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
    EXPECT_EQ(ui.Texts(),
              (std::vector<std::string>{"Этот штрих-код поддельный!", kValidPrefix + "СНГ"}));
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
    const std::string unknown = " (неизвестно)";
    // clang-format off
    const std::pair<const char*, std::string> cases[] = {
        {"529", "Кипр"}, {"520", "Греция"}, {"569", "Исландия"}, {"560", "Португалия"},
        {"860", "Югославия"}, {"869", "Турция"}, {"030", "США или Канада"},
        {"065", "США или Канада"}, {"050", unknown}, {"200", unknown}, {"469", "СНГ"},
        {"470", unknown}, {"489", "Гонконг"}, {"488", unknown}, {"435", "Германия"},
        {"440", unknown}, {"888", "Сингапур"}, {"880", "Корея"}, {"379", "Франция"},
        {"380", unknown}, {"839", "Италия"}, {"501", "Великобритания или Сев.Ирландия"},
    };
    // clang-format on
    for (const auto& [p, country] : cases)
        EXPECT_EQ(BarcodeCountry(p[0] - '0', p[1] - '0', p[2] - '0'), country) << p;
}

}  // namespace
}  // namespace kz
