#pragma once

#include "tests/support/FakeFrame.h"
#include "tests/support/ReadBack.h"
#include "tests/support/TestEnvironment.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = folders.data() + QStringLiteral("/CAR.mdb");
        frame.m_database.SetFilePath(path);
        frame.m_database.SetOpenPassword(CMyDatabase::kDatabasePassword);
        frame.m_database.CreateOrOpen();
        ASSERT_TRUE(frame.m_database.IsOpen()) << boxes.texts().join('|').toStdString();
    }

    CMyDatabase& db() { return frame.m_database; }

    // Reads one query through a connection of its own, as text rows.
    std::vector<QStringList> readBack(const QString& sql) { return ReadBack(path, sql); }

    TestFolders folders;
    MessageBoxRecorder boxes;
    QString path;
    FakeFrame frame;
};
