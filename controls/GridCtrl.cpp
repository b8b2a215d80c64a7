#include "controls/GridCtrl.h"

#include "controls/ReadableColours.h"
#include "controls/GridCellPainter.h"
#include "controls/GridDelegate.h"
#include "controls/GridHeader.h"
#include "controls/GridModel.h"
#include "controls/InPlaceEditor.h"
#include "controls/TitleTip.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QPainter>
#include <QScrollBar>

CGridCtrl::CGridCtrl(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("MFCGridCtrl"));
    for (size_t i = 0; i < m_defaults.size(); ++i) {
        m_defaults[i] = std::make_unique<CGridDefaultCell>();
        quint32 state = 0;
        if (i & 1)
            state |= GVIS_FIXED | GVIS_FIXEDROW;
        if (i & 2)
            state |= GVIS_FIXED | GVIS_FIXEDCOL;
        m_defaults[i]->SetState(state);
    }

    m_model = new CGridModel(*this);
    m_hHeader = new CGridHeader(Qt::Horizontal, *this);
    m_vHeader = new CGridHeader(Qt::Vertical, *this);
    setHorizontalHeader(m_hHeader);
    setVerticalHeader(m_vHeader);
    setModel(m_model);
    setItemDelegate(new CGridDelegate(*this));

    setShowGrid(false);
    setWordWrap(false);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(true);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerItem);
    setMouseTracking(true);
    setAttribute(Qt::WA_InputMethodEnabled); // typing through an input method edits cells
    setAutoScroll(true);
    setCornerButtonEnabled(false);
    setFont(*m_defaults[0]->GetFont());
    viewport()->setBackgroundRole(QPalette::Button); // the area beyond the last cells
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    for (QWidget* header : {m_hHeader->viewport(), m_vHeader->viewport()}) {
        header->setMouseTracking(true); // title tips for clipped header texts too
        header->installEventFilter(this);
    }

    m_titleTip = new CTitleTip(this);
    m_titleTipTimer.setSingleShot(true);
    m_titleTipTimer.setInterval(300);
    connect(&m_titleTipTimer, &QTimer::timeout, this, &CGridCtrl::UpdateTitleTip);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CGridCtrl::HideTitleTip);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CGridCtrl::HideTitleTip);
    connect(m_hHeader, &QHeaderView::sectionClicked, this, [this](int section) {
        if (!m_headerSort)
            return;
        const int col = section + HeaderCols();
        SortItems(col, col == m_sortColumn ? !m_sortAscending : true);
    });

    ApplySelectionMode();
    ApplyHeaderClicks();
    ApplyDefaultSizes();
    ApplyHeaderLayout();
}

CGridCtrl::~CGridCtrl()
{
    // An editor still open reports to no one: the grid is going away.
    if (auto* editor = dynamic_cast<CInPlaceEditorBase*>(m_editor.data()))
        editor->Detach();
    m_editor.clear();
}

// --- owner ---------------------------------------------------------------

void CGridCtrl::SetOwner(QObject* owner)
{
    m_owner = owner;
}

QObject* CGridCtrl::GetOwner() const
{
    return m_owner ? m_owner.data() : parent();
}

qintptr CGridCtrl::SendNotify(qintptr code, int row, int col)
{
    QObject* target = GetOwner();
    if (!target)
        return 0;
    platform::NM_GRIDVIEW nm;
    nm.hdr.hwndFrom = this;
    nm.hdr.idFrom = m_ctrlId;
    nm.hdr.code = code;
    nm.iRow = row;
    nm.iColumn = col;
    return platform::SendMessage(target, platform::WM_NOTIFY, m_ctrlId,
                                 reinterpret_cast<qintptr>(&nm));
}

// --- structure -----------------------------------------------------------

const CGridDefaultCell* CGridCtrl::DefaultCellFor(quint32 state) const
{
    return GetDefaultCell(state & GVIS_FIXEDROW, state & GVIS_FIXEDCOL);
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol)
{
    return m_defaults[size_t((fixedRow ? 1 : 0) | (fixedCol ? 2 : 0))].get();
}

const CGridDefaultCell* CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol) const
{
    return m_defaults[size_t((fixedRow ? 1 : 0) | (fixedCol ? 2 : 0))].get();
}

void CGridCtrl::ApplyFixedState(int firstRow, int lastRow, int firstCol, int lastCol)
{
    lastRow = std::min(lastRow, GetRowCount() - 1);
    lastCol = std::min(lastCol, GetColumnCount() - 1);
    for (int r = std::max(firstRow, 0); r <= lastRow; ++r) {
        for (int c = std::max(firstCol, 0); c <= lastCol; ++c) {
            quint32 bits = 0;
            if (r < m_fixedRows)
                bits |= GVIS_FIXED | GVIS_FIXEDROW;
            if (c < m_fixedCols)
                bits |= GVIS_FIXED | GVIS_FIXEDCOL;
            const quint32 state = CGridCellStore::State(m_store.At(r, c));
            if ((state & GVIS_FIXEDBITS) != bits)
                CGridCellStore::SetState(m_store.Slot(r, c), (state & ~GVIS_FIXEDBITS) | bits);
        }
    }
}

static int RowDefaultHeight(const CGridCtrl& grid, int row)
{
    return grid.GetDefaultCell(row < grid.GetFixedRowCount(), false)->GetHeight();
}

