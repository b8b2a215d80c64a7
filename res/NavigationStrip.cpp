#include "res/NavigationStrip.h"

#include "res/BitmapCanvas.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>

namespace res {
namespace {

constexpr int kCaptionLeft = 42;
constexpr int kCaptionWidth = kStripCellWidth - 46;
constexpr int kCaptionPixelSize = 14;
constexpr int kSmallestCaptionPixelSize = 9;

// The captions' font: bold at 14 pixels, or as much smaller as the widest
// caption needs to fit beside its icon.
QFont CaptionFont(const std::array<QString, kStripColumns>& captions)
{
    QFont font(QStringLiteral("宋体"));
    font.setBold(true);
    font.setStyleHint(QFont::Serif);
    for (int size = kCaptionPixelSize;; --size) {
        font.setPixelSize(size);
        if (size == kSmallestCaptionPixelSize)
            return font;
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const QString& caption : captions)
            fits = fits && metrics.horizontalAdvance(caption) <= kCaptionWidth;
        if (fits)
            return font;
    }
}

} // namespace

std::array<QString, kStripColumns> NavigationCaptions()
{
    static const char* const sources[kStripColumns] = {
        QT_TRANSLATE_NOOP("NavigationStrip", "基本信息"),
        QT_TRANSLATE_NOOP("NavigationStrip", "加油记录"),
        QT_TRANSLATE_NOOP("NavigationStrip", "维修记录"),
        QT_TRANSLATE_NOOP("NavigationStrip", "保养记录"),
        QT_TRANSLATE_NOOP("NavigationStrip", "事故记录"),
        QT_TRANSLATE_NOOP("NavigationStrip", "日常杂费"),
        QT_TRANSLATE_NOOP("NavigationStrip", "爱车用品"),
        QT_TRANSLATE_NOOP("NavigationStrip", "爱车日志"),
        QT_TRANSLATE_NOOP("NavigationStrip", "分析统计"),
    };
    std::array<QString, kStripColumns> captions;
    for (int column = 0; column < kStripColumns; ++column)
        captions[static_cast<size_t>(column)] =
            QCoreApplication::translate("NavigationStrip", sources[column]);
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

    const std::array<QString, kStripColumns> captions = NavigationCaptions();
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(CaptionFont(captions));
    for (int row = 0; row < kStripRows; ++row) {
        for (int column = 0; column < kStripColumns; ++column) {
            const QPoint cell(column * kStripCellWidth, row * kStripCellHeight);
            DrawNavigationIcon(painter, column, cell + QPoint(10, 8));
            painter.setPen(StripCaptionColor(row));
            const QRect textRect(cell.x() + kCaptionLeft, cell.y(), kCaptionWidth,
                                 kStripCellHeight);
            painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                             captions[static_cast<size_t>(column)]);
        }
    }
    return strip;
}

} // namespace res
