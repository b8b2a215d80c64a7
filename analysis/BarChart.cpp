#include "analysis/BarChart.h"
#include "analysis/ChartTip.h"
#include "analysis/FloodFill.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

using namespace chart;

namespace {

QFont ChartFont(int pixelSize, QFont::Weight weight, const QString& family = QStringLiteral("宋体"))
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

void SetPixel(QPainter& painter, const QPoint& at, const QColor& colour)
{
    painter.fillRect(QRect(at, QSize(1, 1)), colour);
}

// A black line from the centre to the point at the angle and distance R.
void DrawRadius(QImage& image, const QPoint& centre, double angle, int radius)
{
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.drawLine(centre, PointAt(centre, angle, radius));
}

} // namespace

CChartGCalc::CChartGCalc()
{
    DeriveColours();
}

void CChartGCalc::DeriveColours()
{
    m_border = Offset(m_background, 100);
    m_gridPen = QPen(Offset(m_background, 50), 1, Qt::SolidLine);
}

void CChartGCalc::DrawGrid(QPainter& painter, const QRect& area) const
{
    const QColor colour = m_gridPen.color();
    for (int x : GridColumns(area, m_verticalDivisions, m_gridSpacing))
        painter.fillRect(QRect(x, 0, 1, area.height()), colour);
    for (int y : GridRows(area, m_horizontalDivisions, m_gridSpacing))
        painter.fillRect(QRect(0, y, area.width(), 1), colour);
}

