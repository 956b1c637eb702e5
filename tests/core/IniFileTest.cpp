#include <gtest/gtest.h>

#include "core/IniFile.h"
#include "support/ScriptedPlatform.h"

namespace kz {
namespace {

using test::ScriptedPlatform;

IniFile Ini(const std::string& text) {
    IniFile ini;
    ini.Load(text);
    return ini;
}

TEST(IniValue, FollowsTheLookupRules) {
    const IniFile ini =
        Ini("type=Kerva70st\r\n"
            "[SOST1]\r\n"
            "bal10=x\r\n"
            "Bal1=a=b\r\n"
            "bal1=second\r\n"
            "bal 2=spaced\r\n"
            "[sost10]\r\n"
            "bal3=in sost10\r\n"
            "[sost1]\r\n"
            "bal4=repeated header\r\n"
            "[Sost2]junk\r\n"
            "key=after junk\r\n"
            "[oldbal1]\r\n"
            "bal5=later section\r\n");
    EXPECT_EQ(ini.Value("", "type"), "Kerva70st");
    EXPECT_EQ(ini.Value("", "bal1"), "");  // the unnamed section ends at the first header
    EXPECT_EQ(ini.Value("sost1", "bal1"), "a=b");
    EXPECT_EQ(ini.Value("Sost1", "BAL10"), "x");
    EXPECT_EQ(ini.Value("sost1", "bal"), "");
    EXPECT_EQ(ini.Value("sost1", "bal 2"), "spaced");
    EXPECT_EQ(ini.Value("sost1", "bal3"), "");  // belongs to [sost10]
    EXPECT_EQ(ini.Value("sost10", "bal3"), "in sost10");
    EXPECT_EQ(ini.Value("sost1", "bal4"), "");  // only the first header counts
    EXPECT_EQ(ini.Value("sost1", "bal5"), "");  // a key after the next header
    EXPECT_EQ(ini.Value("sost2", "key"), "after junk");
    EXPECT_EQ(ini.Value("nosuch", "key"), "");
    EXPECT_EQ(Ini("type=a\ntype=b\n[x]").Value("", "TYPE"), "a");
    EXPECT_EQ(Ini("a=1\rb=2\r").Value("", "b"), "2");  // a lone CR ends a line too
}

TEST(IniSection, CollectsFreeText) {
    ScriptedPlatform ui;
    const IniFile ini =
        Ini("[notes]\r\n\r\nfirst\r\n\r\nthird\r\n[x]\r\ny=1\r\n[NOTES]\r\nmore\r\n[clinfo1]\r\n");
    // Leading empty lines are not kept; a repeated header adds its lines.
    EXPECT_EQ(ini.Section(ui, "notes"), "first\r\n\r\nthird\r\nmore");
    EXPECT_TRUE(ui.messages.empty());
    // A header on the last line is an error.
    EXPECT_EQ(ini.Section(ui, "clinfo1"), "");
    EXPECT_EQ(ui.messages[0].text, "Ошибка при загрузке данных!");
    // The text runs to the end of the file.
    EXPECT_EQ(Ini("[notes]\r\nlast line").Section(ui, "notes"), "last line");
    // The line that ends a text is not looked at as a header again.
    EXPECT_EQ(Ini("[a]\r\nx\r\n[a]\r\ny\r\n").Section(ui, "a"), "x");
}

}  // namespace
}  // namespace kz
