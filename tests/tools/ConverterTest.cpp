#include <gtest/gtest.h>

#include "support/ScriptedPlatform.h"
#include "tools/Converter.h"

namespace kz {
namespace {

ConverterForm Form(std::string r1, std::string r2, std::string a, bool oneToTwo) {
    ConverterForm f;
    f.ratio1 = std::move(r1);
    f.ratio2 = std::move(r2);
    f.amount = std::move(a);
    f.oneToTwo = oneToTwo;
    return f;
}

TEST(Converter, WorkedExamplesInBothDirections) {
    test::ScriptedPlatform ui;
    // The last ratio has a decimal comma: 31,5 / 1 x 250.
    const std::pair<ConverterForm, std::string> cases[] = {
        {Form("4", "2", "10", true), "20"},
        {Form("4", "2", "10", false), "5"},
        {Form("1", "4", "1", true), "0,25"},
        {Form("31,5", "1", "250", true), "7875"},
    };
    for (auto [f, result] : cases) {
        ASSERT_TRUE(Convert(ui, f));
        EXPECT_EQ(f.result, result) << f.ratio1 << "/" << f.ratio2;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Converter, CommasBecomePointsAndTheResultConvertsAgain) {
    test::ScriptedPlatform ui;
    auto f = Form("1,5", "3", "2,5", true);
    ASSERT_TRUE(Convert(ui, f));
    EXPECT_EQ(f.ratio1, "1.5");
    EXPECT_EQ(f.amount, "2.5");
    EXPECT_EQ(f.result, "1,25");
    // The result pasted back as the amount keeps its comma until Convert.
    f.amount = f.result;
    f.oneToTwo = false;
    ASSERT_TRUE(Convert(ui, f));
    EXPECT_EQ(f.amount, "1.25");
    EXPECT_EQ(f.result, "2,5");
    CopyResult(ui, f);
    EXPECT_EQ(ui.clipboard, "2,5");
}

TEST(Converter, RefusalsAndTheirOrder) {
    const std::string ratio = "Неверно указано соотношение используемых единиц!";
    const std::string amount = "Введите исходную сумму.";
    struct Case {
        ConverterForm form;
        std::string message;
        Icon icon;
    };
    const Case cases[] = {
        {Form("4", "", "", true), ratio, Icon::Critical},  // ratio is tested first
        {Form("", "2", "10", true), ratio, Icon::Critical},
        {Form("0", "2", "10", false), ratio, Icon::Critical},
        {Form("4", "abc", "10", true), ratio, Icon::Critical},
        {Form("4", "2", "abc", true), amount, Icon::Information},
        {Form("4", "2", "", true), amount, Icon::Information},
        {Form("4", "2", "-5", true), amount, Icon::Information},
        {Form("4", "2", "0", true), amount, Icon::Information},
        {Form("1e300", "1e-300", "10", true), ratio, Icon::Critical},
    };
    for (const auto& c : cases) {
        test::ScriptedPlatform ui;
        ConverterForm f = c.form;
        f.result = "old";
        EXPECT_FALSE(Convert(ui, f));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, c.message) << c.form.ratio1 << "/" << c.form.ratio2;
        EXPECT_EQ(ui.messages[0].icon, c.icon);
        EXPECT_EQ(f.result, "old");
    }
}

}  // namespace
}  // namespace kz
