#pragma once

#include "database/Names.h"

#include <QString>
#include <array>

// The seven ledgers, in the order the navigation lists them, and the input
// history, whose entries the store keeps as records of a table the same way.
enum class LedgerKind
{
    Refuel,
    Repair,
    Maintain,
    Accident,
    DailyCost,
    Accessory,
    CarLog,
    InputHistory,
};

inline constexpr std::array<LedgerKind, 7> kLedgerKinds = {
    LedgerKind::Refuel,    LedgerKind::Repair,    LedgerKind::Maintain, LedgerKind::Accident,
    LedgerKind::DailyCost, LedgerKind::Accessory, LedgerKind::CarLog,
};

// The table that holds a ledger's records.
constexpr const char* LedgerTable(LedgerKind kind)
{
    switch (kind) {
    case LedgerKind::Refuel:
        return tbl::Refuel;
    case LedgerKind::Repair:
        return tbl::Repair;
    case LedgerKind::Maintain:
        return tbl::Maintain;
    case LedgerKind::Accident:
        return tbl::Accident;
    case LedgerKind::DailyCost:
        return tbl::DailyCost;
    case LedgerKind::Accessory:
        return tbl::Accessory;
    case LedgerKind::CarLog:
        return tbl::CarLog;
    case LedgerKind::InputHistory:
        return tbl::InputHistory;
    }
    return tbl::Refuel;
}

// The ledger as texts name it: "加油记录" … "爱车日志", and "输入记录".
QString LedgerName(LedgerKind kind);

// The two tables of one row per car beside the car list.
enum class CarTable
{
    Property,
    Purchase,
};

constexpr const char* CarTableName(CarTable table)
{
    return table == CarTable::Property ? tbl::CarProperty : tbl::PurchaseInfo;
}
