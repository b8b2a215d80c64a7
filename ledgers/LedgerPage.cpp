#include "ledgers/LedgerPage.h"

#include "controls/GridCellCombo.h"
#include "controls/GridCellDateTime.h"
#include "controls/GridCtrl.h"
#include "database/Figures.h"
#include "database/LedgerContext.h"
#include "database/Names.h"
#include "database/OdometerFollow.h"
#include "database/RecordChange.h"
#include "ledgers/LedgerFormat.h"
#include "ledgers/RecordUndo.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"
#include "platform/StoreFailure.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

using namespace platform;

CLedgerPage::CLedgerPage(const LedgerPageInfo& info, LedgerContext& context, QWidget* parent)
    : CGridDialog(ShownCaption(info.initialCaption), parent), m_info(info), m_context(context),
      m_records(m_grid, info.kind, info.columns, "\"DateTimee\"", true),
      m_filterBox(new QLineEdit(this))
{
    SetupLedgerGrid(m_grid, m_info.columnCount());
    m_records.derivedText = [this](int index, int col) { return DerivedText(index, col); };
    m_grid->installEventFilter(this);
    // Typing filters at once: only rows are hidden, nothing is read again.
    m_filterBox->setPlaceholderText(tr("筛选记录 (Ctrl+F)"));
    m_filterBox->setAccessibleName(tr("筛选记录"));
    m_filterBox->setClearButtonEnabled(true);
    m_filterBox->installEventFilter(this);
    setTabOrder(m_filterBox, m_grid); // the box stands above the grid
    connect(m_filterBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_records.SetFilter(text);
        noteFilter();
    });
    // The page car stays empty until the page is first shown, which then loads
    // the current car's records, whenever the page was made.
}

CMyDatabase* CLedgerPage::Database() const
{
    return m_context.OpenDatabase();
}

QString CLedgerPage::DerivedText(int, int) const
{
    return QString();
}

void CLedgerPage::RefreshPage()
{
    m_records.Load(Database());
    RecordChanged(0, nullptr, nullptr);
    rowsChanged();
}

void CLedgerPage::rowsChanged()
{
    noteFilter();
    // The row numbers' column widens when they gain a digit.
    const int digits = int(QString::number(m_grid->GetRowCount()).size());
    if (digits != m_rowDigits) {
        m_rowDigits = digits;
        Layout();
    }
}

void CLedgerPage::noteFilter()
{
    SetCaptionNote(
        m_records.Filter().isEmpty()
            ? QString()
            : tr("（已筛选，显示 %1 条，共 %2 条）").arg(m_records.ShownCount()).arg(Count()));
}

void CLedgerPage::OnPageShown()
{
    if (m_records.FollowCurrentCar(Database()))
        RefreshPage();
    // The menu's undo and redo act on this page car's changes of this ledger.
    m_context.m_editHistory.Activate(PageCar(), m_info.kind);
    if (m_info.odometerBit != 0)
        Layout();
}

void CLedgerPage::Layout()
{
    CGridDialog::Layout();
    // A fifth of the page, and at least what its hint needs (frame, margins
    // and the clear button come to about 40 pixels), so a longer language
    // reads whole.
    const int hint = m_filterBox->fontMetrics().horizontalAdvance(m_filterBox->placeholderText());
    const int boxWidth = std::clamp(std::max(width() / 5, hint + 40), 100, 200);
    const int bandHeight = m_titleBand.TitleBandBottom() - m_titleBand.Rect().top();
    m_filterBox->setGeometry(width() - 4 - boxWidth, 2, boxWidth, std::max(bandHeight - 3, 16));
    m_titleBand.SetTitleRightMargin(boxWidth + 8);
    if (m_grid->GetColumnCount() < 1)
        return;
    const bool odometerShown =
        m_info.odometerBit == 0 || (m_context.OdometerColumnMask & m_info.odometerBit) != 0;
    const std::vector<int> widths = FitColumnsToFont(
        m_info, LedgerColumnWidths(m_info, width() - 8, odometerShown),
        MeasureTextWidth(*m_grid->GetDefaultCell(false, false)->GetFont()), m_grid->GetRowCount());
    for (int c = 0; c < static_cast<int>(widths.size()) && c < m_grid->GetColumnCount(); ++c)
        m_grid->SetColumnWidth(c, widths[c]);
}

void CLedgerPage::BeginEdit(int row, int col)
{
    const LedgerColumn& column = m_info.columns[col];
    const int index = m_records.IndexOf(row);
    // A text held by its beginning only is edited without the mark saying so.
    if (index >= 0 && Records()[size_t(index)].IsCut(column.field))
        m_grid->SetItemText(row, col, FieldText(column, Records()[size_t(index)]));
    m_oldText = m_grid->GetItemText(row, col);
    if (column.kind == CellKind::Date) {
        if (m_grid->SetCellType<CGridCellDateTime>(row, col)) {
            auto* cell = m_grid->GetCellAs<CGridCellDateTime>(row, col);
            cell->SetTime(ParseDateText(m_oldText));
            cell->SetText(m_oldText);
        }
    } else if (IsNumericKind(column.kind)) {
        // The bare number: the editor opens on 125.50 rather than ￥ 125.50. A
        // zero (or the empty new-record row) opens empty, so what is typed
        // there is the whole number.
        const double value = index >= 0 ? Records()[size_t(index)].Number(column.field) : 0;
        m_grid->SetItemText(row, col,
                            value == 0 ? QStringLiteral("") : EditText(column.kind, value));
    } else if (column.historyClass != 0) {
        OfferHistory(row, col);
    }
    m_openText = m_grid->GetItemText(row, col);
}

