// The nine small icons of the navigation buttons, drawn on a 24 x 24 grid.
// Pure white is the strip's transparent colour, so light parts use off-white.
#include "res/NavigationStrip.h"

#include <QPainterPath>

namespace res {
namespace {

const QColor kPaper(252, 252, 246);
const QColor kInk(40, 60, 90);

QPen outline(const QColor& color = kInk, qreal width = 1.4)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A card with a round "i" badge.
void drawBaseInfo(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(2.5, 3.5, 19, 17), 2, 2);
    p.setBrush(QColor(40, 120, 220));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(4.5, 6.5, 8, 8));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7.8, 9.8, 1.6, 3.6));
    p.drawRect(QRectF(7.8, 7.7, 1.6, 1.4));
    p.setPen(outline(QColor(90, 110, 140), 1.2));
    p.drawLine(QPointF(14.5, 8.5), QPointF(19.5, 8.5));
    p.drawLine(QPointF(14.5, 12.5), QPointF(19.5, 12.5));
    p.drawLine(QPointF(5.5, 17.5), QPointF(19.5, 17.5));
}

// A fuel pump with its hose.
void drawRefuel(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(QColor(230, 60, 50));
    p.drawRoundedRect(QRectF(3.5, 3.5, 11, 18), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 5.5, 7, 5));
    p.setBrush(QColor(80, 80, 80));
    p.drawRect(QRectF(2.5, 20.5, 13, 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(14.5, 8.5);
    hose.lineTo(18.5, 10.5);
    hose.lineTo(18.5, 17.5);
    hose.quadTo(20.5, 19.5, 21.5, 16.5);
    hose.lineTo(21.5, 7.5);
    hose.lineTo(19.5, 5.5);
    p.drawPath(hose);
}

// A spanner.
void drawRepair(QPainter& p)
{
    p.save();
    p.translate(12, 12);
    p.rotate(-45);
    p.setPen(outline());
    p.setBrush(QColor(150, 160, 175));
    QPainterPath spanner;
    spanner.addRoundedRect(QRectF(-2.2, -4, 4.4, 14.5), 1.5, 1.5);
    QPainterPath head;
    head.addEllipse(QPointF(0, -6), 5.2, 5.2);
    QPainterPath jaw;
    jaw.addRect(QRectF(-1.8, -12.5, 3.6, 7));
    p.drawPath(spanner.united(head).subtracted(jaw));
    p.restore();
}

// An oil can with a drop.
void drawMaintain(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(QColor(240, 180, 30));
    QPainterPath can;
    can.moveTo(3.5, 11.5);
    can.lineTo(14.5, 11.5);
    can.lineTo(20.5, 6.5);
    can.lineTo(21.5, 7.5);
    can.lineTo(16.5, 14.5);
    can.lineTo(16.5, 20.5);
    can.lineTo(3.5, 20.5);
    can.closeSubpath();
    p.drawPath(can);
    p.setBrush(QColor(120, 90, 20));
    p.drawRect(QRectF(7.5, 8.5, 4, 3));
    p.setBrush(QColor(60, 140, 60));
    QPainterPath drop;
    drop.moveTo(21, 11);
    drop.quadTo(23.5, 15, 21, 16.5);
    drop.quadTo(18.5, 15, 21, 11);
    p.drawPath(drop);
}

// A warning triangle.
void drawAccident(QPainter& p)
{
    p.setPen(outline(QColor(170, 40, 30)));
    p.setBrush(QColor(250, 200, 40));
    QPolygonF triangle;
    triangle << QPointF(12, 2.5) << QPointF(22, 20.5) << QPointF(2, 20.5);
    p.drawPolygon(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 20));
    p.drawRoundedRect(QRectF(11, 8, 2.2, 7), 1, 1);
    p.drawEllipse(QRectF(11, 16.2, 2.2, 2.2));
}

// A coin marked with the yuan sign.
void drawDailyCost(QPainter& p)
{
    p.setPen(outline(QColor(150, 100, 10)));
    p.setBrush(QColor(245, 195, 50));
    p.drawEllipse(QRectF(6.5, 9.5, 15, 13));
    p.setBrush(QColor(250, 215, 80));
    p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
    p.setPen(outline(QColor(150, 100, 10), 1.5));
    p.drawLine(QPointF(6.8, 6), QPointF(10, 10));
    p.drawLine(QPointF(13.2, 6), QPointF(10, 10));
    p.drawLine(QPointF(10, 10), QPointF(10, 15));
    p.drawLine(QPointF(7, 10.8), QPointF(13, 10.8));
    p.drawLine(QPointF(7, 13.2), QPointF(13, 13.2));
}

// A shopping bag.
void drawAccessory(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(QColor(230, 90, 160));
    p.drawRoundedRect(QRectF(3.5, 8.5, 17, 13), 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7.5, 3.5, 9, 10), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(6.5, 11, 2.4, 2.4));
    p.drawEllipse(QRectF(15.1, 11, 2.4, 2.4));
}

// A notebook and a pencil.
void drawCarLog(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(QColor(90, 170, 90));
    p.drawRoundedRect(QRectF(3.5, 2.5, 14, 19), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 5.5, 8, 4));
    p.setPen(outline(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(5, 13.5), QPointF(15, 13.5));
    p.drawLine(QPointF(5, 16.5), QPointF(15, 16.5));
    p.save();
    p.translate(19, 13);
    p.rotate(30);
    p.setPen(outline());
    p.setBrush(QColor(250, 170, 40));
    p.drawRect(QRectF(-1.5, -8, 3, 13));
    p.setBrush(QColor(60, 60, 60));
    QPolygonF tip;
    tip << QPointF(-1.5, 5) << QPointF(1.5, 5) << QPointF(0, 8);
    p.drawPolygon(tip);
    p.restore();
}

// A bar chart on its axes.
void drawAnalysis(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 130, 220));
    p.drawRect(QRectF(5, 12, 4, 9));
    p.setBrush(QColor(240, 140, 40));
    p.drawRect(QRectF(11, 6, 4, 15));
    p.setBrush(QColor(80, 180, 90));
    p.drawRect(QRectF(17, 9, 4, 12));
    p.setPen(outline());
    p.drawLine(QPointF(2.5, 2.5), QPointF(2.5, 21.5));
    p.drawLine(QPointF(2.5, 21.5), QPointF(22.5, 21.5));
}

} // namespace

void DrawNavigationIcon(QPainter& painter, int column, QPoint origin)
{
    using Draw = void (*)(QPainter&);
    static constexpr std::array<Draw, kStripColumns> icons = {
        drawBaseInfo,  drawRefuel,    drawRepair, drawMaintain, drawAccident,
        drawDailyCost, drawAccessory, drawCarLog, drawAnalysis,
    };
    if (column < 0 || column >= kStripColumns)
        return;
    painter.save();
    painter.translate(origin);
    icons[static_cast<size_t>(column)](painter);
    painter.restore();
}

} // namespace res
