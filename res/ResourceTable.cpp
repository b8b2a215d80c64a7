#include "res/Resources.h"

#include "res/ButtonIcons.h"
#include "res/DigitStrips.h"
#include "res/HandCursor.h"
#include "res/ImageLists.h"
#include "res/NavigationStrip.h"
#include "res/ProgramIcon.h"
#include "res/TipImages.h"

#include <map>

namespace res {
namespace {

QImage drawBitmap(int id)
{
    switch (id) {
    case IDI_PROGRAM:
        return DrawProgramIcon();
    case IDB_TREE_DEFAULTS:
        return DrawTreeDefaultStrip();
    case IDB_SMALL_IMAGES:
        return DrawSmallImageStrip();
    case IDB_NAVIGATION:
        return DrawNavigationStrip();
    case IDB_TIP_CONFIRM:
        return DrawTipConfirmButton(false);
    case IDB_TIP_CONFIRM_HOVER:
        return DrawTipConfirmButton(true);
    case IDB_TIP_BACKGROUND:
        return DrawTipBackground();
    default:
        if (IsButtonIcon(id))
            return DrawButtonIcon(id, 32);
        return DrawDigitStrip(DigitStripLookOf(id));
    }
}

} // namespace

QPixmap Bitmap(int id)
{
    static std::map<int, QPixmap> cache;
    auto it = cache.find(id);
    if (it == cache.end())
        it = cache.emplace(id, QPixmap::fromImage(drawBitmap(id))).first;
    return it->second;
}

QIcon Icon(int id)
{
    static std::map<int, QIcon> cache;
    auto it = cache.find(id);
    if (it != cache.end())
        return it->second;
    QIcon icon;
    if (IsButtonIcon(id)) {
        icon.addPixmap(QPixmap::fromImage(DrawButtonIcon(id, 16)));
        icon.addPixmap(QPixmap::fromImage(DrawButtonIcon(id, 32)));
    } else if (const QPixmap bitmap = Bitmap(id); !bitmap.isNull()) {
        icon.addPixmap(bitmap);
    }
    return cache.emplace(id, icon).first->second;
}

QList<QPixmap> ImageList(int id, int width)
{
    const QPixmap strip = Bitmap(id);
    QList<QPixmap> images;
    if (width <= 0)
        return images;
    const QSize size = LogicalSize(strip);
    for (int x = 0; x + width <= size.width(); x += width) {
        QPixmap image = strip.copy(BitmapRect(strip, QRect(x, 0, width, size.height())));
        image.setDevicePixelRatio(strip.devicePixelRatio());
        images.append(image);
    }
    return images;
}

QSize LogicalSize(const QPixmap& bitmap)
{
    return bitmap.deviceIndependentSize().toSize();
}

QRect BitmapRect(const QPixmap& bitmap, const QRect& logical)
{
    const qreal s = bitmap.devicePixelRatio();
    return QRectF(logical.x() * s, logical.y() * s, logical.width() * s, logical.height() * s)
        .toRect();
}

QCursor Cursor(int id)
{
    switch (id) {
    case IDC_HAND: {
        static const QCursor hand = DrawHandCursor();
        return hand;
    }
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

} // namespace res
