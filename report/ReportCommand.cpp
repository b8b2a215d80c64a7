#include "report/ReportCommand.h"

#include "csv/CsvLedgers.h"
#include "database/LedgerContext.h"
#include "database/MyDatabase.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/SingleInstance.h"
#include "report/ReportFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QStringList kValueOptions = {"--report", "--car",    "--from",
                                   "--to",     "--ledger", "--password-file"};

// The car named on the command line (a name or an identifier), or the
// current car; the refusal is told.
QString chosenCar(CMyDatabase& db, const QString& named, CsvCommandIo& io)
{
    const Expected<std::vector<CARLIST>> cars = db.GetCarList();
    if (!cars) {
        io.err << QCoreApplication::translate("CommandLine", "读取账本失败：%1")
                      .arg(cars.error().message)
               << Qt::endl;
        return {};
    }
    if (cars->empty()) {
        io.err << QCoreApplication::translate("CommandLine",
                                              "账本里还没有车辆，没有可以写进报表的内容。")
               << Qt::endl;
        return {};
    }
    if (named.isEmpty()) {
        const Expected<QString> current = db.GetCurrentCarID();
        if (!current || current->trimmed().isEmpty()) {
            io.err << QCoreApplication::translate("CommandLine",
                                                  "账本里没有当前车辆，请用 --car 指定车辆。")
                   << Qt::endl;
            return {};
        }
        return current->trimmed();
    }
    QStringList matches;
    for (const CARLIST& car : *cars)
        if (car.carId.trimmed() == named.trimmed() || car.name.trimmed() == named.trimmed())
            matches << car.carId.trimmed();
    if (matches.size() != 1) {
        io.err
            << (matches.isEmpty()
                    ? QCoreApplication::translate("CommandLine", "账本里没有车辆“%1”。").arg(named)
                    : QCoreApplication::translate(
                          "CommandLine", "账本里有不止一辆车叫“%1”，请给出车辆编号（如 CAR0001）。")
                          .arg(named))
            << Qt::endl;
        return {};
    }
    return matches.first();
}

} // namespace

bool IsReportCommand(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--report"));
}

ReportCommandRequest ParseReportCommand(const QStringList& arguments)
{
    ReportCommandRequest a;
    auto mistake = [&a](const QString& text) {
        if (a.mistake.isEmpty())
            a.mistake = text;
    };
    auto date = [&mistake](const QString& option, const QString& text) {
        const std::optional<QDate> day = ReadIsoDate(text);
        if (!day)
            mistake(QCoreApplication::translate(
                        "CommandLine", "%1 的日期“%2”不对，请写成 yyyy-mm-dd，例如 2026-03-02。")
                        .arg(option, text));
        return day.value_or(QDate());
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        QString text;
        if (kValueOptions.contains(arg)) {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--"))) {
                mistake(QCoreApplication::translate("CommandLine", "%1 后面缺少参数。").arg(arg));
                continue;
            }
            text = arguments[++i];
        }
        if (arg == QLatin1String("--report")) {
            a.file = text;
        } else if (arg == QLatin1String("--car")) {
            a.car = text;
        } else if (arg == QLatin1String("--password-file")) {
            a.passwordFile = text;
        } else if (arg == QLatin1String("--from")) {
            a.from = date(arg, text);
        } else if (arg == QLatin1String("--to")) {
            a.to = date(arg, text);
        } else if (arg == QLatin1String("--ledger")) {
            if (const LedgerKindInfo* kind = FindLedgerKind(text))
                a.ledgers.push_back(kind->kind);
            else
                mistake(QCoreApplication::translate(
                            "CommandLine",
                            "不认识的记录类型“%1”（可以是 refuel、repair、maintain、accident、"
                            "dailycost、accessory、carlog）。")
                            .arg(text));
        } else if (arg.contains(QLatin1String("/nopassword"))) {
            a.noPassword = true;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            mistake(QCoreApplication::translate("CommandLine", "不认识的选项“%1”。").arg(arg));
        } else {
            mistake(QCoreApplication::translate("CommandLine", "不认识的参数“%1”。").arg(arg));
        }
    }
    if (a.mistake.isEmpty() && a.from.isValid() && a.to.isValid() && a.from > a.to)
        mistake(QCoreApplication::translate("CommandLine", "--from 的日期晚于 --to 的日期。"));
    return a;
}

