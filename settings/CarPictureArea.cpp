#include "settings/CarPictureArea.h"

#include "controls/CarPicture.h"

#include <QPainter>

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
    return {tr("【%1】").arg(m_name), m_missingText};
}

void CCarPictureArea::updateAccessibleName()
{
    if (!HasCar())
        setAccessibleName(tr("汽车图片"));
    else if (m_picture.isNull())
        setAccessibleName(DrawnTexts().join(QLatin1Char(' ')));
    else
        setAccessibleName(tr("汽车图片【%1】").arg(m_name));
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
    painter.setFont(CarNameFont());
    painter.setPen(Qt::red);
    const QStringList texts = DrawnTexts();
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    painter.drawText(area.translated(0, -20), flags, texts[0]);
    painter.drawText(area.translated(0, 10), flags, texts[1]);
}
