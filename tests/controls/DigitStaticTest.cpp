// The odometer display: the line of cells, the glyph strips of the colour
// schemes, and what the widget draws.
#include "controls/DigitStatic.h"
#include "res/Resources.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Whether any pixel of a strip cell has the colour.
bool cellHas(const QImage& strip, int cell, int cellWidth, const QColor& colour)
{
    for (int y = 0; y < strip.height(); ++y)
        for (int x = cell * cellWidth; x < (cell + 1) * cellWidth; ++x)
            if (strip.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

TEST(Digit, LineIsRightAlignedAndCutOnTheRight)
{
    CDigit digit;
    EXPECT_EQ(digit.m_text, "45");
    EXPECT_EQ(digit.Scheme(), 3);
    EXPECT_EQ(digit.Line(), QString(17, ' ') + "45");

    digit.m_cellCount = 8;
    digit.m_decimals = 0;
    digit.SetValue(12345);
    EXPECT_EQ(digit.Line(), "   12345");
    digit.SetValue(12345.9); // rounds like "%.0f"
    EXPECT_EQ(digit.Line(), "   12346");
    digit.m_decimals = 2;
    digit.SetValue(-1234.5);
    EXPECT_EQ(digit.m_text, "-1234.50");
    digit.SetValue(123456.25);
    EXPECT_EQ(digit.Line(), "123456.2"); // "123456.25" loses its last character
    digit.m_text = "--------";
    EXPECT_EQ(digit.Line(), "--------");
    digit.m_text = "";
    EXPECT_EQ(digit.Line(), "        ");

    const QString glyphs = "0129:-.a ";
    const int expected[] = {0, 1, 2, 9, 11, 12, 13, CDigit::kBlankGlyph, CDigit::kBlankGlyph};
    for (int i = 0; i < glyphs.size(); ++i)
        EXPECT_EQ(CDigit::GlyphIndex(glyphs[i]), expected[i]) << glyphs[i].toLatin1();
}

TEST(Digit, EachSchemeLoadsItsStripOnlyWhenItChanges)
{
    struct Scheme
    {
        int bitmap;
        QSize strip;
        QColor digit;
        QColor background;
    };
    const QColor lcd(179, 183, 139);
    const Scheme schemes[] = {
        {155, {182, 19}, Qt::black, lcd},         {156, {182, 19}, QColor(210, 0, 0), lcd},
        {157, {182, 19}, QColor(0, 0, 210), lcd}, {151, {168, 15}, QColor(0, 255, 0), Qt::black},
        {152, {252, 26}, Qt::black, lcd},         {154, {252, 26}, QColor(210, 0, 0), lcd},
        {153, {252, 26}, QColor(0, 0, 210), lcd},
    };
    CDigit digit;
    for (int s = 0; s < 7; ++s) {
        SCOPED_TRACE(s);
        const Scheme& want = schemes[s];
        EXPECT_EQ(CDigit::SchemeBitmap(s), want.bitmap);
        digit.SetScheme(s);
        EXPECT_EQ(digit.Strip().size(), want.strip);
        EXPECT_EQ(digit.CellWidth(), want.strip.width() / 14);
        EXPECT_EQ(digit.CellHeight(), want.strip.height());
        const QImage strip = rgb(digit.Strip().toImage());
        EXPECT_EQ(strip.pixelColor(0, 0), want.background);
        // "8" lights every segment, the blank none, "-" only some.
        EXPECT_TRUE(cellHas(strip, 8, digit.CellWidth(), want.digit));
        EXPECT_TRUE(cellHas(strip, 12, digit.CellWidth(), want.digit));
        EXPECT_FALSE(cellHas(strip, CDigit::kBlankGlyph, digit.CellWidth(), want.digit));
        for (int a = 0; a < 14; ++a)
            for (int b = a + 1; b < 14; ++b)
                EXPECT_NE(
                    strip.copy(a * digit.CellWidth(), 0, digit.CellWidth(), want.strip.height()),
                    strip.copy(b * digit.CellWidth(), 0, digit.CellWidth(), want.strip.height()))
                    << "cells " << a << " and " << b << " look alike";
    }

    const int loads = digit.StripLoads();
    digit.SetScheme(6);
    EXPECT_EQ(digit.StripLoads(), loads);
    digit.SetScheme(4);
    EXPECT_EQ(digit.StripLoads(), loads + 1);
    // A scheme without a strip keeps the one drawn so far.
    digit.SetScheme(9);
    EXPECT_EQ(digit.Scheme(), 9);
    EXPECT_EQ(digit.StripLoads(), loads + 1);
    EXPECT_EQ(digit.Strip().size(), QSize(252, 26));
}

TEST(DigitStatic, DrawsEveryCellFromTheStripInsideASunkenFrame)
{
    CDigitStatic display;
    EXPECT_EQ(display.Digit().Scheme(), 3);
    EXPECT_EQ(display.sizeHint(), QSize(19 * 12 + 2, 17));
    display.SetScheme(4);
    display.SetCellCount(8);
    display.SetDecimals(0);
    display.SetText("--------");
    EXPECT_EQ(display.accessibleName(), "--------");
    display.SetValue(12345);
    EXPECT_EQ(display.Text(), "12345");
    EXPECT_EQ(display.accessibleName(), "12345");
    EXPECT_EQ(display.sizeHint(), QSize(8 * 18 + 2, 28));
    display.resize(display.sizeHint());

    const QImage shown = rgb(display.grab().toImage());
    const QImage strip = rgb(display.Digit().Strip().toImage());
    const QString line = "   12345";
    for (int i = 0; i < line.size(); ++i) {
        const QRect glyph(CDigit::GlyphIndex(line[i]) * 18, 0, 18, 26);
        EXPECT_EQ(shown.copy(1 + i * 18, 1, 18, 26), strip.copy(glyph)) << "cell " << i;
    }
    const QPalette palette = QApplication::palette();
    const QRgb shadow = palette.color(QPalette::Dark).rgb();
    const QRgb highlight = palette.color(QPalette::Light).rgb();
    EXPECT_EQ(shown.pixel(0, 0), shadow);
    EXPECT_EQ(shown.pixel(0, 26), shadow);
    EXPECT_EQ(shown.pixel(144, 0), shadow);
    EXPECT_EQ(shown.pixel(145, 0), highlight);
    EXPECT_EQ(shown.pixel(0, 27), highlight);
    EXPECT_EQ(shown.pixel(145, 27), highlight);

    // A text set on the drawing object directly is what assistive technology
    // reads once it is drawn.
    display.Digit().m_text = "7:30";
    display.grab();
    EXPECT_EQ(display.accessibleName(), "7:30");
}
