#include "SettingsFixture.h"

#include "settings/PropPageFrame.h"
#include "settings/PropertyPage.h"
#include "settings/SettingsSheet.h"
#include "settings/TreePropSheet.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

using namespace settingscommand;

namespace {

const QStringList kTreeTexts = {"车辆管理", "爱车档案",   "购入信息", "系统配置",
                                "输入记录", "备份与恢复", "密码设置", "保养提醒"};

QString activeTitle(CTreePropSheet& sheet)
{
    return sheet.GetActivePage() ? sheet.GetActivePage()->GetTitle() : QString();
}

} // namespace

TEST(SettingsStartPage, EveryCommandWithAndWithoutACurrentCar)
{
    const std::vector<std::pair<int, int>> expected = {
        {CarManage, settingspage::CarManage},     {BaseInfo, settingspage::BaseInfo},
        {BuyInfo, settingspage::BuyInfo},         {Sys, settingspage::Sys},
        {SetPwd, settingspage::SetPwd},           {Word, settingspage::Word},
        {RestoreData, settingspage::RestoreData}, {0, settingspage::BaseInfo}};
    for (const auto& [command, page] : expected) {
        EXPECT_EQ(SettingsStartPage(command, true), page) << command;
        EXPECT_EQ(SettingsStartPage(command, false), settingspage::CarManage) << command;
    }
}

TEST_F(SettingsTest, WithoutACurrentCarTheSheetOpensOnCarManagement)
{
    db().NewCar("高尔夫");
    auto sheet = createSheet(Sys);
    sheet->show();
    EXPECT_EQ(sheet->windowTitle(), "综合设置");
    EXPECT_EQ(activeTitle(*sheet), "车辆管理");

    QTreeWidget* tree = sheet->GetPageTreeControl();
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        texts << tree->topLevelItem(i)->text(0);
        EXPECT_FALSE(tree->topLevelItem(i)->icon(0).isNull());
    }
    EXPECT_EQ(texts, kTreeTexts);
}

TEST_F(SettingsTest, WithACurrentCarTheTitleNamesItAndTheCommandChoosesThePage)
{
    db().NewCar("高尔夫6");
    db().SetCurrentCar("CAR0001");
    const std::vector<std::pair<int, QString>> commands = {
        {CarManage, "车辆管理"},     {BaseInfo, "爱车档案"}, {BuyInfo, "购入信息"},
        {Sys, "系统配置"},           {SetPwd, "密码设置"},   {Word, "输入记录"},
        {RestoreData, "备份与恢复"}, {Remind, "保养提醒"}};
    for (const auto& [command, title] : commands) {
        auto sheet = createSheet(command);
        sheet->show();
        EXPECT_EQ(sheet->windowTitle(), "综合设置【高尔夫6】");
        EXPECT_EQ(activeTitle(*sheet), title);
        EXPECT_EQ(sheet->GetFrame()->GetCaptionText(), title);
        EXPECT_EQ(sheet->GetPageTreeControl()->currentItem()->text(0), title);
    }
}

TEST_F(SettingsTest, CtrlTabFromTheLastPageWrapsToCarManagementAndBack)
{
    db().NewCar("高尔夫6");
    db().SetCurrentCar("CAR0001");
    auto sheet = createSheet(Remind);
    sheet->show();
    QApplication::setActiveWindow(sheet.get());
    QWidget* tree = sheet->GetPageTreeControl();
    QTest::keyClick(tree, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(activeTitle(*sheet), "车辆管理");
    QTest::keyClick(tree, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(activeTitle(*sheet), "保养提醒");
}

TEST_F(SettingsTest, EachOpeningBuildsNewPages)
{
    auto first = createSheet(CarManage);
    auto second = createSheet(CarManage);
    EXPECT_EQ(first->GetPageCount(), 8);
    EXPECT_NE(first->GetPage(0), second->GetPage(0));
    EXPECT_FALSE(second->GetPage(0)->IsCreated());
}
