#include "res/TipImages.h"

#include "res/BitmapCanvas.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>

namespace res {

QImage DrawTipBackground()
{
    QImage image = NewBitmap(193, 107, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient panel(0, 0, 0, 107);
    panel.setColorAt(0.0, QColor(96, 34, 66));
    panel.setColorAt(1.0, QColor(52, 18, 40));
    p.fillRect(QRect(0, 0, 193, 107), panel);

    // The caption band behind the caption and the confirm button.
    QLinearGradient band(0, 0, 0, 32);
    band.setColorAt(0.0, QColor(150, 48, 88));
    band.setColorAt(1.0, QColor(112, 32, 66));
    p.fillRect(QRect(0, 0, 193, 32), band);

    // A faint sheen over the upper half of the panel.
    QLinearGradient sheen(0, 33, 0, 70);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 28));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRect(1, 33, 191, 37), sheen);

    p.setPen(QColor(214, 150, 176));
    p.drawRect(QRect(0, 0, 192, 106));
    return image;
}

QImage DrawTipConfirmButton(bool hover)
{
    QImage image = NewBitmap(77, 21, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient face(0, 0, 0, 21);
    face.setColorAt(0.0, hover ? QColor(238, 120, 160) : QColor(206, 86, 128));
    face.setColorAt(1.0, hover ? QColor(196, 62, 108) : QColor(150, 44, 86));
    p.fillRect(QRect(0, 0, 77, 21), face);
    p.setPen(hover ? QColor(255, 214, 228) : QColor(232, 168, 192));
    p.drawRect(QRect(0, 0, 76, 20));

    QFont font(QStringLiteral("黑体"));
    font.setPixelSize(12);
    p.setFont(font);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(hover ? QColor(255, 255, 255) : QColor(255, 232, 235));
    p.drawText(QRect(0, 0, 77, 21), Qt::AlignCenter,
               QCoreApplication::translate("TipImages", "我知道啦!"));

    // The corners are left out, which rounds the button a little.
    for (const QPoint corner : {QPoint(0, 0), QPoint(76, 0), QPoint(0, 20), QPoint(76, 20)})
        p.fillRect(QRect(corner, QSize(1, 1)), QColor(255, 0, 255));
    return image;
}

} // namespace res
