#pragma once

#include "database/LedgerKind.h"
#include "database/StorageFault.h"

#include <QDate>
#include <QString>
#include <vector>

class CMyDatabase;

// What the consistency check finds wrong with a record.
enum class CheckFault
{
    OdometerBackwards, // a reading below one of an earlier date of the car
    GaugeFell,         // the gauge after a filling below the one before it
    OverTank,          // a filling larger than the car's tank
    NoPrice,           // a filling with an amount and a price of 0
    FutureDate,        // dated after today
    Duplicate,         // the same date, reading and amount as another record
    NoCar,             // a record of a car that is not in the car list
};

// One finding: the record it is about and what is wrong, in words.
struct CheckFinding
{
    CheckFault fault;
    LedgerKind kind;
    QString carId;
    QString carName; // empty for a car that no longer exists
    QString recId;
    QString date;
    QString problem; // "里程 1200 公里小于此前 …"
};

// Reads every record of the seven ledgers of every car and reports what looks
// wrong; it never writes. Findings come by car, ledger and record.
SqlStatus CheckLedgerData(CMyDatabase& db, const QDate& today, std::vector<CheckFinding>& findings);

// One line of the report: "【甲】加油记录 0000012（2024/03/05）：…".
QString CheckFindingText(const CheckFinding& finding);
