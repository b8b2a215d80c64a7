#include "settings/CarPictureArea.h"

#include <QPainter>

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

CCarPictureArea::CCarPictureArea(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    updateAccessibleName();
}

void CCarPictureArea::SetCar(const QString& carId, const QString& name, const QImage& picture)
{
    m_carId = carId;
    m_name = name;
    m_picture = carId.isEmpty() ? QImage() : picture;
    updateAccessibleName();
    update();
}

void CCarPictureArea::SetMissingText(const QString& text)
{
    m_missingText = text;
    updateAccessibleName();
    update();
}

QStringList CCarPictureArea::DrawnTexts() const
{
    if (!HasCar() || !m_picture.isNull())
        return {};
    return {QStringLiteral("【%1】").arg(m_name), m_missingText};
}

void CCarPictureArea::updateAccessibleName()
{
    if (!HasCar())
        setAccessibleName(QStringLiteral("汽车图片"));
    else if (m_picture.isNull())
        setAccessibleName(DrawnTexts().join(QLatin1Char(' ')));
    else
        setAccessibleName(QStringLiteral("汽车图片【%1】").arg(m_name));
}

void CCarPictureArea::paintEvent(QPaintEvent*)
{
    if (!HasCar())
        return;
    QPainter painter(this);
    const QRect area = rect();
    if (!m_picture.isNull()) {
        const QRect target = FitPictureRect(m_picture.size(), area);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_picture);
        return;
    }
    painter.fillRect(area, Qt::white);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::red);
    const QStringList texts = DrawnTexts();
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    painter.drawText(area.translated(0, -20), flags, texts[0]);
    painter.drawText(area.translated(0, 10), flags, texts[1]);
}
