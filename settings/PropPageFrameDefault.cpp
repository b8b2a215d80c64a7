#include "settings/PropPageFrameDefault.h"

#include "controls/ReadableColours.h"

#include <QFontDatabase>
#include <QPainter>

namespace {
constexpr int kIconSize = 16;
constexpr int kIconLeft = 3;
constexpr int kTextIndent = 2;
} // namespace

CPropPageFrameDefault::CPropPageFrameDefault(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setCursor(Qt::ArrowCursor);
}

bool CPropPageFrameDefault::Create(QWidget* parent, const QRect& rect)
{
    setParent(parent);
    setGeometry(rect);
    show();
    return true;
}

void CPropPageFrameDefault::SetCaption(const QString& text, const QIcon& icon)
{
    m_captionImage = icon.isNull() ? QPixmap() : icon.pixmap(kIconSize, kIconSize);
    CPropPageFrame::SetCaption(text, icon);
}

QRect CPropPageFrameDefault::CalcMsgArea()
{
    QRect rect = CPropPageFrame::CalcMsgArea();
    if (GetShowCaption())
        rect.setTop(rect.top() + 1);
    return rect;
}

void CPropPageFrameDefault::DrawCaption(QPainter& painter, const QRect& rect, const QString& text,
                                        const QIcon&)
{
    if (rect.isEmpty())
        return;
    painter.save();
    // One vertical line per pixel column, each channel interpolated linearly.
    // The band starts in a fixed light colour and carries dark text, so it
    // ends in a light colour too, whatever the palette.
    const QColor left = kInactiveCaption;
    const QColor right = ReadableBackground(kCaptionText, backgroundRole(), palette());
    const int width = rect.width();
    for (int x = 0; x < width; ++x) {
        const auto mix = [&](int a, int b) { return a + (b - a) * x / qMax(1, width - 1); };
        painter.setPen(QColor(mix(left.red(), right.red()), mix(left.green(), right.green()),
                              mix(left.blue(), right.blue())));
        painter.drawLine(rect.left() + x, rect.top(), rect.left() + x, rect.bottom());
    }

    QRect textRect = rect;
    if (!m_captionImage.isNull()) {
        const int top = rect.top() + (rect.height() - m_captionImage.height()) / 2;
        painter.drawPixmap(rect.left() + kIconLeft, top, m_captionImage);
        textRect.setLeft(textRect.left() + m_captionImage.width() + kIconLeft);
    }
    textRect.setLeft(textRect.left() + kTextIndent);

    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(kCaptionText);
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter.restore();
}

void CPropPageFrameDefault::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Draw(painter);
}
