#pragma once

#include "controls/GridCell.h"
#include "controls/GridCellStore.h"
#include "controls/GridTypes.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QTableView>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

struct CCellColours;
class CGridModel;
class CGridHeader;
class CTitleTip;

// What a cell is drawn with once every default has been resolved.
struct CGridCellLook
{
    QString text;
    quint32 state = 0;
    quint32 format = 0;
    QColor textColour; // invalid: the system colour
    QColor backColour; // invalid: the system colour
    QFont font;
    int margin = 0;
    int image = -1;
};

// CGridCtrl: the spreadsheet grid every ledger page is built on.
//
// Coordinates are the grid's own: row 0 is the fixed header row and column 0
// the fixed row-header column when the fixed counts are 1 (they are drawn by
// the view's headers, so they stay in place while the grid scrolls); rows 1..
// and columns 1.. are the ordinary cells. All indices are zero-based; every
// operation on a position outside the table does nothing and returns false,
// an empty text or nullptr.
//
// Notifications: the grid sends platform::WM_NOTIFY message events to its
// owner (SetOwner; the parent widget when none is set). wParam is the control
// id (SetDlgCtrlID), lParam points to a platform::NM_GRIDVIEW {hdr{grid, id,
// code}, iRow, iColumn}. The owner answers with setResult():
//   LVN_BEGINLABELEDITW  before an editor opens; negative answer: no edit. The
//                        owner may rewrite the cell text; the editor opens on it.
//   LVN_ENDLABELEDITW    after the editor's text was put into the cell, for every
//                        closed editor (changed or not, also after Escape);
//                        negative answer: the previous text comes back,
//                        otherwise the cell is marked modified; neither when
//                        the owner changed the cell's text while answering.
//   GVN_SELCHANGING/GVN_SELCHANGED, NM_CLICK, NM_DBLCLK, NM_RCLICK, GVN_BEGINDRAG:
//                        information only.
//
// Editing starts on a double click, F2, Enter (text unchanged) or a typed
// character (which goes to the editor); never on read-only cells (state
// GVIS_READONLY), fixed cells or hidden columns (width 0). The editor ends on
// Enter, Tab, Escape (restores the initial text first) or when it loses the
// focus; Tab and Shift+Tab then edit the next editable cell (passing over
// read-only cells and hidden columns; past the last one the focus goes on to
// the next control), the navigation keys move on and edit the cell they reach.
//
// Example (a ledger page):
//
//     m_grid = new CGridCtrl(this);        // the page receives the notifications
//     m_grid->SetDlgCtrlID(1013);
//     m_grid->SetEditable(true);
//     m_grid->SetListMode(true);
//     m_grid->SetSingleRowSelection(true);
//     m_grid->SetColumnResize(false);
//     m_grid->SetRowResize(false);
//     m_grid->GetDefaultCell(false, false)->SetBackClr(RGB(255, 255, 224));
//     m_grid->SetFixedRowCount(1);
//     m_grid->SetFixedColumnCount(1);
//     m_grid->SetColumnCount(12);
//     m_grid->SetRowCount(records + 2);
//     m_grid->SetItemText(0, 1, "日期");
//     m_grid->SetItemFormat(0, 1, DT_VCENTER | DT_SINGLELINE);
//     m_grid->SetItemFgColour(0, 1, RGB(0, 0, 255));
//     m_grid->SetCellType<CGridCellDateTime>(1, 1);
//     m_grid->GetCellAs<CGridCellDateTime>(1, 1)->SetTime(QDateTime::currentDateTime());
//     m_grid->SetColumnWidth(11, 0);       // hidden: never reached by mouse or keys
//
//     bool CDlgOil::event(QEvent* e)       // in the page
//     {
//         if (e->type() == platform::WM_NOTIFY) {
//             auto* m = static_cast<platform::CMessageEvent*>(e);
//             auto* nm = reinterpret_cast<const platform::NM_GRIDVIEW*>(m->lParam());
//             if (nm->hdr.code == platform::LVN_BEGINLABELEDITW)
//                 BeginEdit(nm->iRow, nm->iColumn);   // may m->setResult(-1) to refuse
//             else if (nm->hdr.code == platform::LVN_ENDLABELEDITW)
//                 EndEdit(nm->iRow, nm->iColumn);
//             return true;
//         }
//         return QWidget::event(e);
//     }
class CGridCtrl : public QTableView
{
    Q_OBJECT

public:
    explicit CGridCtrl(QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // --- owner and notifications ---------------------------------------
    // Receiver of the notifications; nullptr: the parent widget.
    void SetOwner(QObject* owner);
    QObject* GetOwner() const;
    void SetDlgCtrlID(int id) { m_ctrlId = id; }
    int GetDlgCtrlID() const { return m_ctrlId; }

    // --- structure -----------------------------------------------------
    // Grow or shrink the table; new positions get plain cells, removed ones
    // are destroyed. The fixed counts shrink with the table.
    bool SetRowCount(int rows);
    bool SetColumnCount(int cols);
    // Raise the row/column count if needed, mark the cells fixed and reset the
    // selection. One fixed row and one fixed column are drawn as headers.
    bool SetFixedRowCount(int rows);
    bool SetFixedColumnCount(int cols);
    int GetRowCount() const { return m_store.RowCount(); }
    int GetColumnCount() const { return m_store.ColumnCount(); }
    int GetFixedRowCount() const { return m_fixedRows; }
    int GetFixedColumnCount() const { return m_fixedCols; }
    // Inserts a row before the given one (-1: appends) whose column-0 text is
    // heading; returns its index, -1 on failure.
    int InsertRow(const QString& heading, int before = -1);
    // Inserts a column whose row-0 text is heading; returns its index.
    int InsertColumn(const QString& heading,
                     quint32 format = DT_CENTER | DT_VCENTER | DT_SINGLELINE, int before = -1);
    bool DeleteRow(int row);
    bool DeleteColumn(int col);
    bool DeleteNonFixedRows();
    bool DeleteAllItems();

    // --- cells ---------------------------------------------------------
    bool IsValid(int row, int col) const { return m_store.IsValid(row, col); }
    bool IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    bool IsValid(const CCellRange& range) const;
    // The cell object at a position (nullptr outside the table). A plain cell
    // is stored compactly until it is asked for here; prefer the item
    // accessors below for bulk work.
    CGridCellBase* GetCell(int row, int col);
    template <class Cell> Cell* GetCellAs(int row, int col)
    {
        return dynamic_cast<Cell*>(GetCell(row, col));
    }
    // Replaces the cell by a new one of class Cell (a CGridCellBase
    // descendant) that takes over every attribute of the old cell; false
    // outside the table.
    template <class Cell> bool SetCellType(int row, int col)
    {
        static_assert(std::is_base_of_v<CGridCellBase, Cell>, "cells derive from CGridCellBase");
        return IsValid(row, col) && SetCellType(row, col, std::make_unique<Cell>());
    }
    bool SetCellType(int row, int col, std::unique_ptr<CGridCellBase> cell);
    // The default cell behind ordinary, fixed-row, fixed-column or corner cells.
    CGridDefaultCell* GetDefaultCell(bool fixedRow, bool fixedCol);
    const CGridDefaultCell* GetDefaultCell(bool fixedRow, bool fixedCol) const;

    // Writes the members the mask names (GVIF_TEXT, GVIF_FORMAT, ...).
    bool SetItem(const GV_ITEM& item);
    bool GetItem(GV_ITEM& item) const;
    // Texts and attributes; setters do not repaint at once (RedrawCell does;
    // the grid repaints itself on the next pass of the event loop).
    bool SetItemText(int row, int col, const QString& text);
    QString GetItemText(int row, int col) const;

    // Texts computed on demand: a cell below the fixed rows that holds no text
    // of its own (a null text) shows what the source gives for it, so an owner
    // that keeps its data elsewhere stores no copy of its display texts. A
    // text set on such a cell (an edit) stands until it is set to a null text
    // again. The owner tells changes with CellsChanged.
    using TextSource = std::function<QString(int row, int col)>;
    void SetTextSource(TextSource source);
    // Makes the rows first .. last like row `from`: texts, states, formats and
    // colours (not cell objects). Alike rows share their storage until one of
    // them changes, so many rows of one look cost little.
    void MakeRowsLike(int from, int first, int last);
    bool SetItemState(int row, int col, quint32 state);
    quint32 GetItemState(int row, int col) const;
    bool SetItemFormat(int row, int col, quint32 format);
    quint32 GetItemFormat(int row, int col) const; // resolved through the default cell
    bool SetItemFgColour(int row, int col, COLORREF colour = CLR_DEFAULT);
    COLORREF GetItemFgColour(int row, int col) const;
    bool SetItemBkColour(int row, int col, COLORREF colour = CLR_DEFAULT);
    COLORREF GetItemBkColour(int row, int col) const;
    bool SetItemFont(int row, int col, const QFont& font);
    QFont GetItemFont(int row, int col) const;
    bool SetItemImage(int row, int col, int image);
    int GetItemImage(int row, int col) const;
    bool SetItemData(int row, int col, qintptr data);
    qintptr GetItemData(int row, int col) const;
    bool SetItemMargin(int row, int col, int margin);
    // Everything a cell is drawn with, defaults resolved.
    CGridCellLook GetCellLook(int row, int col) const;
    // The text and background colours the cell is painted with when not selected.
    CCellColours GetCellColours(int row, int col) const;

    // Modified marks. SetModified with a cell sets (or clears) its GVIS_MODIFIED
    // bit and the grid's flag and clears the sort column when it is col.
    void SetModified(bool modified = true, int row = -1, int col = -1);
    bool GetModified(int row = -1, int col = -1) const;

    bool IsCellFixed(int row, int col) const;
    bool IsCellEditable(int row, int col) const;
    bool IsCellSelected(int row, int col) const;
    bool IsCellVisible(int row, int col) const;

    // --- sizes and geometry -------------------------------------------
    bool SetRowHeight(int row, int height);
    int GetRowHeight(int row) const;
    // Hides (or shows again) the ordinary rows from firstRow on, one flag per
    // row; a hidden row keeps its cells and height, but neither mouse nor
    // keyboard reaches it. A row count change or model reset shows all rows.
    void SetRowsShown(int firstRow, const std::vector<bool>& shown);
    // The row has a height and is not hidden.
    bool IsRowShown(int row) const;
    // Width 0 hides the column: neither mouse nor keyboard reaches it.
    bool SetColumnWidth(int col, int width);
    int GetColumnWidth(int col) const;
    // The cell's rectangle in the grid's coordinates; empty when not shown.
    QRect GetCellRect(int row, int col) const;
    // The cell under a point of the grid's coordinates; (-1, -1) when none
    // (or when it is fixed and allowFixed is false).
    CCellID GetCellFromPt(const QPoint& point, bool allowFixed = true) const;
    void EnsureVisible(int row, int col);

    // --- focus and selection --------------------------------------------
    CCellID GetFocusCell() const;
    void SetFocusCell(int row, int col);
    // The selection's bounding range; the empty range when nothing is selected.
    CCellRange GetSelectedCellRange() const;
    // Selects the range (clipped to the ordinary cells) and moves the focus cell
    // to its top-left cell; an invalid range clears the selection.
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol,
                          bool forceRepaint = false);
    void SetSelectedRange(const CCellRange& range, bool forceRepaint = false);
    void ResetSelectedRange();
    void SelectAllCells();

