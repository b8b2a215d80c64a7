#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace platform {

QString InstallFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString DataFolder()
{
    const QString home = qEnvironmentVariable("ORVYN_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/Orvyn"));
}

QString ConfigFolder()
{
    return DataFolder() + QStringLiteral("/config");
}
QString BackupFolder()
{
    return DataFolder() + QStringLiteral("/backup");
}
QString DatabasePath()
{
    return ConfigFolder() + QStringLiteral("/CAR.mdb");
}

} // namespace platform
