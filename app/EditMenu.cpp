#include "app/EditMenu.h"

#include "app/MainMenu.h"
#include "database/EditHistory.h"
#include "ledgers/RecordUndo.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

void ConnectEditMenu(QMenuBar* bar, CEditHistory& history)
{
    QAction* undo = MenuAction(bar, cmd::ID_EDIT_UNDO);
    QAction* redo = MenuAction(bar, cmd::ID_EDIT_REDO);
    if (!undo || !redo)
        return;
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QUndoGroup& group = history.Group();
    const auto update = [undo, redo, &group] {
        undo->setText(QCoreApplication::translate("EditMenu", "%1(&U)")
                          .arg(UndoActionText(group.undoText())));
        undo->setEnabled(group.canUndo());
        redo->setText(QCoreApplication::translate("EditMenu", "%1(&R)")
                          .arg(RedoActionText(group.redoText())));
        redo->setEnabled(group.canRedo());
    };
    for (auto signal : {&QUndoGroup::canUndoChanged, &QUndoGroup::canRedoChanged})
        QObject::connect(&group, signal, undo, update);
    for (auto signal : {&QUndoGroup::undoTextChanged, &QUndoGroup::redoTextChanged})
        QObject::connect(&group, signal, undo, update);
    QObject::connect(&group, &QUndoGroup::activeStackChanged, undo, update);
    update();
}
