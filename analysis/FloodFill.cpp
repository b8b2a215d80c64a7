#include "analysis/FloodFill.h"

#include <vector>

qsizetype FloodFill(QImage& image, const QPoint& seed, const QColor& fill, const QColor& boundary)
{
    if (!image.rect().contains(seed))
        return 0;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(QImage::Format_RGB32);
    const QRgb edge = boundary.rgb() & RGB_MASK;
    const QRgb colour = fill.rgb();
    const int width = image.width();
    const int height = image.height();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const auto at = [bits, stride](int x, int y) -> QRgb& {
        return reinterpret_cast<QRgb*>(bits + y * stride)[x];
    };
    if ((at(seed.x(), seed.y()) & RGB_MASK) == edge)
        return 0;

    std::vector<bool> seen(static_cast<size_t>(width) * height, false);
    std::vector<QPoint> pending{seed};
    seen[static_cast<size_t>(seed.y()) * width + seed.x()] = true;
    qsizetype filled = 0;
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        at(p.x(), p.y()) = colour;
        ++filled;
        const QPoint next[] = {
            {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
        for (const QPoint& n : next) {
            if (n.x() < 0 || n.y() < 0 || n.x() >= width || n.y() >= height)
                continue;
            const size_t index = static_cast<size_t>(n.y()) * width + n.x();
            if (seen[index] || (at(n.x(), n.y()) & RGB_MASK) == edge)
                continue;
            seen[index] = true;
            pending.push_back(n);
        }
    }
    return filled;
}
