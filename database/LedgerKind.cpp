#include "database/LedgerKind.h"

QString LedgerName(LedgerKind kind)
{
    switch (kind) {
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
        break;
    }
    return QStringLiteral("输入记录");
}
