#include "database/BackupPoints.h"

#include "database/LedgerFile.h"
#include "database/MyDatabase.h"
#include "platform/PrivateFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

// The number written at [first, first + count) of the name: its digits up to
// the first other character, 0 without any.
int numberAt(const QString& name, int first, int count)
{
    int value = 0;
    for (int i = first; i < first + count && i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

QString BackupPointName(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return QString::asprintf("CAR%04d%02d%02d-%02d%02d%02d.bpt", d.year(), d.month(), d.day(),
                             t.hour(), t.minute(), t.second());
}

QString BackupPointRowText(const QString& fileName)
{
    return fileName +
           QString::asprintf(QCoreApplication::translate(
                                 "BackupPoints", "【备份时间：%d/%02d/%02d %02d:%02d:%02d】")
                                 .toUtf8()
                                 .constData(),
                             numberAt(fileName, 3, 4), numberAt(fileName, 7, 2),
                             numberAt(fileName, 9, 2), numberAt(fileName, 12, 2),
                             numberAt(fileName, 14, 2), numberAt(fileName, 16, 2));
}

bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(u'\0'));
}

BackupPointState CheckBackupPoint(const QString& folder, const QString& name, const QString& key)
{
    if (!IsPlainFileName(name))
        return BackupPointState::BadName;
    const QString point = folder + QLatin1Char('/') + name;
    if (!QFileInfo(point).isFile())
        return BackupPointState::Missing;
    return IsCompleteLedgerFile(point, key) ? BackupPointState::Complete
                                            : BackupPointState::Damaged;
}

QStringList ListBackupFolder(const QString& folder)
{
    QStringList names;
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : entries)
        if (!name.startsWith(QLatin1Char('.')) && !QFileInfo(dir.filePath(name)).isDir())
            names << name;
    names.sort();
    return names;
}

void RemoveAbandonedCopies(const QString& folder)
{
    // A copy being written changes every moment; one untouched for a minute
    // was left by a run that ended in the middle of a backup.
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList parts = QDir(folder).entryInfoList(
        {QStringLiteral(".*.part"), QStringLiteral(".*.part-journal")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& part : parts)
        if (part.lastModified().toUTC() < stale)
            QFile::remove(part.filePath());
}

SqlStatus MakeBackupPoint(const QString& ledgerPath, const QString& folder, const QString& name,
                          const QString& key)
{
    if (!IsPlainFileName(name))
        return {SQLITE_MISUSE,
                QCoreApplication::translate("BackupPoints", "备份点名称无效：%1").arg(name)};
    if (!platform::MakeFolder(folder))
        return {SQLITE_CANTOPEN,
                QCoreApplication::translate("BackupPoints", "无法创建备份文件夹 %1")
                    .arg(QDir::toNativeSeparators(folder))};
    RemoveAbandonedCopies(folder);
    // The leading "." keeps an unfinished copy out of the list.
    const QString temporary = folder + QStringLiteral("/.") + name + QStringLiteral(".part");
    return CopyLedgerFile(ledgerPath, folder + QLatin1Char('/') + name, temporary, key);
}

RestoreKeys ReadRestoreKeys(const QByteArray& input)
{
    const QList<QByteArray> lines = input.split('\n');
    const auto line = [&](int i) {
        return i < lines.size() && !lines[i].isEmpty() ? QString::fromUtf8(lines[i])
                                                       : CMyDatabase::kDatabasePassword;
    };
    return {line(0), line(1)};
}

QByteArray RestoreKeysInput(const RestoreKeys& keys)
{
    return keys.ledger.toUtf8() + '\n' + keys.point.toUtf8() + '\n';
}
