#include <gtest/gtest.h>

#include <random>

#include "core/IniFile.h"
#include "core/Text.h"
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
    EXPECT_EQ(Ini("").Value("", "type"), "");
    EXPECT_EQ(Ini("[user]\r\ntype=x\r\n").Value("", "type"), "");
    EXPECT_EQ(Ini("type=a\ntype=b\n[x]").Value("", "TYPE"), "a");
    EXPECT_EQ(Ini("a=1\rb=2\r").Value("", "b"), "2");  // a lone CR ends a line too
}

// The scan the index replaces, written as plainly as the rules read.
std::string ScanValue(const std::vector<std::string>& lines, const std::string& section,
                      const std::string& key) {
    std::size_t i = 0;
    if (!section.empty()) {
        const std::string h = "[" + section + "]";
        for (;; ++i) {
            if (i == lines.size()) return "";
            if (lines[i].size() >= h.size() && EqualsNoCase(lines[i].substr(0, h.size()), h)) break;
        }
        ++i;
    }
    for (; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        if (!l.empty() && l[0] == '[') return "";
        if (l.size() > key.size() && l[key.size()] == '=' &&
            EqualsNoCase(l.substr(0, key.size()), key))
            return l.substr(key.size() + 1);
    }
    return "";
}

TEST(IniValue, IndexAnswersExactlyAsAScanOnRandomFiles) {
    std::mt19937 rng(7);
    const std::vector<std::string> names = {"sost1", "Sost1", "SOST10", "user", "a", "a]b", ""};
    const std::vector<std::string> keys = {"bal1", "BAL1", "bal10", "d", "name", "x=y", "bal"};
    auto pick = [&](const std::vector<std::string>& v) { return v[rng() % v.size()]; };
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> lines;
        const int n = static_cast<int>(rng() % 30);
        for (int k = 0; k < n; ++k) {
            switch (rng() % 5) {
                case 0:
                    lines.push_back("[" + pick(names) + "]" + (rng() % 3 ? "" : "tail"));
                    break;
                case 1:
                    lines.push_back(pick(keys) + "=v" + std::to_string(k));
                    break;
                case 2:
                    lines.push_back(pick(keys) + std::to_string(k % 3) + "=w");
                    break;
                case 3:
                    lines.push_back(pick({"bal", "BAL", "Bal", "bal0", "ba"}) +
                                    std::to_string(rng() % 14) + "=n" + std::to_string(k));
                    break;
                default:
                    lines.push_back(rng() % 2 ? "" : "noise");
                    break;
            }
        }
        std::string text;
        for (const auto& l : lines) text += l + "\r\n";
        const IniFile ini = Ini(text);
        for (const auto& s : names) {
            for (const auto& k : keys) {
                if (k.find('=') != std::string::npos) continue;
                ASSERT_EQ(ini.Value(s, k), ScanValue(lines, s, k)) << s << " " << k << text;
            }
            // All numbered keys of a list at once give what each lookup gives.
            std::string list[12];
            ini.NumberedValues(s, "bal", list, std::size(list));
            for (std::size_t n = 1; n <= std::size(list); ++n)
                ASSERT_EQ(list[n - 1], ScanValue(lines, s, "bal" + std::to_string(n))) << s << text;
        }
    }
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
    EXPECT_EQ(ini.Section(ui, "absent"), "");
    // The text runs to the end of the file.
    EXPECT_EQ(Ini("[notes]\r\nlast line").Section(ui, "notes"), "last line");
    // The line that ends a text is not looked at as a header again.
    EXPECT_EQ(Ini("[a]\r\nx\r\n[a]\r\ny\r\n").Section(ui, "a"), "x");
}

TEST(IniFile, OpenFailureIsReported) {
    ScriptedPlatform ui;
    IniFile ini;
    EXPECT_FALSE(ini.Open(ui, "/nonexistent/folder/file.kv7"));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Ошибка при открытии служебного файла."});
}

}  // namespace
}  // namespace kz
