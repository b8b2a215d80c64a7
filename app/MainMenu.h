#pragma once

#include <functional>

class QMenuBar;

// Command ids of the main menu; each menu action carries its id as data.
namespace cmd {
enum : int
{
    ID_CAR_MANAGE = 32782,
    ID_CAR_PROFILE = 32783,
    ID_PURCHASE_INFO = 32784,
    ID_SYSTEM_SETTINGS = 32773,
    ID_PASSWORD = 32789,
    ID_INPUT_HISTORY = 32785,
    ID_BACKUP_RESTORE = 32787,
    ID_APP_EXIT = 57665,
    ID_APP_ABOUT = 57664,
    ID_HELP = 32790,
    ID_CHECK_UPDATE = 32776,
};

// The commands that open the settings sheet.
bool IsSettingsCommand(int id);
} // namespace cmd

// Fills the menu bar with the "设置" and "帮助" menus; every action calls
// onCommand with its id.
void BuildMainMenu(QMenuBar* bar, const std::function<void(int)>& onCommand);
