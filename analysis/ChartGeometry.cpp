#include "analysis/ChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

// Coordinates stay within this distance of the origin, far outside any
// window yet safe to add and subtract in int.
constexpr double kCoordinateLimit = 1e7;
// A slice never needs more wedges than one full turn and the overreach.
constexpr int kMaxWedges = static_cast<int>(kFullTurn / kWedgeStep) + 2;

int Channel(int v)
{
    return std::clamp(v, 0, 255);
}

} // namespace

QRect Span(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

double OrOne(double value)
{
    return value == 0 ? 1.0 : value;
}

int Trunc(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

QColor Offset(const QColor& c, int k)
{
    return QColor(std::abs(c.red() - k), std::abs(c.green() - k), std::abs(c.blue() - k));
}

QColor Blend(const QColor& a, const QColor& b, int p)
{
    const auto mix = [p](int x, int y) { return Channel(x + (y - x) * p / 100); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

int GridStep(int extent, int divisions, int spacing)
{
    const int step = divisions != 0 ? extent / divisions : 0;
    return std::max(step > 0 ? step : spacing, 1);
}

std::vector<int> GridColumns(const QRect& area, int divisions, int spacing)
{
    const int step = GridStep(area.width(), divisions, spacing);
    std::vector<int> xs;
    for (long long x = area.x(); x < RightOf(area); x += step)
        xs.push_back(static_cast<int>(x));
    return xs;
}

std::vector<int> GridRows(const QRect& area, int divisions, int spacing)
{
    const int step = GridStep(area.height(), divisions, spacing);
    std::vector<int> ys;
    for (long long y = BottomOf(area); y >= area.y(); y -= step)
        ys.push_back(static_cast<int>(y));
    return ys;
}

QRect GridArea(const QRect& area, bool labels)
{
    return area.adjusted(0, 0, 0, -(33 + 20 * int(labels)));
}

int FittedBarWidth(const QRect& area, int count)
{
    const long long shrunk = area.width() - 40LL;
    return static_cast<int>(std::clamp(
        (shrunk - kFittedGap * static_cast<long long>(count)) / count,
        static_cast<long long>(-kCoordinateLimit), static_cast<long long>(kCoordinateLimit)));
}

int ChartHeight(const QRect& area)
{
    return area.height() - 2;
}

int AvailableHeight(int chartHeight, bool values, bool labels)
{
    return chartHeight - 30 - 20 * int(values) - 20 * int(labels);
}

int HorizontalOffset(const QRect& area, int barWidth, int gap, int count)
{
    const double total = (static_cast<double>(barWidth) + gap) * count;
    return Trunc((RightOf(area) - total - area.x()) * 0.5);
}

double BarHeight(double value, int available, double maximum)
{
    double h = value * available / OrOne(maximum);
    if (!std::isfinite(h))
        h = value / OrOne(maximum) * available;
    if (std::isnan(h))
        return kMinBarHeight;
    return std::clamp(h, kMinBarHeight, kCoordinateLimit);
}

BarBox LayoutBar(const BarFrame& frame, int index, double value)
{
    const int chartHeight = ChartHeight(frame.area);
    const int available = AvailableHeight(chartHeight, frame.values, frame.labels);
    BarBox bar;
    bar.h = BarHeight(value, available, frame.maximum);
    bar.height = Trunc(bar.h);
    bar.width = frame.barWidth;
    bar.x = Trunc(static_cast<double>(index) * (frame.barWidth + frame.gap) +
                  HorizontalOffset(frame.area, frame.barWidth, frame.gap, frame.count));
    bar.y = chartHeight - 20 * int(frame.labels) - bar.height - 30;
    bar.hit = Span(bar.x, bar.y, bar.x + bar.width, Trunc(bar.y + bar.h));
    return bar;
}

std::vector<BarBox> LayoutBars(const BarFrame& frame, const std::vector<double>& values)
{
    std::vector<BarBox> bars;
    const int drawn = std::min<int>(static_cast<int>(values.size()), kMaxDrawnBars);
    for (int i = 0; i < drawn; ++i)
        bars.push_back(LayoutBar(frame, i, values[i]));
    return bars;
}

QColor GradientColumn(const QColor& c, int j, int barWidth)
{
    const QColor s = Offset(c, 86);
    const auto step = [j, barWidth](int from, int to) {
        return Channel(from + (to - from) * j / barWidth);
    };
    const QColor column(step(s.red(), c.red()), step(s.green(), c.green()),
                        step(s.blue(), c.blue()));
    if (j >= barWidth / 2)
        return column;
    return Blend(Qt::white, column, std::min(37 + 5 * (j - 1), 100));
}

std::vector<CornerPixel> BarCorners(const BarBox& bar, const QColor& labelColour,
                                    const QColor& bodyColour)
{
    const int left = bar.x;
    const int right = bar.x + bar.width - 1;
    const int top = bar.y;
    const QColor edge = Blend(labelColour, bodyColour, 40);
    return {{{left, top}, labelColour},
            {{right, top}, labelColour},
            {{left + 1, top}, edge},
            {{left, top + 1}, edge},
            {{right - 1, top}, edge},
            {{right, top + 1}, edge},
            {{right - 1, top + 1}, bodyColour},
            {{left + 1, top + 1}, bodyColour}};
}

PieFrame PieFor(const QRect& area)
{
    PieFrame pie;
    pie.radius = std::min(area.height() / 2 - 80, area.width() / 2 - 80);
    pie.centre = QPoint((area.x() + RightOf(area)) / 2, (area.y() + BottomOf(area)) / 2);
    return pie;
}

QPoint PointAt(const QPoint& centre, double angle, double distance)
{
    return QPoint(Trunc(centre.x() + distance * std::cos(angle)),
                  Trunc(centre.y() - distance * std::sin(angle)));
}

std::vector<Slice> PieSlices(const std::vector<double>& values, double sum)
{
    std::vector<Slice> slices;
    double angle = 0;
    for (int i = 0; i < static_cast<int>(values.size()); ++i) {
        if (!(values[i] >= kSmallestSlice))
            continue;
        const double sweep = kFullTurn * values[i] / OrOne(sum);
        if (!std::isfinite(sweep) || !std::isfinite(angle + sweep))
            break;
        slices.push_back({i, angle, sweep});
        angle += sweep;
    }
    return slices;
}

bool SeedInside(const QPoint& seed, const PieFrame& pie, const Slice& slice)
{
    const double lo = std::min(slice.start, slice.End());
    const double width = std::abs(slice.sweep);
    if (width >= kFullTurn)
        return true;
    const double dx = seed.x() - pie.centre.x();
    const double dy = seed.y() - pie.centre.y();
    const double along = std::remainder(std::atan2(-dy, dx) - lo, kFullTurn);
    const double into = along < 0 ? along + kFullTurn : along;
    return into <= width && std::min(into, width - into) * std::hypot(dx, dy) >= 1.5;
}

std::vector<Wedge> Wedges(const Slice& slice)
{
    std::vector<Wedge> wedges;
    double first = slice.start;
    const double beyondOneTurn = slice.sweep - kFullTurn;
    if (beyondOneTurn > kWedgeStep)
        first += std::floor(beyondOneTurn / kWedgeStep) * kWedgeStep;
    for (int n = 0; n < kMaxWedges; ++n) {
        const double u = first + n * kWedgeStep;
        if (u > slice.End())
            break;
        wedges.push_back({u, first + (n + 1) * kWedgeStep});
    }
    return wedges;
}

QPolygonF WedgePolygon(const QPoint& centre, int radius, const Wedge& wedge)
{
    const QPointF c(centre);
    const auto rim = [&c, radius](double angle) {
        return c + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
    };
    return QPolygonF({c, rim(wedge.from), rim(wedge.to)});
}

QColor WedgeColour(const QColor& c, const Slice& slice, double u)
{
    const QColor s = Offset(c, 86);
    const double fraction = slice.sweep != 0 ? (u - slice.start) / slice.sweep : 0;
    const auto step = [fraction](int from, int to) {
        return Channel(Trunc(from + (to - from) * fraction));
    };
    return QColor(step(s.red(), c.red()), step(s.green(), c.green()), step(s.blue(), c.blue()));
}

QRect LabelBounds(const QRect& area)
{
    return Span(area.x() + 1, area.y() + 1, RightOf(area) - 1, BottomOf(area) - 30);
}

SliceLabel LabelFor(const PieFrame& pie, double middle, bool highlighted, const QRect& bounds,
                    int halfWidth)
{
    // One step shortens the sideways leg by a pixel.
    constexpr int kSteps = 40;
    SliceLabel label;
    label.p1 = PointAt(pie.centre, middle, pie.radius);
    for (int step = kSteps; step >= 0; --step) {
        const double reach = double(step) / kSteps;
        label.p2 = PointAt(pie.centre, middle, (1 + 0.2 * reach) * pie.radius);
        label.p3 = label.p2 + QPoint(label.p2.x() > pie.centre.x() ? step : -step, 0);
        label.text = Span(label.p3.x() - halfWidth, label.p2.y() - 15, label.p3.x() + halfWidth,
                          label.p2.y() + 15);
        if (highlighted)
            label.text.adjust(-2, 0, 2, 0);
        if (bounds.contains(label.text))
            break;
    }
    return label;
}

int HitTestPie(const QPoint& p, const PieFrame& pie, const std::vector<double>& values, double sum)
{
    if (sum == 0)
        return -1;
    const double dx = p.x() - pie.centre.x();
    const double dy = p.y() - pie.centre.y();
    const double d = std::hypot(dx, dy);
    if (!(0 < d && d < pie.radius))
        return -1;
    double theta = -std::asin(dy / d);
    if (p.x() < pie.centre.x())
        theta = kHalfTurn - theta;
    if (theta < 0)
        theta += kFullTurn;
    double start = 0;
    for (int i = 0; i < static_cast<int>(values.size()); ++i) {
        const double end = start + 2 * values[i] * kHalfTurn / OrOne(sum);
        if (start <= theta && theta <= end)
            return i;
        start = end;
    }
    return -1;
}

int HitTestBars(const QPoint& p, const std::vector<QRect>& hits)
{
    const int count = std::min<int>(static_cast<int>(hits.size()), kMaxDrawnBars);
    for (int i = 0; i < count && !hits[i].isEmpty(); ++i)
        if (hits[i].contains(p))
            return i;
    return -1;
}

QString ValueText(double value, double sum, int valueMode)
{
    if (valueMode == 1)
        return QString::asprintf("%0.02f", value);
    return QString::asprintf("%0.01f%%", value * 100 / OrOne(sum));
}

QString SliceText(const QString& label, double value, double sum)
{
    return label + QLatin1Char('\n') + QString::asprintf("%.1f%%", value * 100 / OrOne(sum));
}

QString TipText(const QString& label, double value, double sum)
{
    return label + QString::asprintf("\n%0.02f\n%0.02f%%\n", value, value * 100 / OrOne(sum));
}

QPoint TipPosition(const QPoint& cursor, const QRect& screen, const QSize& tip)
{
    // The cursor's image hangs below and right of its hot spot.
    const QRect cursorImage(cursor, QSize(10, 20));
    QPoint at = cursor + QPoint(10, 20);
    if (at.x() + tip.width() >= RightOf(screen))
        at.setX(RightOf(screen) - 4 - tip.width());
    if (at.y() + tip.height() >= BottomOf(screen))
        at.setY(BottomOf(screen) - tip.height());
    if (!QRect(at, tip).intersects(cursorImage))
        return at;
    if (cursor.y() - 4 - tip.height() >= screen.y())
        at.setY(cursor.y() - 4 - tip.height());
    else
        at.setX(cursor.x() - 4 - tip.width());
    return at;
}

} // namespace chart
