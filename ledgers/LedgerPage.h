#pragma once

#include "database/MyDatabase.h"
#include "database/Records.h"
#include "ledgers/GridDialog.h"
#include "ledgers/LedgerColumns.h"
#include "ledgers/LedgerGrid.h"
#include "ledgers/RecordGrid.h"

class CMyDatabase;
class LedgerContext;
class QLineEdit;

// What every ledger page does: the page car's records of one table in a grid,
// one row per record in date order and a new-record row ("%d *") at the end.
// The records are kept as typed values; the grid shows texts computed from
// them. Every closed cell editor writes its field to the ledger file at once;
// a value typed into the new-record row inserts a record.
class CLedgerPage : public CGridDialog, public IRecordGridPage
{
    Q_OBJECT
public:
    CLedgerPage(const LedgerPageInfo& info, LedgerContext& context, QWidget* parent = nullptr);

    const LedgerPageInfo& Info() const { return m_info; }
    QString PageCar() const { return m_records.Car(); }
    const CRecordList& Records() const { return m_records.Records(); }

    virtual void RefreshPage();
    void DeleteSelectedRecord();
    // Undoes or redoes the page car's last change of this ledger (the file
    // first, then the rows and totals); false when nothing changed.
    bool Undo() { return stepHistory(true); }
    bool Redo() { return stepHistory(false); }
    // Runs a context-menu command (ID_LEDGER_REFRESH, ID_LEDGER_DELETE of LedgerGrid.h).
    void OnCommand(int id);
    // Selects the row of the page car's record with the identifier and gives
    // the grid the focus; a filter that hides it is cleared. False when the
    // page has no such record.
    bool SelectRecord(const QString& recId);
    // The box at the right of the title band that filters the rows shown.
    QLineEdit* FilterBox() const { return m_filterBox; }

    // The grid's begin/end edit notifications.
    void BeginEdit(int row, int col) override;
    void EndEdit(int row, int col) override;
    // Loads the current car's records when it is not the page car.
    void OnPageShown() override;

protected:
    // The text of a derived column for the record at index (Count() for the
    // new-record row).
    virtual QString DerivedText(int index, int col) const;
    // The record at index changed (before and after given), was added (no
    // before) or removed (no after); both are null after a load. The page
    // brings its totals up to date.
    virtual void RecordChanged(int index, const LedgerRecord* before,
                               const LedgerRecord* after) = 0;

    void Layout() override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    int Count() const { return m_records.Count(); }
    LedgerContext& Context() const { return m_context; }
    CMyDatabase* Database() const; // nullptr when the ledger is not open

private:
    // The value typed into a cell as it would be stored, put into the record;
    // false (after saying why) when it is refused.
    bool ReadTypedValue(int row, int col, LedgerRecord& record);
    bool refuseEdit(const QString& why);
    void OfferHistory(int row, int col);
    void RecordHistory(const QString& text, int col);
    // The caption says how many records a filter leaves shown.
    void noteFilter();
    // After records came or went: the caption's note, and the row numbers'
    // column when their count of digits changed.
    void rowsChanged();
    // A saved record's reading above its car's odometer becomes the odometer
    // (with the system setting on).
    void followOdometer(CMyDatabase* db, const LedgerRecord& record);
    bool stepHistory(bool undo);
    // Keeps what a saved edit, insertion or removal did for undo.
    void recordEdit(const LedgerRecord& before, const LedgerRecord& after, LedgerField field,
                    bool marksToo);

    const LedgerPageInfo& m_info;
    LedgerContext& m_context;
    CRecordGrid m_records;
    QString m_oldText;
    QString m_openText; // the text the editor opened on
    QLineEdit* m_filterBox;
    int m_rowDigits = 0; // of the row count the row numbers' column was fitted to
};
