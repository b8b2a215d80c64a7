#include "app/FramePlacement.h"

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
