#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace platform {

// One running copy per ledger: a lock file "OrvynSingleInstance.lock" in the data
// folder, held for the whole run. Without the lock the program must not run.
//
// A lock left by a copy on this computer that no longer runs is taken over. A
// lock written under another host name never is (the data folder may be
// shared with that computer); the user is told which file to remove.
class SingleInstanceLock
{
public:
    enum class Refusal
    {
        None,            // the lock is held
        AnotherCopyRuns, // a running copy on this computer holds it
        OtherComputer,   // a copy on another computer holds it
        UnreadableLock,  // the lock file is there but names no owner
        CannotCreate,    // the lock file cannot be written
    };

    explicit SingleInstanceLock(const QString& folder);
    ~SingleInstanceLock();

    // True when the lock is held; otherwise refusal() says why.
    bool tryAcquire();
    Refusal refusal() const { return m_refusal; }
    // The text that tells the user why the program cannot run (empty while
    // the lock is held).
    QString refusalText() const;
    QString lockFilePath() const;

private:
    bool heldByOtherComputer();
    // Removes a lock file that names no owner and that no process holds (a
    // copy was killed while writing it); true when it was removed.
    bool removeOwnerlessLock();

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    Refusal m_refusal = Refusal::None;
    QString m_otherHost; // with OtherComputer
    QString m_reason;    // with CannotCreate
};

} // namespace platform
