#include "settings/PageSys.h"

#include "database/LedgerContext.h"
#include "database/OdometerFollow.h"
#include "platform/FileDialog.h"
#include "platform/Folders.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using platform::LanguageChoice;

const std::array<CPageSys::OdometerBox, 6> CPageSys::kOdometerBoxes = {{
    {0x01, QT_TRANSLATE_NOOP("CPageSys", "维修记录表 - 显示 - 里程表")},
    {0x02, QT_TRANSLATE_NOOP("CPageSys", "保养记录表 - 显示 - 里程表")},
    {0x04, QT_TRANSLATE_NOOP("CPageSys", "事故记录表 - 显示 - 里程表")},
    {0x08, QT_TRANSLATE_NOOP("CPageSys", "日常杂费记录表 - 显示 - 里程表")},
    {0x10, QT_TRANSLATE_NOOP("CPageSys", "爱车用品记录表 - 显示 - 里程表")},
    {0x20, QT_TRANSLATE_NOOP("CPageSys", "日志记录表 - 显示 - 里程表")},
}};

CPageSys::CPageSys(LedgerContext& context, QWidget* parent)
    : CPropertyPage(tr("系统配置"), parent), m_context(context)
{
    auto* group = new QGroupBox(tr("里程表显示设置"), this);
    auto* groupLayout = new QVBoxLayout(group);
    for (size_t i = 0; i < kOdometerBoxes.size(); ++i) {
        m_odometerChecks[i] = new QCheckBox(tr(kOdometerBoxes[i].label), group);
        groupLayout->addWidget(m_odometerChecks[i]);
    }
    m_autoCheck = new QCheckBox(tr("软件启动时自动检查新版本"), this);
    m_followRecords = new QCheckBox(tr("用记录中的里程更新当前里程"), this);
    auto* languageLabel = new QLabel(tr("界面语言 / &Language"), this);
    m_language = new QComboBox(this);
    // The language names read the same in either language.
    m_language->addItem(tr("跟随系统"), int(LanguageChoice::System));
    m_language->addItem(QStringLiteral("中文"), int(LanguageChoice::Chinese));
    m_language->addItem(QStringLiteral("English"), int(LanguageChoice::English));
    languageLabel->setBuddy(m_language);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(m_language);
    languageRow->addStretch(1);

    auto* backup = new QGroupBox(tr("数据备份"), this);
    auto* folderLabel = new QLabel(tr("备份文件夹(&F)："), backup);
    m_backupFolder = new QLineEdit(backup);
    m_backupFolder->setPlaceholderText(QDir::toNativeSeparators(platform::BackupFolder()));
    folderLabel->setBuddy(m_backupFolder);
    auto* browse = new QPushButton(tr("浏览(&B)…"), backup);
    m_autoBackup = new QCheckBox(tr("退出时自动备份"), backup);
    auto* keepLabel = new QLabel(tr("保留最近的自动备份点(&K)："), backup);
    m_keepBackups = new QSpinBox(backup);
    m_keepBackups->setRange(1, BackupSettings::kMostKept);
    m_keepBackups->setSuffix(tr(" 个"));
    keepLabel->setBuddy(m_keepBackups);
    auto* note = new QLabel(tr("手动备份的备份点不会被自动删除。"), backup);
    auto* backupLayout = new QGridLayout(backup);
    backupLayout->addWidget(folderLabel, 0, 0);
    backupLayout->addWidget(m_backupFolder, 0, 1);
    backupLayout->addWidget(browse, 0, 2);
    backupLayout->addWidget(m_autoBackup, 1, 0, 1, 3);
    backupLayout->addWidget(keepLabel, 2, 0);
    backupLayout->addWidget(m_keepBackups, 2, 1, Qt::AlignLeft);
    backupLayout->addWidget(note, 3, 0, 1, 3);
    connect(browse, &QPushButton::clicked, this, &CPageSys::browseBackupFolder);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_autoCheck);
    layout->addWidget(m_followRecords);
    layout->addLayout(languageRow);
    layout->addWidget(backup);
    layout->addStretch(1);
}

void CPageSys::browseBackupFolder()
{
    const QString chosen = platform::GetExistingDirectory(
        this, {tr("选择备份文件夹"), m_context.m_backupSettings.Folder()});
    if (!chosen.isEmpty())
        m_backupFolder->setText(QDir::toNativeSeparators(chosen));
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
    m_keptLanguage = platform::ReadLanguageChoice();
    m_language->setCurrentIndex(m_language->findData(int(m_keptLanguage)));
    const BackupSettings& backup = m_context.m_backupSettings;
    m_backupFolder->setText(QDir::toNativeSeparators(backup.Folder()));
    m_autoBackup->setChecked(backup.autoAtExit);
    m_keepBackups->setValue(backup.keepAutomatic);
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
        if (!WriteOdometerFollowSetting(m_context.OdometerFollowsRecords))
            warn(tr("“用记录中的里程更新当前里程”无法写入文件【%1】，只在本次运行中有效。")
                     .arg(QDir::toNativeSeparators(platform::ProfileFilePath())));
    }
    applyLanguage();

    BackupSettings backup;
    backup.folder = QDir::fromNativeSeparators(m_backupFolder->text().trimmed());
    backup.autoAtExit = m_autoBackup->isChecked();
    backup.keepAutomatic = m_keepBackups->value();
    if (backup.IsDataFolderBackup())
        backup.folder.clear();
    m_context.m_backupSettings = backup;
    if (!SaveBackupSettings(backup))
        warn(tr("备份设置无法写入文件【%1】，只在本次运行中有效。")
                 .arg(QDir::toNativeSeparators(BackupSettingsPath())));
}

void CPageSys::applyLanguage()
{
    const auto chosen = LanguageChoice(m_language->currentData().toInt());
    if (chosen == m_keptLanguage)
        return;
    if (!platform::WriteLanguageChoice(chosen)) {
        m_language->setCurrentIndex(m_language->findData(int(m_keptLanguage)));
        warn(tr("界面语言无法写入文件【%1】，没有更改。")
                 .arg(QDir::toNativeSeparators(platform::ProfileFilePath())));
        return;
    }
    m_keptLanguage = chosen;
    // The language this run speaks was installed at start-up together with
    // its locale (platform/Translations.h).
    const bool runningInChinese = QLocale().language() == QLocale::Chinese;
    if (platform::InterfaceInChinese(chosen, QProcessEnvironment::systemEnvironment()) !=
        runningInChinese)
        platform::MessageBox(this, tr("界面语言将在下次启动程序时更改。"), platform::kCaption,
                             platform::MB_OK | platform::MB_ICONINFORMATION);
}

void CPageSys::warn(const QString& text)
{
    platform::MessageBox(this, text, platform::kCaption,
                         platform::MB_OK | platform::MB_ICONWARNING);
}
