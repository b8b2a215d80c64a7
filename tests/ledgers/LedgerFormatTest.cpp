#include "ledgers/LedgerFormat.h"
#include "ledgers/LedgerColumns.h"
#include "platform/Clock.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(LedgerFormat, NumbersWithUnits)
{
    EXPECT_EQ(MoneyText(125.5), "￥ 125.50");
    EXPECT_EQ(OdometerText(12345.4), "12345 KM");
    EXPECT_EQ(GaugeText(3.5), "3.50 格");
    EXPECT_EQ(QuantityText(40), "40.00 升");
    EXPECT_EQ(ConsumptionText(7.85), "7.85  L");
    EXPECT_EQ(FormatNumber(2.5, 0), "3");
    EXPECT_EQ(FormatNumber(1.23456789, 12), "1.2345679");
    EXPECT_EQ(FormatNumber(1.5, -3), "2");
    EXPECT_EQ(FormatWithUnit(-0.004, 2, "￥", false), "￥ -0.00");
}

TEST(LedgerFormat, ParsingDates)
{
    platform::SetClock([] { return QDateTime(QDate(2030, 1, 2), QTime(3, 4)); });
    EXPECT_EQ(ParseDateText("2011/7/12"), QDateTime(QDate(2011, 7, 12), QTime(0, 0)));
    EXPECT_EQ(ParseDateText("2011/07/12"), QDateTime(QDate(2011, 7, 12), QTime(0, 0)));
    for (const char* bad :
         {"2011-07-12", "1900/01/01", "2099/01/01", "2011/13/01", "2011/02/30", "12/7/1", ""})
        EXPECT_EQ(ParseDateText(bad), QDateTime(QDate(2030, 1, 2), QTime(3, 4))) << bad;
    platform::SetClock({});
    EXPECT_EQ(DateText(QDate(2011, 7, 2)), "2011/07/02");
}

TEST(LedgerLayout, WidthClassesAndHiddenOdometer)
{
    using V = std::vector<int>;
    EXPECT_EQ(LedgerColumnWidths(RefuelPage(), 1000, true),
              (V{50, 100, 75, 70, 60, 70, 80, 80, 80, 80, 230, 0}));
    EXPECT_EQ(LedgerColumnWidths(RefuelPage(), 800, true),
              (V{40, 90, 60, 60, 50, 60, 70, 70, 70, 70, 135, 0}));
    EXPECT_EQ(LedgerColumnWidths(RefuelPage(), 650, true),
              (V{40, 85, 55, 55, 45, 55, 60, 60, 60, 60, 50, 0}));
    EXPECT_EQ(LedgerColumnWidths(RefuelPage(), 500, false).at(10),
              10); // no mask bit: odometer stays
    EXPECT_EQ(LedgerColumnWidths(RefuelPage(), 500, false).at(2), 55);

    EXPECT_EQ(LedgerColumnWidths(RepairPage(), 1000, true), (V{50, 100, 75, 85, 200, 150, 310, 0}));
    EXPECT_EQ(LedgerColumnWidths(RepairPage(), 1000, false), (V{50, 100, 0, 85, 200, 150, 385, 0}));
    EXPECT_EQ(LedgerColumnWidths(RepairPage(), 800, false), (V{40, 90, 0, 60, 160, 130, 290, 0}));
    EXPECT_TRUE(LedgerColumnWidths(RepairPage(), 600, true).empty());
    EXPECT_EQ(LedgerColumnWidths(CarLogPage(), 800, false), (V{40, 90, 0, 630, 0}));
    EXPECT_EQ(LedgerColumnWidths(AccessoryPage(), 600, true),
              (V{40, 90, 60, 100, 55, 45, 60, 100, 10, 0}));
    EXPECT_EQ(LedgerColumnWidths(AccessoryPage(), 1000, false).at(8), 1000 - 785 + 75);
}

TEST(LedgerLayout, ColumnsWidenToTheirTextsInTheGridFont)
{
    using V = std::vector<int>;
    // A font twice as wide as the widths were made for: 12 pixels a character.
    const TextWidth wide = [](const QString& text) { return 12 * int(text.size()); };
    struct Case
    {
        const LedgerPageInfo& page;
        int width;
        TextWidth textWidth;
        V expected;
        int rows = 0;
    };
    const Case cases[] = {
        // Every column grows to its sample (or header); the remark column
        // gives up the growth but keeps room for "备注".
        {RefuelPage(), 650, wide, {67, 127, 115, 103, 103, 91, 79, 79, 91, 79, 31, 0}},
        // A wide window: the remark column takes what is left.
        {RefuelPage(), 1400, wide, {67, 127, 115, 103, 103, 91, 80, 80, 91, 80, 438, 0}},
        // Texts that fit leave the design's widths as they are.
        {RepairPage(),
         1000,
         [](const QString& t) { return 5 * int(t.size()); },
         {50, 100, 75, 85, 200, 150, 310, 0}},
        // A hidden odometer stays hidden.
        {RepairPage(), 1000, wide, {67, 127, 0, 103, 200, 150, 323, 0}},
        // A million rows: "1000000 *" in the row numbers' column.
        {RepairPage(), 1000, wide, {115, 127, 0, 103, 200, 150, 275, 0}, 1000000},
    };
    for (const Case& c : cases) {
        const bool odometer = c.expected[2] != 0;
        EXPECT_EQ(FitColumnsToFont(c.page, LedgerColumnWidths(c.page, c.width, odometer),
                                   c.textWidth, c.rows),
                  c.expected)
            << c.page.initialCaption.toStdString() << " " << c.width;
    }
}

TEST(LedgerFormat, TypedNumbersAreReadAsPeopleWriteThem)
{
    struct Case
    {
        const char* typed;
        double value;
    };
    const Case cases[] = {
        {"12,345", 12345}, {"1,234,567.5", 1234567.5},
        {"￥5.5", 5.5},    {"¥ 8", 8},
        {"１２３", 123},   {"１２．５", 12.5},
        {"3。5", 3.5},     {"－７", -7},
        {"1,5", 1},        {"12,3456", 12},
        {"abc", 0},        {"", 0},
        {"250元", 250},    {" 7.30 ", 7.3},
        {"1e3", 1000},     {"1e-400", 0},
        {"-0", 0},         {".5", 0.5},
        {"1e12", 1e12},    {"-1e12", -1e12},
    };
    for (const Case& c : cases) {
        const TypedNumber number = ReadTypedNumber(QString::fromUtf8(c.typed));
        EXPECT_DOUBLE_EQ(number.value, c.value) << c.typed;
        EXPECT_FALSE(number.outOfRange) << c.typed;
    }
    for (const char* absurd : {"1e70", "1000000000001", "-2e12", "1e400"})
        EXPECT_TRUE(ReadTypedNumber(QString::fromUtf8(absurd)).outOfRange) << absurd;
    EXPECT_TRUE(ReadTypedNumber(QString(400, QLatin1Char('9'))).outOfRange);
    EXPECT_FALSE(std::signbit(ReadTypedNumber("-0").value));
}