    // --- settings --------------------------------------------------------
    void SetEditable(bool editable = true);
    bool IsEditable() const { return m_editable; }
    // Whole-row selection; also clears the sort column and turns selection
    // through the header row off.
    void SetListMode(bool listMode = true);
    bool GetListMode() const { return m_listMode; }
    void SetSingleRowSelection(bool single = true);
    bool GetSingleRowSelection() const { return m_singleRow; }
    void SetSingleColSelection(bool single = true);
    bool GetSingleColSelection() const { return m_singleCol; }
    void EnableSelection(bool enable = true);
    bool IsSelectable() const { return m_selectionEnabled; }
    void SetFixedRowSelection(bool enable);
    bool GetFixedRowSelection() const { return m_fixedRowSelection; }
    void SetFixedColumnSelection(bool enable);
    bool GetFixedColumnSelection() const { return m_fixedColSelection; }
    void SetColumnResize(bool allow = true);
    bool GetColumnResize() const { return m_columnResize; }
    void SetRowResize(bool allow = true);
    bool GetRowResize() const { return m_rowResize; }
    // Sort by a click on a header cell.
    void SetHeaderSort(bool sortOnClick = true);
    bool GetHeaderSort() const { return m_headerSort; }
    // Drag of the selected cells' text out of the grid, drop of text onto a cell
    // (pasted like Ctrl+V).
    void EnableDragAndDrop(bool enable = true);
    bool GetDragAndDrop() const { return m_dragAndDrop; }
    void EnableTitleTips(bool enable = true);
    bool GetTitleTips() const { return m_titleTips; }
    void SetTabKeyMovesBetweenCells(bool enable) { setTabKeyNavigation(enable); }
    void SetGridLines(int style);
    int GetGridLines() const { return m_gridLines; }
    void SetGridLineColor(COLORREF colour);
    COLORREF GetGridLineColor() const { return m_gridLineColour; }
    // Images that cells refer to by index (GVIF_IMAGE).
    void SetImageList(const QList<QPixmap>& images);
    const QList<QPixmap>& GetImageList() const { return m_images; }

