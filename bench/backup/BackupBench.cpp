// Times the exit's backup point on a ledger of 100 000 refuellings (or the
// count given): the online copy into a fresh backup folder when the ledger
// changed, and the check alone when it did not, which is what most exits
// cost. The ledger's and the point's sizes are stated.
//
//   backup_bench            100 000 records
//   backup_bench <records>
#include "bench/BenchLedger.h"
#include "database/AutoBackup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir data;
    qputenv("ORVYN_HOME", data.path().toUtf8());
    BenchLedger ledger(data.path());
    FillRefuelLedger(ledger.m_database, records, QByteArray("加满，高速服务区"));
    const QString path = ledger.m_database.FilePath();

    BackupSettings settings;
    settings.folder = data.path() + "/other-drive";
    QDir().mkpath(settings.folder);
    const QDateTime now(QDate(2026, 12, 8), QTime(7, 0, 0));

    constexpr int kRuns = 5;
    double madeMs = 0, unchangedMs = 0;
    qint64 pointBytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        // A change, as an edit of the run makes one.
        sqlite3_exec(ledger.m_database.Connection().handle(),
                     "update Refuel set Amount=Amount+1 where RecID='0000001'", nullptr, nullptr,
                     nullptr);
        QElapsedTimer timer;
        timer.start();
        const ExitBackup made =
            BackUpAtExit(path, settings, now.addSecs(run), CMyDatabase::kDatabasePassword);
        madeMs += timer.nsecsElapsed() / 1e6;
        if (made.result != ExitBackup::Made) {
            std::fprintf(stderr, "no backup point (%d): %s\n", int(made.result),
                         made.message.toUtf8().constData());
            return 1;
        }
        pointBytes = QFileInfo(settings.folder + "/" + made.name).size();
        timer.restart();
        const ExitBackup unchanged =
            BackUpAtExit(path, settings, now.addSecs(run), CMyDatabase::kDatabasePassword);
        unchangedMs += timer.nsecsElapsed() / 1e6;
        if (unchanged.result != ExitBackup::Unchanged)
            return 1;
    }
    std::printf("records %d, ledger %.1f MB, backup point %.1f MB\n", records,
                QFileInfo(path).size() / 1e6, pointBytes / 1e6);
    std::printf("exit with a change: %.0f ms (online copy, mean of %d)\n", madeMs / kRuns, kRuns);
    std::printf("exit without a change: %.2f ms\n", unchangedMs / kRuns);
    return 0;
}
