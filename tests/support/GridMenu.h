#pragma once

#include "controls/GridCtrl.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStringList>
#include <QTimer>

// Right-clicks a grid at the centre of a cell, as the mouse does, and answers
// the context menu with the action of that text (empty: closes it). Returns the
// menu's texts, separators as "", or nothing when no menu opened.
inline QStringList RightClickCell(CGridCtrl* grid, int row, int col, const QString& choice)
{
    QStringList texts;
    // A timer of this call only: when no menu opens, it never fires later.
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            texts << action->text();
        for (QAction* action : menu->actions())
            if (!choice.isEmpty() && action->text() == choice)
                action->trigger();
        menu->close();
    });
    answer.start(0);
    const QPoint local = grid->GetCellRect(row, col).center();
    QWidget* target = grid->childAt(local);
    QContextMenuEvent event(QContextMenuEvent::Mouse, target->mapFrom(grid, local),
                            grid->mapToGlobal(local));
    QApplication::sendEvent(target, &event);
    return texts;
}
