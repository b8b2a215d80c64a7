#include "app/Remind.h"
#include "app/MainFrame.h"
#include "app/MsgTipWnd.h"
#include "controls/HoverButton.h"
#include "platform/Clock.h"
#include "platform/MessageEvent.h"
#include "tests/support/TestEnvironment.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

void fixClock(int hour, int minute)
{
    SetClock([hour, minute] { return QDateTime(QDate(2024, 3, 1), QTime(hour, minute, 30)); });
}

// Runs timer 10 or 11 until it stops by itself; the number of steps.
int runSlide(CMsgTipWnd& tip, int id)
{
    int steps = 0;
    while (tip.Timer(id).isActive() && steps < 1000) {
        tip.OnTimer(id);
        ++steps;
    }
    return steps;
}

void enter(QWidget& widget)
{
    QEnterEvent event(QPointF(20, 50), QPointF(20, 50), widget.mapToGlobal(QPointF(20, 50)));
    QApplication::sendEvent(&widget, &event);
}

void leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

class ReminderTest : public ::testing::Test
{
protected:
    ~ReminderTest() override { SetClock({}); }
    QWidget owner;
    CMsgTipWnd* tip = new CMsgTipWnd(&owner);
    CRemind queue;
    MessageBoxRecorder boxes;
};

} // namespace

TEST_F(ReminderTest, FooterShowsTheMinuteOfCreation)
{
    fixClock(9, 5);
    CRemindUnit& morning = queue.AddReminder("升级提示", "正文");
    EXPECT_EQ(morning.minuteOfDay, 545);
    EXPECT_EQ(ReminderFooter(morning), "\r\n  [系统信息 9:05]");
    fixClock(0, 0);
    EXPECT_EQ(ReminderFooter(queue.AddReminder("a", "b")), "\r\n  [系统信息 0:00]");
    fixClock(23, 59);
    CRemindUnit& event = queue.AddReminder("a", "b");
    event.systemKind = 0;
    EXPECT_EQ(ReminderFooter(event), "\r\n  [事件提醒 23:59]");
    EXPECT_EQ(event.acknowledged, 0);
}

TEST_F(ReminderTest, NothingShowsWithoutPendingEntries)
{
    queue.ShowNext(*tip);
    queue.ScanQueue();
    queue.ShowNext(*tip);
    EXPECT_FALSE(tip->IsOnScreen());
    queue.AddReminder("甲", "一"); // queued, but not scanned yet
    queue.ShowNext(*tip);
    EXPECT_FALSE(tip->IsOnScreen());
}

TEST_F(ReminderTest, UnconfirmedTipsComeBackInTurnButNeverTwoAtOnce)
{
    fixClock(9, 5);
    CRemindUnit& first = queue.AddReminder("甲", "一");
    CRemindUnit& second = queue.AddReminder("乙", "二");
    queue.ScanQueue();
    queue.ScanQueue(); // no entry is pending twice
    ASSERT_EQ(queue.Pending().size(), 2u);

    const auto closeTip = [this] {
        tip->OnTimer(12);
        runSlide(*tip, 11);
        ASSERT_FALSE(tip->IsOnScreen());
    };
    queue.ShowNext(*tip);
    ASSERT_TRUE(tip->IsOnScreen());
    EXPECT_EQ(tip->Entry(), &first);
    EXPECT_EQ(tip->Caption(), "甲");
    EXPECT_EQ(tip->Body(), "一");
    EXPECT_EQ(tip->Footer(), "\r\n  [系统信息 9:05]");

    // Its minute passes while the first tip is up: the second is skipped.
    queue.ShowNext(*tip);
    EXPECT_EQ(tip->Entry(), &first);
    closeTip();
    queue.ShowNext(*tip);
    EXPECT_EQ(tip->Entry(), &first);
    closeTip();
    queue.ShowNext(*tip);
    EXPECT_EQ(tip->Entry(), &second);
    closeTip();
    queue.ShowNext(*tip);
    EXPECT_EQ(tip->Entry(), &first);
}

