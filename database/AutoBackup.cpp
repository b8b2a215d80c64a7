#include "database/AutoBackup.h"

#include "database/BackupPoints.h"
#include "platform/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {
const QString kAutoSuffix = QStringLiteral("-auto.bpt");

const QRegularExpression& pointPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^CAR\\d{8}-\\d{6}(-auto)?\\.bpt$"));
    return pattern;
}

// The backup points of the folder, of one kind or both, by name (which is by time).
QStringList pointsOf(const QString& folder, bool automaticOnly)
{
    QStringList points;
    for (const QString& name : ListBackupFolder(folder))
        if (automaticOnly ? IsAutoBackupPointName(name) : IsBackupPointName(name))
            points << name;
    return points;
}
} // namespace

QString AutoBackupPointName(const QDateTime& when)
{
    QString name = BackupPointName(when);
    name.chop(4); // ".bpt"
    return name + kAutoSuffix;
}

bool IsAutoBackupPointName(const QString& name)
{
    return name.endsWith(kAutoSuffix) && IsBackupPointName(name);
}

bool IsBackupPointName(const QString& name)
{
    return pointPattern().match(name).hasMatch();
}

QString BackupFolderProblem(const QString& folder, bool makeWhenMissing)
{
    const QFileInfo info(folder);
    if (!info.exists() && makeWhenMissing && platform::MakeFolder(folder))
        return QString();
    if (!info.exists())
        return QCoreApplication::translate(
                   "AutoBackup", "备份文件夹【%1】不存在（移动硬盘或 U 盘是否已拔出？）。")
            .arg(QDir::toNativeSeparators(folder));
    if (!info.isDir() || !info.isWritable())
        return QCoreApplication::translate("AutoBackup", "备份文件夹【%1】无法写入。")
            .arg(QDir::toNativeSeparators(folder));
    return QString();
}

bool LedgerChangedSinceLastPoint(const QString& ledgerPath, const QString& folder)
{
    QDateTime newest;
    for (const QString& name : pointsOf(folder, false)) {
        const QDateTime made = QFileInfo(folder + QLatin1Char('/') + name).lastModified();
        if (!newest.isValid() || made > newest)
            newest = made;
    }
    return !newest.isValid() || QFileInfo(ledgerPath).lastModified() >= newest;
}

QStringList PruneAutoBackupPoints(const QString& folder, int keep)
{
    QStringList points = pointsOf(folder, true);
    QStringList removed;
    for (qsizetype i = 0; i + std::max(keep, 0) < points.size(); ++i)
        if (QFile::remove(folder + QLatin1Char('/') + points[i]))
            removed << points[i];
    return removed;
}

ExitBackup BackUpAtExit(const QString& ledgerPath, const BackupSettings& settings,
                        const QDateTime& now, const QString& key)
{
    ExitBackup outcome;
    if (!settings.autoAtExit || !QFileInfo(ledgerPath).isFile())
        return outcome;
    const QString folder = settings.Folder();
    if (const QString problem = BackupFolderProblem(folder, settings.IsDataFolderBackup());
        !problem.isEmpty()) {
        outcome.result = ExitBackup::Failed;
        outcome.message = problem;
        return outcome;
    }
    if (!LedgerChangedSinceLastPoint(ledgerPath, folder)) {
        outcome.result = ExitBackup::Unchanged;
        return outcome;
    }
    outcome.name = AutoBackupPointName(now);
    const SqlStatus made = MakeBackupPoint(ledgerPath, folder, outcome.name, key);
    if (!made.ok()) {
        outcome.result = ExitBackup::Failed;
        outcome.message = made.message;
        return outcome;
    }
    outcome.result = ExitBackup::Made;
    PruneAutoBackupPoints(folder, settings.keepAutomatic);
    return outcome;
}
