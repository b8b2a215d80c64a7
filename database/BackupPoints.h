#pragma once

#include "database/StorageFault.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Backup points: complete copies of the ledger in the backup folder, named
// after the local time they were made ("CAR20261207-101010.bpt"). The name is
// all there is: the time a list row shows is read back from fixed positions
// of it.

// "CAR%04d%02d%02d-%02d%02d%02d.bpt" of the time.
QString BackupPointName(const QDateTime& when);

// The list row of a file of the backup folder: its name followed by
// "【备份时间：y/mm/dd hh:mm:ss】", the six numbers read from characters 3-6,
// 7-8, 9-10, 12-13, 14-15 and 16-17 of the name (the digits up to the first
// other character; 0 where none stand there).
QString BackupPointRowText(const QString& fileName);

// A bare name of a file in one folder: not empty, not "." or "..", without
// "/" or NUL.
bool IsPlainFileName(const QString& name);

// Whether the backup point name of folder can replace the ledger: a plain
// name, a file, and a complete ledger (opens with key, passes SQLite's quick
// check, holds all eleven tables).
enum class BackupPointState
{
    Complete,
    BadName,
    Missing,
    Damaged,
};
BackupPointState CheckBackupPoint(const QString& folder, const QString& name, const QString& key);

// The names a listing of the backup folder shows, sorted: every entry that is
// not a folder and whose name does not begin with "." (the temporary files of
// unfinished copies do).
QStringList ListBackupFolder(const QString& folder);

// Removes the unfinished copies (and their journals) that a run ended in the
// middle of a backup left in folder; a copy another run is writing is kept.
void RemoveAbandonedCopies(const QString& folder);

// Copies the ledger (the program may hold it open and write to it meanwhile)
// into folder as the backup point name, replacing a point of that name. The
// folder is created when missing, and copies earlier runs left unfinished are
// removed. On failure nothing is left behind and the
// status says why in a sentence for the user.
SqlStatus MakeBackupPoint(const QString& ledgerPath, const QString& folder, const QString& name,
                          const QString& key);

// The keys of a restore: the ledger's and the backup point's (the fixed key,
// or an owner's password). The main program hands them to the restore program
// on its standard input, one a line, never on the command line.
struct RestoreKeys
{
    QString ledger;
    QString point;
};
// The keys read from the restore program's input; the fixed key for a line
// that is missing (a restore started by hand, or by an older program).
RestoreKeys ReadRestoreKeys(const QByteArray& input);
QByteArray RestoreKeysInput(const RestoreKeys& keys);
