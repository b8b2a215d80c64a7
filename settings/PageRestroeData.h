#pragma once

#include "settings/PropertyPage.h"

class IWindowRequests;
class LedgerContext;
class QListWidget;
class QPushButton;

// The settings page of backup points: makes one of the ledger as it is now,
// lists those of the backup folder, deletes one, and restores one by handing
// it to the restore program and closing the program. Its buttons act at once;
// OK and Cancel do not matter.
class CPageRestroeData : public CPropertyPage
{
    Q_OBJECT
public:
    // A restore ends the program through the window, when there is one.
    // Backup points get the key of the context's ledger (the fixed key
    // without a context).
    explicit CPageRestroeData(IWindowRequests* window, LedgerContext* context = nullptr,
                              QWidget* parent = nullptr);

    void OnInitDialog() override;

    // Lists the backup folder again, keeping the selected backup point selected.
    void FillList();
    void OnBackup();
    void OnRestore();
    void OnDelete();

    // The folder the restore program is started from: where the program's
    // files are looked up (beside the executable, or its installed place)
    // unless set otherwise.
    void SetProgramFolder(const QString& folder) { m_programFolder = folder; }
    QString RestoreProgramPath() const;

    QListWidget* backupList() const { return m_list; }
    QPushButton* backupButton() const { return m_backup; }
    QPushButton* restoreButton() const { return m_restore; }
    QPushButton* deleteButton() const { return m_delete; }

private:
    // The file name of the selected row; empty when none is selected.
    QString selectedName() const;
    // Whether the backup point can replace the ledger; when not, the user is
    // told why. m_pointKey is the key it opens with.
    bool restorablePoint(const QString& name);
    QString ledgerKey() const;

    IWindowRequests* m_window;
    LedgerContext* m_context;
    QString m_pointKey;
    QString m_databasePath;
    QString m_backupFolder;
    QString m_programFolder;
    QListWidget* m_list;
    QPushButton* m_backup;
    QPushButton* m_restore;
    QPushButton* m_delete;
};
