#include "DatabaseFixture.h"

#include "database/CareReminders.h"

namespace {

CareReminder reminder(const char* title, const char* date, double miles, int months = 0,
                      double everyMiles = 0)
{
    CareReminder r;
    r.carId = "CAR0001";
    r.title = title;
    r.dueDate = date;
    r.dueMiles = miles;
    r.repeatMonths = months;
    r.repeatMiles = everyMiles;
    return r;
}

LedgerRecord work(const char* date, double miles)
{
    LedgerRecord r;
    r.date = date;
    r.miles = miles;
    return r;
}

const QDate kToday(2024, 5, 20);

} // namespace

TEST(CareReminders, MistakesAreNamed)
{
    struct Case
    {
        CareReminder reminder;
        const char* mistake;
    };
    CareReminder negativeLead = reminder("年检", "2024/06/01", 0);
    negativeLead.leadDays = -1;
    const Case cases[] = {
        {reminder("年检", "2024/06/01", 0), ""},
        {reminder("机油", "", 5000, 0, 5000), ""},
        {reminder("", "2024/06/01", 0), "请输入提醒的项目名称。"},
        {reminder("年检", "", 0), "请给出到期日期或到期里程（至少一项）。"},
        {reminder("年检", "1900/12/31", 0), "到期日期应写成“年/月/日”，年份在 1901 到 2098 之间。"},
        {reminder("年检", "2099/01/01", 0), "到期日期应写成“年/月/日”，年份在 1901 到 2098 之间。"},
        {reminder("年检", "2024/02/30", 0), "到期日期应写成“年/月/日”，年份在 1901 到 2098 之间。"},
        {reminder("年检", "2024/06/01", 0, -12), "重复间隔必须大于 0；不重复时请留空。"},
        {reminder("机油", "", 5000, 0, -1), "重复间隔必须大于 0；不重复时请留空。"},
        {reminder("机油", "", 5000, 6), "按月重复的提醒需要一个到期日期。"},
        {negativeLead, "提前提醒的天数和里程不能是负数。"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CareReminderMistake(c.reminder), QString::fromUtf8(c.mistake))
            << c.reminder.title.toStdString() << " " << c.reminder.dueDate.toStdString();
}

TEST(CareReminders, DueByTheNearerMarkWithinItsLead)
{
    struct Case
    {
        const char* date;
        double miles;
        double odometer;
        bool due;
        const char* left;
    };
    const Case cases[] = {
        {"2024/06/19", 0, 0, true, "还有 30 天"},
        {"2024/06/20", 0, 0, false, "还有 31 天"},
        {"2024/05/20", 0, 0, true, "今天到期"},
        {"2024/05/17", 0, 0, true, "已过期 3 天"},
        {"", 15000, 13999, false, "还差 1001 公里"},
        {"", 15000, 14000, true, "还差 1000 公里"},
        {"", 15000, 15200, true, "已超过 200 公里"},
        // Whichever comes first.
        {"2025/01/01", 15000, 14500, true, "还有 226 天，还差 500 公里"},
        {"2024/05/01", 15000, 1000, true, "已过期 19 天"},
    };
    for (const Case& c : cases) {
        const CareReminder r = reminder("保养", c.date, c.miles);
        EXPECT_EQ(IsCareReminderDue(r, kToday, c.odometer), c.due) << c.date << " " << c.odometer;
        EXPECT_EQ(CareReminderLeftText(r, kToday, c.odometer), QString::fromUtf8(c.left))
            << c.date << " " << c.odometer;
    }
    CareReminder done = reminder("保养", "2024/05/01", 0);
    done.done = true;
    EXPECT_FALSE(IsCareReminderDue(done, kToday, 0));
    EXPECT_EQ(CareReminderLeftText(done, kToday, 0), "已完成");

    // A reading passes the mark once: from below its lead to within it.
    const CareReminder oil = reminder("机油", "", 15000);
    EXPECT_TRUE(PassesCareReminderMark(oil, 13000, 14000));
    EXPECT_FALSE(PassesCareReminderMark(oil, 14000, 14500));
    EXPECT_FALSE(PassesCareReminderMark(oil, 12000, 13999));
}

TEST(CareReminders, DoneMovesToTheNextMarkFromTheWork)
{
    // The latest maintenance within the lead of a mark, or past it, did the work.
    const CareReminder oil = reminder("机油", "2024/06/01", 15000, 6, 5000);
    const std::vector<LedgerRecord> records = {work("2023/12/01", 9000), work("2024/05/10", 14600),
                                               work("2024/05/08", 14500)};
    const std::optional<LedgerRecord> done = CareReminderWork(oil, records);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->date, "2024/05/10");
    EXPECT_FALSE(CareReminderWork(oil, {work("2024/04/01", 13000)}));

    const CareReminder next = CareReminderDone(oil, QDate(2024, 5, 10), 14600);
    EXPECT_EQ(next.dueDate, "2024/11/10");
    EXPECT_DOUBLE_EQ(next.dueMiles, 19600);
    EXPECT_FALSE(next.done);

    // Repeating by months only: the odometer mark is used up.
    const CareReminder yearly =
        CareReminderDone(reminder("年检", "2024/05/31", 30000, 12), QDate(2024, 5, 20), 28000);
    EXPECT_EQ(yearly.dueDate, "2025/05/20");
    EXPECT_EQ(yearly.dueMiles, 0);
    EXPECT_TRUE(CareReminderDone(reminder("换胎", "2024/05/31", 0), kToday, 0).done);

    EXPECT_EQ(CareReminderSnoozed(oil, true).dueDate, "2024/06/08");
    EXPECT_DOUBLE_EQ(CareReminderSnoozed(oil, false).dueMiles, 15500);
}

