#include "ledgers/RecordGrid.h"

#include "controls/ContextMenu.h"
#include "controls/GridCtrl.h"
#include "database/EditHistory.h"
#include "database/MyDatabase.h"
#include "database/RecordChange.h"
#include "ledgers/LedgerFormat.h"
#include "ledgers/LedgerGrid.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/StoreFailure.h"

#include <QApplication>
#include <QUndoStack>
#include <algorithm>

using namespace platform;

namespace {
constexpr quint32 kCellFormat = DT_VCENTER | DT_SINGLELINE;
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// Dark enough to be read on the pale-yellow cells.
constexpr COLORREF kGrey = RGB(105, 105, 105);

bool IsShownOnly(CellKind kind)
{
    return IsDerivedKind(kind) || kind == CellKind::RecordId || kind == CellKind::Label;
}

// The text as the filter compares it: full-width letters, digits and signs as
// their half-width forms, the ideographic space as a space, case folded.
QString FoldForFilter(QString text)
{
    for (QChar& ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            ch = QChar(char16_t(u - 0xFEE0));
        else if (u == 0x3000)
            ch = QLatin1Char(' ');
    }
    return text.toCaseFolded();
}
} // namespace

CRecordGrid::CRecordGrid(CGridCtrl* grid, LedgerKind kind, const std::vector<LedgerColumn>& columns,
                         QByteArray orderBy, bool newRecordRow)
    : m_grid(grid), m_kind(kind), m_columns(columns), m_orderBy(std::move(orderBy)),
      m_newRecordRow(newRecordRow)
{
    // The record menu is reachable by assistive technology from the page.
    CContextMenu::InstallAccessibility();
    // Every cell a record row does not hold itself is computed from the records.
    m_grid->SetTextSource([this](int row, int col) { return cellText(row, col); });
    // Ordinary cells: centred vertically on one line, black.
    m_grid->GetDefaultCell(false, false)->SetFormat(kCellFormat);
    m_grid->GetDefaultCell(false, false)->SetTextClr(kBlack);
}

QString CRecordGrid::cellText(int row, int col) const
{
    if (col < 0 || col >= int(m_columns.size()))
        return QString();
    const LedgerColumn& column = m_columns[size_t(col)];
    const int index = IndexOf(row);
    if (column.kind == CellKind::RowNumber)
        return index < 0 ? QString::asprintf("%d *", m_newRowNumber)
                         : QString::number(m_numbers[size_t(index)]);
    if (IsDerivedKind(column.kind))
        return derivedText ? derivedText(index < 0 ? Count() : index, col) : QString();
    if (index < 0)
        return column.kind == CellKind::Date ? m_today : QString();
    const LedgerRecord& record = m_records[size_t(index)];
    if (record.IsCut(column.field))
        return CutTextMark() + FieldText(column, record);
    return FieldText(column, record);
}

QString CRecordGrid::CutTextMark()
{
    return QCoreApplication::translate("CRecordGrid", "（过长，只显示前 %1 字）").arg(kLongestText);
}

bool CRecordGrid::FollowCurrentCar(CMyDatabase* db)
{
    const QString car = db ? ValueOrShow(db->GetCurrentCarID(), m_grid) : QString();
    // Without a car the grid is still filled once: the headers and the
    // (closed) new-record row.
    if (car == m_car && m_filled)
        return false;
    m_car = car;
    return true;
}

void CRecordGrid::Load(CMyDatabase* db)
{
    const FocusPlace place = focusPlace();
    std::vector<LedgerRecord> records = m_records.release();
    if (db) {
        if (ShowStoreFailure(db->LoadRecords(m_kind, m_car, records, m_orderBy), m_grid))
            records.clear();
    }
    m_records.assign(std::move(records));
    Fill();
    restoreFocus(place);
}

