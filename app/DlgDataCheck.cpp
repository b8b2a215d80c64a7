#include "app/DlgDataCheck.h"

#include "database/LedgerContext.h"
#include "platform/Clock.h"
#include "platform/StoreFailure.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CDlgDataCheck::CDlgDataCheck(LedgerContext& context, ShowRecord showRecord, QWidget* parent)
    : QDialog(parent), m_context(context), m_showRecord(std::move(showRecord)),
      m_list(new QTreeWidget(this)), m_summary(new QLabel(this)), m_note(new QLabel(this))
{
    setWindowTitle(tr("数据检查"));
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels({tr("车辆"), tr("账本"), tr("记录"), tr("日期"), tr("问题")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setAccessibleName(tr("检查结果"));
    m_list->header()->setStretchLastSection(true);
    m_note->setWordWrap(true);
    auto* hint = new QLabel(
        tr("检查只报告看起来有问题的记录，不修改任何数据。点击一项可转到该记录。"), this);
    hint->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* again = buttons->addButton(tr("重新检查"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(tr("关闭"), QDialogButtonBox::RejectRole);
    connect(again, &QPushButton::clicked, this, &CDlgDataCheck::Check);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { Activate(m_list->indexOfTopLevelItem(item)); });
    connect(m_list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { Activate(m_list->indexOfTopLevelItem(item)); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    resize(760, 420);
    Check();
}

void CDlgDataCheck::Check()
{
    m_list->clear();
    m_note->clear();
    CMyDatabase* db = m_context.OpenDatabase();
    if (!db) {
        m_findings.clear();
        m_summary->setText(tr("账本没有打开，无法检查。"));
        return;
    }
    if (platform::ShowStoreFailure(
            CheckLedgerData(*db, platform::CurrentDateTime().date(), m_findings), this)) {
        m_summary->setText(tr("检查没有完成。"));
        return;
    }
    for (const CheckFinding& f : m_findings) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(ColCar, f.carName.isEmpty() ? f.carId : f.carName);
        item->setText(ColLedger, LedgerName(f.kind));
        item->setText(ColRecord, f.recId);
        item->setText(ColDate, f.date);
        item->setText(ColProblem, f.problem);
        item->setToolTip(ColProblem, f.problem);
    }
    m_summary->setText(m_findings.empty() ? tr("没有发现问题。")
                                          : tr("发现 %1 处可能的问题。").arg(m_findings.size()));
}

void CDlgDataCheck::Activate(int index)
{
    if (index < 0 || index >= int(m_findings.size()) || !m_showRecord)
        return;
    m_note->setText(m_showRecord(m_findings[size_t(index)]));
}
