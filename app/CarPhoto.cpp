#include "app/CarPhoto.h"

#include "database/MyDatabase.h"

#include <QPainter>
#include <cmath>

QRect CarPhotoTarget(const QSize& picture, const QRect& area)
{
    const int bw = picture.width(), bh = picture.height();
    const int aw = area.width(), ah = area.height();
    if (bw <= 0 || bh <= 0 || aw <= 0 || ah <= 0)
        return {};
    int w = bw, h = bh;
    if (bw > aw || bh > ah) {
        const double rw = static_cast<double>(bw) / aw;
        const double rh = static_cast<double>(bh) / ah;
        if (rw > rh) {
            w = aw;
            h = static_cast<int>(std::trunc(bh / rw));
        } else {
            w = static_cast<int>(std::trunc(bw / rh));
            h = ah;
        }
    }
    return QRect(area.left() + (aw - w) / 2, area.top() + (ah - h) / 2, w, h);
}

void DrawCarPhoto(QPainter& painter, const QRect& area, CMyDatabase& database)
{
    const QString carId = database.GetCurrentCarID();
    if (carId.isEmpty())
        return;
    CARPROPERTY property;
    database.GetCarProperty(carId, property);

    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    if (!property.picture.isNull()) {
        const QRect target = CarPhotoTarget(property.picture.size(), area);
        const bool scaled = target.size() != property.picture.size();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, scaled);
        painter.drawImage(target, property.picture);
    } else {
        painter.fillRect(area, Qt::white);
        QFont font(QStringLiteral("宋体"));
        font.setPixelSize(20);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(255, 0, 0));
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, database.GetCurrentCarName());
    }
    painter.restore();
}
