#pragma once

#include "csv/CsvExport.h"
#include "csv/ImportPlan.h"

class CMyDatabase;

// Reads the files and works out what importing them would write into the
// ledger: the records by car and ledger, the lines that cannot be read and
// why, the records the ledger holds already. Nothing is written. The
// progress is told after each file and each check of the rows; when it
// answers false the plan stops there, cancelled, and imports nothing.
ImportPlan PlanImport(CMyDatabase& db, const QStringList& files, const ImportOptions& options,
                      const CsvProgress& progress = {});

struct ImportResult
{
    enum Outcome
    {
        Done,
        Cancelled,
        Failed,
    } outcome = Failed;
    QString error;       // with Failed: a sentence for the user
    QString backupPoint; // the name of the backup point made first
    int written = 0;
    int carsMade = 0;
};

// Writes the plan: first a backup point of the ledger in the backup folder
// (named after the time, "-导入前" added), then every record, the new cars
// and the remembered entries in one transaction, all or nothing. Record
// identifiers are numbered as the ledger numbers them. A file that changed
// since it was planned is refused before anything is written.
ImportResult ApplyImport(CMyDatabase& db, const ImportPlan& plan, const QString& backupFolder,
                         const CsvProgress& progress = {});

// "CAR20240520-090000-导入前.bpt": a backup point name the backup page lists
// with its time, telling what it was made for. A name the folder holds
// already is never reused: "-2", "-3", ... are added before ".bpt".
QString ImportBackupPointName(const QDateTime& when, const QString& folder);
