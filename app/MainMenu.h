#pragma once

#include "settings/SettingsSheet.h"

#include <functional>

class QAction;
class QMenuBar;

// Command ids of the main menu; each menu action carries its id as data.
namespace cmd {
enum : int
{
    ID_CAR_MANAGE = settingscommand::CarManage,
    ID_CAR_PROFILE = settingscommand::BaseInfo,
    ID_PURCHASE_INFO = settingscommand::BuyInfo,
    ID_SYSTEM_SETTINGS = settingscommand::Sys,
    ID_PASSWORD = settingscommand::SetPwd,
    ID_INPUT_HISTORY = settingscommand::Word,
    ID_BACKUP_RESTORE = settingscommand::RestoreData,
    ID_CARE_REMINDERS = settingscommand::Remind,
    ID_APP_EXIT = 57665,
    ID_APP_ABOUT = 57664,
    ID_HELP = 32790,
    ID_CHECK_UPDATE = 32776,
    ID_EXPORT_CSV = 32810,
    ID_IMPORT_CSV = 32811,
    ID_PRINT_REPORT = 32812,
    ID_EXPORT_PDF = 32813,
    ID_DATA_CHECK = 32814,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
};
} // namespace cmd

// Fills the menu bar with the "设置", "编辑", "数据" and "帮助" menus; every action
// calls onCommand with its id. Each menu and item has an Alt mnemonic; "帮助"
// is F1 and "退出系统" Ctrl+Q.
void BuildMainMenu(QMenuBar* bar, const std::function<void(int)>& onCommand);

// The menu bar's action of a command id; nullptr when it has none.
QAction* MenuAction(QMenuBar* bar, int id);
