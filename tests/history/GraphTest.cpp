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
    g.title = "Личные деньги: график доходов";
    g.horizontalCaption = "время";
    g.verticalCaption = "рубли(р.)";
    for (const auto& [label, value] : points) {
        g.labels[static_cast<std::size_t>(g.count)] = label;
        g.values[static_cast<std::size_t>(g.count)] = value;
        ++g.count;
    }
    return g;
}

std::vector<GraphPrimitive> Only(const std::vector<GraphPrimitive>& all, Kind kind,
                                 GraphColor color = {}) {
    std::vector<GraphPrimitive> out;
    for (const auto& p : all)
        if (p.kind == kind && (kind == Kind::Text || p.color == color)) out.push_back(p);
    return out;
}

using Quads = std::vector<std::array<int, 4>>;

// Both ends of lines; centre and radius (and 0) of circles.
Quads Ends(const std::vector<GraphPrimitive>& prims) {
    Quads out;
    for (const auto& p : prims)
        out.push_back(p.kind == Kind::Circle ? std::array{p.x1, p.y1, p.radius, 0}
                                             : std::array{p.x1, p.y1, p.x2, p.y2});
    return out;
}

const Date kToday{2002, 12, 5};

TEST(DrawGraph, TwoPointsAMonthApart) {
    // W = 700, H = 400; values 100 and 200: S = 400 / 300, Z = round(316.67) = 317.
    const auto prims = DrawGraph(Points({{"01.03.2002", 100}, {"31.03.2002", 200}}), 700, 400,
                                 FixedMetrics{}, kToday);
    // Vertical axis, zero line, one segment: D = 31, X = round(700 / 32) = 22, 30 days.
    EXPECT_EQ(Ends(Only(prims, Kind::Line, kGraphDarkBlue)),
              (Quads{{50, 50, 50, 450}, {50, 317, 750, 317}, {50, 184, 710, 50}}));
    EXPECT_EQ(Ends(Only(prims, Kind::Circle, kGraphDarkBlue)),
              (Quads{{50, 184, 2, 0}, {710, 50, 2, 0}}));

    const auto texts = Only(prims, Kind::Text);
    ASSERT_EQ(texts.size(), 22u);
    // Vertical caption centred above the axis, horizontal caption right of the zero line.
    EXPECT_EQ(texts[0].text, "рубли(р.)");
    EXPECT_EQ(std::tie(texts[0].x1, texts[0].y1), std::make_tuple(50 - 27, 50 - 10 - 8));
    EXPECT_EQ(texts[1].text, "время");
    EXPECT_EQ(std::tie(texts[1].x1, texts[1].y1), std::make_tuple(751, 312));
    // Grid levels 10, 20, ... 200 every 13.33 units up from the zero line.
    EXPECT_EQ(texts[2].text, "10");
    EXPECT_EQ(std::tie(texts[2].x1, texts[2].y1), std::make_tuple(50 - 12 - 10, 299));
    EXPECT_EQ(texts[21].text, "200");
    EXPECT_EQ(std::tie(texts[21].x1, texts[21].y1), std::make_tuple(50 - 18 - 10, 45));
    const auto grid = Only(prims, Kind::Line, kGraphGridGrey);
    ASSERT_EQ(grid.size(), 20u);
    EXPECT_EQ(std::tie(grid[0].x1, grid[0].y1, grid[0].x2, grid[0].y2),
              std::make_tuple(50, 304, 750, 304));
    EXPECT_EQ(grid[19].y1, 50);
}

TEST(DrawGraph, NegativeValueLiesBelowTheZeroLine) {
    // Values 100 and -50, H = 300: S = 2, zero line at 50 + 200 = 250.
    const auto prims = DrawGraph(Points({{"01.03.2002", 100}, {"02.03.2002", -50}}), 600, 300,
                                 FixedMetrics{}, kToday);
    // D = 2, X = 200: from (50, 50) one day on to (250, 350).
    EXPECT_EQ(Ends(Only(prims, Kind::Line, kGraphDarkBlue)),
              (Quads{{50, 50, 50, 350}, {50, 250, 650, 250}, {50, 50, 250, 350}}));
    const auto grid = Only(prims, Kind::Line, kGraphGridGrey);
    ASSERT_EQ(grid.size(), 20u);
    for (const auto& g : grid) EXPECT_LT(g.y1, 250);
    std::vector<std::string> levels;
    for (const auto& t : Only(prims, Kind::Text))
        if (t.text != "время" && t.text != "рубли(р.)") levels.push_back(t.text);
    ASSERT_EQ(levels.size(), 20u);
    EXPECT_EQ(levels.front(), "5");
    EXPECT_EQ(levels[9], "50");
    EXPECT_EQ(levels.back(), "100");
}

