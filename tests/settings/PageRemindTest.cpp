#include "SettingsFixture.h"

#include "platform/Clock.h"
#include "platform/MessageCodes.h"
#include "settings/DlgCareReminder.h"
#include "settings/PageRemind.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// The page with its dialog answered by the test: the fields typed, then OK.
class AnsweredPage : public CPageRemind
{
public:
    using CPageRemind::CPageRemind;
    std::function<void(CDlgCareReminder&)> typing;

protected:
    bool runDialog(CareReminder& reminder, bool offerSuggestion) override
    {
        CDlgCareReminder dialog(reminder, this,
                                offerSuggestion ? [] { return std::optional<CareReminder>(); }
                                                : std::function<std::optional<CareReminder>()>());
        typing(dialog);
        dialog.accept();
        if (dialog.result() != QDialog::Accepted)
            return false;
        reminder = dialog.Reminder();
        return true;
    }
};

QStringList rows(const CPageRemind& page)
{
    QStringList texts;
    for (int i = 0; i < page.List()->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < CPageRemind::ColumnCount; ++c)
            cells << page.List()->topLevelItem(i)->text(c);
        texts << cells.join(" | ");
    }
    return texts;
}

class RemindPageTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        platform::SetClock([] { return QDateTime(QDate(2024, 5, 20), QTime(9, 0)); });
        db().NewCar("甲");
        db().SetCurrentCar("CAR0001");
        db().Connection().Execute(
            "insert into CarProperty (CarID, CurMiles) values ('CAR0001', 14200)");
    }
    void TearDown() override { platform::SetClock({}); }
};

} // namespace

TEST_F(RemindPageTest, TypedFieldsAreCheckedBeforeAnythingIsKept)
{
    struct Case
    {
        const char* date;
        const char* miles;
        const char* months;
        const char* lead;
        const char* mistake;
    };
    const Case cases[] = {
        {"2024-6-1", "", "12", "", ""},
        {"", "", "", "", "请给出到期日期或到期里程（至少一项）。"},
        {"", "15000", "0", "", "重复的月数必须是大于 0、不超过 1200 的数；不需要时请留空。"},
        {"2024/06/01", "", "-1", "", "重复的月数必须是大于 0、不超过 1200 的数；不需要时请留空。"},
        {"2024/06/01", "", "1.5", "", "重复的月数必须是整数。"},
        {"", "abc", "", "", "到期里程必须是大于 0、不超过 9999999 的数；不需要时请留空。"},
        {"2099/1/1", "", "", "", "到期日期应写成“年/月/日”，年份在 1901 到 2098 之间。"},
        {"2024/06/01", "", "", "-5",
         "提前提醒的天数应在 0 到 3660 之间，里程应在 0 到 9999999 之间。"},
    };
    for (const Case& c : cases) {
        CareReminder blank;
        CDlgCareReminder dialog(blank);
        dialog.TitleEdit()->setText("年检");
        dialog.DueDateEdit()->setText(c.date);
        dialog.DueMilesEdit()->setText(c.miles);
        dialog.RepeatMonthsEdit()->setText(c.months);
        dialog.LeadDaysEdit()->setText(c.lead);
        CareReminder read;
        EXPECT_EQ(dialog.ReadFields(read), QString::fromUtf8(c.mistake)) << c.date << c.months;
        boxes.clear();
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, *c.mistake == 0);
        EXPECT_EQ(boxes.texts(), *c.mistake ? QStringList{c.mistake} : QStringList());
    }
}

TEST_F(RemindPageTest, AddDoneSnoozeAndDeleteActAtOnce)
{
    db().Connection().Execute(
        "insert into Maintain (CarID, RecID, DateTimee, Miles, Amount) values "
        "('CAR0001', '0000001', '2024/05/18', 14100, 300)");
    AnsweredPage page(context);
    page.OnInitDialog();
    page.typing = [](CDlgCareReminder& d) {
        EXPECT_NE(d.SuggestButton(), nullptr);
        d.TitleEdit()->setText("机油");
        d.DueMilesEdit()->setText("15000");
        d.RepeatMilesEdit()->setText("5000");
        d.LeadMilesEdit()->setText("1000");
    };
    page.OnAdd();
    EXPECT_EQ(rows(page), QStringList{"机油 | 15000 公里 | 每 5000 公里 | 还差 800 公里"});

    // Done: moved on from the maintenance that did the work.
    page.Select(0);
    page.OnDone();
    EXPECT_EQ(rows(page), QStringList{"机油 | 19100 公里 | 每 5000 公里 | 还差 4900 公里"});
    EXPECT_EQ(page.Note()->text(), "按 2024/05/18 的记录，提醒“机油”下次到期：19100 公里。");
    page.OnSnooze(false);
    EXPECT_EQ(readBack("select Title, DueMiles from CareReminder"),
              (std::vector<QStringList>{{"机油", "19600.00000000"}}));

    // Deleting asks first; Cancel keeps it.
    boxes.answer(platform::IDCANCEL);
    page.OnDelete();
    EXPECT_EQ(page.Reminders().size(), 1u);
    boxes.answer(platform::IDOK);
    page.OnDelete();
    EXPECT_EQ(boxes.texts(), QStringList({"确定要删除提醒“机油”吗？", "确定要删除提醒“机油”吗？"}));
    EXPECT_TRUE(readBack("select * from CareReminder").empty());
    EXPECT_TRUE(rows(page).isEmpty());
}
