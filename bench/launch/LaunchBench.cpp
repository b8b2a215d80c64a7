// Times a launch on ledgers of 100 000 and 1 000 000 refuellings: from the
// start of the process until the refuelling grid's first rows are drawn,
// against the sqlcipher shell reading the same columns of the same rows in the
// same order to /dev/null, both as whole processes. Medians of several runs
// and their ratio are printed with the limit.
//
//   launch_bench            both sizes
//   launch_bench <records>  one size
//
// The program is started in a child process of this one ("--window"), which
// runs the window's start-up as the program does, selects the refuelling page
// as soon as the window is made (as Ctrl+2 would) and ends right after that
// page's grid has drawn rows. It needs a display (Xvfb will do) and the
// sqlcipher shell on the PATH.
#include "app/MainFrame.h"
#include "app/OrvynApp.h"
#include "app/OrvynView.h"
#include "bench/BenchLedger.h"
#include "controls/GridCtrl.h"
#include "database/Schema.h"
#include "ledgers/DlgOil.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr double kLimit = 1.25;

// Ends the process once a refuelling grid with records has painted.
class FirstRowsWatch : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_drawn) {
            auto* grid = watched->parent() ? qobject_cast<CGridCtrl*>(watched->parent()) : nullptr;
            QObject* page = grid ? grid->parent() : nullptr;
            while (page && !qobject_cast<CDlgOil*>(page))
                page = page->parent();
            if (page && grid->isVisible() && grid->GetRowCount() > 2) {
                m_drawn = true;
                // After this paint has been drawn.
                QMetaObject::invokeMethod(
                    qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    bool m_drawn = false;
};

int runWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    PrepareWindowApplication(app);
    FirstRowsWatch watch;
    app.installEventFilter(&watch);
    COrvynApp orvyn;
    if (!orvyn.InitInstance(QStringLiteral("--window")))
        return 1;
    // The refuelling page follows the summary page.
    if (auto* view = orvyn.mainFrame()->findChild<COrvynView*>())
        view->SelectPageByIndex(1 + int(LedgerKind::Refuel));
    return QApplication::exec();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The whole process's time, from its start until it ended.
double processMs(const QString& program, const QStringList& arguments, const QByteArray& input,
                 const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        std::exit(1);
    }
    return ms;
}

void run(int records)
{
    QTemporaryDir home;
    const QString config = home.path() + QStringLiteral("/config");
    QDir().mkpath(config);
    {
        BenchLedger ledger(config);
        FillRefuelLedger(ledger.m_database, records, "高速服务区");
    }
    QByteArray select = FindTable("Refuel")->SelectStatement("\"DateTimee\"", {});
    select.replace("?1", "'CAR0001'");
    const QByteArray shellInput = "PRAGMA key='" + CMyDatabase::kDatabasePassword.toLatin1() +
                                  "';\n" + select + ";\n";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVYN_HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/xdg"));

    std::vector<double> launches, shells;
    for (int i = 0; i < kRuns; ++i) {
        shells.push_back(processMs(QStringLiteral("sqlcipher"), {config + "/CAR.mdb"}, shellInput,
                                   environment));
        launches.push_back(processMs(QCoreApplication::applicationFilePath(),
                                     {QStringLiteral("--window")}, {}, environment));
    }
    const double shell = median(shells), launch = median(launches);
    std::printf("%7d records: sqlcipher shell %7.1f ms | launch to first rows %7.1f ms | "
                "x%.2f (limit x%.2f) %s\n",
                records, shell, launch, launch / shell, kLimit,
                launch / shell <= kLimit ? "met" : "NOT MET");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--window")
        return runWindow(argc, argv);
    QCoreApplication app(argc, argv);
    if (argc > 1) {
        run(std::atoi(argv[1]));
        return 0;
    }
    for (int records : {100000, 1000000})
        run(records);
    return 0;
}
