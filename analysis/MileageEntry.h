#pragma once

#include <QString>
#include <optional>

// A new odometer reading as a person types it: a whole number of kilometres
// (12345.9 is 12345), read as the ledgers read typed numbers ("12,345",
// full-width digits). None for a text without a digit or beyond the range a
// ledger number takes.
std::optional<qint64> ReadMileageEntry(const QString& text);
