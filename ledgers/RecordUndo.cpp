#include "ledgers/RecordUndo.h"

QString EditChangeText(LedgerKind ledger, const QString& record, const QString& column)
{
    return QStringLiteral("修改 %1 %2 %3").arg(LedgerName(ledger), record, column);
}

QString AddChangeText(LedgerKind ledger, const QString& record)
{
    return QStringLiteral("新增 %1 %2").arg(LedgerName(ledger), record);
}

QString RemoveChangeText(LedgerKind ledger, const QString& record)
{
    return QStringLiteral("删除 %1 %2").arg(LedgerName(ledger), record);
}

QString UndoActionText(const QString& change)
{
    return change.isEmpty() ? QStringLiteral("撤销") : QStringLiteral("撤销 %1").arg(change);
}

QString RedoActionText(const QString& change)
{
    return change.isEmpty() ? QStringLiteral("重做") : QStringLiteral("重做 %1").arg(change);
}
