#pragma once

#include <QPoint>
#include <functional>

class CGridCtrl;
class QContextMenuEvent;
class QEvent;
class QWidget;

// What the record grids share: the ledger pages and the input-history page.

// Editing on, whole-row single selection, no sorting, dragging or resizing,
// light yellow cells, one fixed header row and row-number column, `columns`
// columns.
void SetupLedgerGrid(CGridCtrl* grid, int columns);

// The row of the selected record, confirmed for deletion by the user, or -1.
// Record rows are 1 .. rowEnd - 1; a selection of several rows answers -1
// silently, one outside the records "请首先选择要删除的记录！". The question
// names the row and the text of its `describeColumn`.
int ConfirmRecordDelete(QWidget* parent, const CGridCtrl* grid, int rowEnd, int describeColumn);

// The record context menu: "刷新" and "删除记录", answering with the command id.
constexpr int ID_LEDGER_REFRESH = 1201;
constexpr int ID_LEDGER_DELETE = 1202;
void ShowRecordMenu(QWidget* owner, const QPoint& globalPos,
                    const std::function<void(int)>& command);

// Answers a context-menu request that reached a record grid's page: a right
// click on a record row (its row-number cell included) first selects that row,
// as spreadsheets do; the menu key opens the menu at the focus cell. Record
// rows are 1 .. rowEnd - 1; the header row has the menu too (to refresh an
// empty list); rows from rowEnd on have none.
void HandleRecordContextMenu(QWidget* page, CGridCtrl* grid, QContextMenuEvent* event, int rowEnd,
                             const std::function<void(int)>& command);

// A page whose grid holds records: it hears when it is shown and answers the
// grid's begin/end edit notifications.
class IRecordGridPage
{
public:
    virtual ~IRecordGridPage() = default;
    virtual void OnPageShown() = 0; // shown, or still shown
    virtual void BeginEdit(int row, int col) = 0;
    virtual void EndEdit(int row, int col) = 0;
};

// Delivers WM_PAGE_SHOW and the grid's edit notifications to the page, each
// answered with 0; false for every other event.
bool HandleRecordGridMessage(QEvent* event, IRecordGridPage& page);
