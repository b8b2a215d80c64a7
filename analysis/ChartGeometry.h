#pragma once

#include <QColor>
#include <QPoint>
#include <QPolygonF>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

// The chart's geometry and texts as plain functions of their inputs: where the
// bars, grid lines, slices and labels go, which bar or slice a point hits, the
// colours of the gradients and what the texts read. Rectangles follow the
// drawing convention of the chart: a rectangle from (left, top) to
// (right, bottom) covers the pixels left <= x < right and top <= y < bottom.
namespace chart {

// The angle constants the chart draws and hit-tests with, as they are.
constexpr double kFullTurn = 6.283185307;
constexpr double kHalfTurn = 3.1415926535;
constexpr double kWedgeStep = 0.017444444444444446;
// Only the first bars get drawn and hit rectangles.
constexpr int kMaxDrawnBars = 100;
// Pie values below this take no slice.
constexpr double kSmallestSlice = 0.001;
// Bars are never drawn lower than this.
constexpr double kMinBarHeight = 5;
// The tip window.
constexpr QSize kTipSize{120, 100};

// The rectangle from (left, top) to (right, bottom).
QRect Span(int left, int top, int right, int bottom);
// The exclusive right and bottom edges.
inline int RightOf(const QRect& r)
{
    return r.x() + r.width();
}
inline int BottomOf(const QRect& r)
{
    return r.y() + r.height();
}

// The stored value, or 1 when it is exactly 0.
double OrOne(double value);
// Truncation toward zero, kept inside the range a painter can take (NaN gives 0).
int Trunc(double value);

// Each channel v becomes |v - k|.
QColor Offset(const QColor& c, int k);
// Per channel a + (b - a) * p / 100 in integer arithmetic.
QColor Blend(const QColor& a, const QColor& b, int p);

// Grid lines: the step is extent / divisions when that is positive, else the
// spacing, and at least 1.
int GridStep(int extent, int divisions, int spacing);
// x of the vertical lines: left, left + s, ... while x < right.
std::vector<int> GridColumns(const QRect& area, int divisions, int spacing);
// y of the horizontal lines: bottom, bottom - t, ... while y >= top.
std::vector<int> GridRows(const QRect& area, int divisions, int spacing);
// The area the grid covers: the drawing area with its bottom raised by
// 33 + 20 pixels for the labels.
QRect GridArea(const QRect& area, bool labels);

// FitBars: the bar width for count bars with a gap of 10 in the area less 20
// pixels on the left and the right.
constexpr int kFittedGap = 10;
int FittedBarWidth(const QRect& area, int count);

// What the bar layout depends on.
struct BarFrame
{
    QRect area;
    int barWidth = 24;
    int gap = 4;
    bool labels = true;
    bool values = true;
    double maximum = 0;
    int count = 0; // bars in the list, drawn or not
};

// One drawn bar: its body rectangle (x, y, bar width, trunc(h)), the height h
// before truncation and the rectangle a hit test looks in.
struct BarBox
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    double h = 0;
    QRect hit;

    QRect Body() const { return QRect(x, y, width, height); }
    // Where the value text and the label go.
    QRect ValueRect(int gap) const { return Span(x, y - 20, x + gap + width - 1, y); }
    QRect LabelRect(int gap) const
    {
        return Span(x, y + height, x + gap + width - 1, y + height + 20);
    }
};

// H: the area height less 2.
int ChartHeight(const QRect& area);
// A: H - 30, less 20 with values and 20 more with labels.
int AvailableHeight(int chartHeight, bool values, bool labels);
// o: half of what is left of the area beside all bars, truncated.
int HorizontalOffset(const QRect& area, int barWidth, int gap, int count);
// h: value * A / (maximum or 1), at least 5.
double BarHeight(double value, int available, double maximum);
BarBox LayoutBar(const BarFrame& frame, int index, double value);
// The boxes of the first 100 values.
std::vector<BarBox> LayoutBars(const BarFrame& frame, const std::vector<double>& values);

