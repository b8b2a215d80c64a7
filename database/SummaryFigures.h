#pragma once

#include "database/Records.h"

#include <QString>
#include <optional>

// The figures of the vehicle summary: what the car has cost and how it has
// been used, from its profile, its purchase details and the cost totals.
struct SummaryFigures
{
    qint64 days = 0;          // days in use, whole days (negative for a future purchase)
    double odometer = 0;      // the odometer reading, kilometres
    double fuelVolume = 0;    // litres
    double purchaseTotal = 0; // price, tax, licence and insurance, to the cent
    double costTotal = 0;     // the purchase total and every ledger's total
    // The averages; none where the rules give none (the page shows "--").
    std::optional<double> costPerDay;
    std::optional<double> kmPerDay;
    std::optional<double> costPerKm;
    std::optional<double> litresPer100Km;
};

// The purchase time (seconds since 1970, local midnight) of a "y/m/d" text of
// 8 to 10 characters whose three numbers lie in 1901..2098, 1..12 and 1..31;
// a day past the month's end rolls over into the next month. Anything else
// gives `now`.
qint64 SummaryPurchaseTime(const QString& buyDate, qint64 now);

// The figures at `now` (seconds since 1970). Without purchase details the car
// has no days in use.
SummaryFigures ComputeSummary(const CARPROPERTY& car, const PURCHASEINFO* purchase,
                              const CostTotals& totals, qint64 now);