void CGridCtrl::ApplyDefaultSizes()
{
    m_vHeader->setDefaultSectionSize(GetDefaultCell(false, false)->GetHeight());
    m_hHeader->setDefaultSectionSize(GetDefaultCell(false, false)->GetWidth());
}

void CGridCtrl::ApplyHeaderLayout()
{
    const bool hasRowHeader = HeaderRows() > 0;
    const bool hasColHeader = HeaderCols() > 0;
    m_hHeader->setVisible(hasRowHeader);
    m_vHeader->setVisible(hasColHeader);
    if (hasRowHeader)
        m_hHeader->setFixedHeight(m_rowHeights.empty() ? 0 : m_rowHeights[0]);
    if (hasColHeader)
        m_vHeader->setFixedWidth(m_colWidths.empty() ? 0 : m_colWidths[0]);
    updateGeometries();
}

void CGridCtrl::ApplyLayout()
{
    ApplyHeaderLayout();
    SyncRowHeights(0);
    SyncColumnWidths(0);
}

void CGridCtrl::SyncRowHeights(int firstRow)
{
    const int hr = HeaderRows();
    const int def = m_vHeader->defaultSectionSize();
    for (int r = std::max(firstRow, hr); r < GetRowCount(); ++r) {
        const int h = m_rowHeights[size_t(r)];
        if (h != def || m_vHeader->sectionSize(r - hr) != h)
            m_vHeader->resizeSection(r - hr, h);
    }
}

void CGridCtrl::SyncColumnWidths(int firstCol)
{
    const int hc = HeaderCols();
    for (int c = std::max(firstCol, hc); c < GetColumnCount(); ++c) {
        const int w = m_colWidths[size_t(c)];
        setColumnHidden(c - hc, w == 0);
        if (w > 0)
            m_hHeader->resizeSection(c - hc, w);
    }
}

void CGridCtrl::ResetModel()
{
    m_model->BeginReset();
    m_model->EndReset();
}

bool CGridCtrl::SetRowCount(int rows)
{
    if (rows < 0)
        return false;
    if (rows == GetRowCount())
        return true;
    // The owner may change the table while answering the end of the edit.
    EndEditing();
    HideTitleTip();
    const int old = GetRowCount();
    if (rows == old)
        return true;
    if (rows < m_fixedRows) {
        m_model->BeginReset();
        m_store.SetRowCount(rows);
        m_rowHeights.resize(size_t(rows));
        m_fixedRows = rows;
        m_model->EndReset();
        ApplyLayout();
        return true;
    }
    const int hr = HeaderRows();
    const int oldModel = std::max(0, old - hr);
    const int newModel = std::max(0, rows - hr);
    if (rows > old) {
        const bool announce = newModel > oldModel;
        if (announce)
            m_model->BeginInsertRows(oldModel, newModel - 1);
        m_store.SetRowCount(rows);
        m_rowHeights.reserve(size_t(rows));
        for (int r = old; r < rows; ++r)
            m_rowHeights.push_back(RowDefaultHeight(*this, r));
        // The new ordinary rows are all alike: set up the first, share it.
        const int firstOrdinary = std::max(old, m_fixedRows);
        ApplyFixedState(old, std::min(firstOrdinary, rows - 1), 0, m_fixedCols - 1);
        if (firstOrdinary + 1 < rows)
            m_store.ShareRow(firstOrdinary, firstOrdinary + 1, rows - 1);
        if (announce)
            m_model->EndInsertRows();
        else
            ResetModel();
    } else {
        const bool announce = newModel < oldModel;
        if (announce)
            m_model->BeginRemoveRows(newModel, oldModel - 1);
        m_store.SetRowCount(rows);
        m_rowHeights.resize(size_t(rows));
        if (announce)
            m_model->EndRemoveRows();
        else
            ResetModel();
    }
    if (old == 0 || rows == 0)
        ApplyHeaderLayout();
    return true;
}

bool CGridCtrl::SetColumnCount(int cols)
{
    if (cols < 0)
        return false;
    if (cols == GetColumnCount())
        return true;
    EndEditing();
    HideTitleTip();
    const int old = GetColumnCount();
    if (cols == old)
        return true;
    if (cols < m_fixedCols) {
        m_model->BeginReset();
        m_store.SetColumnCount(cols);
        m_colWidths.resize(size_t(cols));
        m_fixedCols = cols;
        m_model->EndReset();
        ApplyLayout();
        return true;
    }
    const int hc = HeaderCols();
    const int oldModel = std::max(0, old - hc);
    const int newModel = std::max(0, cols - hc);
    if (cols > old) {
        const bool announce = newModel > oldModel;
        if (announce)
            m_model->BeginInsertColumns(oldModel, newModel - 1);
        m_store.SetColumnCount(cols);
        for (int c = old; c < cols; ++c)
            m_colWidths.push_back(GetDefaultCell(false, c < m_fixedCols)->GetWidth());
        ApplyFixedState(0, GetRowCount() - 1, old, cols - 1);
        if (announce)
            m_model->EndInsertColumns();
        else
            ResetModel();
        SyncColumnWidths(old);
    } else {
        const bool announce = newModel < oldModel;
        if (announce)
            m_model->BeginRemoveColumns(newModel, oldModel - 1);
        m_store.SetColumnCount(cols);
        m_colWidths.resize(size_t(cols));
        if (announce)
            m_model->EndRemoveColumns();
        else
            ResetModel();
    }
    if (old == 0 || cols == 0)
        ApplyHeaderLayout();
    return true;
}

