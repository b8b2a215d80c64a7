#pragma once

#include <QString>
#include <QStringList>

// CSV as RFC 4180 writes it: a field is put in double quotes (its quotes
// doubled) when it holds a comma, a quote, a line break, or blanks at either
// end; records end with CRLF.
QString CsvField(const QString& value);
QString CsvLine(const QStringList& fields);

// A text cell that a spreadsheet program would take for a formula (it begins
// with "=", "+", "-", "@", a tab or a carriage return) is written with an
// apostrophe in front, and so is one that begins with an apostrophe, so that
// reading it back with SpreadsheetSafeText's inverse gives the text again.
QString SpreadsheetSafeText(const QString& text);
QString FromSpreadsheetSafeText(const QString& cell);
