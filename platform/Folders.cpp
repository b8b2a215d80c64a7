#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {
namespace {

struct ProgramFilePlace
{
    QString name;        // its name beside the executable
    QString installedAt; // its path below the prefix once installed
};

// The same layout as the install rules of the build.
ProgramFilePlace PlaceOf(ProgramFile file)
{
    switch (file) {
    case ProgramFile::Program:
        return {QStringLiteral("orvyn"), QStringLiteral("bin/orvyn")};
    case ProgramFile::RestoreProgram:
        return {QStringLiteral("restore"), QStringLiteral("lib/orvyn/restore")};
    case ProgramFile::EnglishHelpFile:
        return {QStringLiteral("help.en.html"), QStringLiteral("share/orvyn/help.en.html")};
    case ProgramFile::HelpFile:
        break;
    }
    return {QStringLiteral("help.html"), QStringLiteral("share/orvyn/help.html")};
}

// The prefix of an installed executable's folder: the folder above bin/, or
// the one above lib/orvyn/; empty for any other folder.
QString InstalledPrefix(const QString& executableFolder)
{
    const QString folder = QDir::cleanPath(executableFolder);
    for (const QString& below : {QStringLiteral("/bin"), QStringLiteral("/lib/orvyn")}) {
        if (folder.endsWith(below)) {
            const QString prefix = folder.chopped(below.size());
            return prefix.isEmpty() ? QStringLiteral("/") : prefix;
        }
    }
    return QString();
}

} // namespace

QString InstallFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists Qt does not know the executable.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString ProgramFilePath(ProgramFile file, const QString& executableFolder)
{
    const ProgramFilePlace place = PlaceOf(file);
    const QString beside = QDir::cleanPath(executableFolder) + QLatin1Char('/') + place.name;
    if (QFileInfo(beside).isFile())
        return beside;
    const QString prefix = InstalledPrefix(executableFolder);
    if (prefix.isEmpty())
        return beside;
    return QDir::cleanPath(prefix + QLatin1Char('/') + place.installedAt);
}

QString ProgramFilePath(ProgramFile file)
{
    return ProgramFilePath(file, InstallFolder());
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
