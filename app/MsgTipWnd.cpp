#include "app/MsgTipWnd.h"

#include "controls/HoverButton.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"
#include "res/Resources.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTextLayout>
#include <algorithm>

namespace {

// The slide offset runs from 0 (the window just below the work area) to
// kRise + 1; in fade mode the window stands at kRise.
constexpr int kRise = 107;
constexpr int kFadeMs = 2000;
constexpr int kSlideDisplayMs = 10000;
constexpr int kFadeDisplayMs = 5000;
constexpr int kAfterLeaveMs = 3000;
// The window stands this far left of the work area's right edge.
constexpr int kRightGap = 195;

const QColor kCaptionColour(255, 232, 235);
const QColor kBodyColour(235, 200, 215);
const QColor kTransparent(255, 0, 255);

// Line breaks do not break a one-line text.
QString singleLine(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QFont tipFont(const QString& family, int points)
{
    QFont font(family);
    font.setPointSize(points);
    return font;
}

} // namespace

TipTextRects LayoutTipTexts(const QSize& client, int captionHeight, int footerHeight,
                            bool hasFooter)
{
    const int w = client.width();
    const int h = client.height();
    TipTextRects rects;
    // Left of the confirm button, from 10 pixels down.
    rects.caption = QRect(5, 10, w - 82, captionHeight);
    rects.footer = QRect(5, h - footerHeight - 6, w - 10, footerHeight + 4);
    const int bottom = hasFooter ? footerHeight + 2 : 2;
    rects.body = QRect(6, 32, w - 12, h - 32 - bottom);
    return rects;
}

int TipLineStep(const QFont& font)
{
    const int em = QFontInfo(font).pixelSize();
    return std::max(1, std::min(QFontMetrics(font).lineSpacing(), (em * 6 + 4) / 5));
}

QStringList WrapTipBody(const QString& body, const QFont& font, int width, int height)
{
    QString text = body;
    text.remove(QLatin1Char('\r')).replace(QLatin1Char('\n'), QChar::LineSeparator);
    const QFontMetrics metrics(font);
    const int maxLines = std::max(1, height / TipLineStep(font));

    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    std::vector<std::pair<int, int>> spans; // start, length
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        spans.emplace_back(line.textStart(), line.textLength());
    }
    layout.endLayout();

    QStringList lines;
    for (size_t i = 0; i < spans.size(); ++i) {
        const auto [start, length] = spans[i];
        if (static_cast<int>(i) == maxLines - 1 && i + 1 < spans.size()) {
            // The last line that fits takes the rest, cut with an ellipsis.
            QString rest = text.mid(start);
            rest.replace(QChar::LineSeparator, QLatin1Char(' '));
            lines << metrics.elidedText(rest, Qt::ElideRight, width);
            break;
        }
        QString line = text.mid(start, length);
        line.remove(QChar::LineSeparator);
        lines << line.trimmed();
    }
    return lines;
}

CMsgTipWnd::CMsgTipWnd(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kSize);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);

    m_confirm = new CHoverButton(this);
    m_confirm->setText(tr("我知道啦!"));
    m_confirm->setGeometry(kSize.width() - 79, 10, 77, 21);
    m_confirm->SetBitmaps(res::IDB_TIP_CONFIRM, res::IDB_TIP_CONFIRM_HOVER, kTransparent);
    m_confirm->SetHoverCursor(res::Cursor(res::IDC_HAND));
    m_confirm->setFocusPolicy(Qt::NoFocus);
    connect(m_confirm, &QAbstractButton::clicked, this, &CMsgTipWnd::onConfirm);

    m_slideIn.setInterval(kSlideStepMs);
    m_slideOut.setInterval(kSlideStepMs);
    m_display.setSingleShot(true);
    connect(&m_slideIn, &QTimer::timeout, this, [this] { OnTimer(10); });
    connect(&m_slideOut, &QTimer::timeout, this, [this] { OnTimer(11); });
    connect(&m_display, &QTimer::timeout, this, [this] { OnTimer(12); });
}

CMsgTipWnd::~CMsgTipWnd() = default;

QFont CMsgTipWnd::CaptionFont()
{
    return tipFont(QStringLiteral("黑体"), 13);
}

QFont CMsgTipWnd::CaptionFontFor(const QString& caption, int width)
{
    QFont font = CaptionFont();
    const int smallest = FooterFont().pointSize();
    while (font.pointSize() > smallest && QFontMetrics(font).horizontalAdvance(caption) > width)
        font.setPointSize(font.pointSize() - 1);
    return font;
}

QFont CMsgTipWnd::FooterFont()
{
    return tipFont(QStringLiteral("黑体"), 10);
}

QFont CMsgTipWnd::BodyFont()
{
    return tipFont(QStringLiteral("宋体"), 10);
}

const QTimer& CMsgTipWnd::Timer(int id) const
{
    switch (id) {
    case 10:
        return m_slideIn;
    case 11:
        return m_slideOut;
    default:
        return m_display;
    }
}

void CMsgTipWnd::ShowTip(CRemindUnit* entry, const QString& caption, const QString& body,
                         const QString& footer)
{
    m_slideIn.stop();
    m_slideOut.stop();
    m_display.stop();
    if (m_fade)
        m_fade->stop();
    m_entry = entry;
    m_caption = caption;
    m_body = body;
    m_footer = footer;
    setWindowTitle(caption);
    setAccessibleName(caption);
    setAccessibleDescription(body + QLatin1Char(' ') + singleLine(footer).trimmed());

    const QWidget* owner = parentWidget();
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(QPoint(), QSize(1024, 768));
    m_x = work.x() + work.width() - kRightGap;
    m_baseY = work.y() + work.height();
    m_offset = m_showMode == Fade ? kRise : 0;
    m_mouseInside = false;
    moveToOffset();

    switch (m_showMode) {
    case Fade:
        setWindowOpacity(0.0);
        show();
        fade(1.0, [this] {
            update();
            startDisplayTimer(kFadeDisplayMs);
        });
        break;
    case Slide:
        if (windowOpacity() < 1.0)
            setWindowOpacity(1.0);
        show();
        m_slideIn.start();
        break;
    default:
        platform::MessageBox(nullptr, QStringLiteral("TIP: ...."), QString(), platform::MB_OK);
        show();
        break;
    }
    update();
}