const QString& CRecordGrid::rowText(int row) const
{
    if (m_rowTexts.size() != m_records.size()) {
        m_rowTexts.assign(m_records.size(), QString());
        for (int i = 0; i < Count(); ++i) {
            QString& text = m_rowTexts[size_t(i)];
            for (int c = 0; c < int(m_columns.size()); ++c) {
                if (m_columns[size_t(c)].kind == CellKind::RowNumber ||
                    m_grid->GetColumnWidth(c) == 0)
                    continue;
                text += cellText(i + 1, c);
                text += QLatin1Char('\n');
            }
            text = FoldForFilter(std::move(text));
        }
    }
    return m_rowTexts[size_t(IndexOf(row))];
}

void CRecordGrid::SetFilter(const QString& text)
{
    const QString folded = FoldForFilter(text.trimmed());
    if (folded == m_filter)
        return;
    // A text that holds the previous one matches none of the rows that one
    // hid, as long as no row's text changed since (the texts were kept).
    const bool narrows = !m_filter.isEmpty() && folded.contains(m_filter) &&
                         !m_rowTexts.empty() && m_rowTexts.size() == m_records.size() &&
                         m_filtered.size() == m_records.size();
    m_filter = folded;
    if (m_filter.isEmpty())
        m_rowTexts = {}; // kept only while a filter is on
    applyFilter(-1, narrows);
    const CCellID focus = m_grid->GetFocusCell();
    if (focus.IsValid() && focus.row >= 1 && !m_grid->IsRowShown(focus.row)) {
        const int row = nextShownRow(1);
        if (row > 0)
            placeFocus(row, std::max(focus.col, 1), true);
    }
}

void CRecordGrid::applyFilter(int keepRow, bool shownOnly)
{
    std::vector<bool> shown(m_records.size(), true);
    m_shown = Count();
    if (!m_filter.isEmpty()) {
        for (int i = 0; i < Count(); ++i) {
            shown[size_t(i)] = i + 1 == keepRow || ((!shownOnly || m_filtered[size_t(i)]) &&
                                                    rowText(i + 1).contains(m_filter));
            m_shown -= shown[size_t(i)] ? 0 : 1;
        }
    }
    m_grid->SetRowsShown(1, shown);
    m_filtered = std::move(shown);
}

int CRecordGrid::nextShownRow(int row) const
{
    for (int r = std::max(row, 1); r < m_grid->GetRowCount(); ++r)
        if (m_grid->IsRowShown(r))
            return r;
    for (int r = std::min(row, m_grid->GetRowCount()) - 1; r >= 1; --r)
        if (m_grid->IsRowShown(r))
            return r;
    return -1;
}

CRecordGrid::FocusPlace CRecordGrid::focusPlace() const
{
    FocusPlace place;
    const CCellID focus = m_grid->GetFocusCell();
    if (!focus.IsValid() || focus.row < 1)
        return place;
    place.row = focus.row;
    place.col = focus.col;
    if (const int index = IndexOf(focus.row); index >= 0)
        place.recId = m_records[size_t(index)].recId;
    const QWidget* keyboard = QApplication::focusWidget();
    place.keyboard = keyboard && (keyboard == m_grid || m_grid->isAncestorOf(keyboard));
    return place;
}

void CRecordGrid::restoreFocus(const FocusPlace& place)
{
    if (place.row < 0 || m_grid->GetRowCount() < 2)
        return;
    int row = place.recId.isEmpty() ? -1 : RowOf(place.recId);
    if (row < 0)
        row = m_newRecordRow ? RowEnd() : std::min(place.row, m_grid->GetRowCount() - 1);
    const int col = std::clamp(place.col, 1, m_grid->GetColumnCount() - 1);
    // The record the user was on stays in sight, filtered out or not.
    if (!m_filter.isEmpty() && IndexOf(row) >= 0 && !m_grid->IsRowShown(row))
        applyFilter(row);
    // A record that kept its row keeps the view where the user scrolled it.
    placeFocus(row, col, row != place.row);
    if (place.keyboard)
        m_grid->setFocus();
}

