#include "database/BackupSettings.h"

#include "database/LedgerContext.h"
#include "platform/Folders.h"
#include "platform/PrivateFiles.h"

#include <QDir>
#include <QSettings>
#include <algorithm>

namespace {
const QString kFile = QStringLiteral("backup.ini");
const QString kFolder = QStringLiteral("Backup/Folder");
const QString kAutoAtExit = QStringLiteral("Backup/AutoAtExit");
const QString kKeep = QStringLiteral("Backup/KeepAutomatic");
} // namespace

QString BackupSettings::Folder() const
{
    return IsDataFolderBackup() ? platform::BackupFolder() : QDir::cleanPath(folder);
}

bool BackupSettings::IsDataFolderBackup() const
{
    return folder.trimmed().isEmpty() ||
           QDir::cleanPath(folder) == QDir::cleanPath(platform::BackupFolder());
}

QString BackupSettingsPath()
{
    return ConfigFilePath(kFile);
}

BackupSettings LoadBackupSettings()
{
    BackupSettings settings;
    const QSettings file(BackupSettingsPath(), QSettings::IniFormat);
    settings.folder = file.value(kFolder, QString()).toString();
    settings.autoAtExit = file.value(kAutoAtExit, true).toBool();
    bool number = false;
    const int keep = file.value(kKeep, BackupSettings::kDefaultKeep).toInt(&number);
    settings.keepAutomatic =
        number ? std::clamp(keep, 1, BackupSettings::kMostKept) : BackupSettings::kDefaultKeep;
    return settings;
}

bool SaveBackupSettings(const BackupSettings& settings)
{
    if (!platform::MakeFolder(platform::ConfigFolder()))
        return false;
    QSettings file(BackupSettingsPath(), QSettings::IniFormat);
    file.setValue(kFolder, settings.IsDataFolderBackup() ? QString() : settings.folder);
    file.setValue(kAutoAtExit, settings.autoAtExit);
    file.setValue(kKeep, settings.keepAutomatic);
    file.sync();
    if (file.status() != QSettings::NoError)
        return false;
    // Renamed into place: the folder's entry must reach the disk too.
    platform::SyncFolder(platform::ConfigFolder());
    return true;
}
