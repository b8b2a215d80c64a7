#pragma once

#include "settings/SettingsSheet.h"
#include "settings/TreePropSheet.h"
#include "tests/support/PageContext.h"
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
        ASSERT_TRUE(OpenLedger(context, path)) << boxes.texts().join('|').toStdString();
    }

    CMyDatabase& db() { return context.m_database; }
    // The sheet the main window opens for a settings command.
    std::unique_ptr<CTreePropSheet> createSheet(int command)
    {
        return CreateSettingsSheet(nullptr, command, context, &window);
    }

    // Reads one query through a connection of its own, as text rows.
    std::vector<QStringList> readBack(const QString& sql) { return ReadBack(path, sql); }

    TestFolders folders;
    MessageBoxRecorder boxes;
    QString path;
    LedgerContext context;
    RecordingWindow window{context};
};