void CLedgerPage::EndEdit(int row, int col)
{
    const LedgerColumn& column = m_info.columns[col];
    const int index = m_records.IndexOf(row);
    const QString typed = m_grid->GetItemText(row, col);
    CMyDatabase* db = Database();
    if (index < 0 && (PageCar().isEmpty() || typed == m_openText)) {
        // Only looked at (or no car to file it under): the new-record row makes
        // no record.
        m_records.ResetCell(row, col);
        return;
    }
    if ((column.kind == CellKind::Date && typed == m_oldText) ||
        (index >= 0 && IsNumericKind(column.kind) && typed == m_openText)) {
        m_records.ResetCell(row, col); // confirmed as it opened: the record stays as it is
        return;
    }

    LedgerRecord record;
    if (index >= 0) {
        record = Records()[size_t(index)];
    } else {
        record.carId = PageCar();
        record.date = m_records.Today();
    }
    const QString shown = FieldText(column, record);
    if (!ReadTypedValue(row, col, record)) {
        m_records.ResetCell(row, col);
        return;
    }
    // A gauge typed into a filling whose readings were not known makes them known.
    const bool gaugeNowKnown =
        column.kind == CellKind::Gauge && HasMark(record, RefuelMark::GaugesUnknown);
    if (gaugeNowKnown)
        SetMark(record, RefuelMark::GaugesUnknown, false);
    const bool unchanged =
        IsNumericKind(column.kind) && index >= 0 && !gaugeNowKnown
            ? record.Number(column.field) == Records()[size_t(index)].Number(column.field)
            : FieldText(column, record) == shown;
    if (index >= 0 && unchanged) {
        m_records.ResetCell(row, col); // nothing changed
        return;
    }

    // What the cell shows from here on is what the file holds: a write that
    // failed (the user was told why) leaves the stored value shown.
    const LedgerRecord before = index >= 0 ? Records()[size_t(index)] : LedgerRecord();
    bool saved = false;
    if (!db) {
        MessageBox(this, tr("数据库可能已经断开,\r\n请重新连接、然后重试."), tr("提示"),
                   MB_OK | MB_ICONINFORMATION);
    } else {
        if (index >= 0 && gaugeNowKnown) {
            // The marks first: each step leaves the row as the file holds it.
            LedgerRecord unmarked = Records()[size_t(index)];
            unmarked.marks = record.marks;
            saved = m_records.Save(db, index, unmarked, LedgerField::Marks);
        } else {
            saved = true;
        }
        saved = saved && (index >= 0 ? m_records.Save(db, index, record, column.field)
                                     : m_records.Add(db, record));
    }
    m_records.ResetCell(row, col);
    if (!saved) {
        if (gaugeNowKnown)
            m_records.RowsChanged(row); // the marks may have been written alone
        return;
    }
    if (index >= 0)
        recordEdit(before, Records()[size_t(index)], column.field, gaugeNowKnown);
    else
        m_context.m_editHistory.Record(CRecordChange::Add(
            m_info.kind, Records().back(), AddChangeText(m_info.kind, Records().back().date)));
    if (column.historyClass != 0)
        RecordHistory(record.Text(column.field), col);
    m_records.RowsChanged(row);
    if (index >= 0)
        RecordChanged(index, &before, &Records()[size_t(index)]);
    else
        RecordChanged(Count() - 1, nullptr, &Records().back());
    rowsChanged();
    if (index < 0 || column.field == LedgerField::Miles)
        followOdometer(db, record);

    if (column.kind == CellKind::Date)
        RefreshPage(); // the record moves to its date's place, the focus with it
}

bool CLedgerPage::SelectRecord(const QString& recId)
{
    const int row = m_records.RowOf(recId);
    if (row < 0)
        return false;
    if (!m_records.Filter().isEmpty())
        m_filterBox->clear();
    m_records.SelectRow(row, 1);
    m_grid->setFocus();
    return true;
}

void CLedgerPage::followOdometer(CMyDatabase* db, const LedgerRecord& record)
{
    if (!m_context.OdometerFollowsRecords || record.miles <= 0 || record.carId.isEmpty())
        return;
    const Expected<std::optional<double>> raised = RaiseOdometer(*db, record.carId, record.miles);
    if (ShowStoreFailure(raised.status(), this) || !*raised)
        return;
    m_context.OdometerSchemeDue = true;
    if (m_context.OdometerRaised)
        m_context.OdometerRaised(record.carId, **raised, record.miles);
}

