#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/Text.h"
#include "reports/Graph.h"
#include "support/ScriptedPlatform.h"
#include "windows/state/HistoryList.h"

namespace kz {
namespace {

using Kind = GraphPrimitive::Kind;
using Quads = std::vector<std::array<int, 4>>;

// Every character 6 units wide, every line 10 high.
class FixedMetrics : public TextMetrics {
public:
    int Width(const std::string& text, int) const override {
        return 6 * static_cast<int>(CharCount(text));
    }
    int Height(const std::string&, int) const override { return 10; }
};

const Date kToday{2002, 12, 5};

GraphData Points(std::vector<std::pair<std::string, double>> points) {
    GraphData g;
    g.Reset();
    g.horizontalCaption = "время";
    g.verticalCaption = "рубли(р.)";
    for (const auto& [label, value] : points) {
        g.labels[static_cast<std::size_t>(g.count)] = label;
        g.values[static_cast<std::size_t>(g.count)] = value;
        ++g.count;
    }
    return g;
}

struct Drawing {
    std::vector<GraphPrimitive> all;
    Drawing(std::vector<std::pair<std::string, double>> points, int w, int h, Date today = kToday)
        : all(DrawGraph(Points(std::move(points)), w, h, FixedMetrics{}, today)) {}
    std::vector<GraphPrimitive> Only(Kind kind, GraphColor color = {}) const {
        std::vector<GraphPrimitive> out;
        for (const auto& p : all)
            if (p.kind == kind && (kind == Kind::Text || p.color == color)) out.push_back(p);
        return out;
    }
    // Both ends of the dark blue lines: axis, zero line, then the segments.
    Quads Lines() const {
        Quads out;
        for (const auto& p : Only(Kind::Line, kGraphDarkBlue))
            out.push_back({p.x1, p.y1, p.x2, p.y2});
        return out;
    }
    std::size_t Circles() const { return Only(Kind::Circle, kGraphDarkBlue).size(); }
};

TEST(DrawGraph, TwoPointsAMonthApartAndANegativeValue) {
    // W = 700, H = 400; values 100 and 200: S = 400 / 300, Z = round(316.67) = 317.
    // D = 31, X = round(700 / 32) = 22, 30 days on. Grid levels 10 ... 200.
    const Drawing d({{"01.03.2002", 100}, {"31.03.2002", 200}}, 700, 400);
    EXPECT_EQ(d.Lines(), (Quads{{50, 50, 50, 450}, {50, 317, 750, 317}, {50, 184, 710, 50}}));
    EXPECT_EQ(d.Circles(), 2u);
    EXPECT_EQ(d.Only(Kind::Line, kGraphGridGrey).size(), 20u);
    EXPECT_EQ(d.Only(Kind::Text)[2].text, "10");  // the lowest level's value

    // Values 100 and -50, H = 300: S = 2, zero line at 250, the grid above it; D = 2, X = 200.
    const Drawing neg({{"01.03.2002", 100}, {"02.03.2002", -50}}, 600, 300);
    EXPECT_EQ(neg.Lines(), (Quads{{50, 50, 50, 350}, {50, 250, 650, 250}, {50, 50, 250, 350}}));
    for (const auto& g : neg.Only(Kind::Line, kGraphGridGrey)) EXPECT_LT(g.y1, 250);
}

TEST(DrawGraph, LineEndsAtTheFirstPairThatIsNotLaterAndLabelsReadLikeTypedDates) {
    // 05.03 -> 03.03 goes back: only the first segment is drawn; D = 1 + 4, X = 100.
    Drawing d({{"01.03.2002", 10}, {"05.03.2002", 20}, {"03.03.2002", 30}, {"10.03.2002", 40}}, 600,
              300);
    ASSERT_EQ(d.Lines().size(), 3u);
    EXPECT_EQ(d.Lines()[2][2], 50 + 4 * 100);
    EXPECT_EQ(d.Circles(), 2u);

    // "1.3.02" is 01.03.2002; "15.3" takes the year of today: D = 15, X = 10.
    d = Drawing({{"1.3.02", 10}, {"15.3", 20}}, 160, 300, Date{2002, 6, 1});
    ASSERT_EQ(d.Lines().size(), 3u);
    EXPECT_EQ(d.Lines()[2][2], 50 + 14 * 10);

    // Same date twice, or a label that is no date: no segment at all.
    for (const char* second : {"01.03.2002", "20.12.9999x", ""}) {
        d = Drawing({{"01.03.2002", 10}, {second, 20}}, 600, 300);
        EXPECT_EQ(d.Lines().size(), 2u) << second;
        EXPECT_EQ(d.Circles(), 0u);
    }
}

TEST(DrawGraph, UnusableDataDrawsWhatItCan) {
    // All values zero: zero line at half the height, no grid, points on it.
    Drawing d({{"01.03.2002", 0}, {"02.03.2002", 0}}, 600, 300);
    EXPECT_TRUE(d.Only(Kind::Line, kGraphGridGrey).empty());
    EXPECT_EQ(d.Lines()[2], (std::array{50, 200, 250, 200}));

    // A drawing area far beyond 16-bit coordinates: what cannot be placed is
    // left out, the vertical axis is still there.
    d = Drawing({{"01.03.2002", 100}, {"31.03.2002", 200}}, 100000, 400);
    for (const auto& p : d.all) {
        EXPECT_LE(std::max({p.x1, p.x2, p.y1, p.y2}), 32767);
        EXPECT_GE(std::min({p.x1, p.x2, p.y1, p.y2}), -32768);
    }
    EXPECT_EQ(d.Lines().size(), 1u);

    // Values too large for any scale, no points, no room.
    EXPECT_FALSE(Drawing({{"01.03.2002", 1e308}, {"02.03.2002", -1e308}}, 600, 300).all.empty());
    EXPECT_TRUE(Drawing({}, 600, 300).all.empty());
    EXPECT_TRUE(Drawing({{"01.03.2002", 1}, {"02.03.2002", 2}}, -40, 300).all.empty());
}

// The points of one list of the first state, entries given oldest first.
bool Prepared(EntryList SostRecord::*list, int mode, const std::vector<std::string>& entries,
              GraphData& g, test::ScriptedPlatform& ui) {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    for (const auto& e : entries) PushEntry(doc.Sost(1).*list, e);
    return PrepareGraph(doc, ui, mode, g);
}

TEST(GraphPoints, IncomesOfADayAddUpWhileTheNewestBalanceOfADayWins) {
    test::ScriptedPlatform ui;
    GraphData g;
    ASSERT_TRUE(Prepared(
        &SostRecord::dohod, kListDohod,
        {"1000\t01.03.2002\tЗарплата", "250,5\t01.03.2002\tПремия", "300\t02.03.2002\t"}, g, ui));
    ASSERT_EQ(g.count, 2);
    EXPECT_EQ(g.labels[0] + " " + g.labels[1], "01.03.2002 02.03.2002");
    EXPECT_DOUBLE_EQ(g.values[0], 1250.5);
    EXPECT_DOUBLE_EQ(g.values[1], 300);

    // Only neighbours merge.
    ASSERT_TRUE(Prepared(
        &SostRecord::oldbal, kListOldBal,
        {"500\t01.03.2002", "700\t01.03.2002", "650\t05.03.2002", "800\t01.03.2002"}, g, ui));
    ASSERT_EQ(g.count, 3);
    EXPECT_EQ((std::array{g.values[0], g.values[1], g.values[2]}), (std::array{700., 650., 800.}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(GraphPoints, TooFewPointsAreRefusedAndOnlyTheNewestFiftySlotsAreUsed) {
    test::ScriptedPlatform ui;
    GraphData g;
    EXPECT_FALSE(Prepared(&SostRecord::rashod, kListRashod, {"40\t01.03.2002\tхлеб"}, g, ui));
    EXPECT_FALSE(Prepared(&SostRecord::oldzan, kListOldZan,
                          {"100\t01.03.2002\tИван\t", "200\t01.03.2002\tПетр\t"}, g, ui));
    EXPECT_FALSE(Prepared(&SostRecord::oldodol, kListOldOdol, {}, g, ui));
    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>(3, "Данный список не содержит достаточно данных!"));

    std::vector<std::string> entries;
    for (int i = 0; i < 70; ++i)
        entries.push_back(std::to_string(i) + "\t" +
                          FormatDate(CivilFromDays(DaysFromCivil({2003, 1, 1}) + i)));
    ASSERT_TRUE(Prepared(&SostRecord::oldodol, kListOldOdol, entries, g, ui));
    ASSERT_EQ(g.count, 50);
    // Slot 50 holds the 21st entry made (value 20), slot 1 the last (69).
    EXPECT_EQ(g.values[0], 20);
    EXPECT_EQ(g.labels[0], "21.01.2003");
    EXPECT_EQ(g.values[49], 69);
}

}  // namespace
}  // namespace kz
