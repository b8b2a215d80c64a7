#include "controls/CarPicture.h"

QRect FitPictureRect(const QSize& picture, const QRect& area)
{
    const int bw = picture.width(), bh = picture.height();
    const int aw = area.width(), ah = area.height();
    if (bw <= 0 || bh <= 0 || aw <= 0 || ah <= 0)
        return {};
    QSize drawn(bw, bh);
    if (bw > aw || bh > ah) {
        const double rw = static_cast<double>(bw) / aw;
        const double rh = static_cast<double>(bh) / ah;
        if (rw > rh)
            drawn = QSize(aw, static_cast<int>(bh / rw));
        else
            drawn = QSize(static_cast<int>(bw / rh), ah);
    }
    return QRect(area.left() + (aw - drawn.width()) / 2, area.top() + (ah - drawn.height()) / 2,
                 drawn.width(), drawn.height());
}

QFont CarNameFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(20);
    font.setBold(true);
    return font;
}
