#include "app/CareReminderQueue.h"
#include "app/DlgDataCheck.h"
#include "app/MainFrame.h"
#include "app/MsgTipWnd.h"
#include "app/OrvynView.h"
#include "controls/GridCtrl.h"
#include "database/CareReminders.h"
#include "ledgers/LedgerPage.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QLabel>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// A ledger with two cars (甲 current) made before the main window opens it,
// on a fixed "today" of 2024/05/20.
class CareAndCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetClock([] { return QDateTime(QDate(2024, 5, 20), QTime(9, 5)); });
        QDir().mkpath(ConfigFolder());
        CMyDatabase db;
        db.SetFilePath(DatabasePath());
        ASSERT_EQ(db.CreateOrOpen().step, LedgerOpening::Opened);
        db.NewCar("甲");
        db.NewCar("乙");
        db.SetCurrentCar("CAR0001");
        db.Connection().Execute(
            "insert into CarProperty (CarID, CurMiles) values ('CAR0001', 12000), "
            "('CAR0002', 500)");
        db.Connection().Execute(
            "insert into CareReminder (CarID, RecID, Title, DueDate, DueMiles, RepeatMonths, "
            "RepeatMiles, LeadDays, LeadMiles, Done) values "
            "('CAR0001', '0000001', '年检', '2024/06/10', 0, 12, 0, 30, 1000, 0),"
            "('CAR0001', '0000002', '机油', '', 15000, 0, 5000, 30, 1000, 0),"
            "('CAR0002', '0000003', '保险', '2024/05/01', 0, 0, 0, 30, 1000, 0),"
            "('CAR0002', '0000004', '旧的', '2024/05/01', 0, 0, 0, 30, 1000, 1)");
        db.Connection().Execute(
            "insert into Refuel (CarID, RecID, DateTimee, Miles, Amount, Price, FuelMeter1, "
            "FuelMeter2) values ('CAR0001', '0000001', '2024/03/01', 11000, 300, 7.5, 1, 8),"
            "('CAR0001', '0000002', '2024/04/01', 10500, 300, 7.5, 1, 8),"
            "('CAR0002', '0000003', '2024/04/01', 300, 300, 0, 1, 8)");
    }
    void TearDown() override { SetClock({}); }

    QStringList entries(CMainFrame& frame) const
    {
        QStringList texts;
        for (const auto& entry : frame.Reminders().Entries())
            texts << entry->title + ": " + entry->message + ReminderFooter(*entry);
        return texts;
    }

    TestFolders folders;
    MessageBoxRecorder boxes;
};

} // namespace

TEST_F(CareAndCheckTest, DueRemindersAreQueuedAtStartUpAndWhenAReadingPassesAMark)
{
    CMainFrame frame;
    EXPECT_EQ(
        entries(frame),
        QStringList({"保养提醒: 【甲】年检：2024/06/10（还有 21 天）\r\n  [事件提醒 9:05]",
                     "保养提醒: 【乙】保险：2024/05/01（已过期 19 天）\r\n  [事件提醒 9:05]"}));

    // A reading past the oil's lead queues it, once.
    frame.Context().OdometerRaised("CAR0001", 12000, 14100);
    frame.Context().OdometerRaised("CAR0001", 14100, 14200);
    ASSERT_EQ(frame.Reminders().Entries().size(), 3u);
    EXPECT_EQ(frame.Reminders().Entries().back()->message,
              "【甲】机油：15000 公里（还差 900 公里）");
    // The queue shows it at once: the first pending tip is up.
    EXPECT_TRUE(frame.TipWindow()->IsOnScreen());
}

TEST_F(CareAndCheckTest, TenThousandDueRemindersMakeAFewEntries)
{
    {
        CMyDatabase db;
        db.SetFilePath(DatabasePath());
        ASSERT_TRUE(db.Open());
        std::vector<CareReminder> many(10000);
        for (CareReminder& r : many) {
            r.carId = "CAR0001";
            r.title = "保养";
            r.dueDate = "2024/05/01";
        }
        ASSERT_TRUE(InsertCareReminders(db, many).ok());
    }
    CMainFrame frame;
    // The first few are shown one by one, the rest told of in one entry.
    ASSERT_EQ(frame.Reminders().Entries().size(), size_t(CCareReminderQueue::kMostEntries) + 1);
    EXPECT_EQ(frame.Reminders().Entries().back()->message,
              "另有 9992 项保养提醒已到期，请在“设置 → 保养提醒”中查看。");
}

TEST_F(CareAndCheckTest, AFindingSelectsItsRecordOrSaysWhyNot)
{
    CMainFrame frame;
    frame.show();
    frame.OnDataCheck();
    CDlgDataCheck* check = frame.DataCheck();
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->Summary()->text(), "发现 2 处可能的问题。");
    ASSERT_EQ(check->List()->topLevelItemCount(), 2);
    EXPECT_EQ(check->List()->topLevelItem(0)->text(CDlgDataCheck::ColProblem),
              "里程 10500 公里小于此前 2024/03/01 加油记录 0000001 的 11000 公里");

    check->Activate(0);
    EXPECT_EQ(frame.View()->ShownPage(), 1);
    auto* page = qobject_cast<CLedgerPage*>(frame.View()->Page(1));
    ASSERT_NE(page, nullptr);
    const int row = page->Grid()->GetFocusCell().row;
    ASSERT_GE(row, 1);
    EXPECT_EQ(page->Records()[size_t(row - 1)].recId, "0000002");
    EXPECT_TRUE(page->Grid()->IsCellSelected(row, 1));

    // 乙's filling without a price: not the current car's.
    check->Activate(1);
    EXPECT_EQ(check->Note()->text(), "这条记录属于车辆“乙”，请先在“车辆管理”中把它设为当前车辆。");
}
