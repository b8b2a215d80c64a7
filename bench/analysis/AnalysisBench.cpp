// Times the analysis page on a car with 100 000 records in each of its six
// cost ledgers, all within the last twelve months: the first showing (the
// total-cost chart), then each monthly analysis chosen in the selector until
// its chart is drawn.
#include "analysis/BarChart.h"
#include "analysis/DlgSysSetting.h"
#include "bench/BenchLedger.h"
#include "platform/Clock.h"
#include "platform/MessageEvent.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

namespace {

void fill(CMyDatabase& db, const char* table, const char* valueColumns, int records)
{
    sqlite3* h = db.Connection().handle();
    const QByteArray sql = QByteArray("insert into ") + table +
                           " (CarID, RecID, DateTimee, Mark, Miles, " + valueColumns +
                           ") values ('CAR0001', ?1, ?2, '', ?3, ?4, ?5)";
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(h, sql.constData(), -1, &stmt, nullptr);
    const QDate today = platform::CurrentDateTime().date();
    for (int i = 0; i < records; ++i) {
        const QByteArray id = QByteArray::number(i + 1).rightJustified(7, '0');
        const QByteArray date = today.addDays(-(i % 360)).toString("yyyy/MM/dd").toLatin1();
        sqlite3_bind_text(stmt, 1, id.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, date.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(stmt, 3, 1000.0 + i);
        sqlite3_bind_double(stmt, 4, 10.0 + i % 97);
        sqlite3_bind_double(stmt, 5, 1 + i % 3);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
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
    sqlite3_exec(ledger.m_database.Connection().handle(), "BEGIN", nullptr, nullptr, nullptr);
    for (const char* table : {"Refuel", "Repair", "Maintain", "Accident", "DailyCost"})
        fill(ledger.m_database, table,
             std::string(table) == "Refuel" ? "Amount, Price" : "Amount, Reserved1", records);
    fill(ledger.m_database, "Accessory", "Price, Countt", records);
    sqlite3_exec(ledger.m_database.Connection().handle(), "COMMIT", nullptr, nullptr, nullptr);
    ledger.m_database.LoadCostTotals("CAR0001", ledger.m_costTotals);

    CDlgSysSetting page(ledger);
    page.resize(900, 700);
    page.show();
    QElapsedTimer timer;
    timer.start();
    platform::SendMessage(&page, platform::WM_PAGE_SHOW, 0, 1);
    QCoreApplication::processEvents();
    std::printf("%d records per ledger: first showing (total cost) %7.1f ms\n", records,
                timer.nsecsElapsed() / 1e6);
    for (int analysis = 1; analysis < CDlgSysSetting::AnalysisCount; ++analysis) {
        timer.restart();
        page.Selector()->setCurrentIndex(analysis);
        QCoreApplication::processEvents();
        std::printf("  %-24s %7.1f ms\n", page.Selector()->currentText().toUtf8().constData(),
                    timer.nsecsElapsed() / 1e6);
    }
    return 0;
}