bool CGridCtrl::SetFixedRowCount(int rows)
{
    if (rows < 0)
        return false;
    EndEditing();
    if (rows > GetRowCount())
        SetRowCount(rows);
    const int old = m_fixedRows;
    m_model->BeginReset();
    m_fixedRows = rows;
    m_model->EndReset();
    ApplyFixedState(std::min(old, rows), std::max(old, rows) - 1, 0, GetColumnCount() - 1);
    ApplyLayout();
    ResetSelectedRange();
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int cols)
{
    if (cols < 0)
        return false;
    EndEditing();
    if (cols > GetColumnCount())
        SetColumnCount(cols);
    const int old = m_fixedCols;
    m_model->BeginReset();
    m_fixedCols = cols;
    m_model->EndReset();
    ApplyFixedState(0, GetRowCount() - 1, std::min(old, cols), std::max(old, cols) - 1);
    ApplyLayout();
    ResetSelectedRange();
    return true;
}

int CGridCtrl::InsertRow(const QString& heading, int before)
{
    EndEditing();
    if (GetColumnCount() < 1)
        SetColumnCount(1);
    if (before < 0 || before > GetRowCount())
        before = GetRowCount();
    before = std::max(before, m_fixedRows);
    const int hr = HeaderRows();
    m_model->BeginInsertRows(before - hr, before - hr);
    m_store.InsertRow(before);
    m_rowHeights.insert(m_rowHeights.begin() + before, RowDefaultHeight(*this, before));
    ApplyFixedState(before, before, 0, GetColumnCount() - 1);
    CGridCellStore::SetText(m_store.Slot(before, 0), heading);
    m_model->EndInsertRows();
    m_vHeader->resizeSection(before - hr, m_rowHeights[size_t(before)]);
    CellsChanged(before, 0, before, GetColumnCount() - 1);
    return before;
}

int CGridCtrl::InsertColumn(const QString& heading, quint32 format, int before)
{
    EndEditing();
    if (GetRowCount() < 1)
        SetRowCount(1);
    if (before < 0 || before > GetColumnCount())
        before = GetColumnCount();
    before = std::max(before, m_fixedCols);
    const int hc = HeaderCols();
    m_model->BeginInsertColumns(before - hc, before - hc);
    m_store.InsertColumn(before);
    m_colWidths.insert(m_colWidths.begin() + before, GetDefaultCell(false, false)->GetWidth());
    ApplyFixedState(0, GetRowCount() - 1, before, before);
    CGridCellSlot& header = m_store.Slot(0, before);
    CGridCellStore::SetText(header, heading);
    CGridCellStore::SetFormat(header, format);
    m_model->EndInsertColumns();
    SyncColumnWidths(before);
    CellsChanged();
    return before;
}

bool CGridCtrl::DeleteRow(int row)
{
    EndEditing();
    if (row < 0 || row >= GetRowCount())
        return false;
    HideTitleTip();
    if (row < m_fixedRows) {
        m_model->BeginReset();
        m_store.RemoveRow(row);
        m_rowHeights.erase(m_rowHeights.begin() + row);
        --m_fixedRows;
        m_model->EndReset();
        ApplyFixedState(0, GetRowCount() - 1, 0, GetColumnCount() - 1);
        ApplyLayout();
        return true;
    }
    const int hr = HeaderRows();
    m_model->BeginRemoveRows(row - hr, row - hr);
    m_store.RemoveRow(row);
    m_rowHeights.erase(m_rowHeights.begin() + row);
    m_model->EndRemoveRows();
    // The view moved the focus while the row still stood; name the cell it is
    // on now. Without the key focus (a question was open) that waits until
    // the grid has it again.
    if (hasFocus())
        AnnounceFocusCell();
    return true;
}

void CGridCtrl::focusInEvent(QFocusEvent* e)
{
    QTableView::focusInEvent(e);
    AnnounceFocusCell();
}

