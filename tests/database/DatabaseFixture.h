#pragma once

#include "database/MyDatabase.h"
#include "tests/support/CoreTestEnvironment.h"
#include "tests/support/ReadBack.h"

#include <gtest/gtest.h>

// Whether a store operation succeeded; a failure names its code and message.
inline ::testing::AssertionResult Succeeded(const SqlStatus& status)
{
    if (status.ok())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "store status " << status.code << ": " << status.message.toStdString();
}

template <class T>::testing::AssertionResult Succeeded(const Expected<T>& result)
{
    return Succeeded(result.status());
}

// The value of a store read; a failure fails the test and gives T{}.
template <class T> T Value(const Expected<T>& result)
{
    EXPECT_TRUE(Succeeded(result));
    return result.value_or(T{});
}

// A fresh ledger file in a temporary data folder, created and opened as the
// program does at start-up.
class DatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = folders.data() + QStringLiteral("/CAR.mdb");
        db.SetFilePath(path);
        db.SetOpenPassword(CMyDatabase::kDatabasePassword);
        const LedgerOpening opening = db.CreateOrOpen();
        ASSERT_EQ(opening.step, LedgerOpening::Opened) << opening.status.message.toStdString();
        ASSERT_TRUE(db.IsOpen());
    }

    // Inserts the record; a failure fails the test.
    InsertOutcome insert(LedgerKind kind, const LedgerRecord& r)
    {
        return Value(db.InsertRecord(kind, r));
    }

    // Reads one query through a connection of its own, as text rows.
    std::vector<QStringList> readBack(const QString& sql) { return ReadBack(path, sql); }

    TestFolders folders;
    QString path;
    CMyDatabase db;
};
