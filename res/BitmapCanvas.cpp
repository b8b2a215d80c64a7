#include "res/BitmapCanvas.h"

#include <QGuiApplication>
#include <cmath>

namespace res {

qreal BitmapScale()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? std::max<qreal>(1.0, qGuiApp->devicePixelRatio())
               : 1.0;
}

QImage NewBitmap(int width, int height, QImage::Format format)
{
    const qreal scale = BitmapScale();
    QImage image(static_cast<int>(std::ceil(width * scale)),
                 static_cast<int>(std::ceil(height * scale)), format);
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace res
