// Times the PDF report of a car with 100 000 refuelling records (or the number
// given), every fourth with a note: reading the report's content from the
// ledger, and laying out and writing the PDF. It prints each step's time, the
// number of pages and the file's size, and sets the whole report against a
// raw read of the same rows through the SQLite API, as a ratio.
//
//   report_bench [records] [kept.pdf]
#include "database/MyDatabase.h"
#include "platform/Fonts.h"
#include "report/ReportFile.h"

#include "bench/BenchLedger.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

namespace {

double seconds(QElapsedTimer& timer)
{
    const double s = timer.nsecsElapsed() / 1e9;
    timer.restart();
    return s;
}

// Every column of the car's refuellings read through the SQLite API, in date order.
double rawRead(CMyDatabase& db)
{
    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db.Connection().handle(),
                       "select * from Refuel where CarID='CAR0001' order by DateTimee", -1, &stmt,
                       nullptr);
    qint64 bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            bytes += sqlite3_column_bytes(stmt, c);
    sqlite3_finalize(stmt);
    return bytes > 0 ? seconds(timer) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::RegisterFontSubstitutions();
    const int records = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    QTemporaryDir dir;
    BenchLedger ledger(dir.path());
    CMyDatabase& db = ledger.m_database;
    FillRefuelLedger(db, records, "高速服务区加油，发票在手套箱里");

    QElapsedTimer timer;
    timer.start();
    ReportContent content;
    ReportRequest request{QStringLiteral("CAR0001"), {}, {}, {LedgerKind::Refuel}};
    LoadReport(db, request, 0x3F, ChartOptions(), QDateTime::currentDateTime(), content);
    const double read = seconds(timer);
    const QString path =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.path() + QStringLiteral("/report.pdf");
    const ReportOutcome outcome = WriteReportPdf(path, content);
    const double written = seconds(timer);
    const double raw = rawRead(db);
    std::printf("report of %d records: read %.2f s, PDF %.2f s (%d pages, %.1f MB%s); "
                "raw read %.3f s, report / raw read %.0f\n",
                records, read, written, outcome.pages, QFileInfo(path).size() / 1048576.0,
                outcome.kind == ReportOutcome::Done ? "" : ", FAILED", raw,
                raw > 0 ? (read + written) / raw : 0.0);
    return outcome.kind == ReportOutcome::Done ? 0 : 1;
}