void CGridCtrl::AnnounceFocusCell()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !QAccessible::isActive())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
    QAccessibleInterface* cell = cells ? cells->cellAt(current.row(), current.column()) : nullptr;
    if (!cell)
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(table->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

bool CGridCtrl::DeleteColumn(int col)
{
    EndEditing();
    if (col < 0 || col >= GetColumnCount())
        return false;
    HideTitleTip();
    if (col < m_fixedCols) {
        m_model->BeginReset();
        m_store.RemoveColumn(col);
        m_colWidths.erase(m_colWidths.begin() + col);
        --m_fixedCols;
        m_model->EndReset();
        ApplyFixedState(0, GetRowCount() - 1, 0, GetColumnCount() - 1);
        ApplyLayout();
        return true;
    }
    const int hc = HeaderCols();
    m_model->BeginRemoveColumns(col - hc, col - hc);
    m_store.RemoveColumn(col);
    m_colWidths.erase(m_colWidths.begin() + col);
    m_model->EndRemoveColumns();
    if (m_sortColumn == col)
        m_sortColumn = -1;
    return true;
}

bool CGridCtrl::DeleteNonFixedRows()
{
    return SetRowCount(m_fixedRows);
}

bool CGridCtrl::DeleteAllItems()
{
    EndEditing();
    HideTitleTip();
    m_model->BeginReset();
    m_store.Clear();
    m_rowHeights.clear();
    m_colWidths.clear();
    m_fixedRows = 0;
    m_fixedCols = 0;
    m_sortColumn = -1;
    m_model->EndReset();
    ApplyHeaderLayout();
    return true;
}

// --- cells -----------------------------------------------------------------

bool CGridCtrl::IsValid(const CCellRange& range) const
{
    return range.IsValid() && IsValid(range.minRow, range.minCol) &&
           IsValid(range.maxRow, range.maxCol);
}

CGridCellBase* CGridCtrl::GetCell(int row, int col)
{
    if (!IsValid(row, col))
        return nullptr;
    return m_store.Promote(row, col, this);
}

bool CGridCtrl::SetCellType(int row, int col, std::unique_ptr<CGridCellBase> cell)
{
    if (!cell)
        return false;
    if (m_editor && m_editCell == CCellID(row, col))
        EndEditing();
    if (!IsValid(row, col))
        return false;
    m_store.Replace(row, col, std::move(cell), this);
    CellsChanged(row, col);
    return true;
}

bool CGridCtrl::SetItem(const GV_ITEM& item)
{
    if (!IsValid(item.row, item.col))
        return false;
    if (item.mask & GVIF_TEXT)
        SetItemText(item.row, item.col, item.strText);
    if (item.mask & GVIF_FORMAT)
        SetItemFormat(item.row, item.col, item.nFormat);
    if (item.mask & GVIF_STATE)
        SetItemState(item.row, item.col, item.nState);
    if (item.mask & GVIF_FGCLR)
        SetItemFgColour(item.row, item.col, item.crFgClr);
    if (item.mask & GVIF_BKCLR)
        SetItemBkColour(item.row, item.col, item.crBkClr);
    if (item.mask & GVIF_IMAGE)
        SetItemImage(item.row, item.col, item.iImage);
    if (item.mask & GVIF_PARAM)
        SetItemData(item.row, item.col, item.lParam);
    if (item.mask & GVIF_MARGIN)
        SetItemMargin(item.row, item.col, item.nMargin);
    return true;
}

bool CGridCtrl::GetItem(GV_ITEM& item) const
{
    if (!IsValid(item.row, item.col))
        return false;
    if (item.mask & GVIF_TEXT)
        item.strText = GetItemText(item.row, item.col);
    if (item.mask & GVIF_FORMAT)
        item.nFormat = GetItemFormat(item.row, item.col);
    if (item.mask & GVIF_STATE)
        item.nState = GetItemState(item.row, item.col);
    if (item.mask & GVIF_FGCLR)
        item.crFgClr = GetItemFgColour(item.row, item.col);
    if (item.mask & GVIF_BKCLR)
        item.crBkClr = GetItemBkColour(item.row, item.col);
    if (item.mask & GVIF_IMAGE)
        item.iImage = GetItemImage(item.row, item.col);
    if (item.mask & GVIF_PARAM)
        item.lParam = GetItemData(item.row, item.col);
    if (item.mask & GVIF_MARGIN)
        item.nMargin = GetCellLook(item.row, item.col).margin;
    return true;
}

bool CGridCtrl::SetItemText(int row, int col, const QString& text)
{
    if (!IsValid(row, col))
        return false;
    CGridCellStore::SetText(m_store.Slot(row, col), text);
    CellsChanged(row, col);
    return true;
}

QString CGridCtrl::GetItemText(int row, int col) const
{
    if (!IsValid(row, col))
        return QString();
    QString text = CGridCellStore::Text(m_store.At(row, col));
    if (text.isNull() && m_textSource && row >= m_fixedRows)
        return m_textSource(row, col);
    return text;
}

void CGridCtrl::MakeRowsLike(int from, int first, int last)
{
    last = std::min(last, GetRowCount() - 1);
    if (from < 0 || from >= GetRowCount() || first < 0 || first > last)
        return;
    m_store.ShareRow(from, first, last);
    CellsChanged(first, 0, last, GetColumnCount() - 1);
}

void CGridCtrl::SetTextSource(TextSource source)
{
    m_textSource = std::move(source);
    CellsChanged();
}

bool CGridCtrl::SetItemState(int row, int col, quint32 state)
{
    if (!IsValid(row, col))
        return false;
    CGridCellStore::SetState(m_store.Slot(row, col), state);
    if (m_editor && m_editCell == CCellID(row, col) && !IsCellEditable(row, col))
        EndEditing();
    CellsChanged(row, col);
    return true;
}

quint32 CGridCtrl::GetItemState(int row, int col) const
{
    return IsValid(row, col) ? CGridCellStore::State(m_store.At(row, col)) : 0;
}

bool CGridCtrl::SetItemFormat(int row, int col, quint32 format)
{
    if (!IsValid(row, col))
        return false;
    CGridCellStore::SetFormat(m_store.Slot(row, col), format);
    CellsChanged(row, col);
    return true;
}

quint32 CGridCtrl::GetItemFormat(int row, int col) const
{
    if (!IsValid(row, col))
        return 0;
    const CGridCellSlot& s = m_store.At(row, col);
    const quint32 format = CGridCellStore::Format(s);
    return format != GV_FORMAT_DEFAULT ? format
                                       : DefaultCellFor(CGridCellStore::State(s))->GetFormat();
}

bool CGridCtrl::SetItemFgColour(int row, int col, COLORREF colour)
{
    if (!IsValid(row, col))
        return false;
    CGridCellStore::SetTextClr(m_store.Slot(row, col), colour);
    CellsChanged(row, col);
    return true;
}

COLORREF CGridCtrl::GetItemFgColour(int row, int col) const
{
    if (!IsValid(row, col))
        return CLR_DEFAULT;
    return CGridCellStore::TextClr(m_store.At(row, col));
}

bool CGridCtrl::SetItemBkColour(int row, int col, COLORREF colour)
{
    if (!IsValid(row, col))
        return false;
    CGridCellStore::SetBackClr(m_store.Slot(row, col), colour);
    CellsChanged(row, col);
    return true;
}

COLORREF CGridCtrl::GetItemBkColour(int row, int col) const
{
    if (!IsValid(row, col))
        return CLR_DEFAULT;
    return CGridCellStore::BackClr(m_store.At(row, col));
}

bool CGridCtrl::SetItemFont(int row, int col, const QFont& font)
{
    if (!IsValid(row, col))
        return false;
    m_store.Promote(row, col, this)->SetFont(&font);
    CellsChanged(row, col);
    return true;
}

QFont CGridCtrl::GetItemFont(int row, int col) const
{
    if (!IsValid(row, col))
        return font();
    const CGridCellSlot& s = m_store.At(row, col);
    return s.cell ? s.cell->GetEffectiveFont() : *DefaultCellFor(s.state)->GetFont();
}

bool CGridCtrl::SetItemImage(int row, int col, int image)
{
    if (!IsValid(row, col))
        return false;
    if (m_store.At(row, col).cell || image >= 0)
        m_store.Promote(row, col, this)->SetImage(image);
    CellsChanged(row, col);
    return true;
}

int CGridCtrl::GetItemImage(int row, int col) const
{
    if (!IsValid(row, col))
        return -1;
    const CGridCellSlot& s = m_store.At(row, col);
    return s.cell ? s.cell->GetImage() : -1;
}

bool CGridCtrl::SetItemData(int row, int col, qintptr value)
{
    if (!IsValid(row, col))
        return false;
    if (m_store.At(row, col).cell || value != 0)
        m_store.Promote(row, col, this)->SetData(value);
    return true;
}

qintptr CGridCtrl::GetItemData(int row, int col) const
{
    if (!IsValid(row, col))
        return 0;
    const CGridCellSlot& s = m_store.At(row, col);
    return s.cell ? s.cell->GetData() : 0;
}

bool CGridCtrl::SetItemMargin(int row, int col, int margin)
{
    if (!IsValid(row, col))
        return false;
    m_store.Promote(row, col, this)->SetMargin(margin);
    CellsChanged(row, col);
    return true;
}

CGridCellLook CGridCtrl::GetCellLook(int row, int col) const
{
    CGridCellLook look;
    if (!IsValid(row, col))
        return look;
    const CGridCellSlot& s = m_store.At(row, col);
    const quint32 state = CGridCellStore::State(s);
    const CGridDefaultCell* def = DefaultCellFor(state);
    look.state = state;
    look.text = GetItemText(row, col);
    const quint32 format = CGridCellStore::Format(s);
    look.format = format != GV_FORMAT_DEFAULT ? format : def->GetFormat();
    if (s.cell) {
        look.font = s.cell->GetEffectiveFont();
        look.margin = s.cell->GetMargin();
        look.image = s.cell->GetImage();
    } else {
        look.font = *def->GetFont();
        look.margin = def->GetMargin();
    }
    const COLORREF fore = CGridCellStore::TextClr(s);
    const COLORREF back = CGridCellStore::BackClr(s);
    look.textColour = ColorFromRef(fore != CLR_DEFAULT ? fore : def->GetTextClr());
    look.backColour = ColorFromRef(back != CLR_DEFAULT ? back : def->GetBackClr());
    return look;
}

void CGridCtrl::SetModified(bool modified, int row, int col)
{
    if (row < 0 || col < 0) {
        m_modified = modified;
        if (!modified) {
            for (int r = 0; r < GetRowCount(); ++r)
                for (int c = 0; c < GetColumnCount(); ++c) {
                    const quint32 state = CGridCellStore::State(m_store.At(r, c));
                    if (state & GVIS_MODIFIED)
                        CGridCellStore::SetState(m_store.Slot(r, c), state & ~GVIS_MODIFIED);
                }
        }
        return;
    }
    if (!IsValid(row, col))
        return;
    const quint32 state = CGridCellStore::State(m_store.At(row, col));
    const quint32 wanted = modified ? state | GVIS_MODIFIED : state & ~GVIS_MODIFIED;
    if (wanted != state)
        CGridCellStore::SetState(m_store.Slot(row, col), wanted);
    if (modified) {
        m_modified = true;
        if (col == m_sortColumn)
            m_sortColumn = -1;
    }
}

bool CGridCtrl::GetModified(int row, int col) const
{
    if (row < 0 || col < 0)
        return m_modified;
    return GetItemState(row, col) & GVIS_MODIFIED;
}

bool CGridCtrl::IsCellFixed(int row, int col) const
{
    return IsValid(row, col) && (row < m_fixedRows || col < m_fixedCols);
}

bool CGridCtrl::IsCellEditable(int row, int col) const
{
    return m_editable && IsValid(row, col) && !IsCellFixed(row, col) &&
           !(GetItemState(row, col) & GVIS_READONLY);
}

bool CGridCtrl::IsCellSelected(int row, int col) const
{
    const QModelIndex index = ModelIndex(row, col);
    return index.isValid() && selectionModel()->isSelected(index);
}

bool CGridCtrl::IsColumnHidden(int col) const
{
    return col >= 0 && col < GetColumnCount() && m_colWidths[size_t(col)] == 0;
}

bool CGridCtrl::IsCellVisible(int row, int col) const
{
    const QRect cell = GetCellRect(row, col);
    if (cell.isEmpty())
        return false;
    const QModelIndex index = ModelIndex(row, col);
    if (index.isValid())
        return viewport()->geometry().intersects(cell);
    return rect().intersects(cell);
}

QModelIndex CGridCtrl::ModelIndex(int row, int col) const
{
    const int r = row - HeaderRows();
    const int c = col - HeaderCols();
    if (!IsValid(row, col) || r < 0 || c < 0)
        return {};
    return m_model->index(r, c);
}

CCellID CGridCtrl::CellOf(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    return {index.row() + HeaderRows(), index.column() + HeaderCols()};
}

void CGridCtrl::CellsChanged()
{
    CellsChanged(0, 0, GetRowCount() - 1, GetColumnCount() - 1);
    m_allChanged = true;
}

void CGridCtrl::CellsChanged(int firstRow, int firstCol, int lastRow, int lastCol)
{
    if (m_changed.IsValid()) {
        m_changed.minRow = std::min(m_changed.minRow, firstRow);
        m_changed.minCol = std::min(m_changed.minCol, firstCol);
        m_changed.maxRow = std::max(m_changed.maxRow, lastRow);
        m_changed.maxCol = std::max(m_changed.maxCol, lastCol);
    } else {
        m_changed = CCellRange(firstRow, firstCol, lastRow, lastCol);
    }
    if (m_changePending)
        return;
    m_changePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_changePending = false;
            const CCellRange changed = m_changed;
            const bool all = m_allChanged;
            m_changed = CCellRange();
            m_allChanged = false;
            if (all) {
                m_model->AllChanged();
                return;
            }
            // The range as it stands now: rows may have gone meanwhile.
            const int rowEnd = std::min(changed.maxRow, GetRowCount() - 1);
            const int colEnd = std::min(changed.maxCol, GetColumnCount() - 1);
            const int hr = HeaderRows();
            const int hc = HeaderCols();
            if (changed.minRow < hr)
                m_model->HeaderChanged(Qt::Horizontal, std::max(changed.minCol, hc) - hc,
                                       colEnd - hc);
            // Of the row header only the rows in sight are drawn again; its
            // width is fixed, so rows out of sight need no word.
            if (changed.minCol < hc) {
                const auto [first, last] =
                    m_vHeader->SectionsInSight(std::max(changed.minRow, hr) - hr, rowEnd - hr);
                if (first <= last)
                    m_model->HeaderChanged(Qt::Vertical, first, last);
            }
            m_model->CellsChanged(std::max(changed.minRow, hr) - hr,
                                  std::max(changed.minCol, hc) - hc, rowEnd - hr, colEnd - hc);
        },
        Qt::QueuedConnection);
}

