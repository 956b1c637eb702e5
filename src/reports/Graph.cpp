#include "reports/Graph.h"

#include <algorithm>
#include <cmath>

#include "core/Text.h"

namespace kz {

void GraphData::Reset() {
    count = 0;
    labels.fill("20.12.9999");
    values.fill(0.0);
}

namespace {

constexpr int kMaxGapDays = 721;
constexpr int kGridLevels = 20;

// The window works in signed 16-bit coordinates; anything else cannot be
// painted and is left out rather than wrapped or clamped into a false place.
bool Coord(double v, int& out) {
    if (!std::isfinite(v)) return false;
    const double r = std::nearbyint(v);
    if (r < -32768.0 || r > 32767.0) return false;
    out = static_cast<int>(r);
    return true;
}

class Painter {
public:
    explicit Painter(std::vector<GraphPrimitive>& out) : out_(out) {}

    void Line(double x1, double y1, double x2, double y2, GraphColor c) {
        GraphPrimitive p;
        p.kind = GraphPrimitive::Kind::Line;
        p.color = c;
        if (Coord(x1, p.x1) && Coord(y1, p.y1) && Coord(x2, p.x2) && Coord(y2, p.y2))
            out_.push_back(std::move(p));
    }
    void Circle(double x, double y, int radius, GraphColor c) {
        GraphPrimitive p;
        p.kind = GraphPrimitive::Kind::Circle;
        p.radius = radius;
        p.color = c;
        if (Coord(x, p.x1) && Coord(y, p.y1)) out_.push_back(std::move(p));
    }
    void Text(double x, double y, std::string text, int size) {
        GraphPrimitive p;
        p.kind = GraphPrimitive::Kind::Text;
        p.text = std::move(text);
        p.fontSize = size;
        if (Coord(x, p.x1) && Coord(y, p.y1)) out_.push_back(std::move(p));
    }

private:
    std::vector<GraphPrimitive>& out_;
};

}  // namespace

std::vector<GraphPrimitive> DrawGraph(const GraphData& data, int width, int height,
                                      const TextMetrics& metrics, const Date& today,
                                      GraphColor axisColor, GraphColor lineColor, int left,
                                      int top) {
    std::vector<GraphPrimitive> out;
    const int n = std::clamp(data.count, 0, kGraphPoints);
    if (n < 1 || width <= 0 || height <= 0) return out;
    Painter paint(out);
    const double L = left, T = top, W = width, H = height;
    const auto& v = data.values;

    double maxV = v[0], minV = v[0];
    for (int i = 1; i < n; ++i) {
        maxV = std::max(maxV, v[static_cast<std::size_t>(i)]);
        minV = std::min(minV, v[static_cast<std::size_t>(i)]);
    }
    const double span = std::fabs(maxV) + std::fabs(minV);
    const bool flat = span == 0;
    const double S = flat ? 0.0 : H / span;
    const int size = kGraphFontSize;

    paint.Line(L, T, L, T + H, axisColor);
    const std::string& vcap = data.verticalCaption;
    paint.Text(L - std::nearbyint(metrics.Width(vcap, size) / 2.0),
               T - metrics.Height(vcap, size) - 8, vcap, size);

    const double Z = flat ? std::nearbyint(T + H / 2) : std::nearbyint(S * maxV + T);
    paint.Line(L, Z, L + W, Z, axisColor);
    const std::string& hcap = data.horizontalCaption;
    paint.Text(L + W + 1, Z - std::nearbyint(metrics.Height(hcap, size) / 2.0), hcap, size);

    if (!flat) {
        for (int k = 1; k <= kGridLevels; ++k) {
            const double y = Z - S * maxV / kGridLevels * k;
            const double level = std::nearbyint(maxV / kGridLevels * k);
            if (std::isfinite(level)) {
                const std::string label = AmountText(level);
                paint.Text(L - metrics.Width(label, size) - 10, y - 5, label, size);
            }
            paint.Line(L, y, L + W, y, kGraphGridGrey);
        }
    }

    // Days between neighbouring points; the walk ends at the first pair that
    // is not 1 to 721 days apart.
    std::vector<int> gaps;
    long long D = 1;
    Date prev;
    bool prevOk = ParseUserDate(data.labels[0], today, prev);
    for (int i = 1; i < n && prevOk; ++i) {
        Date next;
        if (!ParseUserDate(data.labels[static_cast<std::size_t>(i)], today, next)) break;
        const long long g = DaysFromCivil(next) - DaysFromCivil(prev);
        if (g < 1 || g > kMaxGapDays) break;
        gaps.push_back(static_cast<int>(g));
        D += g;
        prev = next;
    }
    const double X = std::nearbyint(W / static_cast<double>(D + 1));

    long long B = 0;
    for (std::size_t i = 0; i < gaps.size(); ++i) {
        const int g = gaps[i];
        const double x1 = L + X * static_cast<double>(B);
        const double y1 = Z - S * v[i];
        const double x2 = L + X * static_cast<double>(B + g);
        const double y2 = Z - S * v[i + 1];
        paint.Line(x1, y1, x2, y2, lineColor);
        paint.Circle(x1, y1, kGraphMarkRadius, lineColor);
        paint.Circle(x2, y2, kGraphMarkRadius, lineColor);
        B += g;
    }
    return out;
}

bool PrintGraph(Platform& ui, const Picture& window) {
    int errorNumber = 0;
    std::string errorText;
    if (ui.PrintPicture(window, errorNumber, errorText)) return true;
    ui.MessageBox("Ошибка печати: " + errorText, Icon::Critical, Buttons::OK);
    return false;
}

}  // namespace kz
