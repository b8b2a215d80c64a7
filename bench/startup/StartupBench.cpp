// Times start-up on a ledger whose one car has 100 000 records (or as many as
// told) in each of the seven ledgers: from making the main window to the
// summary page painted, each start in a fresh process. The limit is 1.25 times
// a start on a ledger without records plus one typed read of the rows the
// cost totals are summed from (the six cost ledgers' records of the car).
//
//   startup_bench [records-per-ledger] [starts]
#include "app/MainFrame.h"
#include "bench/FilledLedgers.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/PrivateFiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

// Stops the waiting once the summary page has been painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            for (QObject* o = watched; o && !painted; o = o->parent())
                painted = o->inherits("CDlgBaseInfo");
        return false;
    }
};

// One start in this process: the milliseconds to the summary page painted.
int start()
{
    platform::SetMessageBoxHook([](const QString&, const QString&, unsigned) { return platform::IDOK; });
    PaintWatch watch;
    qApp->installEventFilter(&watch);
    QElapsedTimer timer;
    timer.start();
    auto* frame = new CMainFrame(CMyDatabase::kDatabasePassword);
    frame->show();
    // A page that never comes (no car: the welcome is shown instead) ends the run.
    while (!watch.painted && timer.elapsed() < 300000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!watch.painted) {
        std::fprintf(stderr, "the summary page was not shown\n");
        std::_Exit(1);
    }
    QCoreApplication::processEvents();
    std::printf("%.1f\n", timer.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    // No close: the exit's backup point and settings are not part of a start.
    std::_Exit(0);
}

// A home with a ledger of one current car and its records.
void makeHome(const QString& home, int records)
{
    qputenv("ORVYN_HOME", home.toUtf8());
    platform::MakeFolder(platform::ConfigFolder());
    CMyDatabase db;
    db.SetFilePath(platform::DatabasePath());
    db.CreateOrOpen();
    db.NewCar("bench");
    db.SetCurrentCar("CAR0001");
    const QDate today = platform::CurrentDateTime().date();
    if (records > 0)
        for (LedgerKind kind : kLedgerKinds)
            FillLedger(db, kind, records, today);
    db.Close();
}

double startInChild(const QString& home)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ORVYN_HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/profile");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--start"});
    child.waitForFinished(-1);
    return QString::fromLatin1(child.readAllStandardOutput()).trimmed().toDouble();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--start")
        return start();
    const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int starts = argc > 2 ? std::atoi(argv[2]) : 5;

    QTemporaryDir emptyHome, fullHome;
    makeHome(emptyHome.path(), 0);
    makeHome(fullHome.path(), records);

    CMyDatabase db;
    db.SetFilePath(platform::DatabasePath());
    db.Open();
    std::vector<double> reads;
    for (int i = 0; i < 5; ++i)
        reads.push_back(TypedReadMs(db, {std::begin(kCostLedgers), std::end(kCostLedgers)}));
    db.Close();

    std::vector<double> empty, full;
    for (int i = 0; i < starts; ++i) {
        empty.push_back(startInChild(emptyHome.path()));
        full.push_back(startInChild(fullHome.path()));
    }
    const double read = MedianOf(reads);
    const double floor = MedianOf(empty) + read;
    std::printf("start-up to the summary page, %d records in each of the seven ledgers "
                "(medians of %d starts)\n",
                records, starts);
    std::printf("  empty ledger start %8.1f ms\n", MedianOf(empty));
    std::printf("  typed read of the six cost ledgers' records %8.1f ms\n", read);
    std::printf("  start with the records %8.1f ms (slowest %.1f)\n", MedianOf(full),
                *std::max_element(full.begin(), full.end()));
    std::printf("  ratio to empty start + read %.2f (limit 1.25)\n", MedianOf(full) / floor);
    return 0;
}