// --- sizes and geometry -------------------------------------------------

bool CGridCtrl::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= GetRowCount() || height < 0)
        return false;
    m_rowHeights[size_t(row)] = height;
    if (row < HeaderRows())
        ApplyHeaderLayout();
    else
        m_vHeader->resizeSection(row - HeaderRows(), height);
    return true;
}

int CGridCtrl::GetRowHeight(int row) const
{
    return row >= 0 && row < GetRowCount() ? m_rowHeights[size_t(row)] : -1;
}

void CGridCtrl::SetRowsShown(int firstRow, const std::vector<bool>& shown)
{
    const int hr = HeaderRows();
    firstRow = std::max(firstRow, hr);
    const int last = std::min(GetRowCount(), firstRow + int(shown.size()));
    // Without updates the header does not place each changed section on its
    // own: one layout pass follows instead.
    const bool updates = m_vHeader->updatesEnabled();
    m_vHeader->setUpdatesEnabled(false);
    for (int r = firstRow; r < last; ++r) {
        const bool hide = !shown[size_t(r - firstRow)];
        if (isRowHidden(r - hr) != hide)
            setRowHidden(r - hr, hide);
    }
    m_vHeader->setUpdatesEnabled(updates);
    updateGeometries();
    viewport()->update();
}

bool CGridCtrl::IsRowShown(int row) const
{
    if (GetRowHeight(row) <= 0)
        return false;
    return row < HeaderRows() || !isRowHidden(row - HeaderRows());
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
    if (width == 0 && m_editor && m_editCell.col == col)
        EndEditing();
    if (col < 0 || col >= GetColumnCount() || width < 0)
        return false;
    m_colWidths[size_t(col)] = width;
    if (col < HeaderCols()) {
        ApplyHeaderLayout();
        return true;
    }
    const int section = col - HeaderCols();
    setColumnHidden(section, width == 0);
    if (width > 0)
        m_hHeader->resizeSection(section, width);
    updateGeometries();
    return true;
}