bool CLedgerPage::ReadTypedValue(int row, int col, LedgerRecord& record)
{
    const LedgerColumn& column = m_info.columns[col];
    const QString typed = m_grid->GetItemText(row, col);
    if (column.kind == CellKind::Date) {
        const QDate date = CGridCellDateTime::ParseDate(typed);
        if (!date.isValid())
            return refuseEdit(tr("“%1”不是有效的日期，请按“年/月/日”输入，例如 2026/02/15。"
                                 "修改没有保存。")
                                  .arg(typed));
        record.date = DateText(date);
    } else if (IsNumericKind(column.kind)) {
        const TypedNumber number = ReadTypedNumber(typed);
        if (number.outOfRange)
            return refuseEdit(
                tr("输入的数值超出范围（绝对值不能超过 1000000000000），修改没有保存。"));
        // What is stored is what the cell shows: odometer readings and counts
        // are whole numbers, the others have two decimals.
        record.Number(column.field) = ShownNumber(number.value, EditDecimals(column.kind));
    } else {
        record.Text(column.field) = typed;
    }
    return true;
}

bool CLedgerPage::refuseEdit(const QString& why)
{
    MessageBox(this, why, kCaption, MB_OK | MB_ICONERROR);
    return false;
}

void CLedgerPage::DeleteSelectedRecord()
{
    LedgerRecord removed;
    qint64 rowNumber = 0;
    const int index = m_records.DeleteSelected(this, Database(), 1, &removed, &rowNumber);
    if (index >= 0) {
        m_context.m_editHistory.Record(CRecordChange::Remove(
            m_info.kind, removed, RemoveChangeText(m_info.kind, removed.date), rowNumber));
        RecordChanged(index, &removed, nullptr);
        rowsChanged();
    }
}

void CLedgerPage::recordEdit(const LedgerRecord& before, const LedgerRecord& after,
                             LedgerField field, bool marksToo)
{
    const int col = m_info.columnOf(field);
    const QString header = col >= 0 ? ShownCaption(m_info.columns[size_t(col)].header) : QString();
    // The change is named (and focused) by the field typed, the marks follow.
    std::vector<LedgerField> fields{field};
    if (marksToo)
        fields.push_back(LedgerField::Marks);
    m_context.m_editHistory.Record(
        CRecordChange::Edit(m_info.kind, before, after, std::move(fields),
                            EditChangeText(m_info.kind, before.date, header)));
}

bool CLedgerPage::stepHistory(bool undo)
{
    if (!m_records.StepHistory(m_context.m_editHistory, Database(), undo))
        return false;
    RecordChanged(0, nullptr, nullptr);
    rowsChanged();
    return true;
}

void CLedgerPage::OfferHistory(int row, int col)
{
    const QString text = m_grid->GetItemText(row, col);
    if (!m_grid->SetCellType<CGridCellCombo>(row, col))
        return;
    QStringList entries;
    if (CMyDatabase* db = Database())
        ShowStoreFailure(db->GetInputHistory(PageCar(), m_info.columns[col].historyClass, entries),
                         this);
    entries.sort();
    auto* combo = m_grid->GetCellAs<CGridCellCombo>(row, col);
    combo->SetOptions(entries);
    combo->SetStyle(CBS_DROPDOWN);
    m_grid->SetItemText(row, col, text);
}

void CLedgerPage::RecordHistory(const QString& text, int col)
{
    CMyDatabase* db = Database();
    if (!db || text.isEmpty())
        return; // an empty text is nothing to offer again
    InputHistoryEntry entry;
    entry.carId = PageCar();
    entry.content = text;
    entry.classId = m_info.columns[col].historyClass;
    entry.className = HistoryClassName(entry.classId);
    const Expected<QString> next = db->GetNextRecID(LedgerKind::InputHistory);
    if (!next) {
        ShowStoreFailure(next.error(), this);
        return;
    }
    entry.recId = *next;
    ShowStoreFailure(db->InsertInputHistory(entry).status(), this);
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
    m_records.ContextMenu(this, e, [this](int id) { OnCommand(id); });
}

bool CLedgerPage::event(QEvent* e)
{
    // A page hidden leaves the menu's undo and redo to the page shown.
    if (e->type() == WM_PAGE_SHOW && static_cast<CMessageEvent*>(e)->lParam() == 0)
        m_context.m_editHistory.Deactivate(PageCar(), m_info.kind);
    if (HandleRecordGridMessage(e, *this))
        return true;
    return CGridDialog::event(e);
}

bool CLedgerPage::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Find) &&
        (watched == m_grid || watched == m_filterBox)) {
        m_filterBox->setFocus(Qt::ShortcutFocusReason);
        m_filterBox->selectAll();
        return true;
    }
    if (watched == m_filterBox && e->type() == QEvent::KeyPress) {
        // Escape clears the filter, a second one goes back to the rows; Enter
        // and Down go to the rows the filter left.
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Escape && !m_filterBox->text().isEmpty()) {
            m_filterBox->clear();
            return true;
        }
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter ||
            key == Qt::Key_Down) {
            m_grid->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
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
