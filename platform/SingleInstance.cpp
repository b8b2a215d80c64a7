#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

SingleInstanceLock::SingleInstanceLock(const QString& folder) : m_folder(folder) {}

SingleInstanceLock::~SingleInstanceLock() = default;

QString SingleInstanceLock::lockFilePath() const
{
    return m_folder + QStringLiteral("/OrvynSingleInstance.lock");
}

bool SingleInstanceLock::heldByOtherComputer()
{
    QString host;
    if (!QFileInfo::exists(lockFilePath()) || !m_lock->getLockInfo(nullptr, &host, nullptr))
        return false;
    // The name QLockFile itself writes; an empty one means this computer.
    if (host.isEmpty() || host == QSysInfo::machineHostName())
        return false;
    m_otherHost = host;
    return true;
}

bool SingleInstanceLock::removeOwnerlessLock()
{
    if (m_lock->getLockInfo(nullptr, nullptr, nullptr))
        return false;
    // A running copy holds its lock file locked as well as written.
    const QByteArray path = QFile::encodeName(lockFilePath());
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool unheld = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool removed = unheld && ::unlink(path.constData()) == 0;
    ::close(fd);
    return removed;
}

bool SingleInstanceLock::tryAcquire()
{
    m_refusal = Refusal::None;
    m_otherHost.clear();
    m_reason.clear();
    if (!QDir().mkpath(m_folder)) {
        m_refusal = Refusal::CannotCreate;
        m_reason = QStringLiteral("无法创建数据文件夹 %1").arg(QDir::toNativeSeparators(m_folder));
        return false;
    }
    m_lock = std::make_unique<QLockFile>(lockFilePath());
    // Staleness is judged by whether the owning process still runs, never by age.
    m_lock->setStaleLockTime(0);
    // QLockFile would take over a dead copy's lock whenever the machine
    // identifier matches, whatever the host name; another host name is checked
    // first so that such a lock is never removed.
    if (heldByOtherComputer()) {
        m_refusal = Refusal::OtherComputer;
        return false;
    }
    if (m_lock->tryLock(0) || (removeOwnerlessLock() && m_lock->tryLock(0)))
        return true;
    switch (m_lock->error()) {
    case QLockFile::LockFailedError:
        if (heldByOtherComputer())
            m_refusal = Refusal::OtherComputer;
        else if (m_lock->getLockInfo(nullptr, nullptr, nullptr))
            m_refusal = Refusal::AnotherCopyRuns;
        else
            m_refusal = Refusal::UnreadableLock;
        break;
    case QLockFile::PermissionError:
        m_refusal = Refusal::CannotCreate;
        m_reason = QStringLiteral("没有在数据文件夹中创建文件的权限");
        break;
    default:
        m_refusal = Refusal::CannotCreate;
        m_reason = QStringLiteral("文件无法写入（磁盘可能已满）");
        break;
    }
    return false;
}

QString SingleInstanceLock::refusalText() const
{
    const QString file = QDir::toNativeSeparators(lockFilePath());
    switch (m_refusal) {
    case Refusal::None:
        return QString();
    case Refusal::AnotherCopyRuns:
        return QStringLiteral("程序已经运行！");
    case Refusal::OtherComputer:
        return QStringLiteral("账本正被另一台电脑（%1）上的程序使用。如果那台电脑上的程序已经不在"
                              "运行，请删除文件 %2 后重试。")
            .arg(m_otherHost, file);
    case Refusal::UnreadableLock:
        return QStringLiteral("锁文件 %1 的内容无法识别。如果没有别的程序在使用这个账本，请删除"
                              "该文件后重试。")
            .arg(file);
    case Refusal::CannotCreate:
        return QStringLiteral("无法创建锁文件 %1，程序不能运行：%2").arg(file, m_reason);
    }
    return QString();
}

} // namespace platform
