#pragma once

#include "settings/PropertyPage.h"

struct BackupSettings;
class IWindowRequests;
class LedgerContext;
class QLabel;
class QListWidget;
class QPushButton;

// The settings page of backup points: makes one of the ledger as it is now,
// lists those of the backup folder, deletes one, and restores one by handing
// it to the restore program and closing the program. "从文件恢复…" restores a
// backup point or ledger copy from anywhere: checked as a listed point, it is
// copied into the backup folder first and restored from there. Its buttons
// act at once; OK and Cancel do not matter.
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
    void OnRestoreFromFile();
    void OnDelete();

    // The settings that name the backup folder (the data folder's backup/
    // without them); read whenever the page acts, so that an Apply of the
    // system settings page counts at once.
    void SetBackupSettings(const BackupSettings* settings) { m_settings = settings; }
    QString BackupFolder() const;

    // The folder the restore program is started from: where the program's
    // files are looked up (beside the executable, or its installed place)
    // unless set otherwise.
    void SetProgramFolder(const QString& folder) { m_programFolder = folder; }
    QString RestoreProgramPath() const;

    QListWidget* backupList() const { return m_list; }
    QPushButton* backupButton() const { return m_backup; }
    QPushButton* restoreButton() const { return m_restore; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* restoreFromFileButton() const { return m_restoreFromFile; }
    // "备份文件夹：…", the folder listed.
    QLabel* folderLabel() const { return m_folderLabel; }

private:
    // The file name of the selected row; empty when none is selected.
    QString selectedName() const;
    // Whether the backup point can replace the ledger; when not, the user is
    // told why. m_pointKey is the key it opens with.
    bool restorablePoint(const QString& folder, const QString& name);
    QString ledgerKey() const;
    // The restore program when it is there and can be run; empty after
    // telling the user why not.
    QString readyRestoreProgram();
    // Starts the restore program on the backup folder's point and closes.
    void startRestore(const QString& program, const QString& name);
    // Why the backup folder cannot take a point (told to the user), or empty.
    bool backupFolderUsable();

    IWindowRequests* m_window;
    LedgerContext* m_context;
    QString m_pointKey;
    const BackupSettings* m_settings = nullptr;
    QString m_databasePath;
    QString m_backupFolder;
    QString m_programFolder;
    QListWidget* m_list;
    QPushButton* m_backup;
    QPushButton* m_restore;
    QPushButton* m_delete;
    QPushButton* m_restoreFromFile;
    QLabel* m_folderLabel;
};