void CMsgTipWnd::CloseTip()
{
    m_slideIn.stop();
    m_slideOut.stop();
    m_display.stop();
    if (m_showMode == Fade && isVisible())
        fade(0.0, [this] { finishClose(); });
    else
        finishClose();
}

void CMsgTipWnd::finishClose()
{
    m_mouseInside = false;
    hide();
}

void CMsgTipWnd::OnTimer(int id)
{
    switch (id) {
    case 10:
        if (m_offset <= kRise) {
            ++m_offset;
            moveToOffset();
        } else {
            m_slideIn.stop();
            startDisplayTimer(kSlideDisplayMs);
        }
        break;
    case 11:
        if (m_offset >= 0) {
            --m_offset;
            moveToOffset();
        } else {
            m_slideOut.stop();
            CloseTip();
        }
        break;
    case 12:
        m_display.stop();
        if (m_closeMode == Slide)
            m_slideOut.start();
        else
            CloseTip();
        break;
    default:
        break;
    }
}

void CMsgTipWnd::moveToOffset()
{
    move(m_x, m_baseY - m_offset);
}

void CMsgTipWnd::startDisplayTimer(int ms)
{
    // The tip stays while the mouse is over it; leaving starts the time.
    if (!m_mouseInside)
        m_display.start(ms);
}

void CMsgTipWnd::fade(qreal to, const std::function<void()>& done)
{
    if (!m_fade) {
        m_fade = new QPropertyAnimation(this, "windowOpacity", this);
        m_fade->setDuration(kFadeMs);
    }
    m_fade->stop();
    disconnect(m_fade, &QPropertyAnimation::finished, this, nullptr);
    m_fade->setStartValue(windowOpacity());
    m_fade->setEndValue(to);
    connect(m_fade, &QPropertyAnimation::finished, this, done);
    m_fade->start();
}

void CMsgTipWnd::onConfirm()
{
    platform::SendMessage(parentWidget(), platform::WM_TIP_ACK, reinterpret_cast<qintptr>(m_entry));
    CloseTip();
}

void CMsgTipWnd::mouseInside()
{
    if (m_mouseInside)
        return;
    m_mouseInside = true;
    m_display.stop();
}

void CMsgTipWnd::enterEvent(QEnterEvent* event)
{
    mouseInside();
    QWidget::enterEvent(event);
}

void CMsgTipWnd::mouseMoveEvent(QMouseEvent* event)
{
    mouseInside();
    QWidget::mouseMoveEvent(event);
}

void CMsgTipWnd::leaveEvent(QEvent* event)
{
    if (m_mouseInside) {
        m_mouseInside = false;
        // While it is still moving in or out, the slide decides what follows.
        const bool fading = m_fade && m_fade->state() == QAbstractAnimation::Running;
        if (isVisible() && !m_slideIn.isActive() && !m_slideOut.isActive() && !fading)
            m_display.start(kAfterLeaveMs);
    }
    QWidget::leaveEvent(event);
}

void CMsgTipWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), res::Bitmap(res::IDB_TIP_BACKGROUND));

    const QFont captionFont = CaptionFont();
    const QFont footerFont = FooterFont();
    const QFontMetrics captionMetrics(captionFont);
    const QFontMetrics footerMetrics(footerFont);
    const bool hasFooter = !m_footer.isEmpty();
    const TipTextRects rects = LayoutTipTexts(size(), captionMetrics.height(),
                                              hasFooter ? footerMetrics.height() : 0, hasFooter);

    const QString caption = singleLine(m_caption);
    const QFont fittedFont = CaptionFontFor(caption, rects.caption.width());
    painter.setPen(kCaptionColour);
    painter.setFont(fittedFont);
    painter.drawText(
        rects.caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        QFontMetrics(fittedFont).elidedText(caption, Qt::ElideRight, rects.caption.width()));
    if (hasFooter) {
        painter.setFont(footerFont);
        painter.drawText(
            rects.footer, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
            footerMetrics.elidedText(singleLine(m_footer), Qt::ElideRight, rects.footer.width()));
    }

    const QFont bodyFont = BodyFont();
    const QFontMetrics bodyMetrics(bodyFont);
    painter.setPen(kBodyColour);
    painter.setFont(bodyFont);
    const QRect area = rects.body;
    if (!m_body.contains(QLatin1Char('\n')) &&
        bodyMetrics.horizontalAdvance(m_body) <= area.width()) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, m_body);
        return;
    }
    const QStringList lines = WrapTipBody(m_body, bodyFont, area.width(), area.height());
    int textWidth = 0;
    for (const QString& line : lines)
        textWidth = std::max(textWidth, bodyMetrics.horizontalAdvance(line));
    // Lines left-aligned in a box of the text's width, centred in the area;
    // each baseline one em below the top of its line.
    const int left = area.x() + (area.width() - textWidth) / 2;
    const int step = TipLineStep(bodyFont);
    const int em = QFontInfo(bodyFont).pixelSize();
    painter.setClipRect(area);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QPoint(left, area.y() + i * step + em), lines[i]);
}
