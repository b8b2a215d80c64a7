#pragma once

#include <QString>

namespace platform {

// One running copy per ledger: a lock file "OrvynSingleInstance.lock" in the data
// folder, held locked (an advisory lock of the operating system) for the whole
// run. The lock dies with the process that holds it, so a copy that crashed
// never keeps the next one out, and a running copy is told by its lock alone,
// never by what the file says: process ids are used again, in containers even
// for the starting program itself.
//
// The file names the owner's host. A lock file of another host name is never
// taken over (the data folder may be shared with that computer, whose locks
// this one may not see); the user is told which file to remove.
class SingleInstanceLock
{
public:
    enum class Refusal
    {
        None,            // the lock is held
        AnotherCopyRuns, // a running process holds it
        OtherComputer,   // a copy on another computer may hold it
        CannotCreate,    // the lock file cannot be made or locked
    };

    explicit SingleInstanceLock(const QString& folder);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when the lock is held; otherwise refusal() says why.
    bool tryAcquire();
    // Removes the lock file and lets go of the lock (also done on destruction).
    void release();
    Refusal refusal() const { return m_refusal; }
    // The text that tells the user why the program cannot run (empty while
    // the lock is held).
    QString refusalText() const;
    QString lockFilePath() const;

private:
    // Locks the file at the lock file's path; -1 with m_refusal set when that
    // fails.
    int lockFile();
    void refuse(Refusal refusal, const QString& reason = QString());

    QString m_folder;
    int m_fd = -1;
    Refusal m_refusal = Refusal::None;
    QString m_otherHost; // with OtherComputer
    QString m_reason;    // with CannotCreate
};

} // namespace platform
