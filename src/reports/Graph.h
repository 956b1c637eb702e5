#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/Date.h"
#include "platform/Platform.h"

namespace kz {

inline constexpr int kGraphPoints = 50;

// The points of a graph as the history list prepares them: labels are date
// texts as the entries hold them, values the amounts; points 1..count are
// used, element 0 being point 1.
struct GraphData {
    std::string title;
    int count = 0;
    std::array<std::string, kGraphPoints> labels;
    std::array<double, kGraphPoints> values{};
    std::string horizontalCaption;  // "время"
    std::string verticalCaption;    // unit name "(" short sign ")"

    // Every point back to the label "20.12.9999" and the value 0, no points.
    void Reset();
};

struct GraphColor {
    int red = 0, green = 0, blue = 0;
    bool operator==(const GraphColor&) const = default;
};

inline constexpr GraphColor kGraphDarkBlue{0, 0, 128};  // axes and the line
inline constexpr GraphColor kGraphGridGrey{128, 128, 128};
inline constexpr int kGraphLeft = 50;
inline constexpr int kGraphTop = 50;
inline constexpr int kGraphMargins = 100;  // drawing size = inner size - 100
inline constexpr int kGraphFontSize = 8;
inline constexpr int kGraphMarkRadius = 2;

// One thing to paint, in window units (x to the right, y downwards).
struct GraphPrimitive {
    enum class Kind { Line, Circle, Text };
    Kind kind = Kind::Line;
    int x1 = 0, y1 = 0;  // line start; circle centre; text's left and top
    int x2 = 0, y2 = 0;  // line end
    int radius = 0;      // circles
    GraphColor color;    // lines and circles
    std::string text;    // texts
    int fontSize = 0;    // texts, in points
};

// Measures a text as the window will paint it, in window units.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual int Width(const std::string& text, int pointSize) const = 0;
    virtual int Height(const std::string& text, int pointSize) const = 0;
};

// The graph of points 1..data.count as a list of primitives in painting
// order: vertical axis and its caption, zero line and its caption, the grid
// (a number and a grey line for each of 20 levels from zero up to the
// largest value), then the line through the points with a circle of radius 2
// at both ends of every segment. `width` and `height` are the drawing size
// (the window's inner size less 100 each way), `left`/`top` the margins.
// Horizontal distances are proportional to the days between the points; a
// pair whose later date is not 1 to 721 days after the earlier one (or whose
// label is not a date) ends the line there. Labels are read like typed dates;
// `today` gives the year of a label without one.
//
// Unusable data does not fail:
//  * no points, or a drawing size not above 0: nothing is drawn;
//  * every value zero: the vertical scale is undefined, so the zero line is
//    put at half the height, no grid is drawn and the points lie on it;
//  * a primitive with a coordinate outside the signed 16-bit range the
//    window works in (or a value that is not a finite number) is left out,
//    the rest is drawn.
std::vector<GraphPrimitive> DrawGraph(const GraphData& data, int width, int height,
                                      const TextMetrics& metrics, const Date& today,
                                      GraphColor axisColor = kGraphDarkBlue,
                                      GraphColor lineColor = kGraphDarkBlue, int left = kGraphLeft,
                                      int top = kGraphTop);

// "Печать" of the graph window: the picture of the whole window goes to the
// printer; a failure is told as "Ошибка печати: " and the system's
// description, and the window stays. True when it was printed.
bool PrintGraph(Platform& ui, const Picture& window);

}  // namespace kz
