#include "app/MainMenu.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuItem
{
    const char* text; // nullptr: a separator; "&" marks the mnemonic
    int id;
    QKeySequence shortcut = {};
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
        action->setShortcut(item.shortcut);
        const int id = item.id;
        QObject::connect(action, &QAction::triggered, menu, [onCommand, id] { onCommand(id); });
    }
}

} // namespace

void BuildMainMenu(QMenuBar* bar, const std::function<void(int)>& onCommand)
{
    using namespace cmd;
    addItems(bar->addMenu(QStringLiteral("设置(&S)")),
             {
                 {"车辆管理(&C)", ID_CAR_MANAGE},
                 {"爱车档案(&P)", ID_CAR_PROFILE},
                 {"购入信息(&B)", ID_PURCHASE_INFO},
                 {nullptr, 0},
                 {"系统设置(&Y)", ID_SYSTEM_SETTINGS},
                 {"密码设置(&W)", ID_PASSWORD},
                 {nullptr, 0},
                 {"输入记录(&I)", ID_INPUT_HISTORY},
                 {nullptr, 0},
                 {"备份与恢复(&R)", ID_BACKUP_RESTORE},
                 {"保养提醒(&M)", ID_CARE_REMINDERS},
                 {nullptr, 0},
                 {"退出系统(&X)", ID_APP_EXIT, QKeySequence(Qt::CTRL | Qt::Key_Q)},
             },
             onCommand);
    addItems(bar->addMenu(QStringLiteral("编辑(&E)")),
             {
                 {"撤销(&U)", ID_EDIT_UNDO, QKeySequence(Qt::CTRL | Qt::Key_Z)},
                 {"重做(&R)", ID_EDIT_REDO, QKeySequence(Qt::CTRL | Qt::Key_Y)},
             },
             onCommand);
    addItems(bar->addMenu(QStringLiteral("数据(&D)")),
             {
                 {"导出为 CSV(&E)…", ID_EXPORT_CSV},
                 {"从 CSV 导入(&I)…", ID_IMPORT_CSV},
                 {nullptr, 0},
                 {"打印(&P)…", ID_PRINT_REPORT, QKeySequence(Qt::CTRL | Qt::Key_P)},
                 {"导出为 PDF(&F)…", ID_EXPORT_PDF},
                 {nullptr, 0},
                 {"数据检查(&C)…", ID_DATA_CHECK},
             },
             onCommand);
    addItems(bar->addMenu(QStringLiteral("帮助(&H)")),
             {
                 {"关于(&A)", ID_APP_ABOUT},
                 {"帮助(&H)", ID_HELP, QKeySequence(Qt::Key_F1)},
                 {nullptr, 0},
                 {"检查新版本(&U)", ID_CHECK_UPDATE},
             },
             onCommand);
}

QAction* MenuAction(QMenuBar* bar, int id)
{
    for (QAction* action : bar->findChildren<QAction*>())
        if (action->data().toInt() == id && !action->menu())
            return action;
    return nullptr;
}
