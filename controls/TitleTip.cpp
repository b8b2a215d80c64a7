#include "controls/TitleTip.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScreen>

CTitleTip::CTitleTip(QWidget* grid)
    : QWidget(grid, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput)
{
    setObjectName(QStringLiteral("CTitleTip"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void CTitleTip::Show(const QRect& cellRect, const QString& text, const QFont& font, int margin)
{
    m_text = text;
    m_cellRect = cellRect;
    m_margin = margin;
    setFont(font);
    setAccessibleName(text);
    const QFontMetrics metrics(font);
    QRect r(cellRect.topLeft(),
            QSize(metrics.horizontalAdvance(text) + 2 * margin + 2, cellRect.height()));
    if (QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr) {
        const QRect avail = screen->availableGeometry();
        if (r.right() > avail.right())
            r.moveRight(std::max(avail.right(), r.left() + cellRect.width()));
    }
    setGeometry(r);
    show();
    raise();
    update();
}

void CTitleTip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(font());
    painter.drawText(rect().adjusted(m_margin, 0, -m_margin, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_text);
}
