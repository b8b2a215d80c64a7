#include "settings/PageRemind.h"

#include "database/LedgerContext.h"
#include "database/Names.h"
#include "database/StoredValue.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/StoreFailure.h"
#include "settings/DlgCareReminder.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace platform;

CPageRemind::CPageRemind(LedgerContext& context, QWidget* parent)
    : CPropertyPage(tr("保养提醒"), parent), m_context(context), m_list(new QTreeWidget(this)),
      m_note(new QLabel(this)), m_add(new QPushButton(tr("增加…"), this)),
      m_edit(new QPushButton(tr("修改…"), this)), m_delete(new QPushButton(tr("删除"), this)),
      m_done(new QPushButton(tr("已完成"), this)),
      m_snoozeWeek(new QPushButton(tr("推迟一周"), this)),
      m_snoozeMiles(new QPushButton(tr("推迟 500 公里"), this))
{
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels({tr("项目"), tr("到期"), tr("重复"), tr("状态")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setAccessibleName(tr("保养提醒"));
    m_list->header()->setStretchLastSection(true);
    m_note->setWordWrap(true);

    auto* buttons = new QGridLayout;
    QPushButton* const order[] = {m_add, m_edit, m_delete, m_done, m_snoozeWeek, m_snoozeMiles};
    for (int i = 0; i < 6; ++i)
        buttons->addWidget(order[i], i / 3, i % 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_note);

    connect(m_add, &QPushButton::clicked, this, &CPageRemind::OnAdd);
    connect(m_edit, &QPushButton::clicked, this, &CPageRemind::OnEdit);
    connect(m_delete, &QPushButton::clicked, this, &CPageRemind::OnDelete);
    connect(m_done, &QPushButton::clicked, this, &CPageRemind::OnDone);
    connect(m_snoozeWeek, &QPushButton::clicked, this, [this] { OnSnooze(true); });
    connect(m_snoozeMiles, &QPushButton::clicked, this, [this] { OnSnooze(false); });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CPageRemind::updateButtons);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CPageRemind::OnEdit);
}

CMyDatabase* CPageRemind::database() const
{
    return m_context.OpenDatabase();
}

void CPageRemind::OnInitDialog()
{
    RefreshPage();
}

double CPageRemind::odometer() const
{
    CMyDatabase* db = database();
    std::vector<QVariant> values;
    if (!db || m_car.isEmpty() ||
        !db->ReadCarColumns(CarTable::Property, m_car, {{col::CurMiles, true}}, values).ok() ||
        values.empty())
        return 0;
    return values.front().toDouble();
}

void CPageRemind::RefreshPage()
{
    CMyDatabase* db = database();
    m_car = db ? RightTrimmed(ValueOrShow(db->GetCurrentCarID(), this)) : QString();
    m_reminders.clear();
    if (db && !m_car.isEmpty())
        ShowStoreFailure(LoadCareReminders(*db, m_car, m_reminders), this);
    const QDate today = CurrentDateTime().date();
    const double reading = odometer();
    m_list->clear();
    for (const CareReminder& r : m_reminders) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(ColTitle, r.title);
        item->setText(ColMark, CareReminderMarkText(r));
        item->setText(ColRepeat, CareReminderRepeatText(r));
        item->setText(ColLeft, CareReminderLeftText(r, today, reading));
    }
    m_add->setEnabled(db && !m_car.isEmpty());
    updateButtons();
}

void CPageRemind::Select(int index)
{
    if (QTreeWidgetItem* item = m_list->topLevelItem(index))
        m_list->setCurrentItem(item);
}

int CPageRemind::selected() const
{
    QTreeWidgetItem* item = m_list->currentItem();
    return item && item->isSelected() ? m_list->indexOfTopLevelItem(item) : -1;
}

void CPageRemind::updateButtons()
{
    const int index = selected();
    const CareReminder* r = index >= 0 ? &m_reminders[size_t(index)] : nullptr;
    m_edit->setEnabled(r);
    m_delete->setEnabled(r);
    m_done->setEnabled(r && !r->done);
    m_snoozeWeek->setEnabled(r && !r->done && r->HasDate());
    m_snoozeMiles->setEnabled(r && !r->done && r->HasMiles());
}

