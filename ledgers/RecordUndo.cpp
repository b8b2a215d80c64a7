#include "ledgers/RecordUndo.h"

QString UndoLedgerName(LedgerKind ledger)
{
    switch (ledger) {
    case LedgerKind::Refuel:
        return QStringLiteral("加油记录");
    case LedgerKind::Repair:
        return QStringLiteral("维修记录");
    case LedgerKind::Maintain:
        return QStringLiteral("保养记录");
    case LedgerKind::Accident:
        return QStringLiteral("事故记录");
    case LedgerKind::DailyCost:
        return QStringLiteral("日常杂费");
    case LedgerKind::Accessory:
        return QStringLiteral("汽车用品");
    case LedgerKind::CarLog:
        return QStringLiteral("爱车日志");
    case LedgerKind::InputHistory:
        return QStringLiteral("输入记录");
    }
    return QString();
}

QString EditChangeText(LedgerKind ledger, const QString& record, const QString& column)
{
    return QStringLiteral("修改 %1 %2 %3").arg(UndoLedgerName(ledger), record, column);
}

QString AddChangeText(LedgerKind ledger, const QString& record)
{
    return QStringLiteral("新增 %1 %2").arg(UndoLedgerName(ledger), record);
}

QString RemoveChangeText(LedgerKind ledger, const QString& record)
{
    return QStringLiteral("删除 %1 %2").arg(UndoLedgerName(ledger), record);
}

QString UndoActionText(const QString& change)
{
    return change.isEmpty() ? QStringLiteral("撤销") : QStringLiteral("撤销 %1").arg(change);
}

QString RedoActionText(const QString& change)
{
    return change.isEmpty() ? QStringLiteral("重做") : QStringLiteral("重做 %1").arg(change);
}
