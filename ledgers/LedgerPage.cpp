#include "ledgers/LedgerPage.h"

#include "controls/GridCellCombo.h"
#include "controls/GridCellDateTime.h"
#include "controls/GridCtrl.h"
#include "ledgers/FrameState.h"
#include "database/Names.h"
#include "database/SqlText.h"
#include "ledgers/LedgerFormat.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

using namespace platform;

namespace {
constexpr quint32 kCellFormat = DT_VCENTER | DT_SINGLELINE;
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
} // namespace

CLedgerPage::CLedgerPage(const LedgerPageInfo& info, QWidget* parent)
    : CGridDialog(info.initialCaption, parent), m_info(info)
{
    SetupLedgerGrid(m_grid, m_info.columnCount());
    m_grid->installEventFilter(this);
    // The page car stays empty until the page is first shown, which then loads
    // the current car's records, whenever the page was made.
}

CFrameState* CLedgerPage::Frame()
{
    return CFrameState::instance();
}

CMyDatabase* CLedgerPage::Database()
{
    return CFrameState::OpenDatabase();
}

double CLedgerPage::Number(int row, int col) const
{
    return ParseNumber(m_grid->GetItemText(row, col));
}
QString CLedgerPage::Text(int row, int col) const
{
    return m_grid->GetItemText(row, col);
}
QString CLedgerPage::Text(int row, const char* field) const
{
    return Text(row, m_info.columnOf(field));
}
double CLedgerPage::Number(int row, const char* field) const
{
    return Number(row, m_info.columnOf(field));
}
void CLedgerPage::SetText(int row, int col, const QString& text)
{
    m_grid->SetItemText(row, col, text);
}
int CLedgerPage::DataRowEnd() const
{
    return m_grid->GetRowCount() - 1;
}

LedgerRecordHead CLedgerPage::RecordHead(int row, const QString& recordId) const
{
    LedgerRecordHead head;
    head.carId = m_pageCar;
    head.recId = recordId;
    head.date = Text(row, 1);
    head.mark = Text(row, col::Mark);
    return head;
}

void CLedgerPage::FillGrid()
{
    CMyDatabase* db = Database();
    const int rows = Frame() ? (db ? db->GetRecordCount(m_info.table, m_pageCar) : 0) + 2 : 1;
    const int cols = m_info.columnCount();
    m_grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            QString text;
            if (r == 0)
                text = m_info.columns[c].header;
            else if (c == 0)
                text = r == rows - 1 ? QString::asprintf("%d *", r) : QString::number(r);
            m_grid->SetItemText(r, c, text);
            m_grid->SetItemFormat(r, c, kCellFormat);
            m_grid->SetItemFgColour(r, c, r == 0 ? kBlue : kBlack);
            m_grid->SetItemState(r, c, m_grid->GetItemState(r, c) & ~GVIS_READONLY);
        }
    }
    for (int r = 1; r < rows; ++r)
        PrepareRowCells(r);
}

void CLedgerPage::PrepareRowCells(int row)
{
    if (m_grid->SetCellType<CGridCellDateTime>(row, 1)) {
        m_grid->SetItemState(row, 1, m_grid->GetItemState(row, 1) & ~GVIS_READONLY);
        m_grid->GetCellAs<CGridCellDateTime>(row, 1)->SetTime(CurrentDateTime());
    }
    for (int c = 0; c < m_info.columnCount(); ++c) {
        const CellKind kind = m_info.columns[c].kind;
        // Derived values and the record identifier are never typed.
        if (IsDerivedKind(kind) || kind == CellKind::RecordId)
            m_grid->SetItemState(row, c, m_grid->GetItemState(row, c) | GVIS_READONLY);
        if (IsDerivedKind(kind))
            m_grid->SetItemFgColour(row, c, kGrey);
    }
    if (m_pageCar.isEmpty()) {
        // No car to file a record under: the new-record row takes no input.
        for (int c = 0; c < m_info.columnCount(); ++c)
            m_grid->SetItemState(row, c, m_grid->GetItemState(row, c) | GVIS_READONLY);
    }
}

void CLedgerPage::LoadRecords()
{
    CMyDatabase* db = Database();
    if (!db)
        return;
    CAdoRecordSet rs(&db->Connection());
    if (!rs.Open(SqlFormat("select * from %s where CarID='%s' order by %s", m_info.table,
                           SqlText(m_pageCar), col::DateTimee)))
        return;
    for (int row = 1; !rs.IsEOF() && row < DataRowEnd(); rs.MoveNext(), ++row)
        ReadRecord(rs, row);
    rs.Close();
    Recompute(0, 0, true);
}

void CLedgerPage::ReadRecord(const CAdoRecordSet& rs, int row)
{
    for (int c = 1; c < m_info.columnCount(); ++c) {
        const LedgerColumn& column = m_info.columns[c];
        if (!column.field)
            continue;
        const int index = rs.ColumnIndex(QString::fromLatin1(column.field));
        if (IsNumericKind(column.kind)) {
            double value = 0;
            rs.GetCollect(index, value);
            m_grid->SetItemText(row, c, DisplayText(column.kind, value));
        } else {
            QString text;
            rs.GetCollect(index, text);
            m_grid->SetItemText(row, c, RightTrimmed(text));
        }
    }
}

