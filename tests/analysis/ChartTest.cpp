// The chart control: its geometry and texts computed by hand, the pixels it
// draws into its back buffer, the hit test behind the tip, the tip window, and
// odd data that must neither crash nor hang it.
#include "analysis/BarChart.h"
#include "analysis/ChartGeometry.h"
#include "analysis/ChartTip.h"
#include "analysis/FloodFill.h"

#include <QMouseEvent>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace chart;

namespace {

const QColor kGrey(240, 240, 240);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(100, 100, 200);

QColor pixel(const CBarChart& chart, int x, int y)
{
    return chart.Image().pixelColor(x, y);
}

bool anyPixel(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

bool isDark(const QColor& c)
{
    return c.red() + c.green() + c.blue() < 150;
}

// A 400 x 300 bar chart of three bars, fitted as the analysis page fits them:
// bar width (400 - 40 - 30) / 3 = 110, gap 10, offset (400 - 360) / 2 = 20.
// A = 298 - 30 - 20 - 20 = 228, so the bars are 228, 114 and 5 pixels high.
struct BarFixture
{
    explicit BarFixture(int gradient)
    {
        EXPECT_TRUE(chart.Create(nullptr, QRect(0, 0, 400, 300), QStringLiteral("汽车成本分析")));
        chart.m_pie = 0;
        chart.m_grid = 0;
        chart.m_gradient = gradient;
        chart.AddBar(QStringLiteral("甲"), kGreen, 300);
        chart.AddBar(QStringLiteral("乙"), kRed, 150);
        chart.AddBar(QStringLiteral("丙"), kBlue, 0);
        chart.FitBars(chart.DrawingArea());
        chart.Redraw();
    }
    CBarChart chart;
};

void sendMove(QWidget& widget, const QPoint& at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

} // namespace

TEST(ChartGeometry, ColourRulesUseIntegerArithmetic)
{
    EXPECT_EQ(Offset(kGrey, 100), QColor(140, 140, 140));
    EXPECT_EQ(Offset(QColor(30, 200, 90), 86), QColor(56, 114, 4));
    EXPECT_EQ(Offset(QColor(255, 255, 240), 50), QColor(205, 205, 190));
    // 255 + (0 - 255) * 33 / 100 = 255 - 84 (84.15 truncated toward zero)
    EXPECT_EQ(Blend(Qt::white, Qt::black, 33), QColor(171, 171, 171));
    EXPECT_EQ(Blend(kGrey, QColor(100, 155, 100), 40), QColor(184, 206, 184));
    EXPECT_EQ(Blend(Qt::black, kRed, 100), kRed);
}

TEST(ChartGeometry, GridLinesFollowDivisionsOrSpacing)
{
    const QRect area(0, 0, 35, 20);
    EXPECT_EQ(GridColumns(area, 0, 10), (std::vector<int>{0, 10, 20, 30}));
    EXPECT_EQ(GridColumns(area, 3, 10), (std::vector<int>{0, 11, 22, 33}));
    EXPECT_EQ(GridColumns(area, 100, 10), (std::vector<int>{0, 10, 20, 30})); // 35 / 100 = 0
    EXPECT_EQ(GridColumns(QRect(0, 0, 3, 3), 0, 0), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(GridRows(area, 0, 10), (std::vector<int>{20, 10, 0}));
    EXPECT_EQ(GridRows(area, 2, 10), (std::vector<int>{20, 10, 0}));
    EXPECT_TRUE(GridColumns(QRect(0, 0, -5, 10), 0, 10).empty());
    EXPECT_EQ(GridArea(QRect(0, 0, 400, 300), true), QRect(0, 0, 400, 247));
    EXPECT_EQ(GridArea(QRect(0, 0, 400, 300), false), QRect(0, 0, 400, 267));
}

TEST(ChartGeometry, BarsStandOnTheLabelBandWithAMinimumHeight)
{
    struct Case
    {
        const char* name;
        QRect area;
        bool labels, values;
        double value, maximum;
        int index, count;
        int x, y, height, hitBottom;
    };
    const Case cases[] = {
        // A = 298 - 70 = 228; o = (400 - 3 * 28) / 2 = 158
        {"tallest", {0, 0, 400, 300}, true, true, 300, 300, 0, 3, 158, 20, 228, 248},
        {"half", {0, 0, 400, 300}, true, true, 150, 300, 1, 3, 186, 134, 114, 248},
        // h = 101 * 228 / 300 = 76.76: body 76 high, hit bottom trunc(172 + 76.76)
        {"fraction", {0, 0, 400, 300}, true, true, 101, 300, 2, 3, 214, 172, 76, 248},
        {"zero", {0, 0, 400, 300}, true, true, 0, 300, 0, 3, 158, 243, 5, 248},
        {"negative", {0, 0, 400, 300}, true, true, -50, 300, 0, 3, 158, 243, 5, 248},
        {"all zero: maximum or 1", {0, 0, 400, 300}, true, true, 0, 0, 0, 3, 158, 243, 5, 248},
        // A = 298 - 30 = 268, no label row under the bars
        {"no texts", {0, 0, 400, 300}, false, false, 300, 300, 0, 3, 158, 0, 268, 268},
        // o = (51 - 84) * 0.5 = -16.5, truncated toward zero
        {"narrow area", {0, 0, 51, 300}, true, true, 300, 300, 1, 3, 12, 20, 228, 248},
        {"odd width", {0, 0, 401, 300}, true, true, 300, 300, 0, 3, 158, 20, 228, 248},
    };
    for (const Case& c : cases) {
        const BarFrame frame{c.area, 24, 4, c.labels, c.values, c.maximum, c.count};
        const BarBox bar = LayoutBar(frame, c.index, c.value);
        EXPECT_EQ(bar.x, c.x) << c.name;
        EXPECT_EQ(bar.y, c.y) << c.name;
        EXPECT_EQ(bar.height, c.height) << c.name;
        EXPECT_EQ(bar.hit, Span(c.x, c.y, c.x + 24, c.hitBottom)) << c.name;
    }
    const BarBox bar = LayoutBar({QRect(0, 0, 400, 300), 24, 4, true, true, 300, 3}, 0, 300);
    EXPECT_EQ(bar.ValueRect(4), Span(158, 0, 185, 20));
    EXPECT_EQ(bar.LabelRect(4), Span(158, 248, 185, 268));
}

TEST(ChartGeometry, FitBarsSpreadsTheBarsOverTheArea)
{
    EXPECT_EQ(FittedBarWidth(QRect(0, 0, 1000, 800), 12), 70); // (960 - 120) / 12
    EXPECT_EQ(FittedBarWidth(QRect(0, 0, 1000, 800), 7), 127); // 890 / 7 = 127.1
    EXPECT_EQ(FittedBarWidth(QRect(0, 0, 100, 100), 12), -5);  // -60 / 12
    EXPECT_EQ(FittedBarWidth(QRect(0, 0, 100, 100), 7), -1);   // -10 / 7 toward zero
}

TEST(ChartGeometry, OnlyTheFirstHundredBarsAreLaidOut)
{
    const std::vector<double> values(150, 1.0);
    const auto bars = LayoutBars({QRect(0, 0, 5000, 300), 24, 4, true, true, 1, 150}, values);
    ASSERT_EQ(bars.size(), 100u);
    EXPECT_EQ(bars[99].x, 99 * 28 + 400); // o = (5000 - 150 * 28) / 2
}

TEST(ChartGeometry, OddValuesGiveDrawableHeights)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(BarHeight(nan, 228, 300), kMinBarHeight);
    EXPECT_EQ(BarHeight(inf, 228, inf), kMinBarHeight); // inf / inf
    EXPECT_DOUBLE_EQ(BarHeight(1e300, 228, 1e300), 228);
    EXPECT_EQ(BarHeight(1e-300, 228, 1e300), kMinBarHeight);
    EXPECT_LT(BarHeight(1e308, 228, 1e-300), 1e8); // kept within a painter's range
    EXPECT_EQ(Trunc(nan), 0);
    EXPECT_EQ(Trunc(-2.7), -2);
}

TEST(ChartGeometry, GradientColumnsLightenTheLeftHalf)
{
    // c = (0,255,0), s = offset(c, 86) = (86,169,86), bar width 110
    // j = 1: (86,169,86), lightened with p = 37: 255 + (86 - 255) * 37 / 100 = 193
    EXPECT_EQ(GradientColumn(kGreen, 1, 110), QColor(193, 224, 193));
    // j = 2: (85,170,85) with p = 42: 255 - 71 (71.4), 255 - 35 (35.7)
    EXPECT_EQ(GradientColumn(kGreen, 2, 110), QColor(184, 220, 184));
    // j = 60 (right half): 86 - 86 * 60 / 110 = 86 - 46, 169 + 46
    EXPECT_EQ(GradientColumn(kGreen, 60, 110), QColor(40, 215, 40));
    // p is capped at 100 far into a wide left half
    EXPECT_EQ(GradientColumn(kGreen, 20, 1000), QColor(85, 170, 85));
}

TEST(ChartGeometry, PieFrameAndSlices)
{
    EXPECT_EQ(PieFor(QRect(0, 0, 1000, 800)).radius, 320);
    EXPECT_EQ(PieFor(QRect(0, 0, 1000, 800)).centre, QPoint(500, 400));
    EXPECT_EQ(PieFor(QRect(0, 0, 401, 301)).radius, 70);
    EXPECT_EQ(PieFor(QRect(0, 0, 401, 301)).centre, QPoint(200, 150));
    EXPECT_EQ(PieFor(QRect(0, 0, 150, 300)).radius, -5);
    EXPECT_EQ(PieFor(QRect(0, 0, 159, 400)).radius, -1);

    const auto slices = PieSlices({1, 0.0005, 3, 0, -2}, 2.0005);
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_EQ(slices[0].index, 0);
    EXPECT_DOUBLE_EQ(slices[0].sweep, kFullTurn / 2.0005);
    EXPECT_EQ(slices[1].index, 2);
    EXPECT_DOUBLE_EQ(slices[1].start, slices[0].sweep);
    EXPECT_DOUBLE_EQ(slices[1].sweep, kFullTurn * 3 / 2.0005);
    EXPECT_TRUE(PieSlices(std::vector<double>(12, 0.0), 0).empty());

    // A fill seed must lie inside its slice: the middle of a 0.01 slice at
    // 0.8 R = 80 truncates to (179, 99), which lies at 0.0127 rad.
    const PieFrame small{{100, 100}, 100};
    EXPECT_EQ(PointAt(small.centre, 0.005, 80), QPoint(179, 99));
    EXPECT_FALSE(SeedInside({179, 99}, small, {0, 0, 0.01}));
    EXPECT_FALSE(SeedInside({179, 99}, small, {0, 0, 0.02})); // 0.6 px from the edge
    EXPECT_TRUE(SeedInside({170, 80}, small, {0, 0, 1}));
    EXPECT_TRUE(SeedInside({170, 80}, small, {0, 1, -0.9}));
    EXPECT_TRUE(SeedInside({30, 100}, small, {0, 0, 2 * kFullTurn}));
}

TEST(ChartGeometry, WedgesCoverTheSliceAndMeetExactly)
{
    const auto wedges = Wedges({0, 0.5, 0.05});
    ASSERT_EQ(wedges.size(), 3u); // 0.5, 0.5174, 0.5349: the last reaches past 0.55
    EXPECT_DOUBLE_EQ(wedges[0].from, 0.5);
    for (size_t i = 1; i < wedges.size(); ++i)
        EXPECT_EQ(wedges[i].from, wedges[i - 1].to);
    EXPECT_GT(wedges.back().to, 0.55);

    // A negative sum turns a slice around more than once: only its last
    // turn is drawn, and the wedges stay a turn's worth.
    const Slice wide{0, 0, kFullTurn * 100 / 40};
    const auto many = Wedges(wide);
    EXPECT_LE(many.size(), 362u);
    EXPECT_LE(many.back().from, wide.End());
    EXPECT_LE(many.front().from, wide.End() - kFullTurn);
    EXPECT_TRUE(Wedges({0, 1, -0.5}).empty());

    // s = (86,169,86) toward (0,255,0): a third of the way is 86 - 28.67, 169 + 28.67
    const Slice slice{0, 0, 3};
    EXPECT_EQ(WedgeColour(kGreen, slice, 0), QColor(86, 169, 86));
    EXPECT_EQ(WedgeColour(kGreen, slice, 1), QColor(57, 197, 57));
    EXPECT_EQ(WedgeColour(kGreen, slice, 1.5), QColor(43, 212, 43));
}

TEST(ChartGeometry, SliceLabelsLeadOutOfThePie)
{
    const PieFrame pie{{500, 400}, 320};
    const QRect bounds = LabelBounds(QRect(0, 0, 1000, 800));
    EXPECT_EQ(bounds, Span(1, 1, 999, 770)); // inside the border, above the title band
    const SliceLabel right = LabelFor(pie, 0, false, bounds);
    EXPECT_EQ(right.p1, QPoint(820, 400));
    EXPECT_EQ(right.p2, QPoint(884, 400));
    EXPECT_EQ(right.p3, QPoint(924, 400));
    EXPECT_EQ(right.text, Span(894, 385, 954, 415));
    // Straight up: P2.x is not right of the centre, so P3 goes left.
    const SliceLabel top = LabelFor(pie, kFullTurn / 4, true, bounds);
    EXPECT_EQ(top.p1, QPoint(500, 80));
    EXPECT_EQ(top.p2, QPoint(500, 16));
    EXPECT_EQ(top.p3, QPoint(460, 16));
    EXPECT_EQ(top.text, Span(428, 1, 492, 31)); // widened by 2 on each side
}

TEST(ChartGeometry, SliceLabelsNeverLeaveTheChart)
{
    // The chart of the analysis page in the main window on a 1280 x 1024
    // screen, and a wide one whose pie is as high as it can be.
    const QRect areas[] = {{0, 0, 698, 655}, {0, 0, 1000, 400}};
    const double middles[] = {0, 0.3, kFullTurn / 4, 2.8, kFullTurn / 2, 4.2, 3 * kFullTurn / 4, 6};
    for (const QRect& area : areas)
        for (double middle : middles)
            for (bool highlighted : {false, true}) {
                const PieFrame pie = PieFor(area);
                const SliceLabel label = LabelFor(pie, middle, highlighted, LabelBounds(area));
                const auto where = [&] {
                    return ::testing::Message() << area.width() << " " << middle;
                };
                EXPECT_TRUE(LabelBounds(area).contains(label.text)) << where();
                // The leader still starts at the rim and the text sits at its end.
                EXPECT_EQ(label.p1, PointAt(pie.centre, middle, pie.radius)) << where();
                EXPECT_EQ(label.p3.y(), label.p2.y()) << where();
                EXPECT_EQ(label.text.y() + label.text.height() / 2, label.p2.y()) << where();
                EXPECT_EQ(label.text.x() + label.text.width() / 2, label.p3.x()) << where();
            }
    // A label that would cross an edge shortens its leader no more than it
    // must: it still ends within a few pixels of that edge.
    const PieFrame pie = PieFor(areas[0]); // radius 247 around (349, 327)
    EXPECT_LE(LabelFor(pie, kFullTurn / 2, false, LabelBounds(areas[0])).text.left(), 3);
    EXPECT_GE(LabelFor(pie, 0, false, LabelBounds(areas[0])).text.right(), 694);
}

TEST(ChartGeometry, PieHitTestKeepsTheRangeOfTinySlices)
{
    const PieFrame pie{{500, 400}, 320};
    const std::vector<double> values{1, 0.0005, 3};
    const double sum = 4.0005;
    struct Case
    {
        QPoint p;
        int hit;
    };
    const Case cases[] = {
        {{600, 400}, 0},  // angle 0
        {{500, 300}, 1},  // pi/2 lies in the 0.0005 bar's range 1.57060 .. 1.57138
        {{400, 400}, 2},  // pi
        {{600, 401}, 2},  // just below angle 0: almost a full turn
        {{819, 400}, 0},  // d = 319 < R
        {{820, 400}, -1}, // d = R
        {{500, 400}, -1}, // the centre
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitTestPie(c.p, pie, values, sum), c.hit) << c.p.x() << "," << c.p.y();
    EXPECT_EQ(HitTestPie({600, 400}, pie, {5, -5}, 0), -1);
    EXPECT_EQ(HitTestPie({600, 400}, {{500, 400}, -5}, values, sum), -1);
}

TEST(ChartGeometry, BarHitTestStopsAtTheFirstEmptyRectangle)
{
    const std::vector<QRect> hits{Span(0, 0, 10, 10), Span(20, 0, 30, 10), QRect(),
                                  Span(40, 0, 50, 10)};
    EXPECT_EQ(HitTestBars({5, 5}, hits), 0);
    EXPECT_EQ(HitTestBars({0, 9}, hits), 0);
    EXPECT_EQ(HitTestBars({10, 5}, hits), -1);  // right edge excluded
    EXPECT_EQ(HitTestBars({25, 10}, hits), -1); // bottom edge excluded
    EXPECT_EQ(HitTestBars({29, 0}, hits), 1);
    EXPECT_EQ(HitTestBars({45, 5}, hits), -1);
}

TEST(ChartGeometry, Texts)
{
    EXPECT_EQ(ValueText(300, 550, 1), "300.00");
    EXPECT_EQ(ValueText(300, 550, 0), "54.5%");
    EXPECT_EQ(ValueText(5, 0, 0), "500.0%"); // sum or 1
    EXPECT_EQ(SliceText(QStringLiteral("加油费用"), 300, 550), QStringLiteral("加油费用\n54.5%"));
    EXPECT_EQ(TipText(QStringLiteral("加油费用"), 300, 550),
              QStringLiteral("加油费用\n300.00\n54.55%\n"));
    EXPECT_EQ(TipText(QStringLiteral("2023/12"), 0, 0), QStringLiteral("2023/12\n0.00\n0.00%\n"));
    EXPECT_EQ(ValueText(1e300, 1e300, 1).size(), 304);
}

TEST(ChartGeometry, TipStaysOnTheScreen)
{
    const QRect screen(0, 0, 1024, 768);
    struct Case
    {
        QPoint cursor, at;
    };
    const Case cases[] = {
        {{100, 100}, {110, 120}},
        {{893, 100}, {903, 120}},
        {{894, 100}, {900, 120}},
        {{1000, 100}, {900, 120}},
        {{100, 647}, {110, 667}},
        {{100, 648}, {110, 668}},
        {{100, 760}, {110, 668}},
        {{1023, 767}, {900, 668}},
        // In the corner the tip would cover the cursor: it goes above it.
        {{1000, 700}, {900, 596}},
        {{1019, 767}, {900, 663}},
        {{894, 649}, {900, 545}},
        {{894, 648}, {900, 668}}, // beside the cursor's image, not over it
    };
    for (const Case& c : cases)
        EXPECT_EQ(TipPosition(c.cursor, screen), c.at) << c.cursor.x() << "," << c.cursor.y();
    EXPECT_EQ(TipPosition({1990, 50}, QRect(1024, 0, 1000, 700)), QPoint(1900, 70));
    // No room above on a low screen: left of the cursor.
    EXPECT_EQ(TipPosition({250, 60}, QRect(0, 0, 300, 110)), QPoint(126, 10));
}

TEST(FloodFill, FillsUpToBlackAndNeverCrossesADiagonal)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 0; i < 10; ++i)
        image.setPixelColor(i, 9 - i, Qt::black); // an 8-connected diagonal wall
    EXPECT_EQ(FloodFill(image, {0, 0}, kRed), 45);
    EXPECT_EQ(image.pixelColor(0, 8), kRed);
    EXPECT_EQ(image.pixelColor(1, 9), Qt::white);
    EXPECT_EQ(FloodFill(image, {9, 0}, kRed), 0); // on the wall
    EXPECT_EQ(FloodFill(image, {10, 0}, kRed), 0);
    EXPECT_EQ(FloodFill(image, {-1, 3}, kRed), 0);

