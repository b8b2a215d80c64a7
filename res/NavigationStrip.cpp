#include "res/NavigationStrip.h"

#include "res/BitmapCanvas.h"

#include <QFont>

namespace res {

const std::array<QString, kStripColumns>& NavigationCaptions()
{
    static const std::array<QString, kStripColumns> captions = {
        QStringLiteral("基本信息"), QStringLiteral("加油记录"), QStringLiteral("维修记录"),
        QStringLiteral("保养记录"), QStringLiteral("事故记录"), QStringLiteral("日常杂费"),
        QStringLiteral("爱车用品"), QStringLiteral("爱车日志"), QStringLiteral("分析统计"),
    };
    return captions;
}

QColor StripCaptionColor(int row)
{
    switch (row) {
    case 1:
        return QColor(255, 0, 255);
    case 2:
        return QColor(255, 0, 0);
    default:
        return QColor(0, 0, 255);
    }
}

QImage DrawNavigationStrip()
{
    QImage strip = NewBitmap(kStripColumns * kStripCellWidth, kStripRows * kStripCellHeight,
                             QImage::Format_RGB32);
    strip.fill(Qt::white);

    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(14);
    font.setBold(true);
    font.setStyleHint(QFont::Serif);

    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    for (int row = 0; row < kStripRows; ++row) {
        for (int column = 0; column < kStripColumns; ++column) {
            const QPoint cell(column * kStripCellWidth, row * kStripCellHeight);
            DrawNavigationIcon(painter, column, cell + QPoint(10, 8));
            painter.setPen(StripCaptionColor(row));
            const QRect textRect(cell.x() + 42, cell.y(), kStripCellWidth - 46, kStripCellHeight);
            painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                             NavigationCaptions()[static_cast<size_t>(column)]);
        }
    }
    return strip;
}

} // namespace res
