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

TEST(Barcode, CheckDigitDecidesAndEmptyOrMistypedBoxesCountAsZero) {
    const std::string valid = "Штрих-код верный.\r\n\r\nТовар с этим штрих-кодом сделан в стране: ";
    const std::string forged = "Этот штрих-код поддельный!";
    const std::pair<const char*, std::string> cases[] = {
        {"4600000000008", valid + "СНГ"},  // S = 3 * 6 + 4 = 22
        {"4600000000009", forged},
        {"1300000000000", valid + " (неизвестно)"},  // S = 10; no country for 130
        {"46  a-  z   8", valid + "СНГ"},
        {"             ", valid + "США или Канада"},
    };
    test::ScriptedPlatform ui;
    for (const auto& [code, verdict] : cases) {
        CheckBarcode(ui, Boxes(code));
        EXPECT_EQ(ui.Texts().back(), verdict) << code;
    }
}

TEST(Barcode, ThreeDigitPrefixesWinOverTheirTwoDigitRows) {
    const std::string unknown = " (неизвестно)";
    // clang-format off
    const std::pair<const char*, std::string> cases[] = {
        {"529", "Кипр"}, {"520", "Греция"}, {"030", "США или Канада"}, {"050", unknown},
        {"469", "СНГ"}, {"470", unknown}, {"489", "Гонконг"}, {"488", unknown},
    };
    // clang-format on
    for (const auto& [p, country] : cases)
        EXPECT_EQ(BarcodeCountry(p[0] - '0', p[1] - '0', p[2] - '0'), country) << p;
}

}  // namespace
}  // namespace kz
