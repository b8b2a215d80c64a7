#include "app/MainMenu.h"

#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuItem
{
    const char* text; // nullptr: a separator
    int id;
};

void addItems(QMenu* menu, std::initializer_list<MenuItem> items,
              const std::function<void(int)>& onCommand)
{
    for (const MenuItem& item : items) {
        if (!item.text) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setData(item.id);
        const int id = item.id;
        QObject::connect(action, &QAction::triggered, menu, [onCommand, id] { onCommand(id); });
    }
}

} // namespace

void BuildMainMenu(QMenuBar* bar, const std::function<void(int)>& onCommand)
{
    using namespace cmd;
    addItems(bar->addMenu(QStringLiteral("设置")),
             {
                 {"车辆管理", ID_CAR_MANAGE},
                 {"爱车档案", ID_CAR_PROFILE},
                 {"购入信息", ID_PURCHASE_INFO},
                 {nullptr, 0},
                 {"系统设置", ID_SYSTEM_SETTINGS},
                 {"密码设置", ID_PASSWORD},
                 {nullptr, 0},
                 {"输入记录", ID_INPUT_HISTORY},
                 {nullptr, 0},
                 {"备份与恢复", ID_BACKUP_RESTORE},
                 {nullptr, 0},
                 {"退出系统", ID_APP_EXIT},
             },
             onCommand);
    addItems(bar->addMenu(QStringLiteral("数据")),
             {
                 {"导出为 CSV…", ID_EXPORT_CSV},
                 {"从 CSV 导入…", ID_IMPORT_CSV},
             },
             onCommand);
    addItems(bar->addMenu(QStringLiteral("帮助")),
             {
                 {"关于", ID_APP_ABOUT},
                 {"帮助", ID_HELP},
                 {nullptr, 0},
                 {"检查新版本", ID_CHECK_UPDATE},
             },
             onCommand);
}