int CGridCtrl::GetColumnWidth(int col) const
{
    return col >= 0 && col < GetColumnCount() ? m_colWidths[size_t(col)] : -1;
}

QRect CGridCtrl::GetCellRect(int row, int col) const
{
    if (!IsValid(row, col) || GetColumnWidth(col) == 0 || !IsRowShown(row))
        return {};
    const int hr = HeaderRows();
    const int hc = HeaderCols();
    const QRect vp = viewport()->geometry();
    const QRect hh = m_hHeader->geometry();
    const QRect vh = m_vHeader->geometry();
    int x, w, y, h;
    if (col < hc) {
        x = vh.x();
        w = vh.width();
    } else {
        x = vp.x() + columnViewportPosition(col - hc);
        w = columnWidth(col - hc);
    }
    if (row < hr) {
        y = hh.y();
        h = hh.height();
    } else {
        y = vp.y() + rowViewportPosition(row - hr);
        h = rowHeight(row - hr);
    }
    return QRect(x, y, w, h);
}

CCellID CGridCtrl::GetCellFromPt(const QPoint& point, bool allowFixed) const
{
    const QRect vp = viewport()->geometry();
    const int hr = HeaderRows();
    const int hc = HeaderCols();
    int row = -1;
    int col = -1;
    if (hr && point.y() >= m_hHeader->geometry().top() && point.y() < vp.top())
        row = 0;
    else if (point.y() >= vp.top() && point.y() <= vp.bottom()) {
        const int r = rowAt(point.y() - vp.top());
        row = r >= 0 ? r + hr : -1;
    }
    if (hc && point.x() >= m_vHeader->geometry().left() && point.x() < vp.left())
        col = 0;
    else if (point.x() >= vp.left() && point.x() <= vp.right()) {
        const int c = columnAt(point.x() - vp.left());
        col = c >= 0 ? c + hc : -1;
    }
    if (row < 0 || col < 0 || !IsValid(row, col))
        return {};
    if (!allowFixed && IsCellFixed(row, col))
        return {};
    return {row, col};
}

