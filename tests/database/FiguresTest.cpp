// The ledger figures over typed records, with divisions that do not come out
// even, cross-checked against the aggregate queries of the store.
#include "DatabaseFixture.h"

#include "database/Figures.h"
#include "database/Names.h"

#include <QRandomGenerator>

namespace {

LedgerRecord filling(const QString& date, double miles, double amount, double price,
                     double before = 0, double after = 0)
{
    LedgerRecord r;
    r.carId = "CAR0001";
    r.date = date;
    r.miles = miles;
    r.amount = amount;
    r.price = price;
    r.fuelMeter1 = before;
    r.fuelMeter2 = after;
    return r;
}

} // namespace

TEST(Figures, FuelVolumeIsTheSumOfTheQuantitiesAsShown)
{
    // 100 / 7.30 = 13.6986...: shown as 13.70, three of them 41.10, where the
    // unrounded sum is 41.0959.
    std::vector<LedgerRecord> three(3, filling("2024/05/01", 0, 100, 7.3));
    EXPECT_DOUBLE_EQ(ShownFuelQuantity(three[0]), 13.7);
    EXPECT_EQ(TotalFuelVolume(three), 41.1);
    EXPECT_DOUBLE_EQ(TotalAmount(three), 300);

    // A refund has no quantity: it counts 0 litres but its amount counts.
    three.push_back(filling("2024/05/02", 0, -50, 7.3));
    EXPECT_FALSE(FuelQuantity(three.back()));
    EXPECT_EQ(TotalFuelVolume(three), 41.1);
    EXPECT_EQ(TotalAmount(three), 250);
    // No price, no quantity.
    EXPECT_FALSE(FuelQuantity(filling("2024/05/03", 0, 100, 0)));
}

TEST(Figures, ConsumptionAndCostPerKilometre)
{
    const LedgerRecord first = filling("2024/05/01", 12000, 301.37, 7.3, 1, 8);
    const LedgerRecord second = filling("2024/05/09", 12437, 250, 7.3, 3, 8);
    // 60 l over 8 divisions, 5 divisions used over 437 km.
    EXPECT_NEAR(*FuelConsumption(first, second, 60.0 / 8), 37.5 * 100 / 437, 1e-12);
    // The gauge rose without a filling, or the odometer did not move: no figure.
    EXPECT_FALSE(FuelConsumption(first, filling("2024/05/09", 12437, 1, 1, 9, 9), 7.5));
    EXPECT_FALSE(FuelConsumption(first, filling("2024/05/09", 12000, 1, 1, 3, 8), 7.5));

    EXPECT_NEAR(*FuelCostPerKm(301.37, second), 301.37 / 12437, 1e-15);
    EXPECT_FALSE(FuelCostPerKm(301.37, filling("2024/05/09", 0, 1, 1)));
    EXPECT_FALSE(FuelCostPerKm(-1, second));
}

TEST(Figures, NumbersRoundAsTheyAreShownAndStored)
{
    // Halves round away from zero as the grid's text and the stored "%.2f"
    // text both do.
    EXPECT_EQ(ShownNumber(2.5, 0), 3);
    EXPECT_EQ(ShownNumber(-2.5, 0), -3);
    EXPECT_EQ(ShownNumber(0.125, 2), 0.13);
    EXPECT_EQ(ShownNumber(2.6, 0), 3);
    QRandomGenerator random(7);
    for (int i = 0; i < 20000; ++i) {
        // Many near and exact halves: thousandths and eighths of all sizes.
        const double value =
            (i % 2 ? random.bounded(2000000) / 1000.0 : random.bounded(80000) / 8.0) *
            (i % 3 ? 1 : -1) * (i % 5 ? 1 : 1e6);
        for (int decimals : {0, 2}) {
            ASSERT_EQ(ShownNumber(value, decimals),
                      QString::number(value, 'f', decimals).toDouble())
                << value;
            ASSERT_EQ(ShownNumber(value, decimals),
                      QString::asprintf("%.*f", decimals, value).toDouble())
                << value;
        }
    }
}

