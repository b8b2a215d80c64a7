#include "settings/TreePropSheet.h"
#include "settings/PropPageFrameDefault.h"
#include "settings/PropertyPage.h"
#include "settings/SheetImages.h"
#include "settings/TreePath.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A page that logs what the sheet asks of it.
class LoggingPage : public CPropertyPage
{
public:
    LoggingPage(const QString& title, QStringList& log) : CPropertyPage(title), m_log(log)
    {
        edit = new QLineEdit(this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(edit);
    }
    void OnInitDialog() override { m_log << "init " + GetTitle(); }
    bool OnKillActive() override { return allowLeave; }
    bool OnApply() override
    {
        m_log << "apply " + GetTitle();
        return true;
    }
    void OnCancel() override { m_log << "cancel " + GetTitle(); }

    QLineEdit* edit;
    bool allowLeave = true;

private:
    QStringList& m_log;
};

class TreeSheetTest : public ::testing::Test
{
protected:
    LoggingPage* add(const QString& title)
    {
        auto* page = new LoggingPage(title, log);
        sheet.AddPage(page);
        return page;
    }
    void show()
    {
        sheet.show();
        QApplication::setActiveWindow(&sheet);
    }
    QTreeWidgetItem* item(const QString& text)
    {
        const auto found =
            sheet.GetPageTreeControl()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    QString currentText() { return sheet.GetPageTreeControl()->currentItem()->text(0); }

    QStringList log;
    CTreePropSheet sheet{QStringLiteral("综合设置")};
};

} // namespace

TEST(TreePath, SeparatorsAndEscapes)
{
    const auto step = [](const QString& title) {
        const TreePathStep s = SplitTreePath(title);
        return QStringList{s.node, s.hasRest ? s.rest : QStringLiteral("<none>")};
    };
    EXPECT_EQ(step("车辆管理"), (QStringList{"车辆管理", "<none>"}));
    EXPECT_EQ(step("A::B::C"), (QStringList{"A", "B::C"}));
    EXPECT_EQ(step("A\\::B"), (QStringList{"A::B", "<none>"}));
    EXPECT_EQ(step("A\\\\::B"), (QStringList{"A\\", "B"}));
    EXPECT_EQ(step("A\\\\\\::B::C"), (QStringList{"A\\::B", "C"}));
    EXPECT_EQ(step("::B"), (QStringList{"", "B"}));
}

TEST_F(TreeSheetTest, PathsBuildFoldersThatShowTheEmptyPageMessage)
{
    sheet.SetTreeViewMode(true, true, true);
    EXPECT_FALSE(sheet.SetTreeDefaultImages({sheetimages::PageIcon(0)}));
    EXPECT_TRUE(sheet.SetTreeDefaultImages(sheetimages::DefaultImages()));
    sheet.SetEmptyPageText(QStringLiteral("请选择 %s 下的页面"));
    add("组::甲");
    add("组::乙");
    auto* plain = add("丙");
    plain->SetIcon(QIcon(sheetimages::PageIcon(3)));
    show();
    EXPECT_FALSE(sheet.SetTreeViewMode(false));

    QTreeWidget* tree = sheet.GetPageTreeControl();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "组");
    ASSERT_EQ(tree->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->child(1)->text(0), "乙");
    EXPECT_EQ(currentText(), "甲");
    EXPECT_EQ(sheet.GetFrame()->GetCaptionText(), "甲");

    tree->setCurrentItem(item("组"));
    EXPECT_EQ(sheet.GetActivePage(), nullptr);
    EXPECT_FALSE(sheet.GetPage(0)->isVisible());
    EXPECT_EQ(sheet.GetFrame()->GetMsgText(), "请选择 组 下的页面");
    EXPECT_EQ(sheet.GetFrame()->GetCaptionText(), "组");
    EXPECT_FALSE(sheet.GetFrame()->GetCaptionIcon().isNull());

    tree->setCurrentItem(item("丙"));
    EXPECT_EQ(sheet.GetActivePage(), plain);
    EXPECT_TRUE(plain->isVisible());
    EXPECT_EQ(sheet.GetFrame()->GetCaptionText(), "丙");
}

