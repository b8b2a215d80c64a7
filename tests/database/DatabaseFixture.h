#pragma once

#include "database/MyDatabase.h"
#include "tests/support/CoreTestEnvironment.h"
#include "tests/support/ReadBack.h"

#include <gtest/gtest.h>

// A fresh ledger file in a temporary data folder, created and opened as the
// program does at start-up; every message of the store is recorded.
class DatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = folders.data() + QStringLiteral("/CAR.mdb");
        db.SetFilePath(path);
        db.SetOpenPassword(CMyDatabase::kDatabasePassword);
        db.CreateOrOpen();
        ASSERT_TRUE(db.IsOpen()) << boxes.texts().join('|').toStdString();
    }

    // Reads one query through a connection of its own, as text rows.
    std::vector<QStringList> readBack(const QString& sql) { return ReadBack(path, sql); }

    TestFolders folders;
    StoreMessageRecorder boxes;
    QString path;
    CMyDatabase db;
};