CBarChart::CBarChart(QWidget* parent)
    : QWidget(parent), m_hits(kMaxDrawnBars), m_normalFont(ChartFont(12, QFont::Normal)),
      m_boldFont(ChartFont(12, QFont::Bold)), m_titleFont(ChartFont(16, QFont::Bold))
{
    setObjectName(QStringLiteral("CBarChart"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CBarChart::~CBarChart() = default;

bool CBarChart::Create(QWidget* parent, const QRect& rect, const QString& title)
{
    if (m_created)
        return false;
    if (parent && parent != parentWidget())
        setParent(parent);
    m_created = true;
    setGeometry(rect);
    SetTitle(title);
    RebuildBitmap();
    FitBars(m_area);
    Draw();
    m_tip = new CChartTip(this);
    m_tip->Link(&m_tips);
    show();
    return true;
}

void CBarChart::RemoveAll()
{
    m_bars.clear();
    m_maximum = 0;
    m_sum = 0;
    m_area = QRect();
    RebuildBitmap();
    FitBars(m_area);
    Redraw();
}

void CBarChart::SetTitle(const QString& title)
{
    m_title = title;
    setWindowTitle(title);
    setAccessibleName(title);
}

void CBarChart::SetFaceFamily(const QString& family)
{
    m_normalFont = ChartFont(12, QFont::Normal, family);
    m_boldFont = ChartFont(12, QFont::Bold, family);
    m_titleFont = ChartFont(16, QFont::Bold, family);
}

void CBarChart::SetBackground(const QColor& colour)
{
    m_background = colour;
    DeriveColours();
    update();
}

void CBarChart::AddBar(const QString& label, const QColor& colour, double value, bool redrawNow)
{
    m_bars.push_back({label, colour, value});
    if (value > m_maximum)
        m_maximum = value;
    m_sum += value;
    if (redrawNow) {
        RebuildBitmap();
        FitBars(m_area);
        Redraw();
    }
}

void CBarChart::FitBars(const QRect& area)
{
    if (!m_fit || m_bars.empty())
        return;
    m_gap = kFittedGap;
    m_barWidth = FittedBarWidth(area, BarCount());
}

void CBarChart::Redraw()
{
    Draw();
    update();
}

void CBarChart::RebuildBitmap()
{
    if (!m_created)
        return;
    m_area = rect();
    m_image = size().isEmpty() ? QImage() : QImage(size(), QImage::Format_RGB32);
    if (!m_image.isNull())
        m_image.fill(m_background);
}

void CBarChart::Draw()
{
    if (!m_created || m_image.isNull())
        return;
    m_labelColour = m_background;
    if (m_pie && !m_gradient) {
        // The flat pie is flood-filled in the back buffer itself.
        {
            QPainter painter(&m_image);
            DrawBase(painter);
        }
        DrawFloodPie();
        QPainter painter(&m_image);
        DrawFrame(painter);
    } else {
        QPainter painter(&m_image);
        Paint(painter);
    }
    DescribeBars();
}

void CBarChart::Paint(QPainter& painter)
{
    DrawBase(painter);
    if (m_pie)
        DrawPie(painter);
    DrawFrame(painter);
}

void CBarChart::Render(QPainter& painter, const QRect& area)
{
    const QRect kept = m_area;
    m_area = QRect(QPoint(0, 0), area.size());
    FitBars(m_area);
    m_labelColour = m_background;
    painter.save();
    painter.translate(area.topLeft());
    painter.setClipRect(m_area);
    m_shapes = true;
    Paint(painter);
    m_shapes = false;
    painter.restore();
    m_area = kept;
}

void CBarChart::DrawBase(QPainter& painter)
{
    painter.fillRect(m_area, m_background);
    if (m_grid)
        DrawGrid(painter, GridArea(m_area, m_labels));
    if (!m_pie)
        DrawBars(painter);
}

void CBarChart::DrawFrame(QPainter& painter) const
{
    DrawTitleBand(painter);
    const QRect a = m_area;
    painter.fillRect(QRect(a.x(), a.y(), a.width(), 1), m_border);
    painter.fillRect(QRect(a.x(), BottomOf(a) - 1, a.width(), 1), m_border);
    painter.fillRect(QRect(a.x(), a.y(), 1, a.height()), m_border);
    painter.fillRect(QRect(RightOf(a) - 1, a.y(), 1, a.height()), m_border);
}

void CBarChart::DrawBars(QPainter& painter)
{
    std::fill(m_hits.begin(), m_hits.end(), QRect());
    if (m_labels)
        painter.fillRect(Span(m_area.x(), BottomOf(m_area) - 51, RightOf(m_area), BottomOf(m_area)),
                         m_labelColour);
    const BarFrame frame{m_area,         m_barWidth, m_gap,     bool(m_labels),
                         bool(m_values), m_maximum,  BarCount()};
    const std::vector<BarBox> boxes = LayoutBars(frame, Values());
    painter.setFont(m_boldFont);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
        const BarBox& bar = boxes[i];
        m_hits[i] = bar.hit;
        if (bar.width <= 0)
            continue;
        const QColor colour = m_bars[i].colour;
        const QColor body = Offset(colour, 100);
        painter.fillRect(bar.Body(), body);
        if (m_gradient) {
            const int columnHeight = Trunc(bar.h - 2);
            for (int j = 1; j <= bar.width - 2; ++j)
                painter.fillRect(QRect(bar.x + j, bar.y + 1, 1, columnHeight),
                                 GradientColumn(colour, j, bar.width));
            for (const CornerPixel& corner : BarCorners(bar, m_labelColour, body))
                SetPixel(painter, corner.at, corner.colour);
        }
        if (m_values)
            painter.drawText(bar.ValueRect(m_gap), textFlags,
                             ValueText(m_bars[i].value, m_sum, m_valueMode));
        if (m_labels)
            painter.drawText(bar.LabelRect(m_gap), textFlags, m_bars[i].label);
    }
}

void CBarChart::DrawFloodPie()
{
    m_pieFrame = PieFor(m_area);
    const QPoint centre = m_pieFrame.centre;
    const int radius = m_pieFrame.radius;
    if (radius <= 0)
        return;
    const std::vector<Slice> slices = PieSlices(Values(), m_sum);
    {
        QPainter painter(&m_image);
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(
            QRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
    }
    DrawRadius(m_image, centre, 0, radius);
    for (const Slice& slice : slices) {
        const QPoint seed = PointAt(centre, slice.Middle(), 0.8 * radius);
        if (SeedInside(seed, m_pieFrame, slice))
            FloodFill(m_image, seed, m_bars[slice.index].colour);
        DrawRadius(m_image, centre, slice.End(), radius);
    }
    if (m_values) {
        QPainter painter(&m_image);
        DrawSliceLabels(painter, slices);
    }
}

void CBarChart::DrawPie(QPainter& painter)
{
    m_pieFrame = PieFor(m_area);
    const QPoint centre = m_pieFrame.centre;
    const int radius = m_pieFrame.radius;
    if (radius <= 0)
        return;
    const std::vector<Slice> slices = PieSlices(Values(), m_sum);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (const Slice& slice : slices) {
        const QColor colour = m_bars[slice.index].colour;
        for (const Wedge& wedge : Wedges(slice)) {
            // Without the gradient a slice is one colour, bordered in black
            // as the flood-filled pie of the back buffer is.
            const QColor fill = m_gradient ? WedgeColour(colour, slice, wedge.from) : colour;
            painter.setBrush(fill);
            // Drawn as shapes, each wedge's edge is smoothed on its own and
            // the seams between them would show: an outline of its colour
            // closes them.
            if (m_shapes)
                painter.setPen(QPen(fill, 1.0));
            painter.drawPolygon(WedgePolygon(centre, radius, wedge));
        }
    }
    if (!m_gradient) {
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(
            QRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
        painter.drawLine(centre, PointAt(centre, 0, radius));
        for (const Slice& slice : slices)
            painter.drawLine(centre, PointAt(centre, slice.End(), radius));
    }
    painter.restore();
    if (m_values)
        DrawSliceLabels(painter, slices);
}

void CBarChart::DrawSliceLabels(QPainter& painter, const std::vector<Slice>& slices)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setFont(m_boldFont);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(m_labelColour);
    const QRect bounds = LabelBounds(m_area);
    for (const Slice& slice : slices) {
        const Bar& bar = m_bars[slice.index];
        const QString text = SliceText(bar.label, bar.value, m_sum);
        const int textWidth = painter.fontMetrics().boundingRect(QRect(), 0, text).width();
        const SliceLabel label = LabelFor(m_pieFrame, slice.Middle(), slice.index == m_highlighted,
                                          bounds, std::max(30, (textWidth + 3) / 2));
        painter.drawLine(label.p1, label.p2);
        painter.drawLine(label.p2, label.p3);
        painter.drawText(label.text, Qt::AlignCenter, text);
    }
    painter.restore();
}

void CBarChart::DrawTitleBand(QPainter& painter) const
{
    const QRect strip = Span(m_area.x(), BottomOf(m_area) - 30, RightOf(m_area), BottomOf(m_area));
    painter.fillRect(strip, m_background);
    painter.setFont(m_titleFont);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    painter.setPen(QColor(200, 200, 200));
    painter.drawText(strip.adjusted(2, 2, 0, 0), flags, m_title);
    painter.setPen(Qt::black);
    painter.drawText(strip, flags, m_title);
}

void CBarChart::DescribeBars()
{
    QStringList lines;
    for (const Bar& bar : m_bars)
        lines << bar.label + QLatin1Char(' ') + QString::asprintf("%0.02f", bar.value);
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

std::vector<double> CBarChart::Values() const
{
    std::vector<double> values;
    values.reserve(m_bars.size());
    for (const Bar& bar : m_bars)
        values.push_back(bar.value);
    return values;
}

int CBarChart::HitTest(const QPoint& p) const
{
    if (m_sum == 0)
        return -1;
    if (m_pie)
        return HitTestPie(p, m_pieFrame, Values(), m_sum);
    return HitTestBars(p, m_hits);
}

QString CBarChart::TipText(const QPoint& p) const
{
    const int index = HitTest(p);
    if (index < 0 || index >= BarCount())
        return QString();
    const Bar& bar = m_bars[index];
    return chart::TipText(bar.label, bar.value, m_sum);
}

void CBarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_created) {
        painter.fillRect(rect(), m_background);
        return;
    }
    if (m_image.isNull()) {
        RebuildBitmap();
        FitBars(m_area);
        Draw();
    }
    if (m_stretch)
        painter.drawImage(rect(), m_image, QRect(QPoint(0, 0), m_area.size()));
    else
        painter.drawImage(QPoint(0, 0), m_image);
}

void CBarChart::resizeEvent(QResizeEvent*)
{
    if (!m_created)
        return;
    RebuildBitmap();
    FitBars(m_area);
    Redraw();
}

void CBarChart::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const bool inside = m_stretch ? rect().contains(p) : m_area.contains(p);
    if (!inside) {
        if (m_tip)
            m_tip->Hide();
        return;
    }
    m_tipText = TipText(p);
    if (!m_tip)
        return;
    if (m_tipText.isEmpty())
        m_tip->Hide();
    else
        m_tip->Show(m_tipText);
}

void CBarChart::leaveEvent(QEvent*)
{
    if (m_tip)
        m_tip->Hide();
}
