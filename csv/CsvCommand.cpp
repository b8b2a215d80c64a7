#include "csv/CsvCommand.h"

#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "csv/ImportSummary.h"
#include "database/MyDatabase.h"
#include "database/StoreReport.h"
#include "platform/Folders.h"
#include "platform/SingleInstance.h"
#include "settings/StoredPassword.h"

#include <QDir>
#include <QFileInfo>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

struct Arguments
{
    QString exportFolder;
    QStringList importPaths;
    ImportOptions options;
    bool dryRun = false;
    bool skipBadLines = false;
    bool help = false;
    bool noPassword = false;
    QString car;
    QString error;
};

Arguments parse(const QStringList& arguments)
{
    Arguments a;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        auto value = [&](QString& target) {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--")))
                a.error = QStringLiteral("%1 后面缺少参数。").arg(arg);
            else
                target = arguments[++i];
        };
        QString text;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            a.help = true;
        } else if (arg == QLatin1String("--export")) {
            value(a.exportFolder);
        } else if (arg == QLatin1String("--import")) {
            value(text);
            if (!text.isEmpty())
                a.importPaths << text;
        } else if (arg == QLatin1String("--car")) {
            value(a.car);
        } else if (arg == QLatin1String("--ledger")) {
            value(text);
            if (const LedgerKindInfo* kind = FindLedgerKind(text))
                a.options.ledger = kind->kind;
            else if (a.error.isEmpty())
                a.error = QStringLiteral("不认识的记录类型“%1”。").arg(text);
        } else if (arg == QLatin1String("--distance")) {
            value(text);
            if (text == QLatin1String("km"))
                a.options.distance = DistanceUnit::Kilometres;
            else if (text == QLatin1String("mi"))
                a.options.distance = DistanceUnit::Miles;
            else if (a.error.isEmpty())
                a.error = QStringLiteral("--distance 只能是 km 或 mi。");
        } else if (arg == QLatin1String("--volume")) {
            value(text);
            if (text == QLatin1String("l"))
                a.options.volume = VolumeUnit::Litres;
            else if (text == QLatin1String("usgal"))
                a.options.volume = VolumeUnit::UsGallons;
            else if (text == QLatin1String("impgal"))
                a.options.volume = VolumeUnit::ImperialGallons;
            else if (a.error.isEmpty())
                a.error = QStringLiteral("--volume 只能是 l、usgal 或 impgal。");
        } else if (arg == QLatin1String("--dry-run")) {
            a.dryRun = true;
        } else if (arg == QLatin1String("--keep-duplicates")) {
            a.options.skipDuplicates = false;
        } else if (arg == QLatin1String("--skip-bad-lines")) {
            a.skipBadLines = true;
        } else if (arg.contains(QLatin1String("/nopassword"))) {
            a.noPassword = true;
        } else if (a.error.isEmpty()) {
            a.error = QStringLiteral("不认识的参数“%1”。").arg(arg);
        }
    }
    a.options.car = a.car;
    if (a.error.isEmpty() && !a.help) {
        if (a.exportFolder.isEmpty() == a.importPaths.isEmpty())
            a.error = QStringLiteral("请给出 --export 或 --import 其中之一。");
        else if (!a.exportFolder.isEmpty() &&
                 (a.dryRun || a.options.ledger || a.skipBadLines || !a.options.skipDuplicates))
            a.error = QStringLiteral("--export 只能和 --car 一起使用。");
    }
    return a;
}

// The files to import: a folder stands for its CSV files, the car file first.
QStringList importFiles(const QStringList& paths)
{
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        QStringList names = QDir(path).entryList({QStringLiteral("*.csv"), QStringLiteral("*.CSV")},
                                                 QDir::Files, QDir::Name);
        const QString carFile = kCarFileName + QStringLiteral(".csv");
        if (names.removeOne(carFile))
            names.prepend(carFile);
        for (const QString& name : names)
            files << QDir(path).filePath(name);
    }
    return files;
}

