#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// One record of a CSV text (RFC 4180): its fields, the line it starts on
// (counted from 1) and, when it breaks the rules without making the rest of
// the text unreadable, what is wrong with it.
struct CsvRecord
{
    int line = 0;
    QStringList fields;
    QString defect; // empty for a well-formed record
};

// A CSV text split into records. A quote that is never closed makes the rest
// of the text unreadable: the records before it are kept and `error` names
// the line the quoted field began on.
struct CsvParseResult
{
    std::vector<CsvRecord> records;
    QString error;
    int errorLine = 0;

    bool ok() const { return error.isEmpty(); }
};

// Reads fields separated by the delimiter, records ended by CRLF, LF or CR.
// A field in double quotes may hold delimiters, line breaks and doubled
// quotes; a quote inside an unquoted field is kept as it stands. Empty lines
// are no records. Text after a closing quote is kept too, and the record is
// marked defective.
CsvParseResult ParseCsv(QStringView text, QChar delimiter = QLatin1Char(','));

// The error of a quote, opened on the line, that is never closed.
QString UnclosedQuoteError(int line);

// The delimiter of the first line outside quotes: the most frequent of comma,
// semicolon and tab (a comma when none occurs).
QChar GuessCsvDelimiter(QStringView text);
