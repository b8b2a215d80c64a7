// How the program words the store's failures: the pure message of a status,
// the box it shows, and what opening the ledger came to.
#include "platform/StoreFailure.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace platform;

namespace {

QString warning(const char* description)
{
    return QStringLiteral("Warning: Execute 方法发生异常. 错误信息: ") +
           QString::fromUtf8(description) +
           QStringLiteral("; 文件: .\\database\\ExtAdo; 行: 526\n");
}

constexpr unsigned kError = MB_OK | MB_ICONERROR;

} // namespace

TEST(StoreFailure, EachStatusHasItsMessageAndShowsItInOneBox)
{
    struct Row
    {
        SqlStatus status;
        QString text;
        QString caption;
        unsigned flags;
    };
    const Row rows[] = {
        {{}, "", "", 0},
        {store::Closed(), "", "", 0},
        {{store::kStopped, "stopped", true}, "", "", 0},
        {{store::kCurrentCar, "the car is in use", true},
         "不能删除当前正在使用的车辆！",
         "Qinmo",
         kError},
        {{SQLITE_FULL, "database or disk is full", true},
         "修改没有保存：磁盘空间已满。",
         "Qinmo",
         kError},
        {{SQLITE_READONLY_DBMOVED, "attempt to write a readonly database", true},
         "修改没有保存：账本文件是只读的，无法写入。",
         "Qinmo",
         kError},
        {{SQLITE_CORRUPT, "database disk image is malformed", false},
         "读取账本失败：账本文件已损坏。",
         "Qinmo",
         kError},
        // Failures of the statement itself: a read tells the warning, a
        // refused write first that nothing was saved.
        {{SQLITE_ERROR, "no such table: CarLst", false},
         warning("no such table: CarLst"),
         "",
         MB_OK},
        {{SQLITE_TOOBIG, "string or blob too big", true},
         "修改没有保存。\n" + warning("string or blob too big"),
         "",
         kError},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.status.code);
        const StoreMessage message = StoreFailureMessage(row.status);
        EXPECT_EQ(message.text, row.text);
        EXPECT_EQ(message.caption, row.caption);
        EXPECT_EQ(message.flags, row.flags);

        MessageBoxRecorder boxes;
        EXPECT_EQ(ShowStoreFailure(row.status), !row.status.ok());
        if (row.text.isEmpty()) {
            EXPECT_TRUE(boxes.boxes().empty());
            continue;
        }
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, row.text);
        // A box without a caption carries the program's name.
        EXPECT_EQ(boxes.boxes()[0].caption, row.caption.isEmpty() ? "Orvyn" : row.caption);
        EXPECT_EQ(boxes.boxes()[0].flags, row.flags);
    }
}

TEST(StoreFailure, LongDescriptionIsCutOnACharacterBoundary)
{
    const QString warning = ExecuteWarning(QString(2000, QChar(u'错')));
    const QString prefix = QStringLiteral("Warning: Execute 方法发生异常. 错误信息: ");
    ASSERT_TRUE(warning.startsWith(prefix));
    const QString kept = warning.mid(prefix.size()).section(QStringLiteral("; 文件: "), 0, 0);
    EXPECT_LT(kept.toUtf8().size(), 1024);
    EXPECT_GT(kept.size(), 300);
    EXPECT_EQ(kept, QString(kept.size(), QChar(u'错'))); // no broken character
    EXPECT_TRUE(warning.endsWith(QStringLiteral("; 文件: .\\database\\ExtAdo; 行: 526\n")));
}

TEST(StoreFailure, LedgerOpeningTellsWhyItFailedOrWhatTheFileLacked)
{
    const auto opening = [](LedgerOpening::Step step, int code, const QString& table = {},
                            const QStringList& added = {}, const QStringList& lost = {}) {
        LedgerOpening o;
        o.step = step;
        o.status = {code, QStringLiteral("cause"), true};
        o.failedTable = table;
        o.addedColumns = added;
        o.lostColumns = lost;
        return o;
    };
    const QStringList columns = {"Refuel.Mark", "Refuel.Price"};
    const std::pair<LedgerOpening, QStringList> rows[] = {
        {opening(LedgerOpening::Opened, SQLITE_OK), {}},
        {opening(LedgerOpening::CreateFailed, SQLITE_CANTOPEN),
         {"数据库创建失败！账本文件夹无法写入。"}},
        {opening(LedgerOpening::OpenFailed, SQLITE_NOTADB), {"数据库打开失败！账本文件已损坏。"}},
        {opening(LedgerOpening::TablesFailed, SQLITE_FULL, "CarProperty"),
         {"创建汽车属性数据库库表失败！磁盘空间已满。"}},
        {opening(LedgerOpening::Opened, SQLITE_OK, {}, columns),
         {"账本文件缺少以下各列，已经补上（内容为空）：Refuel.Mark、Refuel.Price。"}},
        {opening(LedgerOpening::Opened, SQLITE_READONLY, {}, {}, columns),
         {"账本文件缺少以下各列，无法补上：Refuel.Mark、Refuel.Price。这些内容不能显示，"
          "对它们的修改也不能保存。账本文件是只读的，无法写入。"}},
    };
    for (const auto& [ledger, texts] : rows) {
        MessageBoxRecorder boxes;
        ShowLedgerOpening(ledger);
        EXPECT_EQ(boxes.texts(), texts);
        for (const auto& box : boxes.boxes()) {
            EXPECT_EQ(box.caption, "Qinmo");
            EXPECT_EQ(box.flags, kError);
        }
    }
}
