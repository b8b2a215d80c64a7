#pragma once

#include "controls/GridCtrl.h"

#include <QPalette>
#include <QRect>

class QPainter;

// How one cell is drawn: background, a raised border for fixed cells, image,
// text in the cell's format, grid lines and the focus frame.
struct CGridPaintState
{
    bool fixed = false;
    bool selected = false;
    bool focused = false;
    int gridLines = GVL_BOTH;
    QColor gridLineColour;
};

// Qt alignment and text flags of a draw format.
int AlignmentFromFormat(quint32 format);
// The rectangle the text goes into: the cell less grid line, margin and image.
QRect TextRect(const QRect& cell, int margin, int imageWidth);
// The text as drawn on one line of the given width: single-line formats put
// line breaks on one line, DT_END_ELLIPSIS cuts the end with "…".
QString DisplayText(const QString& text, quint32 format, const QFontMetrics& metrics, int width);
// Whether the text does not fit into the cell (the title tip then shows it).
bool IsTextClipped(const CGridCellLook& look, const QRect& cell, int imageWidth);

void PaintGridCell(QPainter& painter, const QRect& rect, const CGridCellLook& look,
                   const CGridPaintState& state, const QPalette& palette,
                   const QList<QPixmap>& images);
