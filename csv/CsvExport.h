#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class CMyDatabase;

// Reports how far a long run has come; answering false stops it.
using CsvProgress = std::function<bool(qint64 done, qint64 total)>;

struct CsvExportRequest
{
    QString folder;
    QString carId; // empty: every car
};

struct CsvExportResult
{
    enum Outcome
    {
        Done,
        Cancelled,
        Failed,
    } outcome = Failed;
    QString error;     // with Failed: a sentence for the user
    QStringList files; // the names written into the folder, with Done
    qint64 records = 0;
};

// Writes every ledger of the car (or of every car) into the folder, one file
// per ledger named after the car and the ledger, the car file and, when the
// cars have care reminders, the reminder file ("保养提醒.csv"): UTF-8 with
// a byte-order mark, a header row of the page captions, one row per record
// in date order with values as stored (plain numbers, dates yyyy-mm-dd) and
// the refuelling page's derived figures as numbers (empty where the page
// shows "--"). Every file is written under a temporary name and all are
// renamed only when all are complete: a cancelled or failed run leaves
// nothing behind and replaces nothing.
CsvExportResult ExportCsv(CMyDatabase& db, const CsvExportRequest& request,
                          const CsvProgress& progress = {});

// The file name of a car's ledger: "CAR0001_小车_加油记录.csv", the car's
// name with characters no file name may hold replaced.
QString LedgerFileName(const QString& carId, const QString& carName, const QString& ledgerName);