void CGridCtrl::EnsureVisible(int row, int col)
{
    if (!IsValid(row, col))
        return;
    const int hr = HeaderRows();
    const int hc = HeaderCols();
    const int r = row >= hr ? row - hr : std::max(rowAt(0), 0);
    const int c = col >= hc ? col - hc : std::max(columnAt(0), 0);
    const QModelIndex index = m_model->index(r, c);
    if (!index.isValid())
        return;
    if (row >= hr && col >= hc) {
        scrollTo(index);
        return;
    }
    // Header cells only scroll along the header.
    if (row >= hr)
        verticalScrollBar()->setValue(verticalScrollBar()->value() +
                                      (rowViewportPosition(r) < 0 ? rowViewportPosition(r) : 0));
    if (col >= hc)
        scrollTo(m_model->index(std::max(rowAt(0), 0), c));
}

// --- focus and selection --------------------------------------------------

CCellID CGridCtrl::GetFocusCell() const
{
    return CellOf(currentIndex());
}

void CGridCtrl::SetFocusCell(int row, int col)
{
    const QModelIndex index = ModelIndex(row, col);
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    else if (row < 0 && col < 0)
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

CCellRange CGridCtrl::GetSelectedCellRange() const
{
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty())
        return {};
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        left = std::min(left, range.left());
        bottom = std::max(bottom, range.bottom());
        right = std::max(right, range.right());
    }
    if (bottom < 0)
        return {};
    return {top + HeaderRows(), left + HeaderCols(), bottom + HeaderRows(), right + HeaderCols()};
}

void CGridCtrl::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, bool forceRepaint)
{
    const int hr = HeaderRows();
    const int hc = HeaderCols();
    minRow = std::max(minRow, hr);
    minCol = std::max(minCol, hc);
    maxRow = std::min(maxRow, GetRowCount() - 1);
    maxCol = std::min(maxCol, GetColumnCount() - 1);
    const QModelIndex topLeft = ModelIndex(minRow, minCol);
    const QModelIndex bottomRight = ModelIndex(maxRow, maxCol);
    if (!topLeft.isValid() || !bottomRight.isValid() || maxRow < minRow || maxCol < minCol) {
        ResetSelectedRange();
        return;
    }
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (m_listMode)
        flags |= QItemSelectionModel::Rows;
    selectionModel()->select(QItemSelection(topLeft, bottomRight), flags);
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    m_anchor = {minRow, minCol};
    if (forceRepaint)
        viewport()->repaint();
}

void CGridCtrl::SetSelectedRange(const CCellRange& range, bool forceRepaint)
{
    SetSelectedRange(range.minRow, range.minCol, range.maxRow, range.maxCol, forceRepaint);
}

void CGridCtrl::ResetSelectedRange()
{
    if (selectionModel())
        selectionModel()->clearSelection();
}

void CGridCtrl::SelectAllCells()
{
    if (!m_selectionEnabled || selectionMode() == SingleSelection)
        return;
    selectAll();
}

// --- settings ----------------------------------------------------------------

void CGridCtrl::SetEditable(bool editable)
{
    m_editable = editable;
    if (!editable)
        EndEditing();
    CellsChanged();
}

void CGridCtrl::ApplySelectionMode()
{
    setSelectionBehavior(m_listMode ? SelectRows : SelectItems);
    if (!m_selectionEnabled)
        setSelectionMode(NoSelection);
    else if (m_singleRow || m_singleCol)
        setSelectionMode(SingleSelection);
    else
        setSelectionMode(ExtendedSelection);
}

void CGridCtrl::ApplyHeaderClicks()
{
    const bool rowHeaderSelects = m_selectionEnabled && m_fixedRowSelection && !m_listMode;
    m_hHeader->setSectionsClickable(rowHeaderSelects || m_headerSort);
    QObject::disconnect(m_hHeader, SIGNAL(sectionPressed(int)), this, SLOT(selectColumn(int)));
    if (rowHeaderSelects)
        connect(m_hHeader, SIGNAL(sectionPressed(int)), this, SLOT(selectColumn(int)));
    m_vHeader->setSectionsClickable(m_selectionEnabled && m_fixedColSelection);
}

