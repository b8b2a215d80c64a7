#include "controls/GridCellStore.h"

#include "controls/GridCell.h"

#include <algorithm>

void CGridCellStore::SetRowCount(int rows)
{
    rows = std::max(rows, 0);
    if (rows < RowCount()) {
        m_rows.resize(size_t(rows));
        return;
    }
    m_rows.reserve(size_t(rows));
    while (RowCount() < rows)
        m_rows.emplace_back(size_t(m_columns));
}

void CGridCellStore::SetColumnCount(int columns)
{
    columns = std::max(columns, 0);
    for (auto& row : m_rows)
        row.resize(size_t(columns));
    m_columns = columns;
}

void CGridCellStore::InsertRow(int before)
{
    before = std::clamp(before, 0, RowCount());
    m_rows.emplace(m_rows.begin() + before, size_t(m_columns));
}

void CGridCellStore::RemoveRow(int row)
{
    if (row >= 0 && row < RowCount())
        m_rows.erase(m_rows.begin() + row);
}

void CGridCellStore::InsertColumn(int before)
{
    before = std::clamp(before, 0, m_columns);
    for (auto& row : m_rows)
        row.emplace(row.begin() + before);
    ++m_columns;
}

void CGridCellStore::RemoveColumn(int col)
{
    if (col < 0 || col >= m_columns)
        return;
    for (auto& row : m_rows)
        row.erase(row.begin() + col);
    --m_columns;
}

void CGridCellStore::Clear()
{
    m_rows.clear();
    m_columns = 0;
}

void CGridCellStore::CopyLook(int from, int first, int last)
{
    const std::vector<CGridCellSlot>& model = m_rows[size_t(from)];
    for (int r = first; r <= last; ++r) {
        std::vector<CGridCellSlot>& row = m_rows[size_t(r)];
        for (size_t c = 0; c < row.size(); ++c) {
            CGridCellSlot& s = row[c];
            SetState(s, State(model[c]));
            SetFormat(s, Format(model[c]));
            SetTextClr(s, TextClr(model[c]));
            SetBackClr(s, BackClr(model[c]));
        }
    }
}

void CGridCellStore::PermuteRows(int first, const std::vector<int>& order)
{
    std::vector<std::vector<CGridCellSlot>> moved;
    moved.reserve(order.size());
    for (int from : order)
        moved.push_back(std::move(m_rows[size_t(from)]));
    for (size_t i = 0; i < moved.size(); ++i)
        m_rows[size_t(first) + i] = std::move(moved[i]);
}

void CGridCellStore::SetText(CGridCellSlot& s, const QString& text)
{
    if (s.cell)
        s.cell->SetText(text);
    else
        s.text = text;
}

void CGridCellStore::SetState(CGridCellSlot& s, quint32 state)
{
    if (s.cell)
        s.cell->SetState(state);
    else
        s.state = state;
}

void CGridCellStore::SetFormat(CGridCellSlot& s, quint32 format)
{
    if (s.cell)
        s.cell->SetFormat(format);
    else
        s.format = format;
}

void CGridCellStore::SetTextClr(CGridCellSlot& s, COLORREF colour)
{
    if (s.cell)
        s.cell->SetTextClr(colour);
    else
        s.textClr = colour;
}

void CGridCellStore::SetBackClr(CGridCellSlot& s, COLORREF colour)
{
    if (s.cell)
        s.cell->SetBackClr(colour);
    else
        s.backClr = colour;
}

CGridCellBase* CGridCellStore::Promote(int row, int col, CGridCtrl* grid)
{
    CGridCellSlot& s = Slot(row, col);
    if (s.cell)
        return s.cell.get();
    auto cell = std::make_unique<CGridCell>();
    cell->SetGrid(grid);
    cell->SetCoords(row, col);
    cell->SetText(s.text);
    cell->SetState(s.state);
    cell->SetFormat(s.format);
    cell->SetTextClr(s.textClr);
    cell->SetBackClr(s.backClr);
    s.text.clear();
    s.cell = std::move(cell);
    return s.cell.get();
}

void CGridCellStore::Replace(int row, int col, std::unique_ptr<CGridCellBase> cell, CGridCtrl* grid)
{
    CGridCellSlot& s = Slot(row, col);
    if (s.cell) {
        cell->CopyAttributes(*s.cell);
    } else {
        // An inline cell holds nothing beyond these; whatever it leaves to the
        // default cell stays there.
        cell->SetText(s.text);
        cell->SetState(s.state);
        cell->SetFormat(s.format);
        cell->SetTextClr(s.textClr);
        cell->SetBackClr(s.backClr);
        s.text = QString();
    }
    cell->SetGrid(grid);
    cell->SetCoords(row, col);
    s.cell = std::move(cell);
}
