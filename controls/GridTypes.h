#pragma once

#include "platform/MessageEvent.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

// Colours are kept the classic way: 0x00BBGGRR. CLR_DEFAULT means "take the
// colour from the default cell (or the system)".
using COLORREF = quint32;
constexpr COLORREF CLR_DEFAULT = 0xFF000000u;

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}

// The Qt colour of a COLORREF; an invalid QColor for CLR_DEFAULT.
inline QColor ColorFromRef(COLORREF c)
{
    if (c == CLR_DEFAULT)
        return QColor();
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline COLORREF RefFromColor(const QColor& c)
{
    return c.isValid() ? RGB(c.red(), c.green(), c.blue()) : CLR_DEFAULT;
}

// Cell state bits.
constexpr quint32 GVIS_FOCUSED = 0x0001;
constexpr quint32 GVIS_SELECTED = 0x0002;
constexpr quint32 GVIS_DROPHILITED = 0x0004;
constexpr quint32 GVIS_READONLY = 0x0008;
constexpr quint32 GVIS_FIXED = 0x0010;
constexpr quint32 GVIS_FIXEDROW = 0x0020;
constexpr quint32 GVIS_FIXEDCOL = 0x0040;
constexpr quint32 GVIS_MODIFIED = 0x0080;
constexpr quint32 GVIS_FIXEDBITS = GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL;

// Mask bits of GV_ITEM: which members SetItem writes.
constexpr quint32 GVIF_TEXT = 0x0001;
constexpr quint32 GVIF_IMAGE = 0x0002;
constexpr quint32 GVIF_PARAM = 0x0004;
constexpr quint32 GVIF_STATE = 0x0008;
constexpr quint32 GVIF_BKCLR = 0x0010;
constexpr quint32 GVIF_FGCLR = 0x0020;
constexpr quint32 GVIF_FORMAT = 0x0040;
constexpr quint32 GVIF_FONT = 0x0080;
constexpr quint32 GVIF_MARGIN = 0x0100;

// Draw format flags of a cell's text.
constexpr quint32 DT_TOP = 0x0000;
constexpr quint32 DT_LEFT = 0x0000;
constexpr quint32 DT_CENTER = 0x0001;
constexpr quint32 DT_RIGHT = 0x0002;
constexpr quint32 DT_VCENTER = 0x0004;
constexpr quint32 DT_BOTTOM = 0x0008;
constexpr quint32 DT_WORDBREAK = 0x0010;
constexpr quint32 DT_SINGLELINE = 0x0020;
constexpr quint32 DT_NOPREFIX = 0x0800;
constexpr quint32 DT_END_ELLIPSIS = 0x8000;
// A cell whose format is this value uses its default cell's format.
constexpr quint32 GV_FORMAT_DEFAULT = 0xFFFFFFFFu;

// Grid-line styles.
constexpr int GVL_NONE = 0;
constexpr int GVL_HORZ = 1;
constexpr int GVL_VERT = 2;
constexpr int GVL_BOTH = 3;

// Combo cell styles.
constexpr quint32 CBS_SIMPLE = 1;
constexpr quint32 CBS_DROPDOWN = 2;     // editable drop-down: the edit field takes any text
constexpr quint32 CBS_DROPDOWNLIST = 3; // drop-down list: only the listed texts

// Control id of an in-place editor.
constexpr int IDC_INPLACE_CONTROL = 8;

// A cell position. (-1, -1) names no cell.
struct CCellID
{
    int row = -1;
    int col = -1;

    constexpr CCellID() = default;
    constexpr CCellID(int r, int c) : row(r), col(c) {}
    constexpr bool IsValid() const { return row >= 0 && col >= 0; }
    friend constexpr bool operator==(const CCellID&, const CCellID&) = default;
};

// A rectangle of cells, inclusive. All -1 is the empty range.
struct CCellRange
{
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    constexpr CCellRange() = default;
    constexpr CCellRange(int r1, int c1, int r2, int c2)
        : minRow(r1), minCol(c1), maxRow(r2), maxCol(c2)
    {
    }
    constexpr bool IsValid() const
    {
        return minRow >= 0 && minCol >= 0 && maxRow >= minRow && maxCol >= minCol;
    }
    constexpr bool InRange(int row, int col) const
    {
        return IsValid() && row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    constexpr int GetRowSpan() const { return IsValid() ? maxRow - minRow + 1 : 0; }
    constexpr int GetColSpan() const { return IsValid() ? maxCol - minCol + 1 : 0; }
    constexpr CCellID GetTopLeft() const { return {minRow, minCol}; }
    friend constexpr bool operator==(const CCellRange&, const CCellRange&) = default;
};

// The item record of SetItem/GetItem; mask says which members count.
struct GV_ITEM
{
    int row = -1;
    int col = -1;
    quint32 mask = 0;
    quint32 nState = 0;
    quint32 nFormat = 0;
    int iImage = -1;
    COLORREF crBkClr = CLR_DEFAULT;
    COLORREF crFgClr = CLR_DEFAULT;
    qintptr lParam = 0;
    int nMargin = 0;
    QString strText;
};

// WM_NOTIFY record an in-place editor sends the grid when it closes: the cell,
// the final text and the key (with modifiers, as QKeyCombination::toCombined)
// that ended the edit, 0 when the edit ended another way.
struct GV_DISPINFO
{
    platform::NMHDR hdr;
    int row = -1;
    int col = -1;
    QString text;
    int lastKey = 0;
};
