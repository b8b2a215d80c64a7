#include "app/CarPhoto.h"

#include "controls/CarPicture.h"
#include "database/MyDatabase.h"

#include <QPainter>

void DrawCarPhoto(QPainter& painter, const QRect& area, CMyDatabase& database)
{
    // Painting never stops for a message: a failed read draws what it has.
    const QString carId = database.GetCurrentCarID().value_or(QString());
    if (carId.isEmpty())
        return;
    CARPROPERTY property;
    database.GetCarProperty(carId, property);

    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    if (!property.picture.isNull()) {
        const QRect target = FitPictureRect(property.picture.size(), area);
        const bool scaled = target.size() != property.picture.size();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, scaled);
        painter.drawImage(target, property.picture);
    } else {
        painter.fillRect(area, Qt::white);
        painter.setFont(CarNameFont());
        painter.setPen(QColor(255, 0, 0));
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine,
                         database.GetCurrentCarName().value_or(QString()));
    }
    painter.restore();
}