int RunReportCommand(const ReportCommandRequest& a, CsvCommandIo& io)
{
    const QString ledger = QDir::toNativeSeparators(platform::DatabasePath());
    if (!QFileInfo::exists(platform::DatabasePath())) {
        io.err << QCoreApplication::translate("CommandLine",
                                              "还没有账本文件 %1，没有可以写进报表的记录。")
                      .arg(ledger)
               << Qt::endl;
        return 1;
    }
    platform::SingleInstanceLock lock(platform::DataFolder());
    if (!lock.tryAcquire()) {
        io.err << (lock.refusal() == platform::SingleInstanceLock::Refusal::AnotherCopyRuns
                       ? QCoreApplication::translate(
                             "CommandLine", "程序正在使用这个账本（%1），请先关闭程序再生成报表，"
                                            "或者在程序里用“数据 → 导出为 PDF…”。")
                             .arg(QDir::toNativeSeparators(lock.lockFilePath()))
                       : lock.refusalText())
               << Qt::endl;
        return 1;
    }
    const std::optional<QString> key = CommandLedgerKey(a.noPassword, a.passwordFile, io);
    if (!key)
        return 1;

    CMyDatabase db;
    db.SetFilePath(platform::DatabasePath());
    db.SetOpenPassword(*key);
    const LedgerOpening opening = db.CreateOrOpen();
    if (!db.IsOpen()) {
        io.err << QCoreApplication::translate("CommandLine", "无法打开账本 %1。").arg(ledger)
               << StorageFaultCause(opening.status.code, StorageAction::Open) << Qt::endl;
        return 1;
    }
    ReportRequest request;
    request.carId = chosenCar(db, a.car, io);
    if (request.carId.isEmpty())
        return 1;
    request.from = a.from;
    request.to = a.to;
    request.ledgers = a.ledgers;
    if (request.ledgers.empty())
        request.ledgers.assign(kLedgerKinds.begin(), kLedgerKinds.end());

    // The pages' settings: which odometer columns show, and the charts' options.
    LedgerContext settings;
    settings.LoadSaveConfig(QStringLiteral("sysfile.cfg"), false);
    settings.LoadSaveConfig(QStringLiteral("chart.cfg"), false);
    ReportContent content;
    const SqlStatus read =
        LoadReport(db, request, settings.OdometerColumnMask, settings.m_chartOptions,
                   platform::CurrentDateTime(), content);
    db.Close();
    if (!read.ok()) {
        io.err << QCoreApplication::translate("CommandLine", "读取账本失败：%1").arg(read.message)
               << Qt::endl;
        return 1;
    }
    const ReportOutcome outcome = WriteReportPdf(a.file, content);
    if (outcome.kind != ReportOutcome::Done) {
        const QString why = outcome.cause.isEmpty()
                                ? outcome.error
                                : QCoreApplication::translate("CommandLine", "无法写入文件 %1：%2")
                                      .arg(QDir::toNativeSeparators(a.file), outcome.cause);
        io.err << QCoreApplication::translate("CommandLine", "报表没有写成：%1").arg(why)
               << Qt::endl;
        return 1;
    }
    io.out << QCoreApplication::translate("CommandLine", "已把 %1 条记录写进报表 %2（共 %3 页）。")
                  .arg(content.RecordCount())
                  .arg(QDir::toNativeSeparators(a.file))
                  .arg(outcome.pages)
           << Qt::endl;
    return 0;
}
