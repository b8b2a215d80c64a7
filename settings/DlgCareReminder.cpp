#include "settings/DlgCareReminder.h"

#include "ledgers/LedgerFormat.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

using namespace platform;

namespace {

// Largest repeat, in months, and mark or interval, in kilometres.
constexpr double kMostMonths = 1200;
constexpr double kMostMiles = 9999999;

QString wholeText(double value)
{
    return value > 0 ? QString::number(qint64(std::llround(value))) : QString();
}

// A typed count of kilometres or months: empty gives `empty`; none (with the
// sentence in `mistake`) when it is no number above 0 up to `most`.
std::optional<double> readPositive(const QLineEdit* edit, double empty, double most,
                                   const QString& what, QString& mistake)
{
    const QString text = edit->text().trimmed();
    if (text.isEmpty())
        return empty;
    const TypedNumber typed = ReadTypedNumber(text);
    if (typed.outOfRange || typed.value <= 0 || typed.value > most) {
        mistake = QCoreApplication::translate("CDlgCareReminder",
                                              "%1必须是大于 0、不超过 %2 的数；不需要时请留空。")
                      .arg(what)
                      .arg(qint64(most));
        return std::nullopt;
    }
    return typed.value;
}

} // namespace

CDlgCareReminder::CDlgCareReminder(const CareReminder& reminder, QWidget* parent,
                                   std::function<std::optional<CareReminder>()> suggest)
    : QDialog(parent), m_reminder(reminder), m_title(new QLineEdit(this)),
      m_dueDate(new QLineEdit(this)), m_dueMiles(new QLineEdit(this)),
      m_repeatMonths(new QLineEdit(this)), m_repeatMiles(new QLineEdit(this)),
      m_leadDays(new QLineEdit(this)), m_leadMiles(new QLineEdit(this))
{
    setWindowTitle(reminder.recId.isEmpty() ? tr("增加保养提醒") : tr("修改保养提醒"));
    m_title->setPlaceholderText(tr("例如：年检、交强险续保、更换机油"));
    m_dueDate->setPlaceholderText(tr("年/月/日，可不填"));
    m_dueMiles->setPlaceholderText(tr("公里，可不填"));
    m_repeatMonths->setPlaceholderText(tr("不按日期重复时留空"));
    m_repeatMiles->setPlaceholderText(tr("不按里程重复时留空"));

    auto* form = new QFormLayout;
    const auto addRow = [form](const QString& label, QLineEdit* edit) {
        edit->setAccessibleName(label);
        form->addRow(label, edit);
    };
    addRow(tr("项目"), m_title);
    addRow(tr("到期日期"), m_dueDate);
    addRow(tr("到期里程（公里）"), m_dueMiles);
    addRow(tr("每隔几个月重复"), m_repeatMonths);
    addRow(tr("每隔多少公里重复"), m_repeatMiles);
    addRow(tr("提前几天提醒"), m_leadDays);
    addRow(tr("提前多少公里提醒"), m_leadMiles);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    if (suggest) {
        m_suggest = buttons->addButton(tr("按保养记录建议"), QDialogButtonBox::ActionRole);
        connect(m_suggest, &QPushButton::clicked, this, [this, suggest] {
            if (std::optional<CareReminder> suggestion = suggest()) {
                suggestion->carId = m_reminder.carId;
                suggestion->recId = m_reminder.recId;
                showReminder(*suggestion);
            }
        });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    showReminder(reminder);
}

void CDlgCareReminder::showReminder(const CareReminder& r)
{
    m_title->setText(r.title);
    m_dueDate->setText(r.dueDate);
    m_dueMiles->setText(wholeText(r.dueMiles));
    m_repeatMonths->setText(r.repeatMonths > 0 ? QString::number(r.repeatMonths) : QString());
    m_repeatMiles->setText(wholeText(r.repeatMiles));
    m_leadDays->setText(QString::number(r.leadDays));
    m_leadMiles->setText(QString::number(qint64(std::llround(r.leadMiles))));
}

QString CDlgCareReminder::ReadFields(CareReminder& r) const
{
    r.title = m_title->text().trimmed();
    QString date = m_dueDate->text().trimmed();
    date.replace(QLatin1Char('-'), QLatin1Char('/'));
    if (const std::optional<QDate> read = ReadReminderDate(date))
        date = DateText(*read);
    r.dueDate = date;
    QString mistake;
    const std::optional<double> dueMiles =
        readPositive(m_dueMiles, 0, kMostMiles, tr("到期里程"), mistake);
    const std::optional<double> months =
        readPositive(m_repeatMonths, 0, kMostMonths, tr("重复的月数"), mistake);
    const std::optional<double> repeatMiles =
        readPositive(m_repeatMiles, 0, kMostMiles, tr("重复的里程"), mistake);
    if (!dueMiles || !months || !repeatMiles)
        return mistake;
    if (*months != std::floor(*months))
        return tr("重复的月数必须是整数。");
    r.dueMiles = *dueMiles;
    r.repeatMonths = int(*months);
    r.repeatMiles = *repeatMiles;

    const QString leadDays = m_leadDays->text().trimmed();
    const QString leadMiles = m_leadMiles->text().trimmed();
    const TypedNumber days = ReadTypedNumber(leadDays);
    const TypedNumber miles = ReadTypedNumber(leadMiles);
    if (days.outOfRange || days.value < 0 || days.value > 3660 || miles.outOfRange ||
        miles.value < 0 || miles.value > kMostMiles)
        return tr("提前提醒的天数应在 0 到 3660 之间，里程应在 0 到 %1 之间。")
            .arg(qint64(kMostMiles));
    r.leadDays = leadDays.isEmpty() ? kDefaultLeadDays : int(days.value);
    r.leadMiles = leadMiles.isEmpty() ? kDefaultLeadMiles : miles.value;
    return CareReminderMistake(r);
}

void CDlgCareReminder::accept()
{
    CareReminder typed = m_reminder;
    const QString mistake = ReadFields(typed);
    if (!mistake.isEmpty()) {
        MessageBox(this, mistake, kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    m_reminder = typed;
    QDialog::accept();
}
