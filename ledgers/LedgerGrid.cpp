#include "ledgers/LedgerGrid.h"

#include "controls/ContextMenu.h"
#include "controls/GridCtrl.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"

#include <QContextMenuEvent>
#include <QCoreApplication>

using namespace platform;

void SetupLedgerGrid(CGridCtrl* grid, int columns)
{
    grid->SetEditable(true);
    grid->SetListMode(true);
    grid->EnableDragAndDrop(false);
    grid->SetHeaderSort(false);
    grid->SetColumnResize(false);
    grid->SetRowResize(false);
    grid->GetDefaultCell(false, false)->SetBackClr(RGB(255, 255, 224));
    grid->SetSingleRowSelection(true);
    grid->SetFixedRowCount(1);
    grid->SetFixedColumnCount(1);
    grid->SetColumnCount(1);
    grid->SetColumnCount(columns);
}

int ConfirmRecordDelete(QWidget* parent, const CGridCtrl* grid, int rowEnd, int describeColumn)
{
    const CCellRange range = grid->GetSelectedCellRange();
    if (range.minRow != range.maxRow)
        return -1;
    const int row = range.minRow;
    if (row < 1 || row >= rowEnd) {
        MessageBox(parent, QCoreApplication::translate("LedgerGrid", "请首先选择要删除的记录！"),
                   kCaption, MB_OKCANCEL | MB_ICONERROR);
        return -1;
    }
    const QString question = QCoreApplication::translate(
                                 "LedgerGrid", "记录【%1-%2】将会被删除且不可恢复，确认要删除吗？")
                                 .arg(row)
                                 .arg(grid->GetItemText(row, describeColumn));
    return MessageBox(parent, question, kCaption, MB_OKCANCEL | MB_ICONQUESTION) == IDOK ? row : -1;
}

void ShowRecordMenu(QWidget* owner, const QPoint& globalPos,
                    const std::function<void(int)>& command)
{
    CContextMenu menu(owner);
    menu.addAction(QCoreApplication::translate("LedgerGrid", "刷新"), owner,
                   [command] { command(ID_LEDGER_REFRESH); });
    menu.addSeparator();
    menu.addAction(QCoreApplication::translate("LedgerGrid", "删除记录"), owner,
                   [command] { command(ID_LEDGER_DELETE); });
    menu.exec(globalPos);
}

void HandleRecordContextMenu(QWidget* page, CGridCtrl* grid, QContextMenuEvent* event, int rowEnd,
                             const std::function<void(int)>& command)
{
    const bool byKey = event->reason() == QContextMenuEvent::Keyboard;
    CCellID cell;
    QPoint globalPos = event->globalPos();
    if (byKey) {
        cell = grid->GetFocusCell();
        const QRect rect = grid->GetCellRect(cell.row, cell.col);
        if (rect.isEmpty())
            return;
        globalPos = grid->mapToGlobal(rect.center());
    } else {
        const QPoint local = grid->mapFromGlobal(globalPos);
        if (!grid->rect().contains(local))
            return;
        cell = grid->GetCellFromPt(local, true);
    }
    if (!cell.IsValid() || cell.row >= rowEnd)
        return;
    event->accept();
    if (!byKey && cell.row >= 1) {
        grid->SetSelectedRange(cell.row, 0, cell.row, grid->GetColumnCount() - 1, true);
        grid->SetFocusCell(cell.row, std::max(cell.col, 1));
    }
    ShowRecordMenu(page, globalPos, command);
}

bool HandleRecordGridMessage(QEvent* event, IRecordGridPage& page)
{
    if (event->type() != WM_PAGE_SHOW && event->type() != WM_NOTIFY)
        return false;
    auto* message = static_cast<CMessageEvent*>(event);
    if (event->type() == WM_PAGE_SHOW) {
        if (message->lParam() != 0)
            page.OnPageShown();
    } else if (const auto* notify = reinterpret_cast<const NM_GRIDVIEW*>(message->lParam())) {
        if (notify->hdr.code == LVN_BEGINLABELEDITW)
            page.BeginEdit(notify->iRow, notify->iColumn);
        else if (notify->hdr.code == LVN_ENDLABELEDITW)
            page.EndEdit(notify->iRow, notify->iColumn);
    }
    message->setResult(0);
    return true;
}
