#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace platform {

// One running copy per ledger: a lock file "OrvynSingleInstance.lock" in the data
// folder, held for the whole run. A lock left by a copy that no longer runs is
// taken over.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString& folder);
    ~SingleInstanceLock();

    // False only when another running copy holds the lock. When the lock file
    // cannot be written at all the program still runs (and reports the data
    // folder problem itself when it opens the ledger).
    bool tryAcquire();

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace platform