// The colour of gradient column j (1 .. width - 2) of a bar of colour c: from
// offset(c, 86) toward c, lightened toward white in the left half.
QColor GradientColumn(const QColor& c, int j, int barWidth);
// The rounded top corners of a bar: the pixels and their colours.
struct CornerPixel
{
    QPoint at;
    QColor colour;
};
std::vector<CornerPixel> BarCorners(const BarBox& bar, const QColor& labelColour,
                                    const QColor& bodyColour);

// The pie's centre and radius in an area.
struct PieFrame
{
    QPoint centre;
    int radius = 0;
};
PieFrame PieFor(const QRect& area);
// The point at an angle (counter-clockwise from the positive x axis) and a
// distance from the centre, coordinates truncated.
QPoint PointAt(const QPoint& centre, double angle, double distance);

// One slice: the bar it stands for and its angles.
struct Slice
{
    int index = 0;
    double start = 0;
    double sweep = 0;

    double End() const { return start + sweep; }
    double Middle() const { return start + sweep / 2; }
};
// The slices in drawing order: bars below 0.001 take none, and nothing
// follows an angle that is no longer a number.
std::vector<Slice> PieSlices(const std::vector<double>& values, double sum);
// Whether a flood-fill seed lies inside the slice, at least 1.5 pixels from
// both of its edges. The seed of a slice thinner than a few pixels can round
// into its neighbour, whose area it must not repaint.
bool SeedInside(const QPoint& seed, const PieFrame& pie, const Slice& slice);

// One gradient wedge, from one angle to the next.
struct Wedge
{
    double from = 0;
    double to = 0;
};
// The gradient wedges of a slice: one step each, starting at the slice start
// and going on while a wedge starts no later than the slice end, so the last
// one may reach past it. A wedge ends exactly where the next one starts. A
// slice of more than a full turn keeps only the wedges of its last turn,
// which are the ones that stay visible.
std::vector<Wedge> Wedges(const Slice& slice);
// A wedge as the triangle of the centre and its two points on the circle
// (a step's arc is less than a tenth of a pixel from its chord).
QPolygonF WedgePolygon(const QPoint& centre, int radius, const Wedge& wedge);
// The colour of the wedge starting at angle u: from offset(c, 86) toward c.
QColor WedgeColour(const QColor& c, const Slice& slice, double u);

// The leader line and text box of a slice label.
struct SliceLabel
{
    QPoint p1;
    QPoint p2;
    QPoint p3;
    QRect text;
};
// Where slice labels may go: the drawing area inside its border, above the
// title band.
QRect LabelBounds(const QRect& area);
// The leader runs from the rim 0.2 R outward and then 40 pixels sideways, and
// the text box sits at its end. Where the box would cross the bounds, both
// legs shorten together until it fits; at the rim it always does, as the
// radius leaves 80 pixels on every side. The box is 2 * halfWidth wide: 60
// pixels, or as wide as a longer label needs.
SliceLabel LabelFor(const PieFrame& pie, double middle, bool highlighted, const QRect& bounds,
                    int halfWidth = 30);

// The bar whose slice contains the point, or -1.
int HitTestPie(const QPoint& p, const PieFrame& pie, const std::vector<double>& values, double sum);
// The first hit rectangle (up to the first empty one) that contains the point, or -1.
int HitTestBars(const QPoint& p, const std::vector<QRect>& hits);

// "%0.02f" of the value in value mode 1, else "%0.01f%%" of its share.
QString ValueText(double value, double sum, int valueMode);
// "%s\n%.1f%%": the label and its share.
QString SliceText(const QString& label, double value, double sum);
// "%s\n%0.02f\n%0.02f%%\n": the label, the value and its share.
QString TipText(const QString& label, double value, double sum);

// Where the tip window goes for a cursor: 10 right and 20 below it, moved
// left to end 4 pixels before the screen's right edge when it reaches it,
// and up to end at the bottom edge when it reaches that. Never over the
// cursor, which would leave the chart for the tip and hide it again: in the
// corner it goes above the cursor, or left of it when there is no room above.
QPoint TipPosition(const QPoint& cursor, const QRect& screen, const QSize& tip = kTipSize);

} // namespace chart