TEST_F(ReminderTest, AcknowledgedEntriesLeaveThePendingList)
{
    CRemindUnit& first = queue.AddReminder("甲", "一");
    CRemindUnit& second = queue.AddReminder("乙", "二");
    queue.ScanQueue();
    int stranger = 0;
    EXPECT_FALSE(queue.Acknowledge(reinterpret_cast<const CRemindUnit*>(&stranger)));
    EXPECT_TRUE(queue.Acknowledge(&first));
    EXPECT_EQ(first.acknowledged, 1);
    queue.ShowNext(*tip); // the cursor does not care until the next scan
    EXPECT_EQ(tip->Entry(), &first);
    tip->CloseTip();
    queue.ScanQueue();
    EXPECT_EQ(queue.Pending(), std::vector<CRemindUnit*>{&second});
    EXPECT_EQ(first.acknowledged, 0);
    queue.ShowNext(*tip); // the cursor stood on the entry that left
    EXPECT_EQ(tip->Entry(), &second);
    EXPECT_EQ(queue.Entries().size(), 2u);
}

TEST_F(ReminderTest, TipSlidesUpStaysAndSlidesDown)
{
    queue.AddReminder("升级提示", "正文");
    queue.ScanQueue();
    queue.ShowNext(*tip);
    const QRect work = owner.screen()->availableGeometry();
    const int x = work.x() + work.width() - 195;
    const int baseY = work.y() + work.height();
    EXPECT_EQ(tip->BasePosition(), QPoint(x, baseY));
    EXPECT_EQ(tip->size(), QSize(193, 107));
    EXPECT_EQ(tip->pos(), QPoint(x, baseY)); // just below the work area
    EXPECT_TRUE(tip->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(tip->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(tip->Timer(10).interval(), 20);

    EXPECT_EQ(runSlide(*tip, 10), 109); // 108 steps up, then the stop
    EXPECT_EQ(tip->SlideOffset(), 108);
    EXPECT_EQ(tip->pos(), QPoint(x, baseY - 108));
    ASSERT_TRUE(tip->Timer(12).isActive());
    EXPECT_EQ(tip->Timer(12).interval(), 10000);

    // The mouse over the tip holds it; leaving gives it 3 more seconds.
    enter(*tip);
    EXPECT_FALSE(tip->Timer(12).isActive());
    leave(*tip);
    ASSERT_TRUE(tip->Timer(12).isActive());
    EXPECT_EQ(tip->Timer(12).interval(), 3000);

    tip->OnTimer(12);
    EXPECT_TRUE(tip->Timer(11).isActive());
    EXPECT_EQ(runSlide(*tip, 11), 110); // 109 steps down to -1, then the stop
    EXPECT_EQ(tip->pos(), QPoint(x, baseY + 1));
    EXPECT_FALSE(tip->IsOnScreen());
}

TEST_F(ReminderTest, MouseOverATipStillSlidingInHoldsIt)
{
    queue.AddReminder("升级提示", "正文");
    queue.ScanQueue();
    queue.ShowNext(*tip);
    for (int i = 0; i < 50; ++i)
        tip->OnTimer(10);
    enter(*tip);
    runSlide(*tip, 10);
    EXPECT_EQ(tip->SlideOffset(), 108);
    EXPECT_FALSE(tip->Timer(12).isActive());
    leave(*tip);
    EXPECT_EQ(tip->Timer(12).interval(), 3000);
    EXPECT_TRUE(tip->Timer(12).isActive());

    // Leaving while it slides in again does not cut the slide short.
    tip->CloseTip();
    queue.ShowNext(*tip);
    enter(*tip);
    leave(*tip);
    EXPECT_FALSE(tip->Timer(12).isActive());
    EXPECT_TRUE(tip->Timer(10).isActive());
}

TEST_F(ReminderTest, FadeModeStandsUpAndShowsFiveSeconds)
{
    tip->SetShowMode(CMsgTipWnd::Fade);
    tip->ShowTip(nullptr, "标题", "正文", "");
    EXPECT_EQ(tip->SlideOffset(), 107);
    EXPECT_EQ(tip->pos().y(), tip->BasePosition().y() - 107);
    EXPECT_FALSE(tip->Timer(10).isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return tip->Timer(12).isActive(); }, 20000));
    EXPECT_EQ(tip->Timer(12).interval(), 5000);
    tip->OnTimer(12); // close mode not "slide": it fades out and closes
    EXPECT_FALSE(tip->Timer(11).isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tip->IsOnScreen(); }, 20000));
}

