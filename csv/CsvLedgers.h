#pragma once

#include "database/LedgerKind.h"
#include "database/Records.h"
#include "ledgers/LedgerColumns.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What the CSV files of the ledgers look like: one file per ledger and car,
// the columns as the ledger page captions them, and a file of the cars with
// their profile and purchase data.

// A caption of our files (a column of a ledger or of the car file, the two
// columns every ledger file ends with, a ledger's name) in the interface's
// language. The files themselves always carry the Chinese captions.
QString ShownFileCaption(const QString& caption);
// The captions of ours a caption of the English interface stands for
// ("Amount": "总金额" and "消费金额"), in any letter case; none for any
// other text.
QStringList CaptionsFromEnglish(const QString& caption);

struct LedgerKindInfo
{
    LedgerKind kind;
    const char* key; // the name on the command line: "refuel", "repair", ...
    QString name;    // as the navigation names the page: "加油记录", ...
    const LedgerPageInfo& (*page)();

    // The name in the interface's language; files always carry `name`.
    QString shownName() const { return ShownFileCaption(name); }
};

// The seven ledgers in the order the navigation lists them.
const std::vector<LedgerKindInfo>& LedgerKinds();
const LedgerKindInfo& InfoOf(LedgerKind kind);
// By command-line key or by name (Chinese or English); nullptr when there is none.
const LedgerKindInfo* FindLedgerKind(const QString& keyOrName);

// The consumption cell of a filling after a missed one, which has no figure.
inline const QString kMissedFillingCell = QStringLiteral("漏记");

// The two columns every ledger file ends with: the car and the ledger of the row.
inline const QString kCarColumn = QStringLiteral("车辆");
inline const QString kLedgerColumn = QStringLiteral("记录类型");

// The page columns a ledger file holds, in page order: every column but the
// row number and the hidden record identifier.
const std::vector<LedgerColumn>& ExportColumns(LedgerKind kind);
// Their captions followed by kCarColumn and kLedgerColumn.
QStringList LedgerFileHeader(LedgerKind kind);

// A number as a spreadsheet reads it: the shortest text that reads back as
// the same double, never with an exponent or a unit; -0 is "0", and a value
// that is not finite is an empty cell.
QString PlainNumber(double value);
// A stored "yyyy/MM/dd" date as "yyyy-MM-dd"; a text that names no day is
// written as it is stored.
QString IsoDateText(const QString& storedDate);
// The day of a date cell: "yyyy-MM-dd", "yyyy/MM/dd" or "yyyy.MM.dd" (one or
// two digits for month and day), that exists in the calendar.
std::optional<QDate> ReadIsoDate(const QString& cell);
// A date as the ledger stores it, "yyyy/MM/dd".
QString StoredDate(const QDate& date);

// The columns of the car file, in order: the car's name, whether it is the
// current car, its profile and its purchase data with the captions of the
// settings pages.
struct CarFileColumn
{
    QString header;
    const char* table; // tbl::CarList, tbl::CarProperty or tbl::PurchaseInfo
    const char* column;
    enum Kind
    {
        Text,
        Number,
        Date,
        Current, // "是" / "否" from CarList.Used
    } kind;
};
const std::vector<CarFileColumn>& CarFileColumns();
QStringList CarFileHeader();
inline const QString kCarFileName = QStringLiteral("车辆信息");
inline const QString kCurrentCarColumn = QStringLiteral("当前车辆");