    QImage large(2000, 2000, QImage::Format_RGB32); // no recursion depth to run out of
    large.fill(Qt::white);
    EXPECT_EQ(FloodFill(large, {1000, 1000}, kBlue), 4000000);
    EXPECT_EQ(large.pixelColor(1999, 0), kBlue);
}

TEST(BarChart, FlatBarsShowTheBodyColourAndTheTitleBand)
{
    BarFixture f(0);
    CBarChart& chart = f.chart;
    EXPECT_EQ(chart.BarWidth(), 110);
    EXPECT_EQ(chart.Gap(), 10);
    const QColor body = Offset(kGreen, 100); // (100,155,100)
    EXPECT_EQ(pixel(chart, 20, 20), body);
    EXPECT_EQ(pixel(chart, 129, 247), body);
    EXPECT_EQ(pixel(chart, 130, 100), kGrey);
    EXPECT_EQ(pixel(chart, 100, 19), kGrey);
    EXPECT_EQ(pixel(chart, 140, 134), Offset(kRed, 100));
    EXPECT_EQ(pixel(chart, 245, 133), kGrey);
    EXPECT_EQ(pixel(chart, 300, 243), Offset(kBlue, 100)); // value 0: 5 pixels high
    EXPECT_EQ(pixel(chart, 300, 247), Offset(kBlue, 100));
    EXPECT_EQ(pixel(chart, 350, 242), kGrey);
    // the border
    for (const QPoint p : {QPoint(0, 0), QPoint(399, 299), QPoint(0, 150), QPoint(200, 0)})
        EXPECT_EQ(pixel(chart, p.x(), p.y()), QColor(140, 140, 140));

    const QImage& image = chart.Image();
    const auto black = [](QColor c) { return c == Qt::black; };
    const auto shadow = [](QColor c) { return c == QColor(200, 200, 200); };
    EXPECT_TRUE(anyPixel(image, Span(1, 270, 399, 299), black));    // the title
    EXPECT_TRUE(anyPixel(image, Span(1, 270, 399, 299), shadow));   // and its shadow
    EXPECT_TRUE(anyPixel(image, Span(20, 0, 139, 20), isDark));     // "300.00"
    EXPECT_TRUE(anyPixel(image, Span(20, 248, 139, 268), isDark));  // "甲"
    EXPECT_TRUE(anyPixel(image, Span(260, 223, 379, 243), isDark)); // "0.00"
}

