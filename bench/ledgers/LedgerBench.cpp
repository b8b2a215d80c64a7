// Times the refuelling page on ledgers of 1 000, 10 000, 100 000 and 300 000
// records (or any count given): opening it, one amount edit with its recompute, one delete and
// filtering the rows by a typed text (first key, next key, clearing the box),
// with the page's resident memory per record. Each time is also given as a
// ratio to the floor: a typed read of the same rows (numbers as doubles, texts
// as their bytes) with the same order, measured in the same run, and held
// against its limit.
//
//   ledger_bench            all sizes, each in a fresh process
//   ledger_bench <records>  one size
#include "bench/BenchLedger.h"
#include "bench/BenchSizes.h"
#include "controls/GridCtrl.h"
#include "ledgers/DlgOil.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"

#include <QApplication>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <unistd.h>

namespace {

// The limits each figure is held to.
constexpr double kOpenRatio = 1.3;
constexpr double kChangeMs = 10;
constexpr double kKbPerRecord = 0.5;
constexpr double kKeystrokeMs = 50;

// The floor: the page's rows read by their stored types, nothing kept.
double typedReadMs(CMyDatabase& db)
{
    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db.Connection().handle(),
                       "select CarID, RecID, DateTimee, Mark, Miles, Amount, Price, FuelMeter1, "
                       "FuelMeter2 from Refuel where CarID=?1 order by DateTimee",
                       -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, "CAR0001", -1, SQLITE_STATIC);
    double sink = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < 4; ++c)
            sink += sqlite3_column_text(stmt, c) != nullptr;
        for (int c = 4; c < 9; ++c)
            sink += sqlite3_column_double(stmt, c);
    }
    sqlite3_finalize(stmt);
    const double ms = timer.nsecsElapsed() / 1e6;
    return sink != 0.5 ? ms : 0;
}

double residentKb()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024.0);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void run(int records)
{
    QTemporaryDir dir;
    BenchLedger ledger(dir.path());
    FillRefuelLedger(ledger.m_database, records, "高速服务区");
    std::vector<double> floors;
    for (int i = 0; i < 3; ++i)
        floors.push_back(typedReadMs(ledger.m_database));
    const double floor = median(floors);

    const double before = residentKb();
    CDlgOil page(ledger);
    page.resize(1000, 700);
    page.show();
    QElapsedTimer timer;
    timer.start();
    platform::SendMessage(&page, platform::WM_PAGE_SHOW, 0, 1);
    std::vector<double> opens{timer.nsecsElapsed() / 1e6};
    QCoreApplication::processEvents();
    const double kbPerRecord = (residentKb() - before) / records;
    for (int i = 0; i < 2; ++i) {
        timer.restart();
        page.RefreshPage();
        opens.push_back(timer.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();
    }
    const double open = median(opens);

    // Edits and deletes in the middle of the ledger, each shown on screen.
    std::vector<double> edits, deletes;
    platform::SetMessageBoxHook(
        [](const QString&, const QString&, unsigned) { return int(platform::IDOK); });
    for (int i = 0; i < 5; ++i) {
        const int row = records / 2 + i;
        timer.restart();
        page.BeginEdit(row, 3);
        page.Grid()->SetItemText(row, 3, QString::number(123.45 + i));
        page.EndEdit(row, 3);
        QCoreApplication::processEvents();
        edits.push_back(timer.nsecsElapsed() / 1e6);

        page.Grid()->SetSelectedRange(row, 0, row, 11);
        timer.restart();
        page.DeleteSelectedRecord();
        QCoreApplication::processEvents();
        deletes.push_back(timer.nsecsElapsed() / 1e6);
    }
    platform::SetMessageBoxHook({});
    const double edit = median(edits);
    const double remove = median(deletes);

    // Filtering as typed: the first letter (the rows' texts are gathered),
    // the next one, and clearing the box.
    const auto filterMs = [&](const QString& text) {
        timer.restart();
        page.FilterBox()->setText(text);
        QCoreApplication::processEvents();
        return timer.nsecsElapsed() / 1e6;
    };
    const double firstKey = filterMs("高");
    const double nextKey = filterMs("高速");
    const double cleared = filterMs(QString());

    // Each figure with its limit: open as a ratio to the typed read, the
    // others in milliseconds or kilobytes.
    const auto verdict = [](double value, double limit) { return value <= limit ? "met" : "NOT MET"; };
    std::printf("%7d records: typed read %7.1f ms\n", records, floor);
    std::printf("  open            %8.1f ms  x%.2f of the typed read (limit x%.2f) %s\n", open,
                open / floor, kOpenRatio, verdict(open / floor, kOpenRatio));
    std::printf("  edit            %8.2f ms  x%.3f (limit %.0f ms) %s\n", edit, edit / floor,
                kChangeMs, verdict(edit, kChangeMs));
    std::printf("  delete          %8.2f ms  x%.3f (limit %.0f ms) %s\n", remove, remove / floor,
                kChangeMs, verdict(remove, kChangeMs));
    std::printf("  memory          %8.2f KB/record (limit %.1f) %s\n", kbPerRecord, kKbPerRecord,
                verdict(kbPerRecord, kKbPerRecord));
    for (const auto& [name, ms] : {std::pair{"filter first key", firstKey},
                                   std::pair{"filter next key", nextKey},
                                   std::pair{"filter cleared", cleared}})
        std::printf("  %-16s%8.1f ms  x%.3f (limit %.0f ms) %s\n", name, ms, ms / floor,
                    kKeystrokeMs, verdict(ms, kKeystrokeMs));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    return RunBenchSizes(argc, argv, {1000, 10000, 100000, 300000}, run);
}
