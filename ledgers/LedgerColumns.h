#pragma once

#include "database/LedgerKind.h"
#include "database/Records.h"

#include <QFont>
#include <QString>
#include <functional>
#include <vector>

// How a ledger column shows and edits its value.
enum class CellKind
{
    RowNumber,    // column 0: "%d", "%d *" on the new-record row
    Date,         // "yyyy/MM/dd", date editor
    Odometer,     // "12345 KM", opens with 0 decimals
    Money,        // "￥ 125.50", opens with 2 decimals
    Gauge,        // "3.50 格", opens with 2 decimals
    Count,        // "3", a whole number, opens with 0 decimals
    Text,         // free text as stored
    Quantity,     // derived "40.00 升" or "--", read-only
    Consumption,  // derived "7.85  L" or "--", read-only
    DerivedMoney, // derived "￥ 0.05" or "--", read-only
    RecordId,     // the hidden record identifier
    Label,        // a record's text (or whole number) shown, never typed
};

bool IsNumericKind(CellKind kind);
bool IsDerivedKind(CellKind kind);
// Decimals of the bare number an editor opens with (numeric kinds only).
int EditDecimals(CellKind kind);
// The bare number a numeric cell's editor opens with: EditDecimals, or every
// digit the file holds of money stored with more.
QString EditText(CellKind kind, double value);
// The display text of a stored number of this kind.
QString DisplayText(CellKind kind, double value);

struct LedgerColumn
{
    QString header; // as written: CSV files name their columns so; ShownCaption for the screen
    LedgerField field = LedgerField::None; // None for derived and row-number columns
    CellKind kind = CellKind::Text;
    int historyClass = 0; // 1..3 when the column offers remembered entries
};

// The text a record shows in a column of a field (not for derived columns).
QString FieldText(const LedgerColumn& column, const LedgerRecord& record);

// Column widths of one width class: the columns before the remark (or log)
// column, which gets the grid width minus `restMinus`.
struct LedgerWidthClass
{
    std::vector<int> widths;
    int restMinus = 0;
};

// The widths by grid width w: w > 900; 700 < w <= 900 (600 < w on pages
// without a narrow class); w <= 700 on pages with one.
struct LedgerWidths
{
    LedgerWidthClass wide;
    LedgerWidthClass middle;
    LedgerWidthClass narrow;
    bool hasNarrow = false;
};

// Everything that tells one ledger page from another.
struct LedgerPageInfo
{
    LedgerKind kind = LedgerKind::Refuel;
    QString initialCaption; // as written, like the headers: ShownCaption for the screen
    QString captionFormat;  // one %.2f for the page total; empty: the caption never changes
    int odometerBit = 0;    // bit of OdometerColumnMask; 0: the odometer always shows
    std::vector<LedgerColumn> columns;
    LedgerWidths widths;

    int columnCount() const { return static_cast<int>(columns.size()); }
    int recordIdColumn() const { return columnCount() - 1; }
    int columnOf(LedgerField field) const;
};

// The text the user reads of a column header or page caption above: its
// translation in the interface's language.
QString ShownCaption(const QString& text);

// The names of the three remembered-entry classes, by class number.
QString HistoryClassName(int classId);

const LedgerPageInfo& RefuelPage();
const LedgerPageInfo& RepairPage();
const LedgerPageInfo& MaintainPage();
const LedgerPageInfo& AccidentPage();
const LedgerPageInfo& DailyCostPage();
const LedgerPageInfo& CarLogPage();
const LedgerPageInfo& AccessoryPage();

// Column widths of a page for a grid of width w. An empty result means "leave
// the widths as they are". A hidden odometer column is 0 wide and its width
// goes to the last visible column as the page's rules say.
std::vector<int> LedgerColumnWidths(const LedgerPageInfo& page, int width, bool odometerShown);

// The width of a text in the grid's font.
using TextWidth = std::function<int(const QString&)>;
TextWidth MeasureTextWidth(const QFont& font);

// The text a column of a kind must show uncut: a typical large value (empty
// for free texts, whose columns keep their width).
QString SizingSample(CellKind kind);

// Widths from LedgerColumnWidths widened so that each visible column shows its
// header and its kind's sizing sample in the grid's font (the row numbers:
// the highest of rowCount, with the new-record mark); the growth is taken
// from the last visible column, which keeps room for its header (past that
// the grid scrolls sideways).
std::vector<int> FitColumnsToFont(const LedgerPageInfo& page, std::vector<int> widths,
                                  const TextWidth& textWidth, int rowCount = 0);
