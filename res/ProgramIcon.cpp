#include "res/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace res {

QImage DrawProgramIcon()
{
    QImage icon(48, 48, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);

    // The coin behind the car.
    p.setPen(QPen(QColor(160, 110, 10), 1.5));
    p.setBrush(QColor(250, 205, 60));
    p.drawEllipse(QRectF(22, 2, 24, 24));
    p.setPen(QPen(QColor(160, 110, 10), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(29, 8), QPointF(34, 14));
    p.drawLine(QPointF(39, 8), QPointF(34, 14));
    p.drawLine(QPointF(34, 14), QPointF(34, 21));
    p.drawLine(QPointF(30, 15.5), QPointF(38, 15.5));

    // The car.
    QPainterPath body;
    body.moveTo(3, 36);
    body.lineTo(3, 29);
    body.quadTo(4, 26, 9, 25);
    body.lineTo(14, 18);
    body.quadTo(16, 16, 20, 16);
    body.lineTo(31, 16);
    body.quadTo(34, 16, 36, 19);
    body.lineTo(40, 25);
    body.quadTo(45, 26, 45, 30);
    body.lineTo(45, 36);
    body.closeSubpath();
    p.setPen(QPen(QColor(20, 50, 110), 1.5));
    p.setBrush(QColor(40, 110, 210));
    p.drawPath(body);
    p.setBrush(QColor(200, 230, 250));
    p.setPen(Qt::NoPen);
    QPolygonF window;
    window << QPointF(12, 25) << QPointF(16, 19) << QPointF(24, 19) << QPointF(24, 25);
    p.drawPolygon(window);
    QPolygonF window2;
    window2 << QPointF(26.5, 25) << QPointF(26.5, 19) << QPointF(32, 19) << QPointF(36.5, 25);
    p.drawPolygon(window2);
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QRectF(8, 31, 10, 10));
    p.drawEllipse(QRectF(31, 31, 10, 10));
    p.setBrush(QColor(190, 190, 190));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(11, 34, 4, 4));
    p.drawEllipse(QRectF(34, 34, 4, 4));
    return icon;
}

} // namespace res