TEST(BarChart, GradientBarsHaveLightenedColumnsAndRoundedCorners)
{
    BarFixture f(1);
    CBarChart& chart = f.chart;
    const QColor body(100, 155, 100);
    // Columns j = 1 .. 108 from y + 1 = 21, trunc(228 - 2) = 226 high.
    EXPECT_EQ(pixel(chart, 21, 100), QColor(193, 224, 193));
    EXPECT_EQ(pixel(chart, 22, 21), QColor(184, 220, 184));
    EXPECT_EQ(pixel(chart, 80, 246), QColor(40, 215, 40));
    EXPECT_EQ(pixel(chart, 80, 247), body);
    EXPECT_EQ(pixel(chart, 20, 100), body);
    EXPECT_EQ(pixel(chart, 129, 100), body);
    EXPECT_EQ(pixel(chart, 80, 20), body);
    // Corners: the label colour (the background), a 40 % blend, the body.
    const QColor edge(184, 206, 184);
    EXPECT_EQ(pixel(chart, 20, 20), kGrey);
    EXPECT_EQ(pixel(chart, 129, 20), kGrey);
    EXPECT_EQ(pixel(chart, 21, 20), edge);
    EXPECT_EQ(pixel(chart, 20, 21), edge);
    EXPECT_EQ(pixel(chart, 128, 20), edge);
    EXPECT_EQ(pixel(chart, 129, 21), edge);
    EXPECT_EQ(pixel(chart, 21, 21), body);
    EXPECT_EQ(pixel(chart, 128, 21), body);
}

