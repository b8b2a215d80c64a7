#include "settings/PageWord.h"

#include "controls/GridCtrl.h"
#include "database/LedgerContext.h"
#include "database/Names.h"
#include "database/RecordChange.h"
#include "ledgers/LedgerGrid.h"
#include "ledgers/RecordUndo.h"
#include "platform/MessageEvent.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

using namespace platform;

namespace {
const std::vector<LedgerColumn>& columns()
{
    static const std::vector<LedgerColumn> list{
        {QString(), LedgerField::None, CellKind::RowNumber, 0},
        {QCoreApplication::translate("CPageWord", "内容"), LedgerField::Content, CellKind::Text, 0},
        {QCoreApplication::translate("CPageWord", "类别"), LedgerField::Name, CellKind::Label, 0},
        {QStringLiteral("ClassID-hiden"), LedgerField::Count, CellKind::Label, 0},
        {QStringLiteral("RecID-hiden"), LedgerField::RecId, CellKind::RecordId, 0}};
    return list;
}
} // namespace

CPageWord::CPageWord(LedgerContext& context, QWidget* parent)
    : CPropertyPage(tr("输入记录"), parent), m_context(context), m_grid(new CGridCtrl(this)),
      m_hint(new QLabel(tr("提示：双击单元格可以进行编辑，点右键可以删除选中的项。"), this)),
      m_records(m_grid, LedgerKind::InputHistory, columns(), "\"ClassName\",\"Content\"", false)
{
    m_grid->SetDlgCtrlID(kGridId);
    m_grid->SetOwner(this);
    m_grid->setAccessibleName(tr("输入记录"));
    m_hint->setWordWrap(true);

    SetupLedgerGrid(m_grid, ColumnCount);
    // The class number and the record identifier are never shown, whatever
    // the page's size.
    m_grid->SetColumnWidth(ColClassId, 0);
    m_grid->SetColumnWidth(ColRecId, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(7, 7, 7, 7);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_hint);

    // The sheet is modal, so the main menu's undo cannot reach this page:
    // it has its own keys. An open cell editor keeps them for its text.
    const auto addKeys = [this](const QList<QKeySequence>& keys, bool undo) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, [this, undo] { undo ? Undo() : Redo(); });
        addAction(action);
    };
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Z)}, true);
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            false);
}

CMyDatabase* CPageWord::Database() const
{
    return m_context.OpenDatabase();
}

void CPageWord::OnInitDialog()
{
    SendMessage(this, WM_PAGE_SHOW, 0, 1);
}

bool CPageWord::OnSetActive()
{
    // The car management page may have changed the current car meanwhile.
    OnPageShown();
    return true;
}

void CPageWord::OnPageShown()
{
    if (m_records.FollowCurrentCar(Database()))
        RefreshPage();
}

void CPageWord::RefreshPage()
{
    m_records.Load(Database());
}

void CPageWord::BeginEdit(int row, int col)
{
    m_oldText = m_grid->GetItemText(row, col);
}

void CPageWord::EndEdit(int row, int col)
{
    const int index = m_records.IndexOf(row);
    const QString typed = m_grid->GetItemText(row, col);
    if (col == ColContent && index >= 0 && typed != m_oldText) {
        // A text that did not reach the file does not stay shown.
        const LedgerRecord before = m_records.Records()[size_t(index)];
        LedgerRecord entry = before;
        entry.content = typed;
        if (m_records.Save(Database(), index, entry, LedgerField::Content))
            m_context.m_editHistory.Record(
                CRecordChange::Edit(LedgerKind::InputHistory, before,
                                    m_records.Records()[size_t(index)], {LedgerField::Content},
                                    EditChangeText(LedgerKind::InputHistory, before.content,
                                                   columns()[ColContent].header)));
    }
    m_records.ResetCell(row, col);
}

void CPageWord::DeleteSelectedRecord()
{
    LedgerRecord removed;
    qint64 rowNumber = 0;
    if (m_records.DeleteSelected(this, Database(), ColContent, &removed, &rowNumber) >= 0)
        m_context.m_editHistory.Record(CRecordChange::Remove(
            LedgerKind::InputHistory, removed,
            RemoveChangeText(LedgerKind::InputHistory, removed.content), rowNumber));
}

bool CPageWord::Undo()
{
    return m_records.StepHistory(m_context.m_editHistory, Database(), true) != nullptr;
}

bool CPageWord::Redo()
{
    return m_records.StepHistory(m_context.m_editHistory, Database(), false) != nullptr;
}

void CPageWord::OnCommand(int id)
{
    if (id == ID_LEDGER_REFRESH)
        RefreshPage();
    else if (id == ID_LEDGER_DELETE)
        DeleteSelectedRecord();
}

void CPageWord::setColumnWidths()
{
    const int w = width() - 8;
    if (w <= 200 || m_grid->GetColumnCount() < ColumnCount)
        return;
    m_grid->SetColumnWidth(ColNumber, 40);
    m_grid->SetColumnWidth(ColContent, w - 200);
    m_grid->SetColumnWidth(ColClassName, 120);
    m_grid->SetColumnWidth(ColClassId, 0);
    m_grid->SetColumnWidth(ColRecId, 0);
}

void CPageWord::resizeEvent(QResizeEvent* event)
{
    CPropertyPage::resizeEvent(event);
    setColumnWidths();
}

bool CPageWord::event(QEvent* e)
{
    if (HandleRecordGridMessage(e, *this))
        return true;
    return CPropertyPage::event(e);
}

void CPageWord::contextMenuEvent(QContextMenuEvent* e)
{
    m_records.ContextMenu(this, e, [this](int id) { OnCommand(id); });
}
