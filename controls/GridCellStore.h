#pragma once

#include "controls/GridCellBase.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// One position of the table. A plain cell lives here inline (text, state,
// format, two colours: 48 bytes); a position that needs a cell object (another
// cell class, a font, an image, a margin, user data, or one handed out by
// GetCell) holds it in `cell`, which then owns every attribute.
struct CGridCellSlot
{
    QString text;
    quint32 state = 0;
    quint32 format = GV_FORMAT_DEFAULT;
    COLORREF textClr = CLR_DEFAULT;
    COLORREF backClr = CLR_DEFAULT;
    std::unique_ptr<CGridCellBase> cell;
};

// The grid's cells: rows of slots, all rows the same length. Rows that are
// alike (new rows, rows made like another) share one row of slots until one
// of them is written to, so a long table of plain rows costs little memory.
// Only rows without cell objects are ever shared.
class CGridCellStore
{
public:
    int RowCount() const { return int(m_rows.size()); }
    int ColumnCount() const { return m_columns; }
    bool IsValid(int row, int col) const
    {
        return row >= 0 && col >= 0 && row < RowCount() && col < m_columns;
    }

    // Reading a slot.
    const CGridCellSlot& At(int row, int col) const { return (*m_rows[size_t(row)])[size_t(col)]; }
    // Writing a slot: the row becomes its own first.
    CGridCellSlot& Slot(int row, int col) { return ownRow(row)[size_t(col)]; }
    // Rows first .. last become alike to row `from` (texts and attributes);
    // a row with cell objects is copied slot by slot instead (without them).
    void ShareRow(int from, int first, int last);

    void SetRowCount(int rows);
    void SetColumnCount(int columns);
    void InsertRow(int before);
    void RemoveRow(int row);
    void InsertColumn(int before);
    void RemoveColumn(int col);
    void Clear();
    // Reorders the rows first .. last by the given permutation (new position
    // i holds the old row order[i]).
    void PermuteRows(int first, const std::vector<int>& order);

    // Attribute access that works for inline and object cells alike.
    static QString Text(const CGridCellSlot& s) { return s.cell ? s.cell->GetText() : s.text; }
    static quint32 State(const CGridCellSlot& s) { return s.cell ? s.cell->GetState() : s.state; }
    // GV_FORMAT_DEFAULT / CLR_DEFAULT when left to the default cell.
    static quint32 Format(const CGridCellSlot& s)
    {
        return s.cell ? s.cell->GetFormat() : s.format;
    }
    static COLORREF TextClr(const CGridCellSlot& s)
    {
        return s.cell ? s.cell->GetTextClr() : s.textClr;
    }
    static COLORREF BackClr(const CGridCellSlot& s)
    {
        return s.cell ? s.cell->GetBackClr() : s.backClr;
    }
    static void SetText(CGridCellSlot& s, const QString& text);
    static void SetState(CGridCellSlot& s, quint32 state);
    static void SetFormat(CGridCellSlot& s, quint32 format);
    static void SetTextClr(CGridCellSlot& s, COLORREF colour);
    static void SetBackClr(CGridCellSlot& s, COLORREF colour);

    // The cell object of a position, creating a CGridCell from the inline
    // attributes when there is none yet.
    CGridCellBase* Promote(int row, int col, CGridCtrl* grid);
    // Replaces the position's cell by the given object, which first takes all
    // attributes of the old cell.
    void Replace(int row, int col, std::unique_ptr<CGridCellBase> cell, CGridCtrl* grid);

private:
    using Row = std::vector<CGridCellSlot>;
    Row& ownRow(int row);
    // Applies a change that is the same for every row to each row once.
    void forEachRow(const std::function<void(Row&)>& change);
    static std::shared_ptr<Row> copyOf(const Row& row);

    std::vector<std::shared_ptr<Row>> m_rows;
    int m_columns = 0;
};