TEST(DrawGraph, LineEndsAtTheFirstPairThatIsNotLater) {
    const FixedMetrics m;
    // 05.03 -> 03.03 goes back: only the first segment is drawn; D = 1 + 4.
    auto prims = DrawGraph(
        Points({{"01.03.2002", 10}, {"05.03.2002", 20}, {"03.03.2002", 30}, {"10.03.2002", 40}}),
        600, 300, m, kToday);
    auto segs = Only(prims, Kind::Line, kGraphDarkBlue);
    ASSERT_EQ(segs.size(), 3u);
    EXPECT_EQ(segs[2].x1, 50);
    EXPECT_EQ(segs[2].x2, 50 + 4 * 100);  // X = 600 / 6
    EXPECT_EQ(Only(prims, Kind::Circle, kGraphDarkBlue).size(), 2u);

    // 721 days is still a step; 722 ends the line.
    prims = DrawGraph(Points({{"01.01.2000", 1}, {"22.12.2001", 2}, {"14.12.2003", 3}}), 723, 300,
                      m, kToday);
    segs = Only(prims, Kind::Line, kGraphDarkBlue);
    ASSERT_EQ(segs.size(), 3u);
    EXPECT_EQ(segs[2].x2, 50 + 721);  // D = 722, X = 1

    // Same date twice, or a label that is no date: no segment at all.
    for (const char* second : {"01.03.2002", "20.12.9999x", ""}) {
        prims = DrawGraph(Points({{"01.03.2002", 10}, {second, 20}}), 600, 300, m, kToday);
        EXPECT_EQ(Only(prims, Kind::Line, kGraphDarkBlue).size(), 2u) << second;
        EXPECT_TRUE(Only(prims, Kind::Circle, kGraphDarkBlue).empty());
    }
}

TEST(DrawGraph, LabelsReadLikeTypedDates) {
    // "1.3.02" is 01.03.2002; "15.3" takes the year of today.
    const auto prims = DrawGraph(Points({{"1.3.02", 10}, {"15.3", 20}}), 160, 300, FixedMetrics{},
                                 Date{2002, 6, 1});
    const auto segs = Only(prims, Kind::Line, kGraphDarkBlue);
    ASSERT_EQ(segs.size(), 3u);
    EXPECT_EQ(segs[2].x2, 50 + 14 * 10);  // D = 15, X = 160 / 16
}

TEST(DrawGraph, UnusableDataDrawsWhatItCan) {
    const FixedMetrics m;
    // All values zero: zero line at half the height, no grid, points on it.
    auto prims = DrawGraph(Points({{"01.03.2002", 0}, {"02.03.2002", 0}}), 600, 300, m, kToday);
    EXPECT_TRUE(Only(prims, Kind::Line, kGraphGridGrey).empty());
    auto segs = Only(prims, Kind::Line, kGraphDarkBlue);
    ASSERT_EQ(segs.size(), 3u);
    EXPECT_EQ(Ends(segs)[1][1], 200);
    EXPECT_EQ(Ends(segs)[2], (std::array{50, 200, 250, 200}));

    // A drawing area far beyond 16-bit coordinates: what cannot be placed is
    // left out, the rest is still there.
    prims = DrawGraph(Points({{"01.03.2002", 100}, {"31.03.2002", 200}}), 100000, 400, m, kToday);
    EXPECT_FALSE(prims.empty());
    for (const auto& p : prims) {
        EXPECT_LE(std::max({p.x1, p.x2, p.y1, p.y2}), 32767);
        EXPECT_GE(std::min({p.x1, p.x2, p.y1, p.y2}), -32768);
    }
    EXPECT_EQ(Only(prims, Kind::Line, kGraphDarkBlue).size(), 1u);  // the vertical axis

    // Values too large for any scale, no points, no room.
    prims = DrawGraph(Points({{"01.03.2002", 1e308}, {"02.03.2002", -1e308}}), 600, 300, m, kToday);
    EXPECT_FALSE(prims.empty());
    EXPECT_TRUE(DrawGraph(Points({}), 600, 300, m, kToday).empty());
    EXPECT_TRUE(
        DrawGraph(Points({{"01.03.2002", 1}, {"02.03.2002", 2}}), -40, 300, m, kToday).empty());
}

// Graph points of the history lists.
BudgetFile DocumentWith(EntryList SostRecord::*list, std::vector<std::string> oldestFirst) {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    for (auto& e : oldestFirst) PushEntry(doc.Sost(1).*list, e);
    return doc;
}