void CRecordGrid::placeFocus(int row, int col, bool scroll)
{
    // The whole row is selected, so that highlight and focus agree; selecting
    // moves the focus to the row's first cell, hence the focus comes after.
    m_grid->SetSelectedRange(row, 0, row, m_grid->GetColumnCount() - 1, false);
    m_grid->SetFocusCell(row, col);
    if (scroll)
        m_grid->EnsureVisible(row, col);
}

void CRecordGrid::Fill()
{
    m_today = DateText(platform::CurrentDateTime().date());
    const int rows = RowEnd() + (m_newRecordRow ? 1 : 0);
    m_filled = true;
    m_numbers.resize(m_records.size());
    for (size_t i = 0; i < m_numbers.size(); ++i)
        m_numbers[i] = int(i + 1);
    m_newRowNumber = RowEnd();
    const int cols = int(m_columns.size());
    // Rows are rebuilt from scratch: no cell keeps an edit's text or class.
    m_grid->SetRowCount(1);
    m_grid->SetRowCount(rows);
    for (int c = 0; c < cols; ++c) {
        m_grid->SetItemText(0, c, ShownCaption(m_columns[size_t(c)].header));
        m_grid->SetItemFormat(0, c, kCellFormat);
        m_grid->SetItemFgColour(0, c, kBlue);
    }
    // Every record row looks alike; the new-record row may differ.
    if (rows > 1) {
        setRowLook(1);
        m_grid->MakeRowsLike(1, 2, RowEnd() - 1);
        setRowLook(rows - 1);
    }
    m_rowTexts.clear();
    // A refill shows every row: only a filter has any to hide.
    if (m_filter.isEmpty())
        m_shown = Count();
    else
        applyFilter(-1);
}

void CRecordGrid::setRowLook(int row)
{
    const bool recordRow = IndexOf(row) >= 0;
    for (int c = 0; c < int(m_columns.size()); ++c) {
        const CellKind kind = m_columns[size_t(c)].kind;
        // Without a car to file a record under, the new-record row takes no input.
        const bool readOnly = IsShownOnly(kind) || (!recordRow && m_car.isEmpty());
        const quint32 state = m_grid->GetItemState(row, c);
        if (readOnly != bool(state & GVIS_READONLY))
            m_grid->SetItemState(row, c, readOnly ? state | GVIS_READONLY : state & ~GVIS_READONLY);
        if (IsDerivedKind(kind) || kind == CellKind::Label)
            m_grid->SetItemFgColour(row, c, kGrey);
    }
}

int CRecordGrid::RowOf(const QString& recordId) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_records[size_t(i)].recId == recordId)
            return i + 1;
    return -1;
}

bool CRecordGrid::Save(CMyDatabase* db, int index, const LedgerRecord& changed, LedgerField field)
{
    if (!db)
        return false;
    // A text held by its beginning only: the beginning is replaced, the rest kept.
    const LedgerRecord& before = m_records[size_t(index)];
    const int keptAfter = before.IsCut(field) ? int(TextCharacters(before.Text(field))) : 0;
    if (ShowStoreFailure(db->UpdateRecordField(m_kind, changed, field, keptAfter), m_grid))
        return false;
    m_records[size_t(index)] = changed;
    return true;
}

