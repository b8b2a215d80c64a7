#pragma once

#include "database/BackupPoints.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <chrono>

namespace platform {
class SingleInstanceLock;
}

// The steps of the restore program, which the main program starts as
// "restore /NAME [FOLDER]" just before it closes: wait until the program has
// ended, put the backup point NAME of FOLDER (the data folder's backup/ when
// not given) in place of the ledger, start the program again.

// The backup point a command line names: its first argument "/NAME" (also
// given with leading blanks, "  /NAME"); empty when there is none.
QString BackupPointFromArguments(const QStringList& arguments);

// The folder of that backup point: the second argument, when there is one
// (a backup folder the user chose), else the data folder's backup/.
QString BackupFolderFromArguments(const QStringList& arguments);

// Tries to take the lock until it is held or limit has passed; true when held.
bool AcquireWithin(platform::SingleInstanceLock& lock, std::chrono::milliseconds limit);

struct RestoreOutcome
{
    bool ok = false;
    QString message;  // why it failed, for the user
    QString keptName; // the backup point that keeps the replaced ledger
};

// Puts the backup point name of backupFolder in place of the ledger. The
// point must be a complete ledger; the ledger it replaces is kept first as a
// backup point of its own, named after now (or the next second not taken).
// On failure the ledger is untouched. The restored ledger keeps the point's
// key, and the profile says whether that is an owner's password.
RestoreOutcome RestoreBackupPoint(const QString& backupFolder, const QString& name,
                                  const QString& ledgerPath, const QDateTime& now,
                                  const RestoreKeys& keys = {});

struct RestoreRun
{
    RestoreOutcome outcome;
    // False while another copy of the program still runs: starting one more
    // would only be refused.
    bool startProgram = true;
};

// The whole restore of the data folder's ledger: waits at most lockLimit for
// the program to end, then holds its lock while restoring, so that it cannot
// start in between. The lock is free again on return.
RestoreRun RunRestore(const QStringList& arguments, std::chrono::milliseconds lockLimit,
                      const RestoreKeys& keys = {});
