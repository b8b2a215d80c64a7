#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

// Conversions of the values the ledger file holds, the same for every reader
// of it (statements, record sets, the tests' read-back).

// A value of SQLite's storage class as the access layer reads it as text:
// integers as 32-bit values, reals as "%.8f", blobs as "[BLOB]", null as "".
QString StoredText(const QVariant& value);
// The same value as a number: texts read as TextToNumber reads them; blobs and
// null are 0.
double StoredNumber(const QVariant& value);

// The number at the start of a text: leading characters other than digits, full
// stops and minus signs are skipped, the run of such characters that follows is
// read as a decimal number (an empty or unreadable run gives 0).
double LeadingNumber(const QString& text);
// The decimal number at the start of a text after leading blanks, as the C
// library's to-double conversion reads it ("12abc" is 12, "abc" is 0), however
// many digits it has; beyond a double's range it is 0 (tiny) or infinite (huge).
double TextToNumber(QStringView text);
// Removes trailing white space.
QString RightTrimmed(const QString& text);