bool CPageRemind::runDialog(CareReminder& reminder, bool offerSuggestion)
{
    std::function<std::optional<CareReminder>()> suggest;
    if (offerSuggestion)
        suggest = [this] { return suggestion(); };
    CDlgCareReminder dialog(reminder, this, suggest);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    reminder = dialog.Reminder();
    return true;
}

std::optional<CareReminder> CPageRemind::suggestion()
{
    CMyDatabase* db = database();
    std::vector<LedgerRecord> records;
    if (!db || ShowStoreFailure(db->LoadRecords(LedgerKind::Maintain, m_car, records), this))
        return std::nullopt;
    std::optional<CareReminder> suggested = SuggestCareReminder(records);
    if (!suggested)
        MessageBox(this, tr("保养记录不足两条，无法根据记录建议提醒。"), kCaption,
                   MB_OK | MB_ICONINFORMATION);
    return suggested;
}

bool CPageRemind::store(CareReminder& reminder, const QString& note)
{
    CMyDatabase* db = database();
    if (!db || ShowStoreFailure(SaveCareReminder(*db, reminder), this))
        return false;
    RefreshPage();
    for (size_t i = 0; i < m_reminders.size(); ++i)
        if (m_reminders[i].recId == reminder.recId)
            Select(int(i));
    m_note->setText(note);
    return true;
}

void CPageRemind::OnAdd()
{
    if (m_car.isEmpty())
        return;
    CareReminder reminder;
    reminder.carId = m_car;
    if (runDialog(reminder, true))
        store(reminder, tr("已增加提醒“%1”。").arg(reminder.title));
}

void CPageRemind::OnEdit()
{
    const int index = selected();
    if (index < 0)
        return;
    CareReminder reminder = m_reminders[size_t(index)];
    if (runDialog(reminder, false))
        store(reminder, tr("已修改提醒“%1”。").arg(reminder.title));
}

void CPageRemind::OnDelete()
{
    const int index = selected();
    CMyDatabase* db = database();
    if (index < 0 || !db)
        return;
    const CareReminder& r = m_reminders[size_t(index)];
    if (MessageBox(this, tr("确定要删除提醒“%1”吗？").arg(r.title), kCaption,
                   MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    const QString title = r.title;
    if (ShowStoreFailure(DeleteCareReminder(*db, r.carId, r.recId), this))
        return;
    RefreshPage();
    m_note->setText(tr("已删除提醒“%1”。").arg(title));
}

void CPageRemind::OnDone()
{
    const int index = selected();
    CMyDatabase* db = database();
    if (index < 0 || !db)
        return;
    CareReminder reminder = m_reminders[size_t(index)];
    // The latest maintenance or repair that fits the reminder did the work.
    std::vector<LedgerRecord> records, repairs;
    if (ShowStoreFailure(db->LoadRecords(LedgerKind::Maintain, m_car, records), this) ||
        ShowStoreFailure(db->LoadRecords(LedgerKind::Repair, m_car, repairs), this))
        return;
    records.insert(records.end(), repairs.begin(), repairs.end());
    const std::optional<LedgerRecord> work = CareReminderWork(reminder, records);
    const QDate date = work ? ReadReminderDate(work->date).value_or(CurrentDateTime().date())
                            : CurrentDateTime().date();
    const double miles = work && work->miles > 0 ? work->miles : odometer();
    reminder = CareReminderDone(reminder, date, miles);
    QString note;
    if (reminder.done)
        note = tr("提醒“%1”已完成。").arg(reminder.title);
    else if (work)
        note = tr("按 %1 的记录，提醒“%2”下次到期：%3。")
                   .arg(work->date, reminder.title, CareReminderMarkText(reminder));
    else
        note = tr("提醒“%1”下次到期：%2。").arg(reminder.title, CareReminderMarkText(reminder));
    store(reminder, note);
}

void CPageRemind::OnSnooze(bool byWeek)
{
    const int index = selected();
    if (index < 0)
        return;
    CareReminder reminder = CareReminderSnoozed(m_reminders[size_t(index)], byWeek);
    store(reminder, tr("提醒“%1”推迟到：%2。").arg(reminder.title, CareReminderMarkText(reminder)));
}
