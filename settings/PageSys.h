#pragma once

#include "platform/Language.h"
#include "settings/PropertyPage.h"

#include <QtGlobal>
#include <array>

class LedgerContext;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// The system settings page: which ledgers show an odometer column, whether
// the program looks for a new version at start-up and whether the records'
// readings move the odometer (kept in the profile at once). OK and Apply store both in
// the ledger context and mark "sysfile.cfg" for the main frame's next save.
// The interface language is kept in the profile by OK and Apply; the program
// speaks it from its next start.
// Below them the backup settings, which OK and Apply write at once to
// "backup.ini".
class CPageSys : public CPropertyPage
{
    Q_OBJECT
public:
    // One odometer check box: its mask bit and label, in the order shown.
    struct OdometerBox
    {
        qint32 bit;
        const char* label;
    };
    static const std::array<OdometerBox, 6> kOdometerBoxes;

    explicit CPageSys(LedgerContext& context, QWidget* parent = nullptr);

    void OnInitDialog() override;
    void OnOK() override;

    qint32 workingMask() const { return m_mask; }
    // The check box of a mask bit (nullptr for any other value).
    QCheckBox* odometerCheck(qint32 bit) const;
    QCheckBox* autoCheckUpdateBox() const { return m_autoCheck; }
    QCheckBox* followRecordsBox() const { return m_followRecords; }
    // "跟随系统", "中文", "English"; each item's data is its LanguageChoice.
    QComboBox* languageBox() const { return m_language; }
    // The backup settings: folder, "退出时自动备份", automatic points kept.
    QLineEdit* backupFolderBox() const { return m_backupFolder; }
    QCheckBox* autoBackupBox() const { return m_autoBackup; }
    QSpinBox* keepBackupsBox() const { return m_keepBackups; }

private:
    void browseBackupFolder();
    // Keeps a changed language choice in the profile.
    void applyLanguage();
    void warn(const QString& text);

    LedgerContext& m_context;
    qint32 m_mask = 63;
    std::array<QCheckBox*, 6> m_odometerChecks{};
    QCheckBox* m_autoCheck;
    QCheckBox* m_followRecords;
    QComboBox* m_language;
    platform::LanguageChoice m_keptLanguage = platform::LanguageChoice::System;
    QLineEdit* m_backupFolder;
    QCheckBox* m_autoBackup;
    QSpinBox* m_keepBackups;
};