bool CRecordGrid::Add(CMyDatabase* db, LedgerRecord record)
{
    const Expected<QString> next = db->GetNextRecID(m_kind);
    if (!next) {
        ShowStoreFailure(next.error(), m_grid);
        return false;
    }
    record.recId = *next;
    const Expected<InsertOutcome> inserted = db->InsertRecord(m_kind, record);
    if (!inserted) {
        ShowStoreFailure(inserted.error(), m_grid);
        return false;
    }
    if (*inserted == InsertOutcome::Duplicate) {
        MessageBox(m_grid, QCoreApplication::translate("CRecordGrid", "记录已经存在，插入失败！"),
                   kCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    m_records.push_back(std::move(record));
    const int row = RowEnd() - 1;
    m_numbers.push_back(row);
    m_grid->InsertRow(QString()); // the new new-record row
    m_newRowNumber = m_grid->GetRowCount() - 1;
    for (int c = 0; c < int(m_columns.size()); ++c)
        m_grid->SetItemText(RowEnd(), c, QString());
    setRowLook(row);
    setRowLook(RowEnd());
    ++m_shown; // the new-record row it was
    RowsChanged(row);
    return true;
}

int CRecordGrid::DeleteSelected(QWidget* parent, CMyDatabase* db, int describeColumn,
                                LedgerRecord* removed, qint64* rowNumber)
{
    const int row = ConfirmRecordDelete(parent, m_grid, RowEnd(), describeColumn);
    if (row < 0 || !db)
        return -1;
    const int index = row - 1;
    LedgerRecord stored = m_records[size_t(index)];
    if (removed) {
        // The page holds texts trimmed and long ones by their beginning: the
        // record is read as stored, so that an undo puts back every character.
        bool found = false;
        if (ShowStoreFailure(
                db->ReadStoredRecord(m_kind, m_car, stored.recId, stored, found, rowNumber),
                m_grid))
            return -1;
    }
    if (ShowStoreFailure(db->DeleteRecord(m_kind, m_car, stored.recId), m_grid))
        return -1;
    if (removed)
        *removed = std::move(stored);
    m_records.erase(size_t(index));
    m_numbers.erase(m_numbers.begin() + index);
    const int col = std::max(m_grid->GetFocusCell().col, 1);
    m_grid->DeleteRow(row);
    --m_shown; // only a shown row can be selected
    // The focus goes to the shown row that took the removed one's place.
    const int next = nextShownRow(row);
    if (next >= 1)
        placeFocus(next, col, true);
    RowsChanged(row);
    m_grid->Refresh();
    return index;
}

const CRecordChange* CRecordGrid::StepHistory(CEditHistory& history, CMyDatabase* db, bool undo)
{
    QUndoStack* stack = m_car.isEmpty() ? nullptr : history.Stack(m_car, m_kind);
    SqlStatus status;
    const CRecordChange* change =
        undo ? history.Undo(stack, db, status) : history.Redo(stack, db, status);
    if (!change) {
        ShowStoreFailure(status, m_grid);
        return nullptr;
    }
    Load(db);
    FocusRecord(change->RecId(), change->Field());
    return change;
}

void CRecordGrid::FocusRecord(const QString& recordId, LedgerField field)
{
    const int row = RowOf(recordId);
    if (row < 0)
        return;
    int col = -1;
    for (int c = 0; c < int(m_columns.size()) && col < 0; ++c) {
        const LedgerColumn& column = m_columns[size_t(c)];
        if (field == LedgerField::None ? !IsShownOnly(column.kind) : column.field == field)
            col = c;
    }
    if (!m_filter.isEmpty() && !m_grid->IsRowShown(row))
        applyFilter(row);
    placeFocus(row, std::max(col, 1), true);
}

void CRecordGrid::ResetCell(int row, int col)
{
    // Dates and remembered entries get their own editing cells while edited.
    const LedgerColumn& column = m_columns[size_t(col)];
    if (column.kind == CellKind::Date || column.historyClass != 0)
        m_grid->SetCellType<CGridCell>(row, col);
    m_grid->SetItemText(row, col, QString());
}

void CRecordGrid::RowsChanged(int row)
{
    m_rowTexts.clear();
    m_grid->CellsChanged(row, 0, m_grid->GetRowCount() - 1, m_grid->GetColumnCount() - 1);
}

void CRecordGrid::ContextMenu(QWidget* page, QContextMenuEvent* event,
                              const std::function<void(int)>& command)
{
    HandleRecordContextMenu(page, m_grid, event, RowEnd(), command);
}
