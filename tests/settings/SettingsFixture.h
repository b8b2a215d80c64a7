#pragma once

#include "database/FrameState.h"
#include "tests/support/ReadBack.h"
#include "tests/support/TestEnvironment.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A main frame without a window: a real ledger file in the test's data folder,
// and a record of the title and photo requests the pages make.
class FakeFrame : public CFrameState
{
public:
    void SetTitle() override
    {
        const QString name = m_database.GetCurrentCarName();
        title = QStringLiteral("Qinmo【") +
                (name.isEmpty() ? QStringLiteral("请选择或创建管理车辆") : name) +
                QStringLiteral("】");
        ++titleCalls;
    }
    void RedrawCarPhoto() override { ++photoRedraws; }
    // Settings files are the real frame's business; the pages never ask for them.
    int LoadSaveConfig(const QString& fileName, bool save) override
    {
        configCalls << fileName + (save ? QStringLiteral(" save") : QStringLiteral(" load"));
        return 1;
    }

    QString title;
    int titleCalls = 0;
    int photoRedraws = 0;
    QStringList configCalls;
};

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
