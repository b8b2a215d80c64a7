#pragma once

#include "database/LedgerKind.h"
#include "database/Records.h"
#include "database/StorageFault.h"
#include "ledgers/LedgerColumns.h"
#include "ledgers/RecordList.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

class CEditHistory;
class CGridCtrl;
class CMyDatabase;
class CRecordChange;
class QContextMenuEvent;
class QWidget;

// One car's records of a table shown in a grid, as the ledger pages and the
// input-history page show them: the records are kept as typed values (the
// working copy, in grid order from row 1), and the grid only shows texts
// computed from them on demand. Optionally a new-record row follows the
// records.
class CRecordGrid
{
public:
    CRecordGrid(CGridCtrl* grid, LedgerKind kind, const std::vector<LedgerColumn>& columns,
                QByteArray orderBy, bool newRecordRow);

    // The text of a derived column for a record (index Count() is the
    // new-record row); empty by default.
    std::function<QString(int index, int col)> derivedText;

    const CRecordList& Records() const { return m_records; }
    int Count() const { return int(m_records.size()); }
    const QString& Car() const { return m_car; }
    // The record rows are 1 .. RowEnd() - 1; the new-record row is RowEnd().
    int RowEnd() const { return Count() + 1; }
    // The record shown in a row; -1 for other rows.
    int IndexOf(int row) const { return row >= 1 && row < RowEnd() ? row - 1 : -1; }
    // The date a new record gets: today, read once when the grid was filled.
    const QString& Today() const { return m_today; }

    // Takes the ledger's current car as the page car: true when it changed.
    bool FollowCurrentCar(CMyDatabase* db);
    // Reads the car's records (none without a ledger) and fills the grid. The
    // focus cell follows the record it was on, wherever the record now sorts;
    // when that record is gone (another car, deleted elsewhere) it goes to the
    // new-record row, where typing changes no record. It is scrolled into view.
    void Load(CMyDatabase* db);
    // Sizes the grid for the records and sets the look of every cell.
    void Fill();
    // The row of the record with the identifier; -1 when none.
    int RowOf(const QString& recordId) const;
    // Selects a record row with the focus on the cell of `col`, scrolled into view.
    void SelectRow(int row, int col) { placeFocus(row, col, true); }

    // Writes one field of the record at index: true when the file holds it, and
    // then the working copy does too; false after telling the user why not.
    bool Save(CMyDatabase* db, int index, const LedgerRecord& changed, LedgerField field);
    // Inserts a record after the others (its identifier is assigned here):
    // true when it was stored; a new-record row follows it.
    bool Add(CMyDatabase* db, LedgerRecord record);
    // Asks, removes the selected record from the file and the grid: its former
    // index (and the record with every field exactly as stored and its row's
    // place in the table, when asked for), or -1 when nothing was removed
    // (the user was told why).
    int DeleteSelected(QWidget* parent, CMyDatabase* db, int describeColumn,
                       LedgerRecord* removed = nullptr, qint64* rowNumber = nullptr);
    // Undoes (or redoes) the last change of the page car's records in this
    // grid's ledger: written to the file, the records read again and the
    // focus put on the record's cell. The change, or nullptr when there was
    // none or it could not be written (the user was told why; the history is
    // as it was).
    const CRecordChange* StepHistory(CEditHistory& history, CMyDatabase* db, bool undo);
    // Puts the focus on the record's cell of the field (its first editable
    // cell for None), scrolled into view; nothing when the record is not shown.
    void FocusRecord(const QString& recordId, LedgerField field);
    // What a cell whose text is only the beginning of the stored one shows in
    // front of it; the editor opens on the beginning alone.
    static QString CutTextMark();
    // Hands an edited cell back to the computed text.
    void ResetCell(int row, int col);
    // Tells the grid that the texts of the rows from `row` on may have changed.
    void RowsChanged(int row);
    // Shows only the record rows with a shown cell containing the text (case
    // and full-width or half-width forms not told apart); an empty text shows
    // them all. Rows are hidden, never re-read; the new-record row stays. A
    // focus cell on a row that goes is moved to the first row left.
    void SetFilter(const QString& text);
    const QString& Filter() const { return m_filter; }
    // The record rows shown.
    int ShownCount() const { return m_shown; }
    // Shows the record menu for the grid's page.
    void ContextMenu(QWidget* page, QContextMenuEvent* event,
                     const std::function<void(int)>& command);

private:
    // Where the focus cell was, told by the record it was on.
    struct FocusPlace
    {
        int row = -1;
        int col = -1;
        QString recId;         // empty on the new-record row
        bool keyboard = false; // the grid (or its editor) had the keyboard focus
    };
    FocusPlace focusPlace() const;
    void restoreFocus(const FocusPlace& place);
    // Puts the focus on a cell and selects its row, scrolled into view or not.
    void placeFocus(int row, int col, bool scroll);
    QString cellText(int row, int col) const;
    void setRowLook(int row);
    // The folded texts of a record row's shown cells, one line each.
    const QString& rowText(int row) const;
    // Hides the rows that do not match the filter; keepRow stays shown. With
    // shownOnly the rows hidden now stay hidden untested.
    void applyFilter(int keepRow, bool shownOnly = false);
    int nextShownRow(int row) const;

    CGridCtrl* m_grid;
    LedgerKind m_kind;
    const std::vector<LedgerColumn>& m_columns;
    QByteArray m_orderBy;
    bool m_newRecordRow;
    QString m_car;
    QString m_today;
    CRecordList m_records;
    // The number each record row shows, and the new-record row's: numbers
    // keep their gaps after a deletion until the next load.
    std::vector<int> m_numbers;
    int m_newRowNumber = 1;
    bool m_filled = false; // the grid was filled for a ledger at least once
    QString m_filter;      // folded for matching
    int m_shown = 0;
    // rowText's texts by record index, made on the first filtering and
    // dropped whenever record texts may have changed.
    mutable std::vector<QString> m_rowTexts;
    // The record rows the last filtering left shown, by record index.
    std::vector<bool> m_filtered;
};
