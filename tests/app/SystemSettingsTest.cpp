#include "app/MainFrame.h"
#include "app/MainMenu.h"
#include "platform/Folders.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

// Unticking the repair ledger's odometer box in the system settings reaches
// the frame with OK and "sysfile.cfg" with the next settings save (timer 3).
TEST(SystemSettings, OdometerMaskReachesTheSettingsFile)
{
    TestFolders folders;
    MessageBoxRecorder boxes;
    CMainFrame frame;
    frame.Context().m_database.NewCar("甲");
    frame.Context().m_database.SetCurrentCar("CAR0001");
    frame.show();
    frame.OnTimer(3); // the first save of the run
    frame.Context().SettingsDirty = 0;

    bool clicked = false;
    QTimer::singleShot(0, [&clicked] {
        QWidget* sheet = QApplication::activeModalWidget();
        if (!sheet)
            return;
        for (QCheckBox* box : sheet->findChildren<QCheckBox*>())
            if (box->text() == "维修记录表 - 显示 - 里程表" && box->isVisible())
                box->click();
        for (QPushButton* button : sheet->findChildren<QPushButton*>())
            if (button->text().remove('&') == "确定") {
                button->click();
                clicked = true;
            }
    });
    frame.OnCommand(cmd::ID_SYSTEM_SETTINGS);
    ASSERT_TRUE(clicked);
    EXPECT_EQ(frame.Context().OdometerColumnMask, 62);
    EXPECT_EQ(frame.Context().SettingsDirty, 1);

    frame.OnTimer(3);
    QFile file(ConfigFolder() + "/sysfile.cfg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\x3e\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(frame.Context().SettingsDirty, 0);
}
