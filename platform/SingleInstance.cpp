#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>

namespace platform {

SingleInstanceLock::SingleInstanceLock(const QString& folder) : m_folder(folder) {}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::tryAcquire()
{
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(m_folder + QStringLiteral("/OrvynSingleInstance.lock"));
    // Staleness is judged by whether the owning process still runs, never by age.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
}

} // namespace platform