TEST(BarChart, GridLinesStopAboveTheLabels)
{
    BarFixture f(0);
    f.chart.m_grid = 1;
    f.chart.RemoveAll();
    f.chart.Redraw();
    const QColor line(190, 190, 190);
    EXPECT_EQ(pixel(f.chart, 10, 5), line);  // vertical line x = 10
    EXPECT_EQ(pixel(f.chart, 5, 237), line); // horizontal lines at 247, 237, ...
    EXPECT_EQ(pixel(f.chart, 5, 247), line);
    EXPECT_EQ(pixel(f.chart, 5, 236), kGrey);
    EXPECT_EQ(pixel(f.chart, 10, 250), kGrey);  // under the raised bottom
    EXPECT_EQ(pixel(f.chart, 395, 150), kGrey); // lines at 0, 10, ... 390 only
}

TEST(BarChart, HitTestAndTipTexts)
{
    BarFixture f(1);
    CBarChart& chart = f.chart;
    struct Case
    {
        QPoint p;
        int hit;
        const char* tip;
    };
    const Case cases[] = {
        {{25, 100}, 0, "甲\n300.00\n66.67%\n"},
        {{20, 20}, 0, "甲\n300.00\n66.67%\n"},
        {{130, 100}, -1, ""},
        {{25, 19}, -1, ""},
        {{25, 248}, -1, ""},
        {{249, 134}, 1, "乙\n150.00\n33.33%\n"},
        {{260, 245}, 2, "丙\n0.00\n0.00%\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chart.HitTest(c.p), c.hit) << c.p.x() << "," << c.p.y();
        EXPECT_EQ(chart.TipText(c.p), QString::fromUtf8(c.tip)) << c.p.x() << "," << c.p.y();
    }
}

TEST(BarChart, MoreThanAHundredBarsAreNeitherDrawnNorHit)
{
    CBarChart chart;
    chart.m_fit = 0;
    ASSERT_TRUE(chart.Create(nullptr, QRect(0, 0, 5000, 300), QString()));
    chart.m_pie = 0;
    chart.m_grid = 0;
    chart.m_gradient = 0;
    for (int i = 0; i < 150; ++i)
        chart.AddBar(QString::number(i), kGreen, 1);
    chart.Redraw();
    // width 24, gap 4, offset (5000 - 150 * 28) / 2 = 400
    EXPECT_EQ(pixel(chart, 3172 + 10, 100), Offset(kGreen, 100));
    EXPECT_EQ(chart.HitTest({3182, 100}), 99);
    EXPECT_EQ(pixel(chart, 3200 + 10, 100), kGrey);
    EXPECT_EQ(chart.HitTest({3210, 100}), -1);
    EXPECT_EQ(chart.BarCount(), 150);
}

TEST(BarChart, FlatPieIsFloodFilledInsideABlackOutline)
{
    CBarChart chart;
    ASSERT_TRUE(chart.Create(nullptr, QRect(0, 0, 400, 400), QString()));
    chart.m_gradient = 0;
    chart.m_grid = 0;
    chart.AddBar(QStringLiteral("甲"), kGreen, 300);
    chart.AddBar(QStringLiteral("乙"), kRed, 100);
    chart.Redraw();
    // R = 200 - 80 = 120 around (200, 200); slice 0 from 0 to 3/2 pi.
    EXPECT_EQ(chart.Pie().radius, 120);
    EXPECT_EQ(pixel(chart, 132, 132), kGreen); // middle angle 3/4 pi at 0.8 R
    EXPECT_EQ(pixel(chart, 267, 267), kRed);   // middle angle 7/4 pi at 0.8 R
    EXPECT_EQ(pixel(chart, 300, 150), kGreen);
    for (const QPoint p : {QPoint(320, 200), QPoint(80, 200), QPoint(200, 80), QPoint(200, 320),
                           QPoint(260, 200), QPoint(200, 200)})
        EXPECT_EQ(pixel(chart, p.x(), p.y()), Qt::black) << p.x() << "," << p.y();
    EXPECT_EQ(pixel(chart, 200, 75), kGrey);
    // The label of slice 0: P2 (98, 98), P3 (58, 98).
    EXPECT_EQ(pixel(chart, 95, 98), Qt::black);
    EXPECT_TRUE(anyPixel(chart.Image(), Span(28, 83, 88, 113), isDark));

    EXPECT_EQ(chart.HitTest({300, 150}), 0);
    EXPECT_EQ(chart.HitTest({250, 260}), 1);
    EXPECT_EQ(chart.TipText({250, 260}), QStringLiteral("乙\n100.00\n25.00%\n"));
    EXPECT_EQ(chart.HitTest({200, 60}), -1);
}

TEST(BarChart, GradientPieShadesEachWedge)
{
    CBarChart chart;
    ASSERT_TRUE(chart.Create(nullptr, QRect(0, 0, 400, 400), QString()));
    chart.m_grid = 0;
    chart.m_values = 0;
    chart.AddBar(QStringLiteral("甲"), kGreen, 300);
    chart.AddBar(QStringLiteral("乙"), kRed, 100);
    chart.Redraw();
    // (300, 150) lies at 0.46 rad: wedge 26 of slice 0 (sweep 4.712), whose
    // colour is s + (c - s) * 26 * 0.017444 / 4.712 = s + (c - s) * 0.0962.
    EXPECT_EQ(pixel(chart, 300, 150), QColor(77, 177, 77));
    // No outline with gradient: the first wedge reaches the rim.
    EXPECT_EQ(pixel(chart, 318, 195), QColor(85, 169, 85));
    EXPECT_EQ(pixel(chart, 200, 78), kGrey);
}

TEST(BarChart, AThinSliceNeverRepaintsItsNeighbour)
{
    // The 9th slice's fill seed truncates across the radius into the 8th.
    const double values[] = {537, 275, 937, 961, 149, 392, 747, 985, 497, 9, 783};
    CBarChart chart;
    ASSERT_TRUE(chart.Create(nullptr, QRect(0, 0, 878, 267), QString()));
    chart.m_gradient = 0;
    chart.m_grid = 0;
    chart.m_values = 0;
    for (int i = 0; i < 11; ++i)
        chart.AddBar(QString::number(i), QColor(20 * i, 250 - 20 * i, 100), values[i]);
    chart.Redraw();
    const auto slices =
        PieSlices(std::vector<double>(std::begin(values), std::end(values)), chart.Sum());
    const QPoint middle = PointAt(chart.Pie().centre, slices[8].Middle(), 0.5 * chart.Pie().radius);
    EXPECT_EQ(chart.Image().pixelColor(middle), QColor(160, 90, 100));
}

TEST(BarChart, OddDataIsDrawnWithoutFault)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case
    {
        const char* name;
        std::vector<double> values;
        QSize size;
    };
    const Case cases[] = {
        {"all zero", std::vector<double>(12, 0.0), {1000, 800}},
        {"huge beside tiny", {1e300, 1e-300, 0.01, 2}, {1000, 800}},
        {"negative", {100, -60, 5, -1e6}, {1000, 800}},
        {"twelve at 1e300", std::vector<double>(12, 1e300), {1000, 800}},
        {"cancelling", {1e300, -1e300, 1}, {1000, 800}},
        {"tiny net sum", {1e300, 1e-3 - 1e300, 5}, {1000, 800}},
        {"not numbers", {nan, inf, -inf, 3}, {1000, 800}},
        {"many bars", std::vector<double>(250, 3.5), {1000, 800}},
        {"small area", {1, 2, 3}, {150, 120}},
        {"one pixel", {1, 2, 3}, {1, 1}},
    };
    for (const Case& c : cases)
        for (int mode = 0; mode < 4; ++mode) {
            CBarChart chart;
            ASSERT_TRUE(chart.Create(nullptr, QRect(QPoint(0, 0), c.size), QStringLiteral("标题")));
            chart.m_pie = mode / 2;
            chart.m_gradient = mode % 2;
            for (size_t i = 0; i < c.values.size(); ++i)
                chart.AddBar(QString::number(i), kBlue, c.values[i]);
            chart.FitBars(chart.DrawingArea());
            chart.Redraw();
            EXPECT_EQ(chart.Image().size(), c.size) << c.name;
            for (const QPoint p : {QPoint(500, 400), QPoint(60, 60), QPoint(0, 0)})
                chart.TipText(p);
        }

    // Twelve zero bars: 5 pixels high each, no tips, a pie of the outline only.
    CBarChart chart;
    ASSERT_TRUE(chart.Create(nullptr, QRect(0, 0, 400, 400), QString()));
    chart.m_gradient = 0;
    chart.m_grid = 0;
    for (int i = 0; i < 12; ++i)
        chart.AddBar(QString::number(i), kGreen, 0);
    chart.Redraw();
    EXPECT_EQ(pixel(chart, 320, 200), Qt::black);
    EXPECT_EQ(pixel(chart, 300, 150), kGrey);
    EXPECT_EQ(chart.TipText({300, 150}), QString());
    chart.m_pie = 0;
    chart.FitBars(chart.DrawingArea());
    chart.Redraw();
    const int x = 20 + chart.BarWidth() / 2; // (400 - 40 - 120) / 12 = 20 wide
    EXPECT_EQ(pixel(chart, x, 343), Offset(kGreen, 100));
    EXPECT_EQ(pixel(chart, x, 347), Offset(kGreen, 100));
    EXPECT_NE(pixel(chart, x, 342), Offset(kGreen, 100));
    EXPECT_EQ(chart.HitTest({x, 345}), -1);
}

