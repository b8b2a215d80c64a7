#pragma once

#include <QDateTime>
#include <QString>

// Number and date texts of the ledger grids.

// value with n decimals (n clamped to 0..7): FormatNumber(3, 0) is "3".
QString FormatNumber(double value, int decimals);
// value with n decimals (at most 7) and a unit, one blank between them:
// "12345 KM" with the unit after, "￥ 125.50" with the unit before.
QString FormatWithUnit(double value, int decimals, const QString& unit, bool unitAfter);
// A number as a person types it into a cell: full-width digits and signs of a
// Chinese input method, a leading currency sign or other text ("￥5.5"),
// thousands separators ("12,345"), "。" as the decimal point, an exponent.
// A text without a number is 0. Magnitudes above kLargestTypedNumber are
// out of range.
struct TypedNumber
{
    double value = 0;
    bool outOfRange = false;
};
constexpr double kLargestTypedNumber = 1e12;
TypedNumber ReadTypedNumber(const QString& text);

// Local midnight of a "yyyy/m/d" text (years 1901..2098); the current time for
// anything else.
QDateTime ParseDateText(const QString& text);
// "yyyy/MM/dd".
QString DateText(const QDate& date);

// The display formats the ledgers share.
QString MoneyText(double value);       // "￥ 125.50"
QString OdometerText(double value);    // "12345 KM"
QString GaugeText(double value);       // "3.50 格"
QString QuantityText(double value);    // "40.00 升"
QString ConsumptionText(double value); // "7.85  L"
