#pragma once

#include <QString>
#include <memory>

class CTreePropSheet;
class IWindowRequests;
class LedgerContext;
class QWidget;

// The settings sheet "综合设置" with its pages, in tree order.
namespace settingspage {
enum Index : int
{
    CarManage = 0,   // 车辆管理
    BaseInfo = 1,    // 爱车档案
    BuyInfo = 2,     // 购入信息
    Sys = 3,         // 系统配置
    Word = 4,        // 输入记录
    RestoreData = 5, // 备份与恢复
    SetPwd = 6,      // 密码设置
    Remind = 7,      // 保养提醒
    Count = 8
};
} // namespace settingspage

// Commands of the "设置" menu that open the sheet.
namespace settingscommand {
constexpr int CarManage = 32782;
constexpr int BaseInfo = 32783;
constexpr int BuyInfo = 32784;
constexpr int Sys = 32773;
constexpr int SetPwd = 32789;
constexpr int Word = 32785;
constexpr int RestoreData = 32787;
constexpr int Remind = 32815;
} // namespace settingscommand

// Whether the command is one of the above.
bool IsSettingsCommand(int commandId);

// "综合设置【name】", the sheet's title while a car is current.
QString SettingsSheetTitle(const QString& carName);

// The page a settings command opens on; without a current car always the car
// management page. Unknown commands open the car profile.
int SettingsStartPage(int commandId, bool hasCurrentCar);

// A fresh sheet with new pages on the context's ledger, titled after the
// current car and set to open on the command's page; not yet shown. The pages
// ask the window for a new title, the car photo and the program's end; a sheet
// opened before the main window exists has none.
std::unique_ptr<CTreePropSheet> CreateSettingsSheet(QWidget* parent, int commandId,
                                                    LedgerContext& context,
                                                    IWindowRequests* window);

// Builds the sheet for the command, runs it modally and returns when it closes.
// With readyToAdd the car management page opens with "增加车辆" ticked and the
// focus in the name box.
void OpenSettingsSheet(QWidget* parent, int commandId, LedgerContext& context,
                       IWindowRequests* window, bool readyToAdd = false);
