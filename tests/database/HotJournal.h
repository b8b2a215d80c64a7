#pragma once

#include <QFileInfo>
#include <QString>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

// Leaves a hot journal beside the ledger at path, as a program killed in the
// middle of a write does: a child process writes rows in one transaction,
// large enough for them to spill into the file, and ends without committing.
inline void LeaveHotJournal(const QString& path)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* raw = nullptr;
        if (sqlite3_open(path.toUtf8().constData(), &raw) != SQLITE_OK)
            _exit(1);
        sqlite3_key(raw, "vorpa", 5);
        const int rc = sqlite3_exec(raw,
                                    "PRAGMA cache_size=2; BEGIN;"
                                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM "
                                    "n WHERE i < 3000) INSERT INTO CarList (CarID, Name, Used) "
                                    "SELECT 'CAR9999', hex(randomblob(100)), 'NO' FROM n;",
                                    nullptr, nullptr, nullptr);
        _exit(rc == SQLITE_OK ? 0 : 2); // neither committed nor closed
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_GT(QFileInfo(path + "-journal").size(), 0);
}
