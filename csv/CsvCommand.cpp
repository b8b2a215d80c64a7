#include "csv/CsvCommand.h"

#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "csv/CsvText.h"
#include "csv/ImportSummary.h"
#include "database/LedgerFile.h"
#include "database/MyDatabase.h"
#include "platform/Folders.h"
#include "platform/PrivateFiles.h"
#include "platform/SingleInstance.h"
#include "platform/StoredPassword.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

// The options of an export or import; these take a value.
const QStringList kValueOptions = {"--export", "--import",   "--car",
                                   "--ledger", "--distance", "--volume",
                                   "--map",    "--encoding", "--password-file"};
const QStringList kFlagOptions = {"--dry-run", "--keep-duplicates", "--skip-bad-lines",
                                  "--cut-long-texts"};

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

// The first line of a password file, without its line end.
std::optional<QString> passwordFromFile(const QString& path, CsvCommandIo& io)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        io.err << QCoreApplication::translate("CommandLine", "无法读取密码文件 %1。").arg(path)
               << Qt::endl;
        return std::nullopt;
    }
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

// The key the ledger opens with, once the password that guards it is given
// (on the terminal, or in the password file); std::nullopt, after saying so,
// when it is not. A ledger keyed with the owner's password is opened by that
// password only, also with "/nopassword".
std::optional<QString> ledgerKey(bool noPassword, const QString& passwordFile, CsvCommandIo& io)
{
    const QString fixed = CMyDatabase::kDatabasePassword;
    const StoredPassword stored = ReadStoredPassword();
    const QString ledger = platform::DatabasePath();
    const bool ownerKeyed = stored.ownerKeyed && QFileInfo::exists(ledger);
    if (!ownerKeyed && (noPassword || !stored.set))
        return fixed;
    if (!ownerKeyed && !stored.unreadableFile.isEmpty()) {
        io.err << UnreadableProfileText(stored.unreadableFile) << Qt::endl;
        return std::nullopt;
    }
    // Which key a typed password gives; empty when it opens nothing.
    const auto keyFor = [&](const QString& typed) -> QString {
        const bool startupPasswordTyped = stored.clear && typed == *stored.clear;
        if (!ownerKeyed)
            return startupPasswordTyped ? fixed : QString();
        return OwnerLedgerKeyFor(ledger, typed, !stored.set || startupPasswordTyped);
    };
    const QString prompt = ownerKeyed
                               ? QCoreApplication::translate("CommandLine", "请输入账本密码：")
                               : QCoreApplication::translate("CommandLine", "请输入启动密码：");
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::optional<QString> typed = !passwordFile.isEmpty()
                                                 ? passwordFromFile(passwordFile, io)
                                             : io.readPassword ? io.readPassword(prompt)
                                                               : std::nullopt;
        if (!typed)
            break;
        if (const QString key = keyFor(*typed); !key.isEmpty())
            return key;
        io.err << QCoreApplication::translate("CommandLine", "密码错误。") << Qt::endl;
        if (!passwordFile.isEmpty())
            break;
    }
    io.err << (ownerKeyed ? QCoreApplication::translate("CommandLine",
                                                        "没有给出能打开账本的密码，程序不能继续。")
                          : QCoreApplication::translate("CommandLine",
                                                        "没有输入正确的启动密码，程序不能继续。"))
           << Qt::endl;
    return std::nullopt;
}

int runExport(CMyDatabase& db, const CsvRequest& a, CsvCommandIo& io)
{
    QString carId;
    if (!a.options.car.isEmpty()) {
        const Expected<std::vector<CARLIST>> cars = db.GetCarList();
        if (!cars) {
            io.err << QCoreApplication::translate("CommandLine", "读取账本失败：%1")
                          .arg(cars.error().message)
                   << Qt::endl;
            return 1;
        }
        QStringList matches;
        for (const CARLIST& car : *cars)
            if (car.carId == a.options.car || car.name.trimmed() == a.options.car.trimmed())
                matches << car.carId;
        if (matches.size() != 1) {
            io.err << (matches.isEmpty()
                           ? QCoreApplication::translate("CommandLine", "账本里没有车辆“%1”。")
                                 .arg(a.options.car)
                           : QCoreApplication::translate(
                                 "CommandLine",
                                 "账本里有不止一辆车叫“%1”，请给出车辆编号（如 CAR0001）。")
                                 .arg(a.options.car))
                   << Qt::endl;
            return 1;
        }
        carId = matches.first();
    }
    const CsvExportResult result = ExportCsv(db, {a.exportFolder, carId});
    if (result.outcome != CsvExportResult::Done) {
        io.err << QCoreApplication::translate("CommandLine", "导出失败：") << result.error
               << Qt::endl;
        return 1;
    }
    io.out << QCoreApplication::translate("CommandLine", "已导出 %1 条记录到 %2：")
                  .arg(result.records)
                  .arg(QDir::toNativeSeparators(a.exportFolder))
           << Qt::endl;
    for (const QString& file : result.files)
        io.out << QStringLiteral("  ") << file << Qt::endl;
    return 0;
}

