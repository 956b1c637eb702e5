#include <gtest/gtest.h>

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
    Drawing(std::vector<std::pair<std::string, double>> points, int w, int h)
        : all(DrawGraph(Points(std::move(points)), w, h, FixedMetrics{}, Date{2002, 12, 5})) {}
    std::vector<GraphPrimitive> Only(Kind kind, GraphColor color = {}) const {
        std::vector<GraphPrimitive> out;
        for (const auto& p : all)
            if (p.kind == kind && p.color == color) out.push_back(p);
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

TEST(DrawGraph, TwoPointsAMonthApartAndDataItCannotDraw) {
    // W = 700, H = 400; values 100 and 200: S = 400 / 300, Z = round(316.67) = 317.
    // D = 31, X = round(700 / 32) = 22, 30 days on.
    const Drawing d({{"01.03.2002", 100}, {"31.03.2002", 200}}, 700, 400);
    EXPECT_EQ(d.Lines(), (Quads{{50, 50, 50, 450}, {50, 317, 750, 317}, {50, 184, 710, 50}}));
    EXPECT_EQ(d.Circles(), 2u);

    // Same date twice, or a label that is no date: no segment at all.
    for (const char* second : {"01.03.2002", "20.12.9999x", ""}) {
        const Drawing none({{"01.03.2002", 10}, {second, 20}}, 600, 300);
        EXPECT_EQ(none.Lines().size(), 2u) << second;
        EXPECT_EQ(none.Circles(), 0u);
    }
    // Values too large for any scale draw something; no points or no room, nothing.
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
}

}  // namespace
}  // namespace kz