TEST(BarChart, CreateOnceAndRedrawOnlyWithAWindow)
{
    QWidget parent;
    parent.resize(1200, 900);
    parent.show();
    CBarChart chart;
    chart.AddBar(QStringLiteral("甲"), kGreen, 1);
    chart.Redraw();
    EXPECT_TRUE(chart.Image().isNull());
    EXPECT_EQ(chart.Tip(), nullptr);

    ASSERT_TRUE(chart.Create(&parent, QRect(0, 0, 1000, 800), QStringLiteral("油费消耗分析")));
    EXPECT_EQ(chart.parentWidget(), &parent);
    EXPECT_FALSE(chart.isHidden());
    EXPECT_NE(chart.Tip(), nullptr);
    EXPECT_EQ(chart.DrawingArea(), QRect(0, 0, 1000, 800));
    EXPECT_EQ(chart.Image().size(), QSize(1000, 800));
    EXPECT_FALSE(chart.Create(&parent, QRect(5, 5, 50, 50), QStringLiteral("别的")));
    EXPECT_EQ(chart.geometry(), QRect(0, 0, 1000, 800));
    EXPECT_EQ(chart.Title(), QStringLiteral("油费消耗分析"));

    chart.resize(500, 350);
    EXPECT_EQ(chart.DrawingArea(), QRect(0, 0, 500, 350));
    EXPECT_EQ(chart.Image().size(), QSize(500, 350));
    EXPECT_EQ(chart.BarWidth(), 450); // (460 - 10) / 1
}