TEST(Figures, RunningTotalsNeverDriftFromAFreshSum)
{
    std::vector<LedgerRecord> records(50, filling("2024/05/01", 0, 0.1, 7.3));
    CRunningTotal amount(AmountShare), volume(FuelVolumeShare);
    amount.Reset(records);
    volume.Reset(records);
    QRandomGenerator random(3);
    for (int i = 0; i < 5000; ++i) {
        const int k = int(random.bounded(int(records.size())));
        LedgerRecord changed = records[size_t(k)];
        changed.amount = random.bounded(100000) / 100.0 - 100;
        changed.price = random.bounded(1000) / 100.0;
        amount.Replace(&records[size_t(k)], &changed);
        volume.Replace(&records[size_t(k)], &changed);
        records[size_t(k)] = changed;
    }
    EXPECT_EQ(amount.Value(), TotalAmount(records));
    EXPECT_EQ(volume.Value(), TotalFuelVolume(records));
}

TEST_F(DatabaseTest, FiguresAgreeWithTheAggregateQueries)
{
    const char* dates[] = {"2024/01/31", "2024/02/01", "2024/02/29", "2024/03/01", "2024/02/15"};
    for (int i = 0; i < 5; ++i) {
        LedgerRecord r = filling(dates[i], 1000 * i, 100 + i * 33.33, 7.3 + i * 0.11);
        r.recId = Value(db.GetNextRecID(LedgerKind::Refuel));
        ASSERT_EQ(insert(LedgerKind::Refuel, r), InsertOutcome::Inserted);
        LedgerRecord a;
        a.carId = "CAR0001";
        a.date = dates[i];
        a.price = 33.33;
        a.count = i + 1;
        a.recId = Value(db.GetNextRecID(LedgerKind::Accessory));
        ASSERT_EQ(insert(LedgerKind::Accessory, a), InsertOutcome::Inserted);
    }
    std::vector<LedgerRecord> fillings, accessories;
    ASSERT_TRUE(db.LoadRecords(LedgerKind::Refuel, "CAR0001", fillings).ok());
    ASSERT_TRUE(db.LoadRecords(LedgerKind::Accessory, "CAR0001", accessories).ok());
    ASSERT_EQ(fillings.size(), 5u);

    EXPECT_NEAR(TotalAmount(fillings),
                Value(db.SumColumn(LedgerKind::Refuel, col::Amount, "CAR0001")), 1e-9);
    EXPECT_NEAR(
        TotalAccessoryCost(accessories),
        Value(db.SumRowResults(LedgerKind::Accessory, col::Price, col::Countt, "*", "CAR0001")),
        1e-9);
    // The quantities differ from the exact quotients only by their rounding.
    EXPECT_NEAR(
        TotalFuelVolume(fillings),
        Value(db.SumRowResults(LedgerKind::Refuel, col::Amount, col::Price, "/", "CAR0001")),
        5 * 0.005);
    // February, as the month queries see it: the 1st to the "31st".
    const auto amount = [](const LedgerRecord& r) { return r.amount; };
    EXPECT_NEAR(MonthSum(fillings, 2024, 2, amount),
                Value(db.SumColumnInMonth(2024, 2, LedgerKind::Refuel, col::Amount, "CAR0001")),
                1e-9);
    EXPECT_NEAR(MonthSum(fillings, 2024, 2, amount), 3 * 100 + (1 + 2 + 4) * 33.33, 1e-9);
    EXPECT_EQ(MonthSum(fillings, 2024, 4, amount), 0.0);

    // Start-up takes the page's figures.
    CostTotals totals;
    ASSERT_TRUE(Succeeded(db.LoadCostTotals("CAR0001", totals)));
    EXPECT_EQ(totals.fuelVolume, TotalFuelVolume(fillings));
    EXPECT_EQ(totals.accessory, TotalAccessoryCost(accessories));
}
