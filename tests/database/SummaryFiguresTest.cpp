// The vehicle summary's figures, computed by hand.
#include "database/SummaryFigures.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {
qint64 midnight(int y, int m, int d)
{
    return QDateTime(QDate(y, m, d), QTime(0, 0)).toSecsSinceEpoch();
}
} // namespace

TEST(SummaryFigures, PurchaseDatesFollowTheDateRule)
{
    const qint64 now = midnight(2024, 5, 20) + 9 * 3600;
    EXPECT_EQ(SummaryPurchaseTime("2011/03/02", now), midnight(2011, 3, 2));
    EXPECT_EQ(SummaryPurchaseTime("2011-03-02", now), midnight(2011, 3, 2));
    EXPECT_EQ(SummaryPurchaseTime("2011/2/30", now), midnight(2011, 3, 2)); // rolls over
    EXPECT_EQ(SummaryPurchaseTime("2011//3/2", now), midnight(2011, 3, 2)); // empty piece skipped
    for (const char* refused : {"11/03/02", "2011/13/01", "2011/03/32", "2099/01/01",
                                "2011/3", "2011/03/02/", "2011/03/0x", "", "12011/03/02"})
        EXPECT_EQ(SummaryPurchaseTime(refused, now), now) << refused;
}

TEST(SummaryFigures, AFullExampleFigureByFigure)
{
    CARPROPERTY car;
    car.curMiles = 12345;
    PURCHASEINFO purchase;
    purchase.buyDateText = "2023/05/20";
    purchase.carPrice = 100000;
    purchase.carTax = 8547.009;
    purchase.carLicense = 500;
    purchase.insuAmount = 3456.78;
    CostTotals totals;
    totals.fuelVolume = 41.1;
    totals.fuelAmount = 300;
    totals.maintain = 200;
    totals.repair = 150.5;
    totals.accessory = 99.99;
    totals.dailyCost = 20.5;
    // 366 days after the purchase (2024 is a leap year), in the afternoon.
    const qint64 now = midnight(2024, 5, 20) + 15 * 3600;
    const SummaryFigures f = ComputeSummary(car, &purchase, totals, now);
    EXPECT_EQ(f.days, 366);
    EXPECT_EQ(f.purchaseTotal, 112503.79); // 112503.789, to the cent
    EXPECT_DOUBLE_EQ(f.costTotal, 112503.79 + 300 + 200 + 150.5 + 99.99 + 20.5);
    EXPECT_DOUBLE_EQ(*f.costPerDay, f.costTotal / 366);
    EXPECT_DOUBLE_EQ(*f.kmPerDay, 12345.0 / 366);
    EXPECT_DOUBLE_EQ(*f.costPerKm, f.costTotal / 12345);
    EXPECT_DOUBLE_EQ(*f.litresPer100Km, 41.1 * 100 / 12345);
}

TEST(SummaryFigures, AveragesOnlyWhereTheyCanBeTaken)
{
    const qint64 now = midnight(2024, 5, 20);
    // No purchase details: no days, whatever the odometer.
    CARPROPERTY car;
    SummaryFigures f = ComputeSummary(car, nullptr, {}, now);
    EXPECT_EQ(f.days, 0);
    EXPECT_EQ(f.costTotal, 0);
    EXPECT_FALSE(f.costPerDay || f.kmPerDay || f.costPerKm || f.litresPer100Km);

    car.curMiles = 0.1;
    EXPECT_FALSE(ComputeSummary(car, nullptr, {}, now).costPerKm);
    car.curMiles = 0.11;
    EXPECT_TRUE(ComputeSummary(car, nullptr, {}, now).costPerKm);

    // A purchase in the future counts negative days and no per-day figures;
    // an unreadable date counts as today.
    PURCHASEINFO later;
    later.buyDateText = "2024/05/30";
    f = ComputeSummary(car, &later, {}, now);
    EXPECT_EQ(f.days, -10);
    EXPECT_FALSE(f.costPerDay);
    later.buyDateText = "2024.05.01";
    EXPECT_EQ(ComputeSummary(car, &later, {}, now).days, 0);

    // Absurd stored values stay numbers.
    car.curMiles = 1e15;
    CostTotals negative;
    negative.repair = -500;
    f = ComputeSummary(car, nullptr, negative, now);
    EXPECT_EQ(f.costTotal, -500);
    EXPECT_DOUBLE_EQ(*f.costPerKm, -500 / 1e15);
}
