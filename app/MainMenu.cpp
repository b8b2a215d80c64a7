#include "app/MainMenu.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuItem
{
    const char* text; // nullptr: a separator; "&" marks the mnemonic; translated
    int id;
    QKeySequence shortcut = {};
};

QString menuText(const char* text)
{
    return QCoreApplication::translate("MainMenu", text);
}

void addItems(QMenu* menu, std::initializer_list<MenuItem> items,
              const std::function<void(int)>& onCommand)
{
    for (const MenuItem& item : items) {
        if (!item.text) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(menuText(item.text));
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
    addItems(bar->addMenu(menuText(QT_TRANSLATE_NOOP("MainMenu", "设置(&S)"))),
             {
                 {QT_TRANSLATE_NOOP("MainMenu", "车辆管理(&C)"), ID_CAR_MANAGE},
                 {QT_TRANSLATE_NOOP("MainMenu", "爱车档案(&P)"), ID_CAR_PROFILE},
                 {QT_TRANSLATE_NOOP("MainMenu", "购入信息(&B)"), ID_PURCHASE_INFO},
                 {nullptr, 0},
                 {QT_TRANSLATE_NOOP("MainMenu", "系统设置(&Y)"), ID_SYSTEM_SETTINGS},
                 {QT_TRANSLATE_NOOP("MainMenu", "密码设置(&W)"), ID_PASSWORD},
                 {nullptr, 0},
                 {QT_TRANSLATE_NOOP("MainMenu", "输入记录(&I)"), ID_INPUT_HISTORY},
                 {nullptr, 0},
                 {QT_TRANSLATE_NOOP("MainMenu", "备份与恢复(&R)"), ID_BACKUP_RESTORE},
                 {QT_TRANSLATE_NOOP("MainMenu", "保养提醒(&M)"), ID_CARE_REMINDERS},
                 {nullptr, 0},
                 {QT_TRANSLATE_NOOP("MainMenu", "退出系统(&X)"), ID_APP_EXIT,
                  QKeySequence(Qt::CTRL | Qt::Key_Q)},
             },
             onCommand);
    addItems(bar->addMenu(menuText(QT_TRANSLATE_NOOP("MainMenu", "编辑(&E)"))),
             {
                 {QT_TRANSLATE_NOOP("MainMenu", "撤销(&U)"), ID_EDIT_UNDO,
                  QKeySequence(Qt::CTRL | Qt::Key_Z)},
                 {QT_TRANSLATE_NOOP("MainMenu", "重做(&R)"), ID_EDIT_REDO,
                  QKeySequence(Qt::CTRL | Qt::Key_Y)},
             },
             onCommand);
    addItems(bar->addMenu(menuText(QT_TRANSLATE_NOOP("MainMenu", "数据(&D)"))),
             {
                 {QT_TRANSLATE_NOOP("MainMenu", "导出为 CSV(&E)…"), ID_EXPORT_CSV},
                 {QT_TRANSLATE_NOOP("MainMenu", "从 CSV 导入(&I)…"), ID_IMPORT_CSV},
                 {nullptr, 0},
                 {QT_TRANSLATE_NOOP("MainMenu", "打印(&P)…"), ID_PRINT_REPORT,
                  QKeySequence(Qt::CTRL | Qt::Key_P)},
                 {QT_TRANSLATE_NOOP("MainMenu", "导出为 PDF(&F)…"), ID_EXPORT_PDF},
                 {nullptr, 0},
                 {QT_TRANSLATE_NOOP("MainMenu", "数据检查(&C)…"), ID_DATA_CHECK},
             },
             onCommand);
    addItems(bar->addMenu(menuText(QT_TRANSLATE_NOOP("MainMenu", "帮助(&H)"))),
             {
                 {QT_TRANSLATE_NOOP("MainMenu", "关于(&A)"), ID_APP_ABOUT},
                 {QT_TRANSLATE_NOOP("MainMenu", "帮助(&H)"), ID_HELP, QKeySequence(Qt::Key_F1)},
                 {nullptr, 0},
                 {QT_TRANSLATE_NOOP("MainMenu", "检查新版本(&U)"), ID_CHECK_UPDATE},
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