    // --- editing -----------------------------------------------------------
    // Starts editing a cell as F2 would; false when refused.
    bool EditCell(int row, int col);
    // Ends the edit in progress (as if the editor lost the focus).
    void EndEditing();
    bool IsEditingCell() const { return m_editor != nullptr; }
    CCellID GetEditCell() const { return m_editor ? m_editCell : CCellID(); }
    QWidget* GetEditor() const { return m_editor; }

    // --- clipboard and sorting ------------------------------------------
    // The selected cells as text: "\t" between cells, "\r\n" between rows
    // (hidden columns left out).
    QString CopyTextFromGrid() const;
    void OnEditCopy();
    // Cut empties the selected editable cells, paste fills them from the
    // selection's top-left cell on. In list mode, where whole rows are
    // selected, both act on the focus cell only (paste takes the first value).
    void OnEditCut();
    void OnEditPaste();
    void OnEditSelectAll() { SelectAllCells(); }
    // Puts tab/newline separated text into the editable cells from the given
    // cell on; each changed cell goes through the begin/end edit notifications.
    bool PasteTextToGrid(CCellID topLeft, const QString& text);
    // Sorts the ordinary rows by the text of a column.
    bool SortItems(int col, bool ascending);
    int GetSortColumn() const { return m_sortColumn; }
    bool GetSortAscending() const { return m_sortAscending; }