bool passwordPassed(bool noPassword, CsvCommandIo& io)
{
    if (noPassword)
        return true;
    const StoredPassword stored = ReadStoredPassword();
    if (!stored.set)
        return true;
    if (!stored.unreadableFile.isEmpty()) {
        io.err << UnreadableProfileText(stored.unreadableFile) << Qt::endl;
        return false;
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::optional<QString> typed =
            io.readPassword ? io.readPassword(QStringLiteral("请输入启动密码：")) : std::nullopt;
        if (!typed)
            break;
        if (stored.clear && *typed == *stored.clear)
            return true;
        io.err << QStringLiteral("密码错误。") << Qt::endl;
    }
    io.err << QStringLiteral("没有输入正确的启动密码，程序不能继续。") << Qt::endl;
    return false;
}

int runExport(CMyDatabase& db, const Arguments& a, CsvCommandIo& io)
{
    QString carId;
    if (!a.car.isEmpty()) {
        std::vector<CARLIST> cars;
        db.GetCarList(cars);
        QStringList matches;
        for (const CARLIST& car : cars)
            if (car.carId == a.car || car.name.trimmed() == a.car.trimmed())
                matches << car.carId;
        if (matches.size() != 1) {
            io.err << (matches.isEmpty()
                           ? QStringLiteral("账本里没有车辆“%1”。").arg(a.car)
                           : QStringLiteral(
                                 "账本里有不止一辆车叫“%1”，请给出车辆编号（如 CAR0001）。")
                                 .arg(a.car))
                   << Qt::endl;
            return 1;
        }
        carId = matches.first();
    }
    const CsvExportResult result = ExportCsv(db, {a.exportFolder, carId});
    if (result.outcome != CsvExportResult::Done) {
        io.err << QStringLiteral("导出失败：") << result.error << Qt::endl;
        return 1;
    }
    io.out << QStringLiteral("已导出 %1 条记录到 %2：")
                  .arg(result.records)
                  .arg(QDir::toNativeSeparators(a.exportFolder))
           << Qt::endl;
    for (const QString& file : result.files)
        io.out << QStringLiteral("  ") << file << Qt::endl;
    return 0;
}

int runImport(CMyDatabase& db, const Arguments& a, CsvCommandIo& io)
{
    const QStringList files = importFiles(a.importPaths);
    if (files.isEmpty()) {
        io.err << QStringLiteral("文件夹里没有 CSV 文件。") << Qt::endl;
        return 1;
    }
    const ImportPlan plan = PlanImport(db, files, a.options);
    io.out << ImportSummaryText(plan);
    if (plan.refused())
        return 1;
    if (plan.asksForLedger && !a.options.ledger) {
        io.err << QStringLiteral(
                      "文件没有写明记录类型，已按“%1”预览；请用 --ledger 指定"
                      "（refuel、repair、maintain、accident、dailycost、accessory、carlog）。")
                      .arg(InfoOf(plan.ledger).name)
               << Qt::endl;
        return 1;
    }
    if (!plan.rejected.empty() && !a.skipBadLines) {
        io.err << QStringLiteral("有 %1 行不能导入，没有导入任何记录。改正这些行后再导入，"
                                 "或者加上 --skip-bad-lines 只导入其余的记录。")
                      .arg(plan.rejected.size())
               << Qt::endl;
        return 1;
    }
    if (a.dryRun) {
        io.out << QStringLiteral("试运行：没有写入任何记录。") << Qt::endl;
        return 0;
    }
    const ImportResult result = ApplyImport(db, plan, platform::BackupFolder());
    if (result.outcome != ImportResult::Done) {
        io.err << QStringLiteral("导入失败：") << result.error << Qt::endl;
        return 1;
    }
    io.out << QStringLiteral("已导入 %1 条记录。").arg(result.written);
    if (!result.backupPoint.isEmpty())
        io.out << QStringLiteral("导入前的备份：%1").arg(result.backupPoint);
    io.out << Qt::endl;
    return 0;
}

} // namespace

