#include "settings/PageSys.h"

#include "database/LedgerContext.h"
#include "database/OdometerFollow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

const std::array<CPageSys::OdometerBox, 6> CPageSys::kOdometerBoxes = {{
    {0x01, "维修记录表 - 显示 - 里程表"},
    {0x02, "保养记录表 - 显示 - 里程表"},
    {0x04, "事故记录表 - 显示 - 里程表"},
    {0x08, "日常杂费记录表 - 显示 - 里程表"},
    {0x10, "爱车用品记录表 - 显示 - 里程表"},
    {0x20, "日志记录表 - 显示 - 里程表"},
}};

CPageSys::CPageSys(LedgerContext& context, QWidget* parent)
    : CPropertyPage(QStringLiteral("系统配置"), parent), m_context(context)
{
    auto* group = new QGroupBox(QStringLiteral("里程表显示设置"), this);
    auto* groupLayout = new QVBoxLayout(group);
    for (size_t i = 0; i < kOdometerBoxes.size(); ++i) {
        m_odometerChecks[i] = new QCheckBox(QString::fromUtf8(kOdometerBoxes[i].label), group);
        groupLayout->addWidget(m_odometerChecks[i]);
    }
    m_autoCheck = new QCheckBox(QStringLiteral("软件启动时自动检查新版本"), this);
    m_followRecords = new QCheckBox(QStringLiteral("用记录中的里程更新当前里程"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_autoCheck);
    layout->addWidget(m_followRecords);
    layout->addStretch(1);
}

QCheckBox* CPageSys::odometerCheck(qint32 bit) const
{
    for (size_t i = 0; i < kOdometerBoxes.size(); ++i) {
        if (kOdometerBoxes[i].bit == bit)
            return m_odometerChecks[i];
    }
    return nullptr;
}

void CPageSys::OnInitDialog()
{
    m_mask = m_context.OdometerColumnMask;
    for (size_t i = 0; i < kOdometerBoxes.size(); ++i)
        m_odometerChecks[i]->setChecked((m_mask & kOdometerBoxes[i].bit) != 0);
    m_autoCheck->setChecked(m_context.AutoCheckUpdate != 0);
    m_followRecords->setChecked(m_context.OdometerFollowsRecords);
}

void CPageSys::OnOK()
{
    m_mask = 0;
    for (size_t i = 0; i < kOdometerBoxes.size(); ++i) {
        if (m_odometerChecks[i]->isChecked())
            m_mask |= kOdometerBoxes[i].bit;
    }
    m_context.OdometerColumnMask = m_mask;
    m_context.AutoCheckUpdate = m_autoCheck->isChecked() ? 1 : 0;
    m_context.SettingsDirty = 1;
    if (m_context.OdometerFollowsRecords != m_followRecords->isChecked()) {
        m_context.OdometerFollowsRecords = m_followRecords->isChecked();
        WriteOdometerFollowSetting(m_context.OdometerFollowsRecords);
    }
}