int runImport(CMyDatabase& db, const CsvRequest& a, CsvCommandIo& io)
{
    const QStringList files = importFiles(a.importPaths);
    if (files.isEmpty()) {
        io.err << QCoreApplication::translate("CommandLine", "文件夹里没有 CSV 文件。") << Qt::endl;
        return 1;
    }
    const ImportPlan plan = PlanImport(db, files, a.options);
    io.out << ImportSummaryText(plan);
    if (plan.refused())
        return 1;
    if (plan.asksForLedger && !a.options.ledger) {
        io.err << QCoreApplication::translate(
                      "CommandLine",
                      "文件没有写明记录类型，已按“%1”预览；请用 --ledger 指定"
                      "（refuel、repair、maintain、accident、dailycost、accessory、carlog）。")
                      .arg(InfoOf(plan.ledger).shownName())
               << Qt::endl;
        return 1;
    }
    if (!plan.rejected.empty() && !a.skipBadLines) {
        io.err << QCoreApplication::translate(
                      "CommandLine", "有 %1 行不能导入，没有导入任何记录。改正这些行后再导入，"
                                     "或者加上 --skip-bad-lines 只导入其余的记录。")
                      .arg(plan.rejected.size())
               << Qt::endl;
        return 1;
    }
    if (a.dryRun) {
        io.out << QCoreApplication::translate("CommandLine", "试运行：没有写入任何记录。")
               << Qt::endl;
        return 0;
    }
    const ImportResult result = ApplyImport(db, plan, platform::BackupFolder());
    if (result.outcome != ImportResult::Done) {
        io.err << QCoreApplication::translate("CommandLine", "导入失败：") << result.error
               << Qt::endl;
        return 1;
    }
    io.out << QCoreApplication::translate("CommandLine", "已导入 %1 条记录。").arg(result.written);
    if (!result.backupPoint.isEmpty())
        io.out << QCoreApplication::translate("CommandLine", "导入前的备份：%1")
                      .arg(result.backupPoint);
    io.out << Qt::endl;
    return 0;
}

} // namespace

bool IsCsvCommand(const QStringList& arguments)
{
    for (const QString& arg : arguments)
        if (kValueOptions.contains(arg) || kFlagOptions.contains(arg))
            return true;
    return false;
}

CsvRequest ParseCsvCommand(const QStringList& arguments)
{
    CsvRequest a;
    // The first mistake is the one told.
    auto mistake = [&a](const QString& text) {
        if (a.mistake.isEmpty())
            a.mistake = text;
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
        if (arg == QLatin1String("--export")) {
            a.exportFolder = text;
        } else if (arg == QLatin1String("--import")) {
            if (!text.isEmpty())
                a.importPaths << text;
        } else if (arg == QLatin1String("--car")) {
            a.options.car = text;
        } else if (arg == QLatin1String("--password-file")) {
            a.passwordFile = text;
        } else if (arg == QLatin1String("--ledger")) {
            if (const LedgerKindInfo* kind = FindLedgerKind(text))
                a.options.ledger = kind->kind;
            else
                mistake(
                    QCoreApplication::translate("CommandLine", "不认识的记录类型“%1”。").arg(text));
        } else if (arg == QLatin1String("--distance")) {
            if (text == QLatin1String("km"))
                a.options.distance = DistanceUnit::Kilometres;
            else if (text == QLatin1String("mi"))
                a.options.distance = DistanceUnit::Miles;
            else
                mistake(QCoreApplication::translate("CommandLine", "--distance 只能是 km 或 mi。"));
        } else if (arg == QLatin1String("--volume")) {
            if (text == QLatin1String("l"))
                a.options.volume = VolumeUnit::Litres;
            else if (text == QLatin1String("usgal"))
                a.options.volume = VolumeUnit::UsGallons;
            else if (text == QLatin1String("impgal"))
                a.options.volume = VolumeUnit::ImperialGallons;
            else
                mistake(QCoreApplication::translate("CommandLine",
                                                    "--volume 只能是 l、usgal 或 impgal。"));
        } else if (arg == QLatin1String("--encoding")) {
            for (const QString& encoding : CsvEncodings())
                if (encoding.compare(text, Qt::CaseInsensitive) == 0)
                    a.options.encoding = encoding;
            if (a.options.encoding.isEmpty())
                mistake(QCoreApplication::translate(
                    "CommandLine",
                    "--encoding 只能是 UTF-8、GB18030、Windows-1252、UTF-16LE 或 UTF-16BE。"));
        } else if (arg == QLatin1String("--map")) {
            const qsizetype equals = text.lastIndexOf(QLatin1Char('='));
            const std::optional<GenericField> field =
                equals > 0 ? FindGenericField(text.mid(equals + 1)) : std::nullopt;
            if (field)
                a.options.columnFields.emplace_back(text.left(equals), *field);
            else
                mistake(QCoreApplication::translate(
                    "CommandLine", "--map 要写成 栏名=字段，字段是日期、里程表、金额、单价、数量、"
                                   "备注、服务商、内容或不导入。"));
        } else if (arg == QLatin1String("--dry-run")) {
            a.dryRun = true;
        } else if (arg == QLatin1String("--keep-duplicates")) {
            a.options.skipDuplicates = false;
        } else if (arg == QLatin1String("--skip-bad-lines")) {
            a.skipBadLines = true;
        } else if (arg == QLatin1String("--cut-long-texts")) {
            a.options.cutLongTexts = true;
        } else if (arg.contains(QLatin1String("/nopassword"))) {
            a.noPassword = true;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            mistake(QCoreApplication::translate("CommandLine", "不认识的选项“%1”。").arg(arg));
        } else {
            mistake(QCoreApplication::translate("CommandLine", "不认识的参数“%1”。").arg(arg));
        }
    }
    if (a.exportFolder.isEmpty() == a.importPaths.isEmpty())
        mistake(
            QCoreApplication::translate("CommandLine", "请给出 --export 或 --import 其中之一。"));
    else if (!a.exportFolder.isEmpty() &&
             (a.dryRun || a.options.ledger || a.skipBadLines || !a.options.skipDuplicates ||
              !a.options.encoding.isEmpty() || !a.options.columnFields.empty() ||
              a.options.cutLongTexts))
        mistake(QCoreApplication::translate("CommandLine",
                                            "--export 只能和 --car、--password-file 一起使用。"));
    return a;
}

