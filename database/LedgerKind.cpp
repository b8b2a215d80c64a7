#include "database/LedgerKind.h"

#include <QCoreApplication>

QString LedgerName(LedgerKind kind)
{
    switch (kind) {
    case LedgerKind::Refuel:
        return QCoreApplication::translate("LedgerKind", "加油记录");
    case LedgerKind::Repair:
        return QCoreApplication::translate("LedgerKind", "维修记录");
    case LedgerKind::Maintain:
        return QCoreApplication::translate("LedgerKind", "保养记录");
    case LedgerKind::Accident:
        return QCoreApplication::translate("LedgerKind", "事故记录");
    case LedgerKind::DailyCost:
        return QCoreApplication::translate("LedgerKind", "日常杂费");
    case LedgerKind::Accessory:
        return QCoreApplication::translate("LedgerKind", "汽车用品");
    case LedgerKind::CarLog:
        return QCoreApplication::translate("LedgerKind", "爱车日志");
    case LedgerKind::InputHistory:
        break;
    }
    return QCoreApplication::translate("LedgerKind", "输入记录");
}
