#include "report/DlgReport.h"

#include "csv/CsvLedgers.h"
#include "platform/MessageBox.h"
#include "platform/MessageCodes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace platform;

namespace {

QDateEdit* dateEdit(const QDate& date, const QString& name, QWidget* parent)
{
    auto* edit = new QDateEdit(date, parent);
    edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    edit->setCalendarPopup(true);
    edit->setAccessibleName(name);
    edit->setEnabled(false);
    return edit;
}

} // namespace

CDlgReport::CDlgReport(const std::vector<CARLIST>& cars, const QString& currentCarId,
                       Purpose purpose, const QDate& today, QWidget* parent)
    : QDialog(parent), m_car(new QComboBox(this)), m_fromBox(new QCheckBox(tr("起始日期"), this)),
      m_from(dateEdit(QDate(today.year(), 1, 1), tr("起始日期"), this)),
      m_toBox(new QCheckBox(tr("截止日期"), this)), m_to(dateEdit(today, tr("截止日期"), this)),
      m_go(new QPushButton(purpose == Purpose::Print ? tr("打印…") : tr("导出…"), this))
{
    setWindowTitle(purpose == Purpose::Print ? tr("打印报表") : tr("导出为 PDF"));
    setAccessibleName(windowTitle());

    for (const CARLIST& car : cars) {
        m_car->addItem(car.name.trimmed(), car.carId.trimmed());
        if (car.carId.trimmed() == currentCarId.trimmed())
            m_car->setCurrentIndex(m_car->count() - 1);
    }
    m_car->setAccessibleName(tr("车辆"));

    auto* period = new QGroupBox(tr("期间（不选时为全部记录）"), this);
    auto* periodGrid = new QGridLayout(period);
    periodGrid->addWidget(m_fromBox, 0, 0);
    periodGrid->addWidget(m_from, 0, 1);
    periodGrid->addWidget(m_toBox, 1, 0);
    periodGrid->addWidget(m_to, 1, 1);
    connect(m_fromBox, &QCheckBox::toggled, m_from, &QWidget::setEnabled);
    connect(m_toBox, &QCheckBox::toggled, m_to, &QWidget::setEnabled);

    auto* ledgers = new QGroupBox(tr("记录"), this);
    auto* ledgerGrid = new QGridLayout(ledgers);
    int n = 0;
    for (const LedgerKindInfo& info : LedgerKinds()) {
        auto* box = new QCheckBox(info.shownName(), ledgers);
        box->setChecked(true);
        m_ledgers[info.kind] = box;
        ledgerGrid->addWidget(box, n / 2, n % 2);
        ++n;
    }

    auto* buttons = new QDialogButtonBox(this);
    if (purpose == Purpose::Print) {
        m_previewButton = new QPushButton(tr("打印预览…"), this);
        buttons->addButton(m_previewButton, QDialogButtonBox::AcceptRole);
        connect(m_previewButton, &QPushButton::clicked, this, [this] {
            m_preview = true;
            accept();
        });
    }
    buttons->addButton(m_go, QDialogButtonBox::AcceptRole);
    m_go->setDefault(true);
    connect(m_go, &QPushButton::clicked, this, [this] {
        m_preview = false;
        accept();
    });
    buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("取消"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("车辆："), m_car);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(period);
    layout->addWidget(ledgers);
    layout->addWidget(buttons);
}

ReportRequest CDlgReport::Request() const
{
    ReportRequest request;
    request.carId = m_car->currentData().toString();
    if (m_fromBox->isChecked())
        request.from = m_from->date();
    if (m_toBox->isChecked())
        request.to = m_to->date();
    for (const LedgerKindInfo& info : LedgerKinds())
        if (m_ledgers.at(info.kind)->isChecked())
            request.ledgers.push_back(info.kind);
    return request;
}

void CDlgReport::accept()
{
    const ReportRequest request = Request();
    if (request.from.isValid() && request.to.isValid() && request.from > request.to) {
        MessageBox(this, tr("起始日期晚于截止日期，请改正期间。"), kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    if (request.ledgers.empty()) {
        MessageBox(this, tr("请至少选择一种记录。"), kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    QDialog::accept();
}