void CLedgerPage::RefreshPage()
{
    FillGrid();
    LoadRecords();
}

void CLedgerPage::OnPageShown()
{
    CMyDatabase* db = Database();
    const QString car = db ? db->GetCurrentCarID() : QString();
    if (car != m_pageCar) {
        m_pageCar = car;
        RefreshPage();
    }
    if (m_info.odometerBit != 0)
        Layout();
}

void CLedgerPage::Layout()
{
    CGridDialog::Layout();
    if (m_grid->GetColumnCount() < 1)
        return;
    const CFrameState* frame = Frame();
    const bool odometerShown =
        m_info.odometerBit == 0 || !frame || (frame->OdometerColumnMask & m_info.odometerBit) != 0;
    const std::vector<int> widths = LedgerColumnWidths(m_info, width() - 8, odometerShown);
    for (int c = 0; c < static_cast<int>(widths.size()) && c < m_grid->GetColumnCount(); ++c)
        m_grid->SetColumnWidth(c, widths[c]);
}

void CLedgerPage::BeginEdit(int row, int col)
{
    m_oldText = Text(row, col);
    const LedgerColumn& column = m_info.columns[col];
    if (column.kind == CellKind::Date) {
        if (auto* cell = m_grid->GetCellAs<CGridCellDateTime>(row, col))
            cell->SetTime(ParseDateText(m_oldText));
    } else if (IsNumericKind(column.kind) && !m_oldText.isEmpty()) {
        // The bare number: the editor opens on 125.50 rather than ￥ 125.50. A
        // zero opens empty, like an empty cell, so what is typed there is the
        // whole number.
        const double value = ParseNumber(m_oldText);
        SetText(row, col, value == 0 ? QString() : FormatNumber(value, EditDecimals(column.kind)));
    } else if (column.historyClass != 0) {
        OfferHistory(row, col);
    }
    m_openText = Text(row, col);
}

void CLedgerPage::EndEdit(int row, int col)
{
    const LedgerColumn& column = m_info.columns[col];
    const bool newRow = row == DataRowEnd();
    if (newRow && (m_pageCar.isEmpty() || Text(row, col) == m_openText)) {
        // Only looked at (or no car to file it under): the new-record row makes
        // no record.
        RestoreCell(row, col);
        return;
    }
    if (!NormaliseCell(row, col)) {
        RestoreCell(row, col);
        return;
    }
    if (Text(row, col) == m_oldText)
        return;

    // What the cell shows from here on is what the file holds: a write that
    // failed (the store has said why) puts the stored value back.
    const bool saved = newRow ? SaveNewRecord(row) : UpdateCell(row, col);
    if (!saved) {
        RestoreCell(row, col);
        return;
    }
    if (column.historyClass != 0)
        RecordHistory(row, col);
    if (newRow) {
        m_grid->SetItemText(row, 0, QString::number(row));
        m_grid->SetItemFormat(row, 0, kCellFormat);
        ShowStoredZeros(row);
        AddNewRecordRow();
        Recompute(0, 0, true); // the new record's figures, as a reload shows them
    } else {
        Recompute(row, col, false);
    }

    if (col == 1) {
        const QString recordId = Text(row, m_info.recordIdColumn());
        RefreshPage();
        if (!recordId.isEmpty())
            SelectRecordRow(recordId);
    }
}

void CLedgerPage::ShowStoredZeros(int row)
{
    for (int c = 1; c < m_info.columnCount(); ++c) {
        const CellKind kind = m_info.columns[c].kind;
        if (IsNumericKind(kind) && Text(row, c).isEmpty()) {
            SetText(row, c, DisplayText(kind, 0));
            NormaliseDerived(row, c);
        }
    }
}

void CLedgerPage::RestoreCell(int row, int col)
{
    if (m_info.columns[col].historyClass != 0)
        m_grid->SetCellType<CGridCell>(row, col);
    SetText(row, col, m_oldText);
    NormaliseDerived(row, col);
}

bool CLedgerPage::NormaliseCell(int row, int col)
{
    const LedgerColumn& column = m_info.columns[col];
    if (column.kind == CellKind::Date) {
        const QString typed = Text(row, col);
        if (typed != m_oldText && !CGridCellDateTime::ParseDate(typed).isValid())
            return refuseEdit(
                QStringLiteral("“%1”不是有效的日期，请按“年/月/日”输入，例如 2026/02/15。"
                               "修改没有保存。")
                    .arg(typed));
        if (auto* cell = m_grid->GetCellAs<CGridCellDateTime>(row, col))
            SetText(row, col, DateText(cell->GetTimeValue().date()));
    } else if (IsNumericKind(column.kind)) {
        const TypedNumber number = ReadTypedNumber(Text(row, col));
        if (number.outOfRange)
            return refuseEdit(QStringLiteral(
                "输入的数值超出范围（绝对值不能超过 1000000000000），修改没有保存。"));
        // The value as it will be stored: counts are whole numbers.
        SetText(row, col, DisplayText(column.kind, number.value));
    } else if (column.historyClass != 0) {
        const QString text = Text(row, col);
        m_grid->SetCellType<CGridCell>(row, col);
        SetText(row, col, text);
    }
    NormaliseDerived(row, col);
    return true;
}