TEST_F(ReminderTest, TipTextsAndConfirmButton)
{
    tip->SetShowMode(CMsgTipWnd::Slide);
    tip->ShowTip(nullptr, "升级提示", "正文", "\r\n  [系统信息 9:05]");
    EXPECT_EQ(tip->accessibleName(), "升级提示");
    EXPECT_EQ(tip->accessibleDescription(), "正文 [系统信息 9:05]");
    CHoverButton* confirm = tip->ConfirmButton();
    EXPECT_EQ(confirm->text(), "我知道啦!");
    EXPECT_EQ(confirm->geometry(), QRect(114, 10, 77, 21));
    EXPECT_TRUE(confirm->IsBitmapMode());
    EXPECT_EQ(confirm->cursor().shape(), Qt::BitmapCursor); // the hand of resource 312

    // The texts are drawn in their colours over the background.
    runSlide(*tip, 10);
    const QImage image = tip->grab().toImage();
    const auto hasColour = [&image](const QRect& area, const QColor& colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasColour(QRect(5, 10, 100, 20), QColor(255, 232, 235)));  // caption
    EXPECT_TRUE(hasColour(QRect(6, 40, 181, 40), QColor(235, 200, 215)));  // body
    EXPECT_TRUE(hasColour(QRect(90, 85, 100, 20), QColor(255, 232, 235))); // footer
}

TEST(TipLayout, TextRectsAndWrappedBody)
{
    const TipTextRects rects = LayoutTipTexts(QSize(193, 107), 17, 13, true);
    EXPECT_EQ(rects.caption, QRect(5, 10, 111, 17));
    EXPECT_EQ(rects.footer, QRect(5, 88, 183, 17));
    EXPECT_EQ(rects.body, QRect(6, 32, 181, 60));
    EXPECT_EQ(LayoutTipTexts(QSize(193, 107), 17, 0, false).body, QRect(6, 32, 181, 73));
    // A caption too wide for its band at the caption's size is drawn smaller,
    // whole; one that fits keeps the size.
    for (const QString caption : {"Maintenance", "升级提示"}) {
        const QFont fitted = CMsgTipWnd::CaptionFontFor(caption, 100);
        EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(caption), 100) << caption.toStdString();
        EXPECT_EQ(fitted.pointSize() == CMsgTipWnd::CaptionFont().pointSize(),
                  caption == "升级提示")
            << caption.toStdString();
    }

    const QFont font = CMsgTipWnd::BodyFont();
    const QFontMetrics metrics(font);
    EXPECT_EQ(WrapTipBody("短句", font, 181, 60), QStringList{"短句"});
    const QString message = "您好，系统检测到新版本，请右键点击任务栏中的图标，在弹出菜单中选择"
                            "“在线升级”选项，下载最新版本！";
    const QStringList lines = WrapTipBody(message + message, font, 181, 60);
    ASSERT_FALSE(lines.isEmpty());
    const int step = TipLineStep(font);
    EXPECT_LE(step, metrics.lineSpacing());
    EXPECT_EQ(lines.size(), 60 / step); // every line that fits is used

    for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), 181) << line.toStdString();
    EXPECT_TRUE(lines.last().endsWith(QChar(0x2026))) << lines.last().toStdString();
    EXPECT_TRUE(message.startsWith(lines.first()));
    // A word longer than the line is broken, not left to run out of the tip.
    for (const QString& line : WrapTipBody(QString(80, 'W'), font, 181, 60))
        EXPECT_LE(metrics.horizontalAdvance(line), 181);
}

TEST(TipConfirmation, ConfirmingStopsTheRemindersForTheRun)
{
    TestFolders folders;
    MessageBoxRecorder boxes;
    fixClock(0, 0);
    CMainFrame frame;
    EXPECT_EQ(SendMessage(&frame, WM_VERSION_NOTICE), 0);
    frame.OnTimer(1); // not scanned yet
    EXPECT_FALSE(frame.TipWindow()->IsOnScreen());
    frame.OnTimer(2);
    frame.OnTimer(1);
    CMsgTipWnd* tip = frame.TipWindow();
    ASSERT_TRUE(tip->IsOnScreen());
    EXPECT_EQ(tip->Caption(), "升级提示");
    EXPECT_EQ(tip->Footer(), "\r\n  [系统信息 0:00]");

    QTest::mouseClick(tip->ConfirmButton(), Qt::LeftButton);
    EXPECT_FALSE(tip->IsOnScreen());
    const CRemindUnit& entry = *frame.Reminders().Entries()[0];
    EXPECT_EQ(entry.acknowledged, 1);
    EXPECT_FALSE(frame.Timer(1).isActive());
    EXPECT_FALSE(frame.Timer(2).isActive());
    EXPECT_TRUE(frame.Timer(3).isActive());
    EXPECT_TRUE(boxes.boxes().empty());
    SetClock({});
}
