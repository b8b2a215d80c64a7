#include "restore/RestoreSteps.h"

#include "database/BackupPoints.h"
#include "database/LedgerFile.h"
#include "database/MyDatabase.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/PrivateFiles.h"
#include "platform/SingleInstance.h"
#include "platform/StoredPassword.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

using namespace platform;

QString BackupPointFromArguments(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return QString();
    // Blanks before the slash are the command line's; everything after it,
    // blanks at either end included, is the name.
    const QString& argument = arguments.first();
    qsizetype slash = 0;
    while (slash < argument.size() && argument[slash].isSpace())
        ++slash;
    if (slash == argument.size() || argument[slash] != QLatin1Char('/'))
        return QString();
    return argument.mid(slash + 1);
}

QString BackupFolderFromArguments(const QStringList& arguments)
{
    const QString folder = arguments.value(1);
    return folder.isEmpty() ? BackupFolder() : folder;
}

bool AcquireWithin(SingleInstanceLock& lock, std::chrono::milliseconds limit)
{
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryAcquire()) {
        if (waited.elapsed() >= limit.count())
            return false;
        QThread::msleep(100);
    }
    return true;
}

namespace {

// The name for the replaced ledger: the time's backup point name, or that of
// the next second that names no file and is not the point being restored.
QString keptPointName(const QString& folder, const QString& restored, QDateTime when)
{
    QString name = BackupPointName(when);
    while (name == restored || QFileInfo::exists(folder + QLatin1Char('/') + name)) {
        when = when.addSecs(1);
        name = BackupPointName(when);
    }
    return name;
}

RestoreOutcome failed(const QString& message)
{
    return {false, message, QString()};
}

} // namespace

RestoreOutcome RestoreBackupPoint(const QString& backupFolder, const QString& name,
                                  const QString& ledgerPath, const QDateTime& now,
                                  const RestoreKeys& given)
{
    const RestoreKeys keys{given.ledger.isEmpty() ? CMyDatabase::kDatabasePassword : given.ledger,
                           given.point.isEmpty() ? CMyDatabase::kDatabasePassword : given.point};
    const QString& key = keys.ledger;
    const QString point = backupFolder + QLatin1Char('/') + name;
    switch (CheckBackupPoint(backupFolder, name, keys.point)) {
    case BackupPointState::Complete:
        break;
    case BackupPointState::BadName:
        return failed(QCoreApplication::translate("Restore", "备份点名称【%1】无效，数据没有恢复。")
                          .arg(name));
    case BackupPointState::Missing:
        return failed(QCoreApplication::translate("Restore", "备份点【%1】不存在，数据没有恢复。")
                          .arg(QDir::toNativeSeparators(point)));
    case BackupPointState::Damaged:
        return failed(
            QCoreApplication::translate(
                "Restore", "备份点【%1】已损坏或不是本程序的账本，无法恢复；现有数据没有改变。")
                .arg(name));
    }

    RestoreOutcome outcome{true, QString(), QString()};
    if (QFileInfo::exists(ledgerPath)) {
        outcome.keptName = keptPointName(backupFolder, name, now);
        SqlStatus kept = MakeBackupPoint(ledgerPath, backupFolder, outcome.keptName, key);
        if (!kept.ok() && !IsCompleteLedgerFile(ledgerPath, key)) {
            // A ledger that cannot be read, often the very reason to restore,
            // is kept byte for byte with its journal; the journal then has no
            // business beside the restored ledger.
            kept = CopyFileBytes(ledgerPath, backupFolder + QLatin1Char('/') + outcome.keptName);
            if (kept.ok() && !QFile::remove(ledgerPath + QStringLiteral("-journal")) &&
                QFileInfo::exists(ledgerPath + QStringLiteral("-journal")))
                kept = {1, QCoreApplication::translate("Restore", "无法删除文件 %1")
                               .arg(ledgerPath + QStringLiteral("-journal"))};
        }
        if (!kept.ok())
            return failed(QCoreApplication::translate(
                              "Restore", "无法先将现有数据保存为备份点（%1），数据没有恢复。")
                              .arg(kept.message));
    } else if (!platform::MakeFolder(QFileInfo(ledgerPath).absolutePath())) {
        return failed(QCoreApplication::translate("Restore", "无法创建文件夹 %1，数据没有恢复。")
                          .arg(QDir::toNativeSeparators(QFileInfo(ledgerPath).absolutePath())));
    }
    // Marked owner-keyed before the ledger may have an owner's key, and no
    // longer once it has the fixed key, so that the start-up gate always asks
    // for what opens it.
    const bool ownerKeyed = keys.point != CMyDatabase::kDatabasePassword;
    if (ownerKeyed)
        WriteOwnerKeyed(true);
    const SqlStatus replaced =
        CopyLedgerFile(point, ledgerPath, ledgerPath + kRestoringSuffix, keys.point);
    if (!replaced.ok())
        return failed(
            QCoreApplication::translate("Restore", "恢复数据失败（%1），现有数据没有改变。")
                .arg(replaced.message));
    if (!ownerKeyed)
        WriteOwnerKeyed(false);
    return outcome;
}

RestoreRun RunRestore(const QStringList& arguments, std::chrono::milliseconds lockLimit,
                      const RestoreKeys& keys)
{
    RestoreRun run;
    SingleInstanceLock lock(DataFolder());
    if (!AcquireWithin(lock, lockLimit)) {
        if (lock.refusal() == SingleInstanceLock::Refusal::AnotherCopyRuns) {
            run.startProgram = false;
            run.outcome = failed(QCoreApplication::translate(
                "Restore", "程序仍在运行，数据没有恢复。请退出程序后重新恢复。"));
        } else {
            run.outcome = failed(
                QCoreApplication::translate("Restore", "数据没有恢复：%1").arg(lock.refusalText()));
        }
        return run;
    }
    run.outcome = RestoreBackupPoint(BackupFolderFromArguments(arguments),
                                     BackupPointFromArguments(arguments), DatabasePath(),
                                     CurrentDateTime(), keys);
    return run;
}