    // --- painting ------------------------------------------------------------
    void RedrawCell(int row, int col);
    void RedrawRow(int row);
    void Refresh();

    // --- used by the grid's own parts ----------------------------------------
    // Model index of an ordinary cell, invalid for header cells.
    QModelIndex ModelIndex(int row, int col) const;
    CCellID CellOf(const QModelIndex& index) const;
    int HeaderRows() const { return m_fixedRows > 0 ? 1 : 0; }
    int HeaderCols() const { return m_fixedCols > 0 ? 1 : 0; }
    // Called by cells and setters: tells the views, once in the next event
    // loop pass, that the cell (or, without one, any cell) changed. Changes
    // of one pass are told as the one range that covers them.
    void CellsChanged();
    void CellsChanged(int row, int col) { CellsChanged(row, col, row, col); }
    void CellsChanged(int firstRow, int firstCol, int lastRow, int lastCol);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class CGridModel;
    friend class CGridDelegate;

    // Tells assistive technology which cell has the focus, so that a screen
    // reader never goes on reading a cell of a row that has gone.
    void AnnounceFocusCell();

    // Creates the editor of a cell (called by the delegate inside edit()).
    QWidget* CreateCellEditor(QWidget* parent, CCellID cell);
    // Puts a text into a cell the way an edit would: begin-edit notification,
    // then the end-of-edit steps. False when refused.
    bool ChangeCellText(int row, int col, const QString& text);

