#include "analysis/ChartTip.h"
#include "analysis/ChartGeometry.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>

namespace {

const QColor kFrameColour(240, 210, 80);
const QColor kFillColour(255, 255, 220);
const QColor kFirstLineColour(255, 100, 0);
const QColor kSecondLineColour(10, 100, 10);
const QColor kLaterLineColour(150, 150, 150);

// The rounded rectangle with 10 x 10 corners.
QPainterPath RoundedShape(const QRectF& rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, 5, 5);
    return path;
}

QFont TipFont(int weight)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(14);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

} // namespace

CChartTip::CChartTip(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_boldFont(TipFont(QFont::Bold)), m_normalFont(TipFont(QFont::Normal))
{
    setObjectName(QStringLiteral("CChartTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setFixedSize(chart::kTipSize);
    setMask(QRegion(RoundedShape(QRectF(rect())).toFillPolygon().toPolygon()));
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDisplayMs);
    connect(&m_timer, &QTimer::timeout, this, &CChartTip::Hide);
}

void CChartTip::Show(const QString& text)
{
    if (!m_tipsFlag || *m_tipsFlag == 0 || text.isEmpty())
        return;
    if (isVisible() && text == m_text)
        return;
    const QPoint cursor = Cursor();
    if (m_hiddenAt && *m_hiddenAt == cursor)
        return;
    m_text = text;
    setAccessibleName(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed());
    move(chart::TipPosition(cursor, Screen(), size()));
    show();
    update();
    m_timer.start();
}

void CChartTip::Hide()
{
    m_hiddenAt = Cursor();
    m_timer.stop();
    hide();
}

QPoint CChartTip::Cursor() const
{
    return m_cursor ? m_cursor() : QCursor::pos();
}

QRect CChartTip::Screen() const
{
    if (m_screen)
        return m_screen();
    QScreen* screen = QGuiApplication::screenAt(Cursor());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void CChartTip::FollowCursor()
{
    move(chart::TipPosition(Cursor(), Screen(), size()));
}

void CChartTip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFrameColour);
    painter.drawPath(RoundedShape(QRectF(rect())));
    painter.setBrush(kFillColour);
    painter.drawPath(RoundedShape(QRectF(rect().adjusted(2, 2, -2, -2))));

    const QStringList lines = m_text.split(QLatin1Char('\n'));
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const int right = width() - 6;
    painter.setFont(m_boldFont);
    painter.setPen(kFirstLineColour);
    painter.drawText(chart::Span(6, 2, right, 26), flags, lines.value(0));
    painter.setFont(m_normalFont);
    for (int i = 1, k = 26; i < lines.size(); ++i, k += 26) {
        painter.setPen(i == 1 ? kSecondLineColour : kLaterLineColour);
        painter.drawText(chart::Span(6, k + 4, right, k + 50), flags, lines[i]);
    }
}

void CChartTip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Hide();
}

void CChartTip::mouseMoveEvent(QMouseEvent*)
{
    FollowCursor();
}