TEST_F(TreeSheetTest, CaptionBandIsOneTabRowHighWithThePageBelowIt)
{
    sheet.SetTreeViewMode(true, true, true);
    add("甲");
    show();
    QTabBar probe;
    probe.addTab(QString());
    CPropPageFrame* frame = sheet.GetFrame();
    EXPECT_TRUE(frame->GetShowCaption());
    EXPECT_EQ(frame->GetCaptionHeight(), probe.tabRect(0).height());
    EXPECT_EQ(sheet.GetPage(0)->geometry().top(), frame->GetCaptionHeight() + 1);
    EXPECT_EQ(sheet.GetPageTreeControl()->width(), 145);
}

TEST_F(TreeSheetTest, ApplyRunsEveryPageShownOnceAndStaysOpen)
{
    add("甲");
    add("乙");
    auto* third = add("丙");
    show();
    EXPECT_FALSE(sheet.applyButton()->isEnabled());
    sheet.GetPageTreeControl()->setCurrentItem(item("丙"));
    third->SetModified();
    EXPECT_TRUE(sheet.applyButton()->isEnabled());

    log.clear();
    QTest::mouseClick(sheet.applyButton(), Qt::LeftButton);
    EXPECT_EQ(log, (QStringList{"apply 甲", "apply 丙"}));
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_FALSE(sheet.applyButton()->isEnabled());
    EXPECT_FALSE(third->IsModified());

    log.clear();
    QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
    EXPECT_EQ(log, (QStringList{"apply 甲", "apply 丙"}));
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
}

TEST_F(TreeSheetTest, CancelAppliesNothing)
{
    add("甲");
    add("乙");
    show();
    log.clear();
    QTest::mouseClick(sheet.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(log, (QStringList{"cancel 甲"}));
    EXPECT_EQ(sheet.result(), QDialog::Rejected);
}

TEST_F(TreeSheetTest, APageThatRefusesToBeLeftKeepsTheSelection)
{
    auto* first = add("甲");
    add("乙");
    show();
    first->allowLeave = false;
    sheet.GetPageTreeControl()->setCurrentItem(item("乙"));
    EXPECT_EQ(sheet.GetActivePage(), first);
    EXPECT_EQ(currentText(), "甲");
    EXPECT_FALSE(sheet.SetActivePage(1));
    EXPECT_FALSE(sheet.GetPage(1)->isVisible());
}

TEST_F(TreeSheetTest, EnterAndEscapeNeverCloseTheSheetButTheCloseBoxDoes)
{
    auto* page = add("甲");
    show();
    page->edit->setFocus();
    QTest::keyClick(page->edit, Qt::Key_Return);
    QTest::keyClick(page->edit, Qt::Key_Enter);
    QTest::keyClick(page->edit, Qt::Key_Escape);
    QTest::keyClick(sheet.GetPageTreeControl(), Qt::Key_Escape);
    EXPECT_TRUE(sheet.isVisible());
    sheet.close();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.result(), QDialog::Rejected);
}

TEST_F(TreeSheetTest, CtrlTabWalksTheTreeDepthFirstAndWraps)
{
    add("组::甲");
    add("组::乙");
    auto* last = add("丙");
    show();
    QStringList forward;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(last->edit, Qt::Key_Tab, Qt::ControlModifier);
        forward << currentText();
    }
    EXPECT_EQ(forward, (QStringList{"乙", "丙", "组", "甲"}));

    QStringList backward;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(sheet.GetPageTreeControl(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        backward << currentText();
    }
    EXPECT_EQ(backward, (QStringList{"组", "丙", "乙", "甲"}));
}

TEST_F(TreeSheetTest, WithoutTheTreeTabsAndCtrlTabMoveByPageIndex)
{
    sheet.SetTreeViewMode(false);
    auto* first = add("甲");
    auto* second = add("乙");
    show();
    EXPECT_EQ(sheet.GetPageTreeControl(), nullptr);
    QTest::keyClick(first->edit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    QTest::keyClick(second->edit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    QTest::keyClick(first->edit, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
}

TEST_F(TreeSheetTest, TabRunsFromTheTreeIntoThePageAndOnToTheButtons)
{
    auto* page = add("甲");
    add("乙");
    show();
    sheet.GetPageTreeControl()->setFocus();
    QTest::keyClick(sheet.GetPageTreeControl(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page->edit);
    QTest::keyClick(page->edit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), sheet.okButton());
    EXPECT_EQ(sheet.GetPageTreeControl()->accessibleName(), "设置页面");
}
