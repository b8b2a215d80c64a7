#include "controls/GridCellPainter.h"

#include "controls/ReadableColours.h"

#include <QFontMetrics>
#include <QPainter>

int AlignmentFromFormat(quint32 format)
{
    int flags = 0;
    if (format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (format & DT_VCENTER)
        flags |= Qt::AlignVCenter;
    else if (format & DT_BOTTOM)
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (!(format & DT_SINGLELINE) && (format & DT_WORDBREAK))
        flags |= Qt::TextWordWrap;
    return flags;
}

QRect TextRect(const QRect& cell, int margin, int imageWidth)
{
    QRect r = cell.adjusted(margin, 0, -margin - 1, -1);
    if (imageWidth > 0)
        r.setLeft(r.left() + imageWidth + margin);
    return r;
}

QString DisplayText(const QString& text, quint32 format, const QFontMetrics& metrics, int width)
{
    QString shown = text;
    if (format & DT_SINGLELINE) {
        shown.replace(QLatin1String("\r\n"), QLatin1String(" "));
        shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
        shown.replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
    if ((format & DT_END_ELLIPSIS) && !(format & DT_WORDBREAK && !(format & DT_SINGLELINE)))
        shown = metrics.elidedText(shown, Qt::ElideRight, std::max(width, 0));
    return shown;
}

bool IsTextClipped(const CGridCellLook& look, const QRect& cell, int imageWidth)
{
    if (look.text.isEmpty())
        return false;
    const QFontMetrics metrics(look.font);
    const QRect textRect = TextRect(cell, look.margin, imageWidth);
    QString text = look.text;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return metrics.horizontalAdvance(text) > textRect.width();
}

static void PaintRaisedBorder(QPainter& painter, const QRect& r, const QPalette& palette)
{
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void PaintGridCell(QPainter& painter, const QRect& rect, const CGridCellLook& look,
                   const CGridPaintState& state, const QPalette& palette,
                   const QList<QPixmap>& images)
{
    painter.save();
    const CCellColours colours = ResolveCellColours(look, state, palette);
    const QColor& back = colours.back;
    const QColor& fore = colours.text;
    painter.fillRect(rect, back);

    if (state.fixed) {
        PaintRaisedBorder(painter, rect, palette);
    } else if (state.gridLines != GVL_NONE) {
        painter.setPen(state.gridLineColour);
        if (state.gridLines & GVL_HORZ)
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        if (state.gridLines & GVL_VERT)
            painter.drawLine(rect.topRight(), rect.bottomRight());
    }

    int imageWidth = 0;
    if (look.image >= 0 && look.image < images.size()) {
        const QPixmap& image = images.at(look.image);
        const QSize size = image.deviceIndependentSize().toSize();
        imageWidth = size.width();
        const int y = rect.top() + (rect.height() - size.height()) / 2;
        painter.drawPixmap(rect.left() + look.margin, y, image);
    }

    const QRect textRect = TextRect(rect, look.margin, imageWidth);
    if (!look.text.isEmpty() && textRect.width() > 0) {
        painter.setFont(look.font);
        painter.setPen(fore);
        const QFontMetrics metrics(look.font);
        painter.setClipRect(textRect);
        painter.drawText(textRect, AlignmentFromFormat(look.format),
                         DisplayText(look.text, look.format, metrics, textRect.width()));
        painter.setClipping(false);
    }

    if (state.focused && !state.fixed) {
        QPen pen(state.selected ? palette.color(QPalette::HighlightedText)
                                : palette.color(QPalette::Highlight),
                 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect).adjusted(1, 1, -2, -2));
    }
    painter.restore();
}