    // Sends a notification to the owner and returns its answer.
    qintptr SendNotify(qintptr code, int row, int col);
    // typed: the key press or committed input-method text that started the
    // edit; it goes on to the editor.
    bool BeginEdit(int row, int col, EditStart start, const QEvent* typed);
    void OnEditorNotify(const GV_DISPINFO& info);
    void OnEndInPlaceEdit(int row, int col, const QString& text, int lastKey);
    // Moves the focus cell as a navigation key would; false when the key is
    // no navigation key. At the end of the table Tab passes the focus on.
    bool Navigate(int key, Qt::KeyboardModifiers modifiers);
    void MoveFocusTo(const QModelIndex& target, bool extend);
    bool NextTabCell(CCellID from, bool forward, CCellID& next) const;
    bool IsColumnHidden(int col) const;

    void ApplyFixedState(int firstRow, int lastRow, int firstCol, int lastCol);
    void ApplyHeaderClicks();
    const CGridDefaultCell* DefaultCellFor(quint32 state) const;
    void ApplySelectionMode();
    void ApplyHeaderLayout();
    // Header layout, row heights and column widths all over again (after a
    // model reset or a change of the fixed counts).
    void ApplyLayout();
    void ApplyDefaultSizes();
    void ResetModel();
    void SyncColumnWidths(int firstCol);
    void SyncRowHeights(int firstRow);

    // Follows the mouse over the cells or the headers (source is the viewport
    // the position is in) and restarts the title tip's timer.
    void TrackTitleTip(QWidget* source, const QPoint& pos, Qt::MouseButtons buttons);
    void UpdateTitleTip();
    void HideTitleTip();
    void PaintCorner(QWidget* corner);

    CGridCellStore m_store;
    CGridModel* m_model = nullptr;
    CGridHeader* m_hHeader = nullptr;
    CGridHeader* m_vHeader = nullptr;
    std::array<std::unique_ptr<CGridDefaultCell>, 4> m_defaults; // none, row, col, both
    std::vector<int> m_rowHeights;
    std::vector<int> m_colWidths;
    QList<QPixmap> m_images;
    QPointer<QObject> m_owner;
    int m_ctrlId = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;

    bool m_editable = true;
    bool m_listMode = false;
    bool m_singleRow = false;
    bool m_singleCol = false;
    bool m_selectionEnabled = true;
    bool m_fixedRowSelection = true;
    bool m_fixedColSelection = true;
    bool m_columnResize = true;
    bool m_rowResize = true;
    bool m_headerSort = false;
    bool m_dragAndDrop = false;
    bool m_titleTips = true;
    bool m_modified = false;
    int m_gridLines = GVL_BOTH;
    COLORREF m_gridLineColour = RGB(0xC0, 0xC0, 0xC0);
    int m_sortColumn = -1;
    bool m_sortAscending = true;

    QPointer<QWidget> m_editor;
    CCellID m_editCell;
    EditStart m_editStart = EditStart::Key;
    CCellID m_anchor;
    bool m_changePending = false;
    bool m_allChanged = false;
    CCellRange m_changed; // the cells changed since the last report
    TextSource m_textSource;

    CTitleTip* m_titleTip = nullptr;
    QTimer m_titleTipTimer;
    QPointer<QWidget> m_tipSource; // the viewport the mouse was last seen over
    QPoint m_lastMousePos;         // in the grid's coordinates
};
