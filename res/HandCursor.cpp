#include "res/HandCursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace res {

QCursor DrawHandCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Index finger raised, three fingers folded, thumb at the left.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8.5, 1.5, 5, 14), 2.5, 2.5);
    hand.addRoundedRect(QRectF(13, 8.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(17, 9.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(21, 10.5, 4.5, 9), 2.2, 2.2);
    QPainterPath palm;
    palm.moveTo(8.5, 12);
    palm.lineTo(25.5, 14);
    palm.lineTo(25.5, 22);
    palm.quadTo(24, 28.5, 18, 28.5);
    palm.lineTo(13, 28.5);
    palm.quadTo(9, 28.5, 7, 24);
    palm.lineTo(3.2, 17.5);
    palm.quadTo(2.5, 15, 5, 15.2);
    palm.lineTo(8.5, 19);
    palm.closeSubpath();
    hand = hand.united(palm).simplified();

    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 0.9));
    p.drawLine(QPointF(13.2, 12), QPointF(13.2, 16));
    p.drawLine(QPointF(17.2, 13), QPointF(17.2, 17));
    p.drawLine(QPointF(21.2, 13.5), QPointF(21.2, 18));
    p.end();
    return QCursor(pixmap, 11, 1);
}

} // namespace res