TEST(CareReminders, SuggestionFromTheAverageMaintenanceInterval)
{
    EXPECT_FALSE(SuggestCareReminder({work("2023/01/10", 5000)}));
    const std::optional<CareReminder> s =
        SuggestCareReminder({work("2023/07/10", 10100), work("2023/01/10", 5000),
                             work("2024/01/12", 15050), work("not a date", 99999)});
    ASSERT_TRUE(s);
    EXPECT_EQ(s->title, "保养");
    EXPECT_EQ(s->repeatMonths, 6);
    EXPECT_EQ(s->dueDate, "2024/07/12");
    EXPECT_DOUBLE_EQ(s->repeatMiles, 5000); // 5025 to the hundred
    EXPECT_DOUBLE_EQ(s->dueMiles, 20050);
    EXPECT_EQ(CareReminderRepeatText(*s), "每 6 个月或 5000 公里");
}

TEST_F(DatabaseTest, RemindersAreStoredPerCarAndGoWithTheirCar)
{
    db.NewCar("甲");
    db.NewCar("乙");
    db.SetCurrentCar("CAR0001");
    std::vector<CareReminder> many;
    for (int i = 0; i < 10000; ++i)
        many.push_back(reminder("保养", "2024/06/01", 1000 + i));
    many.back().carId = "CAR0002";
    ASSERT_TRUE(Succeeded(InsertCareReminders(db, many)));
    EXPECT_EQ(many.back().recId, "0010000");

    CareReminder edited = many.front();
    edited.title = "年检'; drop table CarList; --";
    edited.done = true;
    ASSERT_TRUE(Succeeded(SaveCareReminder(db, edited)));
    CareReminder added = reminder("机油", "", 5000, 0, 5000);
    ASSERT_TRUE(Succeeded(SaveCareReminder(db, added)));
    EXPECT_EQ(added.recId, "0010001");

    std::vector<CareReminder> read;
    ASSERT_TRUE(Succeeded(LoadCareReminders(db, "CAR0001", read)));
    ASSERT_EQ(read.size(), 10000u);
    EXPECT_EQ(read.front().title, edited.title);
    EXPECT_TRUE(read.front().done);
    EXPECT_EQ(read.back().title, "机油");
    EXPECT_EQ(read.back().leadDays, 30);
    EXPECT_DOUBLE_EQ(read.back().leadMiles, 1000);

    ASSERT_TRUE(Succeeded(DeleteCareReminder(db, "CAR0001", added.recId)));
    ASSERT_TRUE(Succeeded(db.DeleteCar("CAR0002")));
    EXPECT_EQ(readBack("select count(*) from CareReminder"), (std::vector<QStringList>{{"9999"}}));

    const QString next = NextDueText({reminder("年检", "2024/06/01", 0), reminder("机油", "", 1200),
                                      reminder("轮胎", "2025/01/01", 0)},
                                     kToday, 1000);
    EXPECT_EQ(next, "下次到期：年检 2024/06/01（还有 12 天）；机油 1200 公里（还差 200 公里）");
}

TEST_F(DatabaseTest, AFileWithoutRemindersGainsOnlyTheirTable)
{
    db.NewCar("甲");
    db.Connection().Execute("DROP TABLE CareReminder");
    db.Close();
    const LedgerOpening opening = db.CreateOrOpen();
    EXPECT_EQ(opening.step, LedgerOpening::Opened);
    EXPECT_TRUE(opening.addedColumns.isEmpty());
    EXPECT_TRUE(db.TableExists("CareReminder"));
    EXPECT_EQ(readBack("select CarID, Name from CarList"),
              (std::vector<QStringList>{{"CAR0001", "甲"}}));
}
