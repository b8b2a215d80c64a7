#include "res/ButtonIcons.h"

#include "res/Resources.h"

#include <QPainter>
#include <QPainterPath>

namespace res {
namespace {

QPen outline(const QColor& colour, qreal width = 1.0)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A key lying from the lower left to the upper right: the login button.
void drawKey(QPainter& p, bool hover)
{
    const QColor metal = hover ? QColor(255, 205, 40) : QColor(205, 160, 50);
    const QColor edge = hover ? QColor(170, 100, 0) : QColor(110, 80, 20);
    QPainterPath shaft;
    shaft.moveTo(7, 9);
    shaft.lineTo(1.5, 14.5);
    shaft.moveTo(3.5, 12.5);
    shaft.lineTo(5.5, 14.5);
    shaft.moveTo(5, 11);
    shaft.lineTo(6.5, 12.5);
    p.setPen(outline(edge, 2.6));
    p.drawPath(shaft);
    p.setPen(outline(metal, 1.2));
    p.drawPath(shaft);
    p.setPen(outline(edge, 1.0));
    p.setBrush(metal);
    p.drawEllipse(QRectF(6, 1.5, 8.5, 8.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(10, 3.5, 2.5, 2.5));
}

// A padlock: the small icon of the login window.
void drawPadlock(QPainter& p)
{
    p.setPen(outline(QColor(60, 60, 70), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 1.5, 7, 9), 0, 180 * 16);
    p.drawLine(QPointF(4.5, 6), QPointF(4.5, 8));
    p.drawLine(QPointF(11.5, 6), QPointF(11.5, 8));
    p.setPen(outline(QColor(120, 80, 10)));
    p.setBrush(QColor(235, 185, 40));
    p.drawRoundedRect(QRectF(2.5, 7.5, 11, 8), 1, 1);
    p.setBrush(QColor(60, 60, 70));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(8, 10.8), 1.3, 1.3);
    p.drawRect(QRectF(7.4, 11, 1.2, 2.8));
}

// A tick in a round badge: the apply button.
void drawTick(QPainter& p, bool hover)
{
    p.setPen(outline(hover ? QColor(0, 120, 20) : QColor(40, 100, 50)));
    p.setBrush(hover ? QColor(70, 200, 80) : QColor(110, 170, 110));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QPainterPath tick;
    tick.moveTo(4, 8.3);
    tick.lineTo(7, 11.3);
    tick.lineTo(12.2, 4.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(Qt::white, 2.2));
    p.drawPath(tick);
}

// A pencil writing a line: the edit-mileage button.
void drawPencil(QPainter& p, bool hover)
{
    const QColor edge = hover ? QColor(150, 60, 0) : QColor(80, 70, 60);
    p.setPen(outline(hover ? QColor(0, 90, 230) : QColor(90, 100, 120), 1.4));
    p.drawLine(QPointF(1.5, 14.5), QPointF(9, 14.5));

    QPolygonF body;
    body << QPointF(3.8, 9.8) << QPointF(11.2, 2.4) << QPointF(14.0, 5.2) << QPointF(6.6, 12.6);
    p.setPen(outline(edge));
    p.setBrush(hover ? QColor(255, 190, 30) : QColor(215, 175, 80));
    p.drawPolygon(body);
    QPolygonF cap;
    cap << QPointF(11.2, 2.4) << QPointF(12.3, 1.3) << QPointF(15.1, 4.1) << QPointF(14.0, 5.2);
    p.setBrush(hover ? QColor(255, 110, 130) : QColor(200, 130, 140));
    p.drawPolygon(cap);
    QPolygonF tip;
    tip << QPointF(3.8, 9.8) << QPointF(6.6, 12.6) << QPointF(2.2, 14.2);
    p.setBrush(QColor(245, 225, 190));
    p.drawPolygon(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    p.drawPolygon(QPolygonF() << QPointF(2.2, 14.2) << QPointF(2.9, 12.4) << QPointF(4.0, 13.5));
}

} // namespace

bool IsButtonIcon(int id)
{
    switch (id) {
    case IDI_LOGIN:
    case IDI_LOGIN_HOVER:
    case IDI_LOGIN_WINDOW:
    case IDI_APPLY:
    case IDI_APPLY_HOVER:
    case IDI_EDIT_MILEAGE:
    case IDI_EDIT_MILEAGE_HOVER:
        return true;
    default:
        return false;
    }
}

QImage DrawButtonIcon(int id, int size)
{
    if (!IsButtonIcon(id) || size <= 0)
        return {};
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    switch (id) {
    case IDI_LOGIN:
    case IDI_LOGIN_HOVER:
        drawKey(p, id == IDI_LOGIN_HOVER);
        break;
    case IDI_LOGIN_WINDOW:
        drawPadlock(p);
        break;
    case IDI_APPLY:
    case IDI_APPLY_HOVER:
        drawTick(p, id == IDI_APPLY_HOVER);
        break;
    case IDI_EDIT_MILEAGE:
    case IDI_EDIT_MILEAGE_HOVER:
        drawPencil(p, id == IDI_EDIT_MILEAGE_HOVER);
        break;
    }
    return icon;
}

} // namespace res