TEST(BarChart, AddBarKeepsMaximumAndSum)
{
    CBarChart chart;
    ASSERT_TRUE(chart.Create(nullptr, QRect(0, 0, 400, 300), QString()));
    chart.AddBar(QStringLiteral("a"), kGreen, -3);
    EXPECT_EQ(chart.Maximum(), 0);
    chart.AddBar(QStringLiteral("b"), kGreen, 5);
    chart.AddBar(QStringLiteral("c"), kGreen, 2);
    EXPECT_EQ(chart.Maximum(), 5);
    EXPECT_EQ(chart.Sum(), 4);
    EXPECT_EQ(chart.BarWidth(), 24); // not fitted without redrawNow
    chart.AddBar(QStringLiteral("d"), kGreen, 1, true);
    EXPECT_EQ(chart.BarWidth(), 80); // (360 - 40) / 4

    chart.SetBackground(QColor(255, 255, 240));
    chart.RemoveAll();
    EXPECT_EQ(chart.BarCount(), 0);
    EXPECT_EQ(chart.Maximum(), 0);
    EXPECT_EQ(chart.Sum(), 0);
    EXPECT_EQ(pixel(chart, 0, 0), QColor(155, 155, 140));
    EXPECT_EQ(pixel(chart, 205, 103), QColor(255, 255, 240));
}

