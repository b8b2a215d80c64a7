#pragma once

#include <QString>

// Where backup points go and what the program does with them by itself, kept
// in the config folder's "backup.ini" (section [Backup]: Folder, AutoAtExit,
// KeepAutomatic). Keys are only ever added to that file: one written by an
// older program reads with the defaults for what it lacks.
struct BackupSettings
{
    static constexpr int kDefaultKeep = 20;
    static constexpr int kMostKept = 999;

    QString folder;                   // empty: the data folder's backup/
    bool autoAtExit = true;           // a backup point at exit when the ledger changed
    int keepAutomatic = kDefaultKeep; // automatic points kept, the newest

    // The folder backup points go to.
    QString Folder() const;
    // Whether that is the data folder's own, which may be made when missing;
    // a folder chosen by the user (another drive) must be there.
    bool IsDataFolderBackup() const;
};

// The path of "backup.ini".
QString BackupSettingsPath();
// "backup.ini" of the config folder; defaults where it or a key is missing
// or unreadable.
BackupSettings LoadBackupSettings();
// Writes the settings; false when the file could not be written.
bool SaveBackupSettings(const BackupSettings& settings);
