#pragma once

#include "csv/CsvReader.h"
#include "csv/ImportPlan.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// Reading the cells of the files an import takes, shared by the formats.

// A number cell as a person or a spreadsheet writes it ("12,345", "￥5.5",
// full-width digits); an empty cell is 0. False, with the reason, for a cell
// without a number or one far beyond any amount.
bool readNumber(const QString& cell, const QString& caption, double& value, QString& problem);
// A date cell of our own files: "yyyy-mm-dd" that exists.
bool readDate(const QString& cell, QDate& date, QString& problem);
// Numbers that are possible but hardly right, written into the row's flags.
void flagNumbers(ImportRow& row);
bool allEmpty(const QStringList& fields);
// The index of each header cell, by its trimmed text; a caption of the
// English interface also stands for the captions of ours it translates
// (unless the header has those too).
QHash<QString, int> headerIndex(const QStringList& header);
// A record's fields against its header: false (and a problem) when the
// record is malformed or has too many or too few fields.
bool wellFormed(int source, const CsvRecord& record, int headerSize, ImportPlan& plan);

// --- files of other programs ----------------------------------------------------

// A header as other programs vary it: lower case, without blanks, "_" and "-".
QString foldHeader(const QString& header);

// Whether a file writes "1.234,56" (a decimal comma) or "1,234.56".
enum class DecimalMark
{
    Point,
    Comma,
};
// Tells the mark from a file's number cells, added one at a time.
class DecimalMarkGuess
{
public:
    void add(const QString& cell);
    DecimalMark mark() const;

private:
    int m_commas = 0;
    int m_points = 0;
};
// A number in the file's way; currency signs and units around it are skipped.
bool readForeignNumber(const QString& cell, const QString& caption, DecimalMark mark, double& value,
                       QString& problem);

// The order of day, month and year in dates written with "/" or ".".
enum class DateOrder
{
    MonthFirst, // 1/31/2024, as LubeLogger writes for the United States
    DayFirst,   // 31/1/2024, 31.01.2024
};
// How a file's dates are read, and which of its dates told it.
struct DateOrderGuess
{
    DateOrder order = DateOrder::MonthFirst;
    QString decidedBy;    // a date that exists in this order only; empty when none told
    QString against;      // one that exists in the other order only: the file mixes both
    bool slashed = false; // the file writes dates as "1/5/2024"
};
// Tells the order from a file's date cells, added one at a time: from the
// dates that exist in one order only ("31/1/2024" is day first, "1/31/2024"
// month first; "31/2/2024" exists in neither and tells nothing), the order
// more of them tell when the file mixes both; dotted dates are day first;
// month first when nothing tells.
class DateOrderGuesser
{
public:
    void add(const QString& cell);
    DateOrderGuess guess() const;

private:
    bool m_dotted = false;
    bool m_slashed = false;
    int m_dayFirst = 0;
    int m_monthFirst = 0;
    QString m_dayExample;
    QString m_monthExample;
};
// "2024-01-31", "2024/1/31", "2024年1月31日", or with "/" or "." in the given
// order; a time after the date is ignored. False, with the reason, for a day
// that does not exist.
bool readForeignDate(const QString& cell, DateOrder order, QDate& date, QString& problem);
// The time of day after the date ("2024-01-05 14:58", "1/5/2024 2:58:00 PM") as
// "HH:mm:ss"; empty when the cell gives none.
QString readTimeOfDay(const QString& cell);
// "True", "1", "yes", "是".
bool readFlag(const QString& cell);
