#pragma once

#include "analysis/ChartGeometry.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

class CChartTip;
class QPainter;

// The background and grid part of the chart: the background colour, the
// border and grid colours drawn from it, the grid divisions and the drawing
// area.
class CChartGCalc
{
public:
    CChartGCalc();

    // The border colour is the background offset by 100, the grid pen's by 50.
    void DeriveColours();
    // Grid lines over the area with the grid pen: vertical ones from y = 0 to
    // the area height, horizontal ones from x = 0 to the area width.
    void DrawGrid(QPainter& painter, const QRect& area) const;

    QColor m_background{240, 240, 240};
    QColor m_border;
    QPen m_gridPen;
    int m_verticalDivisions = 0;
    int m_horizontalDivisions = 0;
    int m_gridSpacing = 10;
    QRect m_area;
};

// A chart of labelled, coloured values as bars or as a pie, drawn into a back
// buffer image that painting shows. Grid lines, gradient fill, value texts,
// category labels, a title band and a tip naming the bar or slice under the
// mouse are optional through the public flags, which the next Redraw shows.
class CBarChart : public QWidget, public CChartGCalc
{
    Q_OBJECT
public:
    static constexpr int kControlId = 1050;

    explicit CBarChart(QWidget* parent = nullptr);
    ~CBarChart() override;

    // Places and shows the chart in the parent with the rectangle and title
    // and makes its tip window; false, changing nothing, when it was created
    // before.
    bool Create(QWidget* parent, const QRect& rect, const QString& title);
    // Removes every bar, rebuilds the back buffer from the client rectangle
    // and redraws.
    void RemoveAll();
    void SetTitle(const QString& title);
    QString Title() const { return m_title; }
    // Draws the texts in this family instead of "宋体".
    void SetFaceFamily(const QString& family);
    // Takes the colour and the border and grid colours derived from it.
    void SetBackground(const QColor& colour);
    // Appends a bar; with redrawNow the back buffer is rebuilt, the bars
    // fitted and the chart redrawn.
    void AddBar(const QString& label, const QColor& colour, double value, bool redrawNow = false);
    // With the fit flag: gap 10 and the bar width that spreads the bars over
    // the area less 20 pixels on each side.
    void FitBars(const QRect& area);
    // Draws everything into the back buffer and repaints; nothing before
    // Create or without a back buffer.
    void Redraw();
    // Draws the chart into the area of any painter, a printer's or a PDF
    // page's included, as shapes and text rather than a picture: the flat
    // pie's slices are filled as polygons instead of flood-filled. Neither
    // a window nor Create is needed; the back buffer stays as it is.
    void Render(QPainter& painter, const QRect& area);

    QRect DrawingArea() const { return m_area; }
    // The bar or slice at the point, or -1.
    int HitTest(const QPoint& p) const;
    // The tip for the point: label, value and share; empty off the bars.
    QString TipText(const QPoint& p) const;
    const QImage& Image() const { return m_image; }
    int BarCount() const { return static_cast<int>(m_bars.size()); }
    CChartTip* Tip() const { return m_tip; }
    double Maximum() const { return m_maximum; }
    double Sum() const { return m_sum; }
    int BarWidth() const { return m_barWidth; }
    int Gap() const { return m_gap; }
    // The pie of the last drawing, for hit testing.
    chart::PieFrame Pie() const { return m_pieFrame; }

    int m_grid = 1;
    int m_stretch = 0;
    int m_tips = 1;
    int m_labels = 1;
    int m_values = 1;
    int m_valueMode = 1;
    int m_pie = 1;
    int m_gradient = 1;
    int m_fit = 1;
    int m_highlighted = 1;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Bar
    {
        QString label;
        QColor colour;
        double value = 0;
    };

    void RebuildBitmap();
    // Redraw without repainting.
    void Draw();
    // Everything in m_area, on any painter.
    void Paint(QPainter& painter);
    // The background, the grid and the bars.
    void DrawBase(QPainter& painter);
    // The title band and the border.
    void DrawFrame(QPainter& painter) const;
    void DrawBars(QPainter& painter);
    void DrawPie(QPainter& painter);
    // The flat pie of the back buffer, flood-filled.
    void DrawFloodPie();
    void DrawSliceLabels(QPainter& painter, const std::vector<chart::Slice>& slices);
    void DrawTitleBand(QPainter& painter) const;
    void DescribeBars();
    std::vector<double> Values() const;

    bool m_created = false;
    bool m_shapes = false; // drawing shapes for a page rather than pixels
    std::vector<Bar> m_bars;
    double m_maximum = 0;
    double m_sum = 0;
    int m_barWidth = 24;
    int m_gap = 4;
    std::vector<QRect> m_hits;
    chart::PieFrame m_pieFrame;
    QColor m_labelColour{Qt::white};
    QFont m_normalFont;
    QFont m_boldFont;
    QFont m_titleFont;
    QString m_title;
    QString m_tipText;
    QImage m_image;
    CChartTip* m_tip = nullptr;
};
