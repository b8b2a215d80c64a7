#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

class QPainter;

// Draws a number like a seven-segment counter: every character is copied from
// a strip of 14 glyph cells ("0" to "9", blank, ":", "-", "."), the colour
// scheme choosing the strip.
class CDigit
{
public:
    static constexpr int kGlyphCells = 14;
    static constexpr int kBlankGlyph = 10;

    CDigit();

    // Nothing when `scheme` is the current one. Schemes 0 to 6 load their
    // strip and take the cell size from it; any other number is only stored.
    void SetScheme(int scheme);
    int Scheme() const { return m_scheme; }
    // The text becomes the value written with the stored decimals.
    void SetValue(double value);

    // The characters of the cells: the text right-aligned with blanks on the
    // left, cut on the right when longer than the cell count.
    QString Line() const;
    // Copies the glyph of every cell to (1 + i * cell width, 1) and draws the
    // sunken frame around them; nothing without a strip.
    void Paint(QPainter& painter) const;
    // The drawn area, frame included.
    QSize Size() const;

    int CellWidth() const { return m_cellWidth; }
    int CellHeight() const { return m_cellHeight; }
    const QPixmap& Strip() const { return m_strip; }
    // How often a strip has been loaded.
    int StripLoads() const { return m_stripLoads; }

    // The strip cell of a character: digits, ":", "-" and "."; blank for any
    // other character.
    static int GlyphIndex(QChar c);
    // The bitmap of a scheme; 0 outside 0 to 6.
    static int SchemeBitmap(int scheme);

    int m_decimals = 2;
    int m_cellCount = 19;
    QString m_text;

private:
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    int m_scheme = -1;
    QPixmap m_strip;
    int m_stripLoads = 0;
};

// A label showing its text on a CDigit. Every change repaints it, and the
// shown characters are its accessible name.
class CDigitStatic : public QWidget
{
    Q_OBJECT
public:
    explicit CDigitStatic(QWidget* parent = nullptr);

    // The drawing object itself; after changing it directly, call update().
    CDigit& Digit() { return m_digit; }
    const CDigit& Digit() const { return m_digit; }

    void SetScheme(int scheme);
    void SetValue(double value);
    void SetText(const QString& text);
    void SetDecimals(int decimals);
    void SetCellCount(int cells);
    QString Text() const { return m_digit.m_text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Repaints and tells assistive technology the new text.
    void changed(bool sizeChanged);
    void syncAccessibleName();

    CDigit m_digit;
};
