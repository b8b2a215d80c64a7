// Times the refuelling page on ledgers of 1 000, 10 000 and 100 000 records:
// opening it (RefreshPage), one amount edit with its recompute, and one delete,
// each also as a ratio to reading the same rows with a plain SQLite query.
#include "controls/GridCtrl.h"
#include "ledgers/FrameState.h"
#include "ledgers/DlgOil.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

namespace {

class BenchFrame : public CFrameState
{
public:
    void SetTitle() override {}
    void RedrawCarPhoto() override {}
    int LoadSaveConfig(const QString&, bool) override { return 0; }
};

void fillLedger(CMyDatabase& db, int records)
{
    sqlite3* h = db.Connection().handle();
    sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(
        h,
        "insert into Refuel (CarID, RecID, DateTimee, Mark, Miles, Amount, Price, "
        "FuelMeter1, FuelMeter2) values ('CAR0001', ?1, ?2, 'note', ?3, ?4, 7.5, 2, 10)",
        -1, &stmt, nullptr);
    for (int i = 0; i < records; ++i) {
        const QByteArray id = QByteArray::number(i + 1).rightJustified(7, '0');
        const QByteArray date = QDate(2000, 1, 1).addDays(i / 3).toString("yyyy/MM/dd").toLatin1();
        sqlite3_bind_text(stmt, 1, id.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, date.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(stmt, 3, 1000.0 + i * 450);
        sqlite3_bind_double(stmt, 4, 300.0 + i % 50);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
}

double rawReadMs(CMyDatabase& db)
{
    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db.Connection().handle(),
                       "select * from Refuel where CarID='CAR0001' order by DateTimee", -1, &stmt,
                       nullptr);
    double sink = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            sink += sqlite3_column_bytes(stmt, c);
    sqlite3_finalize(stmt);
    const double ms = timer.nsecsElapsed() / 1e6;
    return sink >= 0 ? ms : 0;
}

void run(int records)
{
    QTemporaryDir dir;
    BenchFrame frame;
    frame.m_database.SetFilePath(dir.path() + "/CAR.mdb");
    frame.m_database.CreateOrOpen();
    frame.m_database.NewCar("bench");
    frame.m_database.SetCurrentCar("CAR0001");
    fillLedger(frame.m_database, records);
    const double raw = rawReadMs(frame.m_database);

    CDlgOil page;
    page.resize(1000, 700);
    QElapsedTimer timer;
    timer.start();
    platform::SendMessage(&page, platform::WM_PAGE_SHOW, 0, 1);
    const double open = timer.nsecsElapsed() / 1e6;

    const int row = records / 2;
    timer.restart();
    page.BeginEdit(row, 3);
    page.Grid()->SetItemText(row, 3, "123.45");
    page.EndEdit(row, 3);
    const double edit = timer.nsecsElapsed() / 1e6;

    platform::SetMessageBoxHook(
        [](const QString&, const QString&, unsigned) { return int(platform::IDOK); });
    page.Grid()->SetSelectedRange(row, 0, row, 11);
    timer.restart();
    page.DeleteSelectedRecord();
    const double remove = timer.nsecsElapsed() / 1e6;
    platform::SetMessageBoxHook({});

    std::printf("%7d records: raw read %8.1f ms | open %8.1f ms (x%.1f) | edit %7.2f ms (x%.2f) | "
                "delete %7.2f ms (x%.2f)\n",
                records, raw, open, open / raw, edit, edit / raw, remove, remove / raw);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int records : {1000, 10000, 100000})
        run(records);
    return 0;
}
