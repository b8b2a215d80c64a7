#pragma once

#include "database/BackupSettings.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// Backup points the program makes by itself at exit. They are named like
// those made by hand with "-auto" before the suffix
// ("CAR20261208-070000-auto.bpt"), which is all that tells them apart: only
// they are ever removed to keep the newest few.

QString AutoBackupPointName(const QDateTime& when);
bool IsAutoBackupPointName(const QString& name);
// A name of either kind ("CAR" yyyymmdd "-" hhmmss, "-auto" or not, ".bpt").
bool IsBackupPointName(const QString& name);

// Why backup points cannot go into the folder, in a sentence for the user, or
// empty when they can. The data folder's own backup folder is made when
// missing; any other must exist (an unplugged drive's mount point would
// otherwise take the points onto the wrong disk).
QString BackupFolderProblem(const QString& folder, bool makeWhenMissing);

// Whether the ledger was written after the newest backup point of the folder
// was made (true when the folder holds none).
bool LedgerChangedSinceLastPoint(const QString& ledgerPath, const QString& folder);

// Removes the oldest automatic points of the folder beyond the newest
// `keep`; the names removed. Points made by hand and other files stay.
QStringList PruneAutoBackupPoints(const QString& folder, int keep);

struct ExitBackup
{
    enum Result
    {
        Off,       // automatic backups are turned off
        Unchanged, // nothing changed since the last point
        Made,
        Failed,
    };
    Result result = Off;
    QString name;    // the point made
    QString message; // why it failed, for the user
};

// The backup point of the exit: made through the same online copy as one made
// by hand when the settings ask for it and the ledger changed since the last
// point, then the automatic points are pruned. A failure leaves the ledger
// and every point as they were.
ExitBackup BackUpAtExit(const QString& ledgerPath, const BackupSettings& settings,
                        const QDateTime& now, const QString& key);