// The points of one list, which must be enough for a graph.
GraphData Prepared(const BudgetFile& doc, int mode) {
    test::ScriptedPlatform ui;
    GraphData g;
    EXPECT_TRUE(PrepareGraph(doc, ui, mode, g));
    EXPECT_TRUE(ui.messages.empty());
    return g;
}

TEST(PrintGraph, PrintsTheWindowsPictureOrTellsWhyNot) {
    test::ScriptedPlatform ui;
    const Picture window{2, 1, {0xffffffffu, 0xff000080u}};
    EXPECT_TRUE(PrintGraph(ui, window));
    ASSERT_EQ(ui.printedPictures.size(), 1u);
    EXPECT_EQ(ui.printedPictures[0].pixels, window.pixels);
    EXPECT_TRUE(ui.messages.empty());

    ui.printResults.push_back(false);
    EXPECT_FALSE(PrintGraph(ui, window));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Ошибка печати: Ошибка принтера.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Critical);
    EXPECT_EQ(ui.printedPictures.size(), 1u);
}

TEST(GraphPoints, IncomesOfOneDayAddUp) {
    BudgetFile doc = DocumentWith(
        &SostRecord::dohod,
        {"1000\t01.03.2002\tЗарплата", "250,5\t01.03.2002\tПремия", "300\t02.03.2002\t"});
    const GraphData g = Prepared(doc, kListDohod);
    EXPECT_EQ(g.title, "Личные деньги: график доходов");
    EXPECT_EQ(g.verticalCaption, "рубли(р.)");
    ASSERT_EQ(g.count, 2);
    EXPECT_EQ(g.labels[0], "01.03.2002");
    EXPECT_DOUBLE_EQ(g.values[0], 1250.5);
    EXPECT_EQ(g.labels[1], "02.03.2002");
    EXPECT_DOUBLE_EQ(g.values[1], 300);
    EXPECT_EQ(g.labels[2], "20.12.9999");
    EXPECT_EQ(g.values[2], 0);
}

TEST(GraphPoints, NewestBalanceOfADayWinsAndOnlyNeighboursMerge) {
    BudgetFile doc = DocumentWith(&SostRecord::oldbal, {"500\t01.03.2002", "700\t01.03.2002",
                                                        "650\t05.03.2002", "800\t01.03.2002"});
    const GraphData g = Prepared(doc, kListOldBal);
    ASSERT_EQ(g.count, 3);
    EXPECT_DOUBLE_EQ(g.values[0], 700);
    EXPECT_DOUBLE_EQ(g.values[1], 650);
    EXPECT_EQ(g.labels[2], "01.03.2002");
    EXPECT_DOUBLE_EQ(g.values[2], 800);
}

TEST(GraphPoints, TooFewPointsAreRefused) {
    const std::string refusal = "Данный список не содержит достаточно данных!";
    const BudgetFile one = DocumentWith(&SostRecord::rashod, {"40\t01.03.2002\tхлеб"});
    const BudgetFile oneDay =
        DocumentWith(&SostRecord::oldzan, {"100\t01.03.2002\tИван\t", "200\t01.03.2002\tПетр\t"});
    const BudgetFile empty = DocumentWith(&SostRecord::oldodol, {});
    struct Case {
        const BudgetFile* doc;
        int mode;
    };
    for (const Case& c :
         {Case{&one, kListRashod}, Case{&oneDay, kListOldZan}, Case{&empty, kListOldOdol}}) {
        test::ScriptedPlatform ui;
        GraphData g;
        EXPECT_FALSE(PrepareGraph(*c.doc, ui, c.mode, g));
        EXPECT_EQ(ui.Texts(), std::vector<std::string>{refusal});
    }
}

TEST(GraphPoints, OnlyTheNewestFiftySlotsAreUsed) {
    std::vector<std::string> entries;
    for (int i = 0; i < 70; ++i)
        entries.push_back(std::to_string(i) + "\t" +
                          FormatDate(CivilFromDays(DaysFromCivil({2003, 1, 1}) + i)));
    BudgetFile doc = DocumentWith(&SostRecord::oldodol, entries);
    const GraphData g = Prepared(doc, kListOldOdol);
    ASSERT_EQ(g.count, 50);
    // Slot 50 holds the 21st entry made (value 20), slot 1 the last (69).
    EXPECT_EQ(g.values[0], 20);
    EXPECT_EQ(g.labels[0], "21.01.2003");
    EXPECT_EQ(g.values[49], 69);
    EXPECT_EQ(g.labels[49], "11.03.2003");
}

}  // namespace
}  // namespace kz