int RunCsvCommand(const CsvRequest& a, CsvCommandIo& io)
{
    // Nothing in the data folder is made for an export without a ledger or an
    // import of files that are not there.
    const QString ledger = QDir::toNativeSeparators(platform::DatabasePath());
    if (!a.exportFolder.isEmpty() && !QFileInfo::exists(platform::DatabasePath())) {
        io.err << QCoreApplication::translate("CommandLine",
                                              "还没有账本文件 %1，没有可以导出的记录。")
                      .arg(ledger)
               << Qt::endl;
        return 1;
    }
    for (const QString& path : a.importPaths) {
        if (!QFileInfo::exists(path)) {
            io.err << QCoreApplication::translate("CommandLine", "文件 %1 不存在。")
                          .arg(QDir::toNativeSeparators(path))
                   << Qt::endl;
            return 1;
        }
    }

    platform::SingleInstanceLock lock(platform::DataFolder());
    if (!lock.tryAcquire()) {
        io.err << (lock.refusal() == platform::SingleInstanceLock::Refusal::AnotherCopyRuns
                       ? QCoreApplication::translate(
                             "CommandLine",
                             "程序正在使用这个账本（%1），请先关闭程序再导出或导入。")
                             .arg(QDir::toNativeSeparators(lock.lockFilePath()))
                       : lock.refusalText())
               << Qt::endl;
        return 1;
    }
    const std::optional<QString> key = ledgerKey(a.noPassword, a.passwordFile, io);
    if (!key)
        return 1;

    platform::MakeFolder(platform::ConfigFolder());
    CMyDatabase db;
    db.SetFilePath(platform::DatabasePath());
    db.SetOpenPassword(*key);
    const LedgerOpening opening = db.CreateOrOpen();
    if (!db.IsOpen()) {
        io.err << QCoreApplication::translate("CommandLine", "无法打开账本 %1。").arg(ledger)
               << StorageFaultCause(opening.status.code, opening.step == LedgerOpening::CreateFailed
                                                             ? StorageAction::Create
                                                             : StorageAction::Open)
               << Qt::endl;
        return 1;
    }
    if (opening.step == LedgerOpening::TablesFailed || !opening.lostColumns.isEmpty())
        io.err << QCoreApplication::translate("CommandLine", "账本文件不完整，无法补全：%1")
                      .arg(opening.status.message)
               << Qt::endl;
    const int code = a.exportFolder.isEmpty() ? runImport(db, a, io) : runExport(db, a, io);
    db.Close();
    return code;
}

std::optional<QString> CommandLedgerKey(bool noPassword, const QString& passwordFile,
                                        CsvCommandIo& io)
{
    return ledgerKey(noPassword, passwordFile, io);
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
