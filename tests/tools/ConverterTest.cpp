#include <gtest/gtest.h>

#include "support/ScriptedPlatform.h"
#include "tools/Converter.h"

namespace kz {
namespace {

ConverterForm Form(std::string r1, std::string r2, std::string a, bool oneToTwo) {
    return {std::move(r1), std::move(r2), std::move(a), "old", oneToTwo};
}

TEST(Converter, ConvertsBothWaysWithCommasAndRefusesInOrder) {
    const std::string ratio = "Неверно указано соотношение используемых единиц!";
    const std::string amount = "Введите исходную сумму.";
    // An empty expected message: converted to `result`.
    const struct {
        ConverterForm form;
        std::string result, message;
    } cases[] = {
        {Form("4", "2", "10", true), "20", ""},
        {Form("4", "2", "10", false), "5", ""},
        {Form("1,5", "3", "2,5", true), "1,25", ""},
        {Form("4", "", "", true), "old", ratio},  // the ratio is checked first
        {Form("0", "2", "10", true), "old", ratio},
        {Form("4", "abc", "10", true), "old", ratio},
        {Form("1e300", "1e-300", "10", true), "old", ratio},
        {Form("4", "2", "abc", true), "old", amount},
        {Form("4", "2", "-5", true), "old", amount},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.form.ratio1 + "/" + c.form.ratio2 + " x " + c.form.amount);
        test::ScriptedPlatform ui;
        EXPECT_EQ(Convert(ui, c.form), c.message.empty());
        EXPECT_EQ(c.form.result, c.result);
        EXPECT_EQ(ui.Texts(), c.message.empty() ? std::vector<std::string>{}
                                                : std::vector<std::string>{c.message});
        CopyResult(ui, c.form);
        EXPECT_EQ(ui.clipboard, c.result);
    }
}

}  // namespace
}  // namespace kz
