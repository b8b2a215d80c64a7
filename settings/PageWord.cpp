#include "settings/PageWord.h"

#include "controls/GridCtrl.h"
#include "ledgers/FrameState.h"
#include "database/Names.h"
#include "database/SqlText.h"
#include "ledgers/LedgerFormat.h"
#include "ledgers/LedgerGrid.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QVBoxLayout>

using namespace platform;

namespace {
constexpr quint32 kCellFormat = DT_VCENTER | DT_SINGLELINE;
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);

const char* const kHeaders[CPageWord::ColumnCount] = {"", "内容", "类别", "ClassID-hiden",
                                                      "RecID-hiden"};
} // namespace

CPageWord::CPageWord(QWidget* parent)
    : CPropertyPage(QStringLiteral("输入记录"), parent), m_grid(new CGridCtrl(this)),
      m_hint(new QLabel(QStringLiteral("提示：双击单元格可以进行编辑，点右键可以删除选中的项。"),
                        this))
{
    m_grid->SetDlgCtrlID(kGridId);
    m_grid->SetOwner(this);
    m_grid->setAccessibleName(QStringLiteral("输入记录"));
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
}

CMyDatabase* CPageWord::Database()
{
    return CFrameState::OpenDatabase();
}

QString CPageWord::Text(int row, int col) const
{
    return m_grid->GetItemText(row, col);
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
    CMyDatabase* db = Database();
    const QString car = db ? db->GetCurrentCarID() : QString();
    if (car != m_pageCar) {
        m_pageCar = car;
        RefreshPage();
    }
}

void CPageWord::RefreshPage()
{
    FillGrid();
    LoadRecords();
}

void CPageWord::FillGrid()
{
    CMyDatabase* db = Database();
    const int rows = (db ? db->GetRecordCount(tbl::InputHistory, m_pageCar) : 0) + 1;
    m_grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < ColumnCount; ++c) {
            QString text;
            if (r == 0)
                text = QString::fromUtf8(kHeaders[c]);
            else if (c == ColNumber)
                text = QString::number(r);
            m_grid->SetItemText(r, c, text);
            m_grid->SetItemFormat(r, c, kCellFormat);
            m_grid->SetItemFgColour(r, c, r == 0 ? kBlue : kBlack);
            quint32 state = m_grid->GetItemState(r, c) & ~GVIS_READONLY;
            // Only the content is typed; the class and the hidden columns
            // that address the entry are never changed here.
            if (r > 0 && c >= ColClassName)
                state |= GVIS_READONLY;
            m_grid->SetItemState(r, c, state);
        }
        if (r > 0)
            m_grid->SetItemFgColour(r, ColClassName, kGrey);
    }
}

void CPageWord::LoadRecords()
{
    CMyDatabase* db = Database();
    if (!db)
        return;
    CAdoRecordSet rs(&db->Connection());
    if (!rs.Open(SqlFormat("select * from %s where CarID='%s' order by %s,%s", tbl::InputHistory,
                           SqlText(m_pageCar), col::ClassName, col::Content)))
        return;
    const int content = rs.ColumnIndex(QString::fromLatin1(col::Content));
    const int className = rs.ColumnIndex(QString::fromLatin1(col::ClassName));
    const int classId = rs.ColumnIndex(QString::fromLatin1(col::ClassID));
    const int recId = rs.ColumnIndex(QString::fromLatin1(col::RecID));
    for (int row = 1; !rs.IsEOF() && row < m_grid->GetRowCount(); rs.MoveNext(), ++row) {
        QString text;
        double number = 0;
        rs.GetCollect(content, text);
        m_grid->SetItemText(row, ColContent, RightTrimmed(text));
        rs.GetCollect(className, text);
        m_grid->SetItemText(row, ColClassName, RightTrimmed(text));
        rs.GetCollect(classId, number);
        m_grid->SetItemText(row, ColClassId, FormatNumber(number, 0));
        rs.GetCollect(recId, text);
        m_grid->SetItemText(row, ColRecId, RightTrimmed(text));
    }
    rs.Close();
}

void CPageWord::BeginEdit(int row, int col)
{
    m_oldText = Text(row, col);
}

void CPageWord::EndEdit(int row, int col)
{
    if (col != ColContent || Text(row, col) == m_oldText)
        return;
    CMyDatabase* db = Database();
    // A text that did not reach the file does not stay shown.
    if (!db || !db->UpdateRecordField(tbl::InputHistory, m_pageCar, Text(row, ColRecId),
                                      SqlFormat("%s='%s'", col::Content, SqlText(Text(row, col)))))
        m_grid->SetItemText(row, col, m_oldText);
}

void CPageWord::DeleteSelectedRecord()
{
    const int row = ConfirmRecordDelete(this, m_grid, m_grid->GetRowCount(), ColContent);
    if (row < 0)
        return;
    CMyDatabase* db = Database();
    if (db && db->DeleteRecord(tbl::InputHistory, m_pageCar, Text(row, ColRecId))) {
        m_grid->DeleteRow(row);
        m_grid->Refresh();
    }
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
    HandleRecordContextMenu(this, m_grid, e, m_grid->GetRowCount(),
                            [this](int id) { OnCommand(id); });
}
