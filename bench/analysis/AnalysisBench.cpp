// Times the analysis page on a car with 100 000 records (or as many as told)
// in each of its six cost ledgers, all within the last twelve months: the
// first showing (the total-cost chart), then each monthly analysis chosen in
// the selector until its chart is drawn. Before every round each cost ledger
// gets an amount edit, a new record and a deletion through the store, so that
// the figures shown are those of a ledger being worked on. Each analysis is
// given as the median of five rounds and as a ratio to the floor, a typed read
// of the rows it sums (limit 1/10).
//
//   analysis_bench [records-per-ledger]
#include "analysis/CostAnalysis.h"
#include "analysis/DlgSysSetting.h"
#include "bench/BenchLedger.h"
#include "bench/FilledLedgers.h"
#include "platform/Clock.h"
#include "platform/MessageEvent.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kRounds = 5;

// An amount edit, a new record and a deletion in each cost ledger.
void edit(CMyDatabase& db, int round)
{
    const QString date = platform::CurrentDateTime().date().toString("yyyy/MM/dd");
    for (LedgerKind kind : kCostLedgers) {
        LedgerRecord r;
        r.carId = "CAR0001";
        r.recId = RecordIdText(round + 1);
        r.date = date;
        r.amount = r.price = 12.5 + round;
        r.count = 2;
        db.UpdateRecordField(kind, r, kind == LedgerKind::Accessory ? LedgerField::Price
                                                                     : LedgerField::Amount);
        r.recId = *db.GetNextRecID(kind);
        db.InsertRecord(kind, r);
        db.DeleteRecord(kind, "CAR0001", RecordIdText(1000 + round));
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    qputenv("ORVYN_HOME", dir.path().toUtf8()); // "chart.cfg" is read from there
    BenchLedger ledger(dir.path());
    CMyDatabase& db = ledger.m_database;
    for (LedgerKind kind : kCostLedgers)
        FillLedger(db, kind, records, platform::CurrentDateTime().date());
    QElapsedTimer timer;
    timer.start();
    db.LoadCostTotals("CAR0001", ledger.m_costTotals);
    std::printf("%d records in each cost ledger: cost totals read %.1f ms\n", records,
                timer.nsecsElapsed() / 1e6);

    CDlgSysSetting page(ledger);
    page.resize(900, 700);
    page.show();
    timer.restart();
    platform::SendMessage(&page, platform::WM_PAGE_SHOW, 0, 1);
    QCoreApplication::processEvents();
    std::printf("  first showing (total cost) %7.1f ms\n", timer.nsecsElapsed() / 1e6);

    std::vector<std::vector<double>> times(CDlgSysSetting::AnalysisCount);
    for (int round = 0; round < kRounds; ++round) {
        edit(db, round);
        for (int analysis = 1; analysis < CDlgSysSetting::AnalysisCount; ++analysis) {
            timer.restart();
            page.Selector()->setCurrentIndex(analysis);
            QCoreApplication::processEvents();
            times[size_t(analysis)].push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    std::printf("  %-24s %9s %9s %7s (limit 0.10)\n", "analysis", "median", "floor", "ratio");
    for (int analysis = 1; analysis < CDlgSysSetting::AnalysisCount; ++analysis) {
        const std::vector<LedgerKind> kinds = costanalysis::AnalysisKinds(analysis);
        std::vector<double> reads;
        for (int i = 0; i < 3; ++i)
            reads.push_back(TypedReadMs(db, kinds));
        const double median = MedianOf(times[size_t(analysis)]);
        const double floor = MedianOf(reads);
        std::printf("  %-24s %6.1f ms %6.1f ms %7.3f\n",
                    costanalysis::AnalysisSelectorText(analysis).toUtf8().constData(), median,
                    floor, median / floor);
    }
    return 0;
}
