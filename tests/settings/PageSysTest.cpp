#include "SettingsFixture.h"

#include "platform/FileDialog.h"
#include "platform/Folders.h"
#include "platform/Profile.h"
#include "settings/PageSys.h"
#include "settings/SettingsSheet.h"
#include "settings/TreePropSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

class SysPageTest : public SettingsTest
{
protected:
    void open()
    {
        db().NewCar("甲");
        db().SetCurrentCar("CAR0001");
        sheet = createSheet(settingscommand::Sys);
        sheet->show();
        page = dynamic_cast<CPageSys*>(sheet->GetActivePage());
        ASSERT_NE(page, nullptr);
    }

    std::unique_ptr<CTreePropSheet> sheet;
    CPageSys* page = nullptr;
};

} // namespace

TEST_F(SysPageTest, BoxesFollowTheContextAndOkStoresTheMask)
{
    context.SettingsDirty = 0;
    open();
    const QStringList labels = {"维修记录表 - 显示 - 里程表",     "保养记录表 - 显示 - 里程表",
                                "事故记录表 - 显示 - 里程表",     "日常杂费记录表 - 显示 - 里程表",
                                "爱车用品记录表 - 显示 - 里程表", "日志记录表 - 显示 - 里程表"};
    for (int i = 0; i < 6; ++i) {
        QCheckBox* box = page->odometerCheck(1 << i);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), labels[i]);
        EXPECT_TRUE(box->isChecked());
    }
    EXPECT_EQ(page->autoCheckUpdateBox()->text(), "软件启动时自动检查新版本");
    EXPECT_FALSE(page->autoCheckUpdateBox()->isChecked());

    page->odometerCheck(0x01)->click();
    page->autoCheckUpdateBox()->click();
    EXPECT_FALSE(sheet->applyButton()->isEnabled());
    QTest::mouseClick(sheet->okButton(), Qt::LeftButton);
    EXPECT_EQ(context.OdometerColumnMask, 62);
    EXPECT_EQ(context.AutoCheckUpdate, 1);
    EXPECT_EQ(context.SettingsDirty, 1);
}

TEST_F(SysPageTest, AccessoryAndCarLogBitsAreNotSwapped)
{
    context.OdometerColumnMask = 0x10;
    context.AutoCheckUpdate = 1;
    open();
    EXPECT_TRUE(page->odometerCheck(0x10)->isChecked());
    EXPECT_FALSE(page->odometerCheck(0x20)->isChecked());
    EXPECT_TRUE(page->autoCheckUpdateBox()->isChecked());
    // Found by its label, not by its bit: the car-log box sets 0x20.
    QCheckBox* carLog = nullptr;
    for (QCheckBox* box : page->findChildren<QCheckBox*>())
        if (box->text() == "日志记录表 - 显示 - 里程表")
            carLog = box;
    ASSERT_NE(carLog, nullptr);
    carLog->click();
    EXPECT_TRUE(sheet->Apply());
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(context.OdometerColumnMask, 0x30);
}

TEST_F(SysPageTest, CancelChangesNothing)
{
    context.SettingsDirty = 0;
    open();
    page->odometerCheck(0x04)->click();
    QTest::mouseClick(sheet->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(context.OdometerColumnMask, 63);
    EXPECT_EQ(context.AutoCheckUpdate, 0);
    EXPECT_EQ(context.SettingsDirty, 0);
}

TEST_F(SysPageTest, OkAfterVisitingOnlyAnotherPageLeavesTheSettingsAlone)
{
    context.SettingsDirty = 0;
    db().NewCar("甲");
    db().SetCurrentCar("CAR0001");
    auto other = createSheet(settingscommand::CarManage);
    other->show();
    QTest::mouseClick(other->okButton(), Qt::LeftButton);
    EXPECT_EQ(context.SettingsDirty, 0);
    EXPECT_FALSE(other->GetPage(settingspage::Sys)->IsCreated());
}

TEST_F(SysPageTest, BackupSettingsAreWrittenByOk)
{
    open();
    EXPECT_EQ(page->backupFolderBox()->text(), platform::BackupFolder());
    EXPECT_EQ(page->autoBackupBox()->text(), "退出时自动备份");
    EXPECT_TRUE(page->autoBackupBox()->isChecked());
    EXPECT_EQ(page->keepBackupsBox()->value(), 20);

    const QString usb = platform::DataFolder() + "/usb";
    platform::SetFolderHook([&](const platform::FolderRequest&) { return usb; });
    for (QPushButton* button : page->findChildren<QPushButton*>())
        if (button->text() == "浏览(&B)…")
            button->click();
    platform::SetFolderHook({});
    EXPECT_EQ(page->backupFolderBox()->text(), usb);
    page->autoBackupBox()->click();
    page->keepBackupsBox()->setValue(5);
    QTest::mouseClick(sheet->okButton(), Qt::LeftButton);

    for (const BackupSettings& settings : {context.m_backupSettings, LoadBackupSettings()}) {
        EXPECT_EQ(settings.Folder(), usb);
        EXPECT_FALSE(settings.autoAtExit);
        EXPECT_EQ(settings.keepAutomatic, 5);
    }
}

TEST_F(SysPageTest, TheLanguageChoiceIsKeptByApplyAndShownWhenOpenedAgain)
{
    const QString later = "界面语言将在下次启动程序时更改。";
    // Each row starts from the choice the row before kept; this run speaks
    // Chinese. "跟随系统" speaks what LANG asks for at the next start.
    const struct
    {
        const char* entry;
        const char* lang;
        const char* kept;
        bool toldOfNextStart;
    } rows[] = {
        {"English", "zh_CN.UTF-8", "en", true},
        {"跟随系统", "en_US.UTF-8", "system", true},
        {"中文", "en_US.UTF-8", "zh", false},
        {"跟随系统", "zh_CN.UTF-8", "system", false},
    };
    open();
    EXPECT_EQ(page->languageBox()->currentText(), "跟随系统");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.entry);
        qputenv("LANG", row.lang);
        boxes.clear();
        page->languageBox()->setCurrentText(QString::fromUtf8(row.entry));
        EXPECT_TRUE(sheet->Apply());
        EXPECT_EQ(platform::GetProfileString("Settings", "Language"), row.kept);
        EXPECT_EQ(boxes.texts(), row.toldOfNextStart ? QStringList{later} : QStringList{});
        sheet = createSheet(settingscommand::Sys);
        sheet->show();
        page = dynamic_cast<CPageSys*>(sheet->GetActivePage());
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->languageBox()->currentText(), QString::fromUtf8(row.entry));
    }
    UseChineseLocale();

    // A profile that cannot be written keeps nothing, and the box shows the kept choice.
    const QString profile = platform::ProfileFilePath();
    ASSERT_TRUE(QFile::remove(profile));
    ASSERT_TRUE(QDir().mkpath(profile));
    boxes.clear();
    page->languageBox()->setCurrentText("English");
    EXPECT_TRUE(sheet->Apply());
    EXPECT_EQ(boxes.texts(), QStringList{"界面语言无法写入文件【" +
                                         QDir::toNativeSeparators(profile) + "】，没有更改。"});
    EXPECT_EQ(page->languageBox()->currentText(), "跟随系统");
}