bool CLedgerPage::refuseEdit(const QString& why)
{
    MessageBox(this, why, kCaption, MB_OK | MB_ICONERROR);
    return false;
}

void CLedgerPage::NormaliseDerived(int, int) {}

bool CLedgerPage::UpdateCell(int row, int col)
{
    CMyDatabase* db = Database();
    const LedgerColumn& column = m_info.columns[col];
    if (!column.field || column.kind == CellKind::RecordId)
        return true; // derived cells are never stored
    if (!db)
        return false;
    QString piece;
    if (column.kind == CellKind::Count)
        piece = SqlFormat("%s=%.0f", column.field, Number(row, col));
    else if (IsNumericKind(column.kind))
        piece = SqlFormat("%s=%.2f", column.field, Number(row, col));
    else
        piece = SqlFormat("%s='%s'", column.field, SqlText(Text(row, col)));
    return db->UpdateRecordField(m_info.table, m_pageCar, Text(row, m_info.recordIdColumn()),
                                 piece);
}

bool CLedgerPage::SaveNewRecord(int row)
{
    CMyDatabase* db = Database();
    if (!db) {
        MessageBox(this, QStringLiteral("数据库可能已经断开,\r\n请重新连接、然后重试."),
                   QStringLiteral("提示"), MB_OK | MB_ICONINFORMATION);
        return false;
    }
    QString recordId;
    db->GetNextRecID(m_info.table, recordId);
    if (InsertRecord(row, recordId) != 2)
        return false;
    SetText(row, m_info.recordIdColumn(), recordId);
    return true;
}

void CLedgerPage::AddNewRecordRow()
{
    const int n = m_grid->GetRowCount();
    m_grid->InsertRow(QString::asprintf("%d *", n));
    for (int c = 0; c < m_info.columnCount(); ++c)
        m_grid->SetItemFormat(n, c, kCellFormat);
    PrepareRowCells(n);
    m_grid->Refresh();
}

void CLedgerPage::DeleteSelectedRecord()
{
    const int row = ConfirmRecordDelete(this, m_grid, DataRowEnd(), 1);
    if (row < 0)
        return;
    CMyDatabase* db = Database();
    if (db && db->DeleteRecord(m_info.table, m_pageCar, Text(row, m_info.recordIdColumn()))) {
        m_grid->DeleteRow(row);
        m_grid->Refresh();
        Recompute(0, 0, true);
    }
}

void CLedgerPage::SelectRecordRow(const QString& recordId)
{
    const int last = m_info.recordIdColumn();
    for (int i = 1; i < DataRowEnd(); ++i) {
        if (Text(i, last) == recordId) {
            m_grid->SetSelectedRange(i, 0, i, last, false);
            m_grid->SetFocusCell(i, 1);
            m_grid->EnsureVisible(i, 1);
            return;
        }
    }
}

void CLedgerPage::OfferHistory(int row, int col)
{
    const QString text = Text(row, col);
    if (!m_grid->SetCellType<CGridCellCombo>(row, col))
        return;
    QStringList entries;
    if (CMyDatabase* db = Database())
        db->GetInputHistory(m_pageCar, m_info.columns[col].historyClass, entries);
    entries.sort();
    auto* combo = m_grid->GetCellAs<CGridCellCombo>(row, col);
    combo->SetOptions(entries);
    combo->SetStyle(CBS_DROPDOWN);
    SetText(row, col, text);
}

void CLedgerPage::RecordHistory(int row, int col)
{
    CMyDatabase* db = Database();
    if (!db || Text(row, col).isEmpty())
        return; // an empty text is nothing to offer again
    InputHistoryEntry entry;
    entry.carId = m_pageCar;
    entry.content = Text(row, col);
    entry.classId = m_info.columns[col].historyClass;
    entry.className = HistoryClassName(entry.classId);
    db->GetNextRecID(tbl::InputHistory, entry.recId);
    db->InsertInputHistory(entry);
}

void CLedgerPage::OnCommand(int id)
{
    if (id == ID_LEDGER_REFRESH)
        RefreshPage();
    else if (id == ID_LEDGER_DELETE)
        DeleteSelectedRecord();
}

void CLedgerPage::contextMenuEvent(QContextMenuEvent* e)
{
    HandleRecordContextMenu(this, m_grid, e, DataRowEnd(), [this](int id) { OnCommand(id); });
}

bool CLedgerPage::event(QEvent* e)
{
    if (HandleRecordGridMessage(e, *this))
        return true;
    return CGridDialog::event(e);
}

bool CLedgerPage::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_grid && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Delete) {
            DeleteSelectedRecord();
            return true;
        }
        if (key == Qt::Key_F5) {
            RefreshPage();
            return true;
        }
    }
    return CGridDialog::eventFilter(watched, e);
}
