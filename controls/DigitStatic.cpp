#include "controls/DigitStatic.h"

#include "res/Resources.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <array>

namespace {

// The strips of the colour schemes 0 to 6.
constexpr std::array<int, 7> kSchemeBitmaps = {
    res::IDB_DIGITS_SMALL_BLACK,    res::IDB_DIGITS_SMALL_RED,   res::IDB_DIGITS_SMALL_BLUE,
    res::IDB_DIGITS_GREEN_ON_BLACK, res::IDB_DIGITS_LARGE_BLACK, res::IDB_DIGITS_LARGE_RED,
    res::IDB_DIGITS_LARGE_BLUE,
};

} // namespace

CDigit::CDigit() : m_text(QString::number(45))
{
    SetScheme(3);
}

int CDigit::SchemeBitmap(int scheme)
{
    if (scheme < 0 || scheme >= static_cast<int>(kSchemeBitmaps.size()))
        return 0;
    return kSchemeBitmaps[static_cast<size_t>(scheme)];
}

void CDigit::SetScheme(int scheme)
{
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    const int bitmap = SchemeBitmap(scheme);
    if (bitmap == 0)
        return;
    m_strip = res::Bitmap(bitmap);
    ++m_stripLoads;
    m_cellWidth = res::LogicalSize(m_strip).width() / kGlyphCells;
    m_cellHeight = res::LogicalSize(m_strip).height();
}

void CDigit::SetValue(double value)
{
    m_text = QString::asprintf("%.*f", m_decimals, value);
}

int CDigit::GlyphIndex(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    switch (c.unicode()) {
    case ':':
        return 11;
    case '-':
        return 12;
    case '.':
        return 13;
    default:
        return kBlankGlyph;
    }
}

QString CDigit::Line() const
{
    if (m_cellCount <= 0)
        return {};
    return m_text.rightJustified(m_cellCount, QLatin1Char(' '), true);
}

QSize CDigit::Size() const
{
    return QSize(std::max(0, m_cellCount) * m_cellWidth + 2, m_cellHeight + 2);
}

void CDigit::Paint(QPainter& painter) const
{
    if (m_strip.isNull())
        return;
    const QString line = Line();
    for (int i = 0; i < line.size(); ++i) {
        const QRect glyph(GlyphIndex(line[i]) * m_cellWidth, 0, m_cellWidth, m_cellHeight);
        painter.drawPixmap(QPoint(1 + i * m_cellWidth, 1), m_strip, res::BitmapRect(m_strip, glyph));
    }

    // Sunken frame: shadow along the top and left, highlight along the bottom
    // and right, which own the corners they share with the other two.
    const QSize size = Size();
    const QPalette palette = QApplication::palette();
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor highlight = palette.color(QPalette::Light);
    const int w = size.width();
    const int h = size.height();
    painter.fillRect(QRect(0, 0, w - 1, 1), shadow);
    painter.fillRect(QRect(0, 0, 1, h - 1), shadow);
    painter.fillRect(QRect(w - 1, 0, 1, h), highlight);
    painter.fillRect(QRect(0, h - 1, w, 1), highlight);
}

CDigitStatic::CDigitStatic(QWidget* parent) : QWidget(parent)
{
    m_digit.SetScheme(3);
    m_digit.m_cellCount = 19;
    syncAccessibleName();
}

void CDigitStatic::SetScheme(int scheme)
{
    const QSize before = m_digit.Size();
    m_digit.SetScheme(scheme);
    changed(m_digit.Size() != before);
}

void CDigitStatic::SetValue(double value)
{
    m_digit.SetValue(value);
    changed(false);
}

void CDigitStatic::SetText(const QString& text)
{
    m_digit.m_text = text;
    changed(false);
}

void CDigitStatic::SetDecimals(int decimals)
{
    m_digit.m_decimals = decimals;
}

void CDigitStatic::SetCellCount(int cells)
{
    m_digit.m_cellCount = cells;
    changed(true);
}

QSize CDigitStatic::sizeHint() const
{
    return m_digit.Size();
}

void CDigitStatic::changed(bool sizeChanged)
{
    if (sizeChanged)
        updateGeometry();
    syncAccessibleName();
    update();
}

void CDigitStatic::syncAccessibleName()
{
    const QString shown = m_digit.Line().trimmed();
    if (accessibleName() != shown)
        setAccessibleName(shown);
}

void CDigitStatic::paintEvent(QPaintEvent*)
{
    // An owner may have changed the text through Digit(); what is drawn is
    // what assistive technology reads.
    syncAccessibleName();
    QPainter painter(this);
    m_digit.Paint(painter);
}
