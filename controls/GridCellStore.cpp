#include "controls/GridCellStore.h"

#include "controls/GridCell.h"

#include <algorithm>
#include <unordered_set>

std::shared_ptr<CGridCellStore::Row> CGridCellStore::copyOf(const Row& row)
{
    auto copy = std::make_shared<Row>(row.size());
    for (size_t c = 0; c < row.size(); ++c) {
        const CGridCellSlot& from = row[c];
        CGridCellSlot& to = (*copy)[c];
        to.text = Text(from);
        to.state = State(from);
        to.format = Format(from);
        to.textClr = TextClr(from);
        to.backClr = BackClr(from);
    }
    return copy;
}

CGridCellStore::Row& CGridCellStore::ownRow(int row)
{
    std::shared_ptr<Row>& r = m_rows[size_t(row)];
    if (r.use_count() > 1)
        r = copyOf(*r); // shared rows hold no cell objects: the copy is whole
    return *r;
}

void CGridCellStore::forEachRow(const std::function<void(Row&)>& change)
{
    // A shared row changes once, for every row that shares it.
    std::unordered_set<const Row*> done;
    for (auto& row : m_rows)
        if (done.insert(row.get()).second)
            change(*row);
}

void CGridCellStore::SetRowCount(int rows)
{
    rows = std::max(rows, 0);
    if (rows < RowCount()) {
        m_rows.resize(size_t(rows));
        return;
    }
    m_rows.reserve(size_t(rows));
    const auto blank = std::make_shared<Row>(size_t(m_columns));
    while (RowCount() < rows)
        m_rows.push_back(blank);
}

void CGridCellStore::SetColumnCount(int columns)
{
    columns = std::max(columns, 0);
    forEachRow([columns](Row& row) { row.resize(size_t(columns)); });
    m_columns = columns;
}

void CGridCellStore::InsertRow(int before)
{
    before = std::clamp(before, 0, RowCount());
    m_rows.insert(m_rows.begin() + before, std::make_shared<Row>(size_t(m_columns)));
}

void CGridCellStore::RemoveRow(int row)
{
    if (row >= 0 && row < RowCount())
        m_rows.erase(m_rows.begin() + row);
}

void CGridCellStore::InsertColumn(int before)
{
    before = std::clamp(before, 0, m_columns);
    forEachRow([before](Row& row) { row.emplace(row.begin() + before); });
    ++m_columns;
}

void CGridCellStore::RemoveColumn(int col)
{
    if (col < 0 || col >= m_columns)
        return;
    forEachRow([col](Row& row) { row.erase(row.begin() + col); });
    --m_columns;
}

void CGridCellStore::Clear()
{
    m_rows.clear();
    m_columns = 0;
}

void CGridCellStore::ShareRow(int from, int first, int last)
{
    std::shared_ptr<Row> model = m_rows[size_t(from)];
    const bool objects = std::any_of(model->begin(), model->end(),
                                     [](const CGridCellSlot& s) { return s.cell != nullptr; });
    for (int r = first; r <= last; ++r)
        m_rows[size_t(r)] = objects ? copyOf(*model) : model;
}

void CGridCellStore::PermuteRows(int first, const std::vector<int>& order)
{
    std::vector<std::shared_ptr<Row>> moved;
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
