#include "platform/PrivateFiles.h"

#include "platform/Folders.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

mode_t g_startMask = 022;

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

void tighten(const QString& path, mode_t mode)
{
    struct stat info;
    const QByteArray name = native(path);
    if (::lstat(name.constData(), &info) != 0 || info.st_uid != ::geteuid())
        return;
    if ((info.st_mode & 07777) != ((info.st_mode & 07777) & mode))
        ::chmod(name.constData(), info.st_mode & mode);
}

} // namespace

void MakeFilesPrivate()
{
    g_startMask = ::umask(077);
}

unsigned SharedFileMode()
{
    return 0666 & ~g_startMask;
}

void ShareFile(const QString& path)
{
    const bool folder = QFileInfo(path).isDir();
    ::chmod(native(path).constData(), (folder ? 0777 : 0666) & ~g_startMask);
}

void TightenFolders(const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (!QFileInfo(folder).isDir())
            continue;
        tighten(folder, 0700);
        const QFileInfoList entries =
            QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QFileInfo& entry : entries)
            if (!entry.isSymLink())
                tighten(entry.filePath(), 0600);
    }
}

QStringList PrivateFolders()
{
    return {DataFolder(), ConfigFolder(), BackupFolder(),
            QFileInfo(ProfileFilePath()).absolutePath()};
}

bool SyncFolder(const QString& folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool MakeFolder(const QString& path)
{
    const QString absolute = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(absolute).isDir())
        return true;
    const QString parent = QFileInfo(absolute).absolutePath();
    if (parent == absolute || !MakeFolder(parent))
        return false;
    if (::mkdir(native(absolute).constData(), 0777) != 0 && errno != EEXIST)
        return false;
    SyncFolder(parent);
    return QFileInfo(absolute).isDir();
}

} // namespace platform
