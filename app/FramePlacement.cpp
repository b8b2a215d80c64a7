#include "app/FramePlacement.h"

#include <QMargins>

namespace {

// Room left around the window for the title bar and borders the window manager
// adds; the window's own geometry does not include them.
const QMargins kDecoration(8, 40, 8, 8);

} // namespace

FramePlacement PlaceMainFrame(const QSize& screen)
{
    const int w = screen.width(), h = screen.height();
    const int width = w < 1024 ? 800 : 900;
    const int height = h < 768 ? 600 : 700;
    FramePlacement placement;
    placement.geometry = QRect((w - width) / 2, (h - height) / 2, width, height);
    placement.minimumSize = QSize(w < 1024 ? 800 : 900, h < 1000 ? 600 : 800);
    return placement;
}

FramePlacement PlaceMainFrame(const QSize& screen, const QRect& available)
{
    FramePlacement placement = PlaceMainFrame(screen);
    if (!available.isValid())
        return placement;
    const QRect wanted(placement.geometry.topLeft(),
                       placement.geometry.size().expandedTo(placement.minimumSize));
    if (available.contains(wanted))
        return placement;
    // Too big for the area (a scaled or small screen): shrink to leave room for
    // the frame, and centre in the area, whichever of frame or window the window
    // manager takes the position for.
    const QSize room = available.marginsRemoved(kDecoration).size();
    const QSize size = wanted.size().boundedTo(room);
    placement.minimumSize = placement.minimumSize.boundedTo(room);
    placement.geometry = QRect(available.x() + (available.width() - size.width()) / 2,
                               available.y() + (available.height() - size.height()) / 2,
                               size.width(), size.height());
    return placement;
}
