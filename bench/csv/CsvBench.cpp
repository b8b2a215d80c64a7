// Times the CSV export and import of 100 000 refuelling records (or the
// number given): the export of the car, reading the exported file into a
// preview, and writing it into an empty ledger (backup point, one
// transaction, numbering, remembered entries); then the same for a
// LubeLogger fuel file of as many rows, whose gauge readings are derived.
// Beside each step it prints the peak resident memory the step reached, and
// the import of our export is set against the sqlcipher shell's .import of
// the same file into an empty table, run in the same process, as a ratio.
//
//   csv_bench [records]
#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "csv/CsvLedgers.h"
#include "database/MyDatabase.h"

#include "bench/BenchLedger.h"
#include <QCoreApplication>
#include <QDate>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

namespace {

void openLedger(CMyDatabase& db, const QString& path)
{
    db.SetFilePath(path);
    db.CreateOrOpen();
}

double seconds(QElapsedTimer& timer)
{
    const double s = timer.nsecsElapsed() / 1e9;
    timer.restart();
    return s;
}

// The peak resident memory since the last call, in MB; the peak is reset
// for the next step (Linux: VmHWM, reset through clear_refs).
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    double kilobytes = 0;
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                kilobytes = line.mid(6).trimmed().split(' ').front().toDouble();
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (reset.open(QIODevice::WriteOnly))
        reset.write("5");
    return kilobytes / 1024;
}

// The sqlcipher shell's .import of the file into a new table of an empty
// encrypted database: its seconds, and its peak memory in MB as time(1)
// measures it (the shell's own, not that of a process forked from this one).
double shellImport(const QString& folder, const QString& file, double& peak)
{
    QProcess shell;
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("/usr/bin/time"),
                {QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("sqlcipher"),
                 folder + QStringLiteral("/shell.mdb")});
    shell.write("PRAGMA key='vorpa';\n.mode csv\n.import '" + file.toUtf8() + "' t\n");
    shell.closeWriteChannel();
    shell.waitForFinished(-1);
    const double s = seconds(timer);
    const QList<QByteArray> errors = shell.readAllStandardError().trimmed().split('\n');
    peak = errors.back().toDouble() / 1024;
    if (shell.exitCode() != 0 || errors.size() > 1)
        std::printf("sqlcipher .import failed: %s\n", errors.front().constData());
    return s;
}

// Times the preview and the import of the file into a new ledger; answers
// the import's seconds.
double importInto(const QString& folder, const QString& file, const char* what, int records)
{
    CMyDatabase target;
    openLedger(target, folder + "/CAR.mdb");
    target.NewCar("bench");
    target.SetCurrentCar("CAR0001");
    CARPROPERTY tank; // known, so the LubeLogger file's gauge readings are derived
    tank.fuelVolume = 60;
    tank.meterRules = 8;
    target.InsertCarProperty("CAR0001", tank);
    ImportOptions options;
    options.car = "CAR0001";
    peakMegabytes();
    QElapsedTimer timer;
    timer.start();
    const ImportPlan plan = PlanImport(target, {file}, options);
    const double planned = seconds(timer);
    const double planPeak = peakMegabytes();
    const ImportResult result = ApplyImport(target, plan, folder + "/backup");
    const double written = seconds(timer);
    std::printf("%-26s %7d rows  preview %6.2f s %6.0f MB  import %6.2f s %6.0f MB  (%d written, "
                "%s)\n",
                what, records, planned, planPeak, written, peakMegabytes(), result.written,
                result.outcome == ImportResult::Done ? "done" : result.error.toUtf8().constData());
    return planned + written;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    QTemporaryDir dir;

    CMyDatabase source;
    openLedger(source, dir.path() + "/source.mdb");
    source.NewCar("bench");
    FillRefuelLedger(source, records, "高速服务区, \"东\"");
    QElapsedTimer timer;
    peakMegabytes();
    timer.start();
    const CsvExportResult exported = ExportCsv(source, {dir.path() + "/out", "CAR0001"});
    std::printf("%-26s %7lld rows  export  %6.2f s %6.0f MB  (%s)\n", "export (8 files)",
                exported.records, seconds(timer), peakMegabytes(),
                exported.outcome == CsvExportResult::Done ? "done" : "failed");
    QDir().mkpath(dir.path() + "/own");
    const QString fillings = dir.path() + "/out/" + LedgerFileName("CAR0001", "bench", "加油记录");
    const double ours = importInto(dir.path() + "/own", fillings, "import of our export", records);
    double shellPeak = 0;
    const double shell = shellImport(dir.path(), fillings, shellPeak);
    std::printf("%-26s %7d rows  import  %6.2f s %6.0f MB\n", "sqlcipher .import", records, shell,
                shellPeak);
    std::printf("preview + import of our export / sqlcipher .import: %.1f\n", ours / shell);

    // A LubeLogger fuel file of as many rows, into a car with a known tank.
    QFile lube(dir.path() + "/fuel.csv");
    lube.open(QIODevice::WriteOnly);
    lube.write(
        "Date,Odometer,FuelConsumed,Cost,FuelEconomy,IsFillToFull,MissedFuelUp,Notes,Tags\r\n");
    for (int i = 0; i < records; ++i) {
        const QDate day = QDate(2000, 1, 1).addDays(i / 3);
        lube.write(QStringLiteral("%1/%2/%3,%4,%5,%6,0,%7,False,Note %8,\r\n")
                       .arg(day.month())
                       .arg(day.day())
                       .arg(day.year())
                       .arg(1000 + i * 450)
                       .arg(30 + i % 10)
                       .arg(200 + i % 50)
                       .arg(i % 3 ? "True" : "False")
                       .arg(i)
                       .toUtf8());
    }
    lube.close();
    QDir().mkpath(dir.path() + "/lube");
    importInto(dir.path() + "/lube", lube.fileName(), "import of LubeLogger fuel", records);
    return 0;
}