TEST(BarChart, TitleAndBarsAreReadableByAssistiveTechnology)
{
    BarFixture f(1);
    EXPECT_EQ(f.chart.accessibleName(), QStringLiteral("汽车成本分析"));
    EXPECT_EQ(f.chart.accessibleDescription(), QStringLiteral("甲 300.00\n乙 150.00\n丙 0.00"));
    f.chart.SetTitle(QStringLiteral("维修费用分析"));
    EXPECT_EQ(f.chart.accessibleName(), QStringLiteral("维修费用分析"));
    f.chart.RemoveAll();
    EXPECT_EQ(f.chart.accessibleDescription(), QString());
}

class ChartTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tip.Link(&tips);
        tip.SetCursorSource([this] { return cursor; });
        tip.SetScreenSource([] { return QRect(0, 0, 1024, 768); });
    }
    int tips = 1;
    QPoint cursor{100, 100};
    CChartTip tip;
};

TEST_F(ChartTipTest, ShowsBesideTheCursorForFourSeconds)
{
    tip.Show(QStringLiteral("甲\n300.00\n66.67%\n"));
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.pos(), QPoint(110, 120));
    EXPECT_EQ(tip.size(), QSize(120, 100));
    EXPECT_TRUE(tip.DisplayTimer().isActive());
    EXPECT_EQ(tip.DisplayTimer().interval(), 4000);
    EXPECT_TRUE(tip.DisplayTimer().isSingleShot());
    EXPECT_FALSE(tip.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(tip.mask().contains(QPoint(5, 5)));

    cursor = {1000, 700}; // the same text stays where it is
    tip.Show(QStringLiteral("甲\n300.00\n66.67%\n"));
    EXPECT_EQ(tip.pos(), QPoint(110, 120));
    tip.Show(QStringLiteral("乙\n150.00\n33.33%\n"));
    EXPECT_EQ(tip.pos(), QPoint(900, 596)); // in the corner: above the cursor
    EXPECT_EQ(tip.Text(), QStringLiteral("乙\n150.00\n33.33%\n"));

    QMetaObject::invokeMethod(const_cast<QTimer*>(&tip.DisplayTimer()), "timeout");
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(ChartTipTest, StaysHiddenWhenOffEmptyOrTheCursorRests)
{
    tips = 0;
    tip.Show(QStringLiteral("甲"));
    EXPECT_FALSE(tip.isVisible());
    tips = 1;
    tip.Show(QString());
    EXPECT_FALSE(tip.isVisible());

    tip.Show(QStringLiteral("甲"));
    ASSERT_TRUE(tip.isVisible());
    tip.Hide();
    EXPECT_FALSE(tip.isVisible());
    EXPECT_FALSE(tip.DisplayTimer().isActive());
    tip.Show(QStringLiteral("乙"));
    EXPECT_FALSE(tip.isVisible()); // the cursor has not moved since
    cursor += QPoint(1, 0);
    tip.Show(QStringLiteral("乙"));
    EXPECT_TRUE(tip.isVisible());
}

TEST_F(ChartTipTest, FollowsTheCursorAndHidesOnAClick)
{
    tip.Show(QStringLiteral("甲"));
    cursor = {300, 300};
    sendMove(tip, {50, 50});
    EXPECT_EQ(tip.pos(), QPoint(310, 320));
    QTest::mouseClick(&tip, Qt::RightButton, Qt::NoModifier, {50, 50});
    EXPECT_TRUE(tip.isVisible());
    QTest::mouseClick(&tip, Qt::LeftButton, Qt::NoModifier, {50, 50});
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(ChartTipTest, PaintsTheFrameFillAndLineColours)
{
    tip.Show(QStringLiteral("甲乙丙\n300.00\n66.67%\n"));
    const QImage image = tip.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.pixelColor(0, 50), QColor(240, 210, 80));
    EXPECT_EQ(image.pixelColor(1, 50), QColor(240, 210, 80));
    EXPECT_EQ(image.pixelColor(60, 1), QColor(240, 210, 80));
    EXPECT_EQ(image.pixelColor(2, 50), QColor(255, 255, 220));
    EXPECT_EQ(image.pixelColor(117, 60), QColor(255, 255, 220));
    const auto exactly = [](QColor want) { return [want](QColor c) { return c == want; }; };
    EXPECT_TRUE(anyPixel(image, Span(6, 2, 114, 26), exactly(QColor(255, 100, 0))));
    EXPECT_TRUE(anyPixel(image, Span(6, 30, 114, 76), exactly(QColor(10, 100, 10))));
    EXPECT_TRUE(anyPixel(image, Span(6, 56, 114, 100), exactly(QColor(150, 150, 150))));
}

TEST(BarChart, MouseOverABarShowsItsTip)
{
    BarFixture f(1);
    CBarChart& chart = f.chart;
    QPoint cursor(50, 50);
    chart.Tip()->SetCursorSource([&cursor] { return cursor; });
    chart.Tip()->SetScreenSource([] { return QRect(0, 0, 1024, 768); });

    sendMove(chart, {25, 100});
    ASSERT_TRUE(chart.Tip()->isVisible());
    EXPECT_EQ(chart.Tip()->Text(), QStringLiteral("甲\n300.00\n66.67%\n"));
    cursor = {60, 60};
    sendMove(chart, {25, 10});
    EXPECT_FALSE(chart.Tip()->isVisible());

    chart.m_tips = 0;
    cursor = {70, 70};
    sendMove(chart, {25, 100});
    EXPECT_FALSE(chart.Tip()->isVisible());
    chart.m_tips = 1;
    cursor = {80, 80};
    sendMove(chart, {25, 100});
    EXPECT_TRUE(chart.Tip()->isVisible());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&chart, &leave);
    EXPECT_FALSE(chart.Tip()->isVisible());
}
