// The ledger context: its store while open, and the settings files it loads
// and saves byte for byte.
#include "database/LedgerContext.h"
#include "platform/Folders.h"
#include "tests/support/CoreTestEnvironment.h"
#include "tests/support/PageContext.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <array>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// The six settings, in file order: mask, start-up check, then the chart's
// type, grid lines, tips and gradient fill.
using Settings = std::array<qint32, 6>;

Settings settingsOf(const LedgerContext& c)
{
    const ChartOptions& o = c.m_chartOptions;
    return {c.OdometerColumnMask, c.AutoCheckUpdate, o.chartType, o.gridLines, o.tips,
            o.gradientFill};
}

void setSettings(LedgerContext& c, const Settings& s)
{
    c.OdometerColumnMask = s[0];
    c.AutoCheckUpdate = s[1];
    c.m_chartOptions = {s[2], s[3], s[4], s[5]};
}

} // namespace

TEST(LedgerContext, TheStoreIsHandedOutOnlyWhileOpen)
{
    TestFolders folders;
    LedgerContext context;
    EXPECT_EQ(context.OpenDatabase(), nullptr);
    ASSERT_TRUE(OpenLedger(context, folders.data() + "/CAR.mdb"));
    EXPECT_EQ(context.OpenDatabase(), &context.m_database);
    context.m_database.Close();
    EXPECT_EQ(context.OpenDatabase(), nullptr);
}

// What a load takes from each kind of file; a field the file does not hold
// whole keeps its value (-1 here).
TEST(LedgerContext, LoadingTakesWhatTheFileHoldsWhole)
{
    const Settings unset = {-1, -1, -1, -1, -1, -1};
    const struct
    {
        const char* name; // as the caller names it
        const char* file; // as it lies in the config folder; none: missing
        QByteArray bytes;
        int answer;
        Settings after;
    } rows[] = {
        {"sysfile.cfg", nullptr, {}, 0, unset},
        {"SysFile.CFG", "sysfile.cfg", Int32Bytes({21, 1}), 1, {21, 1, -1, -1, -1, -1}},
        {"sysfile.cfg", "sysfile.cfg", Int32Bytes({5}), 0, {5, -1, -1, -1, -1, -1}},
        // The cut-off second value is not taken.
        {"sysfile.cfg",
         "sysfile.cfg",
         Int32Bytes({7}) + QByteArray("\x01\x00", 2),
         0,
         {7, -1, -1, -1, -1, -1}},
        {"chart.cfg", "chart.cfg", Int32Bytes({0, 1, 0, 1}), 1, {-1, -1, 0, 1, 0, 1}},
        {"chart.cfg", "chart.cfg", Int32Bytes({1, 0, 1}), 0, {-1, -1, 1, 0, 1, -1}},
        {"other.cfg", "other.cfg", Int32Bytes({1, 2}), 0, unset},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " " + std::to_string(row.bytes.size()));
        TestFolders folders;
        if (row.file)
            WriteConfigFile(row.file, row.bytes);
        LedgerContext context;
        setSettings(context, unset);
        EXPECT_EQ(context.LoadSaveConfig(row.name, false), row.answer);
        EXPECT_EQ(settingsOf(context), row.after);
        EXPECT_EQ(QDir(ConfigFolder()).exists(), row.file != nullptr); // a load makes nothing
    }
}

TEST(LedgerContext, SavingWritesTheFieldsAndRemakesTheConfigFolder)
{
    TestFolders folders;
    LedgerContext context;
    setSettings(context, {0x12, 1, 0, 1, 2, 3});
    ASSERT_FALSE(QDir(ConfigFolder()).exists());
    EXPECT_EQ(context.LoadSaveConfig("sysfile.cfg", true), 1);
    EXPECT_EQ(context.LoadSaveConfig("Chart.CFG", true), 1);
    EXPECT_EQ(ConfigFileBytes("sysfile.cfg"), Int32Bytes({0x12, 1}));
    EXPECT_EQ(ConfigFileBytes("chart.cfg"), Int32Bytes({0, 1, 2, 3}));
    EXPECT_EQ(ConfigFilePath("Chart.cfg"), ConfigFolder() + "/chart.cfg");

    // A longer file is cut to the fields.
    WriteConfigFile("sysfile.cfg", Int32Bytes({9, 9, 9}));
    EXPECT_EQ(context.LoadSaveConfig("sysfile.cfg", true), 1);
    EXPECT_EQ(ConfigFileBytes("sysfile.cfg"), Int32Bytes({0x12, 1}));

    EXPECT_EQ(context.LoadSaveConfig("other.cfg", true), 0);
    EXPECT_EQ(QDir(ConfigFolder()).entryList(QDir::Files),
              QStringList({"chart.cfg", "sysfile.cfg"}));
}
