// Times the CSV export and import of 100 000 refuelling records (or the
// number given): the export of the car, reading the exported file into a
// preview, and writing it into an empty ledger (backup point, one
// transaction, numbering, remembered entries); then the same for a
// LubeLogger fuel file of as many rows, whose gauge readings are derived.
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

void importInto(const QString& folder, const QString& file, const char* what, int records)
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
    QElapsedTimer timer;
    timer.start();
    const ImportPlan plan = PlanImport(target, {file}, options);
    const double planned = seconds(timer);
    const ImportResult result = ApplyImport(target, plan, folder + "/backup");
    const double written = seconds(timer);
    std::printf("%-26s %7d rows  preview %6.2f s  import %6.2f s  (%d written, %s)\n", what,
                records, planned, written, result.written,
                result.outcome == ImportResult::Done ? "done" : result.error.toUtf8().constData());
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
    timer.start();
    const CsvExportResult exported = ExportCsv(source, {dir.path() + "/out", "CAR0001"});
    std::printf("%-26s %7lld rows  export  %6.2f s  (%s)\n", "export (8 files)", exported.records,
                seconds(timer), exported.outcome == CsvExportResult::Done ? "done" : "failed");
    QDir().mkpath(dir.path() + "/own");
    importInto(dir.path() + "/own",
               dir.path() + "/out/" + LedgerFileName("CAR0001", "bench", "加油记录"),
               "import of our export", records);

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
