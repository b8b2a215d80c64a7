#include "ledgers/RecordUndo.h"

#include <QCoreApplication>

QString EditChangeText(LedgerKind ledger, const QString& record, const QString& column)
{
    return QCoreApplication::translate("RecordUndo", "修改 %1 %2 %3")
        .arg(LedgerName(ledger), record, column);
}

QString AddChangeText(LedgerKind ledger, const QString& record)
{
    return QCoreApplication::translate("RecordUndo", "新增 %1 %2").arg(LedgerName(ledger), record);
}

QString RemoveChangeText(LedgerKind ledger, const QString& record)
{
    return QCoreApplication::translate("RecordUndo", "删除 %1 %2").arg(LedgerName(ledger), record);
}

QString UndoActionText(const QString& change)
{
    return change.isEmpty() ? QCoreApplication::translate("RecordUndo", "撤销")
                            : QCoreApplication::translate("RecordUndo", "撤销 %1").arg(change);
}

QString RedoActionText(const QString& change)
{
    return change.isEmpty() ? QCoreApplication::translate("RecordUndo", "重做")
                            : QCoreApplication::translate("RecordUndo", "重做 %1").arg(change);
}
