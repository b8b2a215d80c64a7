#include "platform/SingleInstance.h"

#include "platform/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

QString errorText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return QCoreApplication::translate("SingleInstance", "没有在数据文件夹中创建文件的权限");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("SingleInstance", "文件无法写入（磁盘可能已满）");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// The host a lock file names: its third line, as this program and earlier
// versions of it write the file ("pid", "program", "host", ...). Empty when
// the file names none.
QString hostNamed(int fd)
{
    char buffer[1024];
    const ssize_t size = ::pread(fd, buffer, sizeof buffer, 0);
    if (size <= 0)
        return QString();
    const QList<QByteArray> lines = QByteArray(buffer, size).split('\n');
    return lines.size() >= 3 ? QString::fromUtf8(lines[2]).trimmed() : QString();
}

bool sameFile(int fd, const QByteArray& path)
{
    struct stat opened = {};
    struct stat named = {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

SingleInstanceLock::SingleInstanceLock(const QString& folder) : m_folder(folder) {}

SingleInstanceLock::~SingleInstanceLock()
{
    release();
}

QString SingleInstanceLock::lockFilePath() const
{
    return m_folder + QStringLiteral("/OrvynSingleInstance.lock");
}

void SingleInstanceLock::refuse(Refusal refusal, const QString& reason)
{
    m_refusal = refusal;
    m_reason = reason;
}

int SingleInstanceLock::lockFile()
{
    const QByteArray path = QFile::encodeName(lockFilePath());
    // The holder removes the file before it lets go of the lock: a lock taken
    // on a file that is no longer at its path is worth nothing, so the file
    // is opened afresh.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            refuse(Refusal::CannotCreate, errorText(errno));
            return -1;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                refuse(Refusal::AnotherCopyRuns);
            else
                refuse(Refusal::CannotCreate, errorText(error));
            return -1;
        }
        if (sameFile(fd, path))
            return fd;
        ::close(fd);
    }
    refuse(Refusal::AnotherCopyRuns);
    return -1;
}

bool SingleInstanceLock::tryAcquire()
{
    release();
    m_refusal = Refusal::None;
    m_otherHost.clear();
    m_reason.clear();
    if (!MakeFolder(m_folder)) {
        refuse(Refusal::CannotCreate,
               QCoreApplication::translate("SingleInstance", "无法创建数据文件夹 %1")
                   .arg(QDir::toNativeSeparators(m_folder)));
        return false;
    }
    const int fd = lockFile();
    if (fd < 0)
        return false;
    const QString host = QSysInfo::machineHostName();
    const QString named = hostNamed(fd);
    if (!named.isEmpty() && named != host) {
        // Left as it is: it may be the lock of a copy that still runs there.
        ::close(fd);
        m_otherHost = named;
        refuse(Refusal::OtherComputer);
        return false;
    }
    // Who holds the lock, for a person who looks at the file; the lock holds
    // whether or not this can be written.
    const QByteArray owner = QByteArray::number(::getpid()) + '\n' +
                             QCoreApplication::applicationName().toUtf8() + '\n' + host.toUtf8() +
                             '\n';
    const bool written =
        ::ftruncate(fd, 0) == 0 && ::pwrite(fd, owner.constData(), owner.size(), 0) > 0;
    Q_UNUSED(written)
    m_fd = fd;
    return true;
}

void SingleInstanceLock::release()
{
    if (m_fd < 0)
        return;
    // Removed while still locked, so that nobody takes the lock of a file that
    // is about to be gone.
    ::unlink(QFile::encodeName(lockFilePath()).constData());
    ::close(m_fd);
    m_fd = -1;
}

QString SingleInstanceLock::refusalText() const
{
    const QString file = QDir::toNativeSeparators(lockFilePath());
    switch (m_refusal) {
    case Refusal::None:
        return QString();
    case Refusal::AnotherCopyRuns:
        return QCoreApplication::translate(
                   "SingleInstance",
                   "程序已经运行！这个账本正被另一个程序使用（它锁定了文件 %1）。")
            .arg(file);
    case Refusal::OtherComputer:
        return QCoreApplication::translate("SingleInstance",
                                           "账本正被另一台电脑（%1）上的程序使用。如果那台电脑上的"
                                           "程序已经不在运行，请删除文件 %2 后重试。")
            .arg(m_otherHost, file);
    case Refusal::CannotCreate:
        return QCoreApplication::translate("SingleInstance", "无法创建锁文件 %1，程序不能运行：%2")
            .arg(file, m_reason);
    }
    return QString();
}

} // namespace platform
