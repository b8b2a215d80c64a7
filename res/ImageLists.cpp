#include "res/ImageLists.h"

#include "res/BitmapCanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace res {
namespace {

const QColor kOutline(60, 60, 70);

void sheet(QPainter& p, const QColor& fill)
{
    p.setPen(kOutline);
    p.setBrush(fill);
    p.drawRect(QRectF(2.5, 0.5, 11, 15));
}

void document(QPainter& p)
{
    sheet(p, Qt::white);
    p.setPen(QColor(90, 120, 180));
    for (int y = 4; y <= 12; y += 3)
        p.drawLine(QPointF(4.5, y + 0.5), QPointF(11.5, y + 0.5));
}

void gear(QPainter& p)
{
    QPainterPath path;
    for (int i = 0; i < 16; ++i) {
        const double angle = i * M_PI / 8;
        const double radius = (i % 2 == 0) ? 7.3 : 5.4;
        const QPointF point(8 + radius * qCos(angle), 8 + radius * qSin(angle));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    path.addEllipse(QPointF(8, 8), 2.2, 2.2);
    p.setPen(kOutline);
    p.setBrush(QColor(150, 160, 175));
    p.drawPath(path);
}

void pencil(QPainter& p)
{
    document(p);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(240, 190, 60));
    QPolygonF body;
    body << QPointF(5, 14) << QPointF(4, 15.5) << QPointF(5.5, 15) << QPointF(15, 5.5)
         << QPointF(13.5, 4);
    p.drawPolygon(body);
}

void car(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(QColor(200, 40, 40));
    QPainterPath body;
    body.moveTo(1, 11.5);
    body.lineTo(1, 8);
    body.lineTo(4, 7.5);
    body.lineTo(6, 4.5);
    body.lineTo(11, 4.5);
    body.lineTo(13, 7.5);
    body.lineTo(15, 8);
    body.lineTo(15, 11.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(190, 225, 250));
    p.drawRect(QRectF(6.5, 5.5, 4, 2));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(4.5, 12), 2, 2);
    p.drawEllipse(QPointF(11.5, 12), 2, 2);
}

void chart(QPainter& p)
{
    p.setPen(kOutline);
    p.drawLine(QPointF(1.5, 1), QPointF(1.5, 14.5));
    p.drawLine(QPointF(1.5, 14.5), QPointF(15, 14.5));
    const QColor colours[] = {QColor(70, 130, 200), QColor(230, 140, 40), QColor(80, 170, 80)};
    const int heights[] = {6, 11, 8};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(3.5 + i * 4, 14.5 - heights[i], 3, heights[i]));
    }
}

void wrench(QPainter& p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(170, 175, 185));
    QPainterPath path;
    path.addEllipse(QPointF(11, 5), 4, 4);
    QPainterPath handle;
    handle.moveTo(9, 6);
    handle.lineTo(2, 13);
    handle.lineTo(3.5, 14.5);
    handle.lineTo(10.5, 7.5);
    handle.closeSubpath();
    QPainterPath jaw;
    jaw.addRect(QRectF(10.5, 0, 6, 4.5));
    p.drawPath(path.united(handle).subtracted(jaw));
}

void backupDisk(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(QColor(90, 110, 170));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(60, 170, 80));
    QPolygonF arrow;
    arrow << QPointF(8, 8) << QPointF(12, 11.5) << QPointF(10, 11.5) << QPointF(10, 14.5)
          << QPointF(6, 14.5) << QPointF(6, 11.5) << QPointF(4, 11.5);
    p.drawPolygon(arrow);
}

void calendar(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.setBrush(QColor(200, 50, 50));
    p.drawRect(QRectF(1.5, 2.5, 13, 3));
    p.setPen(QColor(120, 120, 120));
    for (int y = 8; y <= 12; y += 3)
        for (int x = 4; x <= 12; x += 3)
            p.drawPoint(x, y);
}

void information(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(QColor(60, 120, 210));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.5), 1.3, 1.3);
    p.drawRect(QRectF(7, 7, 2, 6));
}

void padlock(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 1.5, 7, 9), 0, 180 * 16);
    p.drawLine(QPointF(4.5, 6), QPointF(4.5, 8));
    p.drawLine(QPointF(11.5, 6), QPointF(11.5, 8));
    p.setPen(kOutline);
    p.setBrush(QColor(230, 180, 40));
    p.drawRect(QRectF(2.5, 7.5, 11, 8));
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(8, 11), 1.2, 1.2);
}

void profileCard(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(QColor(235, 240, 250));
    p.drawRect(QRectF(0.5, 2.5, 15, 11));
    p.setBrush(QColor(120, 150, 200));
    p.drawEllipse(QRectF(2.5, 4.5, 4, 4));
    p.drawRect(QRectF(2.5, 9.5, 4, 2));
    p.setPen(QColor(90, 90, 90));
    for (int y = 5; y <= 11; y += 3)
        p.drawLine(QPointF(8.5, y + 0.5), QPointF(13.5, y + 0.5));
}

void coin(QPainter& p)
{
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(245, 200, 60));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(QPen(QColor(130, 80, 10), 1.4));
    p.drawLine(QPointF(5, 3.5), QPointF(8, 7.5));
    p.drawLine(QPointF(11, 3.5), QPointF(8, 7.5));
    p.drawLine(QPointF(8, 7.5), QPointF(8, 13));
    p.drawLine(QPointF(5, 8.5), QPointF(11, 8.5));
    p.drawLine(QPointF(5, 11), QPointF(11, 11));
}

void folder(QPainter& p)
{
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 90));
    QPolygonF shape;
    shape << QPointF(0.5, 3.5) << QPointF(5.5, 3.5) << QPointF(7, 5) << QPointF(15.5, 5)
          << QPointF(15.5, 14.5) << QPointF(0.5, 14.5);
    p.drawPolygon(shape);
    p.drawLine(QPointF(0.5, 6.5), QPointF(15.5, 6.5));
}

void blankSheet(QPainter& p)
{
    sheet(p, Qt::white);
}

using Painter = void (*)(QPainter&);
constexpr Painter kSmallImages[kSmallImageCount] = {document,    gear,    pencil,      car,
                                                    chart,       wrench,  backupDisk,  calendar,
                                                    information, padlock, profileCard, coin};
constexpr Painter kTreeDefaults[] = {folder, blankSheet};

template <size_t N> QImage drawStrip(const Painter (&painters)[N])
{
    QImage strip = NewBitmap(static_cast<int>(N) * kSmallImageSize, kSmallImageSize,
                             QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (size_t i = 0; i < N; ++i) {
        p.save();
        p.translate(static_cast<int>(i) * kSmallImageSize, 0);
        p.setClipRect(0, 0, kSmallImageSize, kSmallImageSize);
        painters[i](p);
        p.restore();
    }
    return strip;
}

} // namespace

QImage DrawSmallImageStrip()
{
    return drawStrip(kSmallImages);
}

QImage DrawTreeDefaultStrip()
{
    return drawStrip(kTreeDefaults);
}

} // namespace res
