#pragma once

#include "database/LedgerKind.h"
#include "database/Records.h"

#include <QString>
#include <QStringList>
#include <optional>

// One record to be written, with the place of the file it comes from.
struct ImportRow
{
    int source = 0; // index into ImportPlan::sources
    int line = 0;
    QString car; // the name of the car in the file (before the choice of a car)
    LedgerKind ledger = LedgerKind::Refuel;
    LedgerRecord record; // car and record identifier are given when written
    QStringList flags;   // numbers that look wrong: shown, imported all the same
    // Refuelling from files without gauge readings: the litres bought and
    // whether the tank was filled up, to derive the readings from.
    std::optional<double> litres;
    // The time of day the file gives ("HH:mm:ss", empty when none): records of
    // one day are numbered by it, or by odometer without it.
    QString time;
    bool secondTank = false; // a filling of another tank than the ledger's gauge follows
    bool foreign = false;    // from a file of another program (or a generic one)
    bool fullTank = true;
    bool missedBefore = false; // a filling before this one was not recorded
    bool duplicate = false;    // the ledger holds the same record already
    int target = -1;           // index into ImportPlan::targets
};