void CGridCtrl::SetListMode(bool listMode)
{
    m_listMode = listMode;
    if (listMode) {
        m_sortColumn = -1;
        m_fixedRowSelection = false;
    }
    ApplySelectionMode();
    ApplyHeaderClicks();
    ResetSelectedRange();
}

void CGridCtrl::SetSingleRowSelection(bool single)
{
    m_singleRow = single;
    ApplySelectionMode();
}

void CGridCtrl::SetSingleColSelection(bool single)
{
    m_singleCol = single;
    ApplySelectionMode();
}

void CGridCtrl::EnableSelection(bool enable)
{
    m_selectionEnabled = enable;
    if (!enable)
        ResetSelectedRange();
    ApplySelectionMode();
    ApplyHeaderClicks();
    CellsChanged();
}

void CGridCtrl::SetFixedRowSelection(bool enable)
{
    m_fixedRowSelection = enable;
    ApplyHeaderClicks();
}

void CGridCtrl::SetFixedColumnSelection(bool enable)
{
    m_fixedColSelection = enable;
    ApplyHeaderClicks();
}

void CGridCtrl::SetColumnResize(bool allow)
{
    m_columnResize = allow;
    m_hHeader->setSectionResizeMode(allow ? QHeaderView::Interactive : QHeaderView::Fixed);
    SyncColumnWidths(0);
}

void CGridCtrl::SetRowResize(bool allow)
{
    m_rowResize = allow;
    m_vHeader->setSectionResizeMode(allow ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void CGridCtrl::SetHeaderSort(bool sortOnClick)
{
    m_headerSort = sortOnClick;
    ApplyHeaderClicks();
}

void CGridCtrl::EnableDragAndDrop(bool enable)
{
    m_dragAndDrop = enable;
    setDragEnabled(enable);
    setAcceptDrops(enable);
    viewport()->setAcceptDrops(enable);
    setDragDropMode(enable ? DragDrop : NoDragDrop);
    setDropIndicatorShown(false);
    CellsChanged();
}

void CGridCtrl::EnableTitleTips(bool enable)
{
    m_titleTips = enable;
    if (!enable)
        HideTitleTip();
}

void CGridCtrl::SetGridLines(int style)
{
    m_gridLines = style & GVL_BOTH;
    viewport()->update();
}

void CGridCtrl::SetGridLineColor(COLORREF colour)
{
    m_gridLineColour = colour;
    viewport()->update();
}

void CGridCtrl::SetImageList(const QList<QPixmap>& images)
{
    m_images = images;
    Refresh();
}

// --- sorting ---------------------------------------------------------------

bool CGridCtrl::SortItems(int col, bool ascending)
{
    EndEditing();
    if (col < 0 || col >= GetColumnCount())
        return false;
    const int first = m_fixedRows;
    const int count = GetRowCount() - first;
    if (count > 1) {
        std::vector<int> order(static_cast<size_t>(count));
        std::vector<QString> keys(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            order[size_t(i)] = first + i;
            keys[size_t(i)] = GetItemText(first + i, col);
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const int cmp =
                QString::localeAwareCompare(keys[size_t(a - first)], keys[size_t(b - first)]);
            return ascending ? cmp < 0 : cmp > 0;
        });
        std::vector<int> heights(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            heights[size_t(i)] = m_rowHeights[size_t(order[size_t(i)])];
        m_model->BeginReset();
        m_store.PermuteRows(first, order);
        std::copy(heights.begin(), heights.end(), m_rowHeights.begin() + first);
        m_model->EndReset();
        SyncRowHeights(0);
        SyncColumnWidths(0);
    }
    m_sortColumn = col;
    m_sortAscending = ascending;
    return true;
}

// --- painting --------------------------------------------------------------

void CGridCtrl::RedrawCell(int row, int col)
{
    if (!IsValid(row, col))
        return;
    const QModelIndex index = ModelIndex(row, col);
    if (index.isValid()) {
        viewport()->update(visualRect(index));
        return;
    }
    if (row < HeaderRows())
        m_hHeader->viewport()->update();
    if (col < HeaderCols())
        m_vHeader->viewport()->update();
    if (auto* corner = findChild<QAbstractButton*>())
        corner->update();
}

void CGridCtrl::RedrawRow(int row)
{
    if (row < HeaderRows()) {
        m_hHeader->viewport()->update();
        return;
    }
    const QModelIndex index = ModelIndex(row, HeaderCols());
    if (index.isValid())
        viewport()->update(0, rowViewportPosition(index.row()), viewport()->width(),
                           rowHeight(index.row()));
    m_vHeader->viewport()->update();
}

void CGridCtrl::Refresh()
{
    viewport()->update();
    m_hHeader->viewport()->update();
    m_vHeader->viewport()->update();
    if (auto* corner = findChild<QAbstractButton*>())
        corner->update();
}

CCellColours CGridCtrl::GetCellColours(int row, int col) const
{
    const CGridCellLook look = GetCellLook(row, col);
    CGridPaintState state;
    state.fixed = look.state & GVIS_FIXED;
    return ResolveCellColours(look, state, palette());
}

void CGridCtrl::PaintCorner(QWidget* corner)
{
    QPainter painter(corner);
    if (!IsValid(0, 0) || !HeaderRows() || !HeaderCols())
        return;
    CGridPaintState state;
    state.fixed = true;
    PaintGridCell(painter, corner->rect(), GetCellLook(0, 0), state, palette(), m_images);
}
