#pragma once

#include "database/Records.h"
#include "ledgers/LedgerColumns.h"

#include <QString>

// What the derived columns of the ledgers show for a record, from the figure
// functions (database/Figures.h): "--" where a figure has none.

// A refuelling's quantity, consumption or cost estimate. `previous` is the
// filling before it in date order (none for the first), `spentBefore` what
// every earlier filling cost, `litresPerDivision` the car's tank volume over
// its gauge divisions.
QString RefuelDerivedText(CellKind kind, const LedgerRecord* previous, const LedgerRecord& filling,
                          double spentBefore, double litresPerDivision);
// An accessory line's cost.
QString AccessoryDerivedText(const LedgerRecord& accessory);
// Litres per gauge division of a car: tank volume over divisions, at least one division.
double LitresPerDivision(const CARPROPERTY& car);