QString CsvCommandHelp()
{
    return QStringLiteral(
        "用法：\n"
        "  orvyn [/nopassword]                   打开程序窗口\n"
        "  orvyn --export 文件夹 [--car 车辆]      把一辆车（不给 --car 时是所有车辆）的各类记录\n"
        "                                        导出为 CSV 文件\n"
        "  orvyn --import 文件或文件夹 [选项]      从 CSV 文件导入记录，先显示预览\n"
        "  orvyn --help                          显示这段说明\n"
        "\n"
        "导入的选项：\n"
        "  --car 车辆          导入到这辆车（名称或编号 CAR0001）；没有这辆车时新建\n"
        "  --ledger 类型       文件没有写明记录类型时用它：refuel 加油记录、repair 维修记录、\n"
        "                      maintain 保养记录、accident 事故记录、dailycost 日常杂费、\n"
        "                      accessory 汽车用品、carlog 爱车日志\n"
        "  --distance km|mi    文件里的里程单位（默认按文件所写，否则公里）\n"
        "  --volume l|usgal|impgal  文件里的油量单位（默认按文件所写，否则升）\n"
        "  --keep-duplicates   与账本里已有记录相同的行也导入（默认跳过）\n"
        "  --skip-bad-lines    有不能读的行时只导入其余的行（默认整个导入作罢）\n"
        "  --dry-run           只显示预览，不写入任何记录\n"
        "\n"
        "导入要么全部写入，要么什么都不写；写入前先在 backup 文件夹里做一个备份点。\n"
        "程序窗口开着时不能导出或导入同一个账本。设置了启动密码时会在终端上询问。\n"
        "成功时退出码为 0，否则为 1。\n");
}

bool IsCsvCommand(const QStringList& arguments)
{
    for (const QString& arg : arguments)
        if (arg == QLatin1String("--export") || arg == QLatin1String("--import") ||
            arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return true;
    return false;
}

int RunCsvCommand(const QStringList& arguments, CsvCommandIo& io)
{
    const Arguments a = parse(arguments);
    if (a.help) {
        io.out << CsvCommandHelp();
        return 0;
    }
    if (!a.error.isEmpty()) {
        io.err << a.error << Qt::endl << Qt::endl << CsvCommandHelp();
        return 1;
    }

    platform::SingleInstanceLock lock(platform::DataFolder());
    if (!lock.tryAcquire()) {
        io.err << (lock.refusal() == platform::SingleInstanceLock::Refusal::AnotherCopyRuns
                       ? QStringLiteral("程序正在使用这个账本（%1），请先关闭程序再导出或导入。")
                             .arg(QDir::toNativeSeparators(platform::DataFolder()))
                       : lock.refusalText())
               << Qt::endl;
        return 1;
    }
    if (!passwordPassed(a.noPassword, io))
        return 1;

    // What the store would show in a message box goes to the error output.
    QTextStream& err = io.err;
    const StoreMessageSink previous =
        SetStoreMessageSink([&err](const QString& text, const QString&, unsigned) {
            err << text << Qt::endl;
            return 1; // IDOK
        });
    CMyDatabase db;
    db.SetFilePath(platform::DatabasePath());
    int code = 1;
    if (!a.exportFolder.isEmpty() && !QFileInfo::exists(platform::DatabasePath())) {
        io.err << QStringLiteral("还没有账本文件 %1，没有可以导出的记录。")
                      .arg(QDir::toNativeSeparators(platform::DatabasePath()))
               << Qt::endl;
    } else {
        QDir().mkpath(platform::ConfigFolder());
        db.CreateOrOpen();
        if (!db.IsOpen())
            io.err << QStringLiteral("无法打开账本 %1。")
                          .arg(QDir::toNativeSeparators(platform::DatabasePath()))
                   << Qt::endl;
        else
            code = a.exportFolder.isEmpty() ? runImport(db, a, io) : runExport(db, a, io);
    }
    db.Close();
    SetStoreMessageSink(previous);
    return code;
}

std::optional<QString> ReadTerminalPassword(const QString& prompt)
{
    std::cerr << prompt.toStdString() << std::flush;
    termios saved{};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    const bool read = bool(std::getline(std::cin, line));
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::cerr << std::endl;
    }
    if (!read)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}
