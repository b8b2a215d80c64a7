#pragma once

#include "database/MyDatabase.h"
#include "database/Records.h"
#include "ledgers/GridDialog.h"
#include "ledgers/LedgerColumns.h"
#include "ledgers/LedgerGrid.h"

class CFrameState;
class CMyDatabase;
class CAdoRecordSet;

// What every ledger page does: the page car's records of one table in a grid,
// one row per record in date order and a new-record row ("%d *") at the end.
// Every closed cell editor writes its column to the ledger file at once; a
// value typed into the new-record row inserts a record.
class CLedgerPage : public CGridDialog, public IRecordGridPage
{
    Q_OBJECT
public:
    CLedgerPage(const LedgerPageInfo& info, QWidget* parent = nullptr);

    const LedgerPageInfo& Info() const { return m_info; }
    QString PageCar() const { return m_pageCar; }

    // Sizes the grid for the page car's records and writes all but the values.
    void FillGrid();
    // Reads the page car's records into the rows FillGrid made.
    void LoadRecords();
    virtual void RefreshPage();
    void DeleteSelectedRecord();
    void SelectRecordRow(const QString& recordId);
    // Runs a context-menu command (ID_LEDGER_REFRESH, ID_LEDGER_DELETE of LedgerGrid.h).
    void OnCommand(int id);

    // The grid's begin/end edit notifications.
    void BeginEdit(int row, int col) override;
    void EndEdit(int row, int col) override;
    // Loads the current car's records when it is not the page car.
    void OnPageShown() override;

protected:
    // The figures of the page: derived cells of a row after its column `col`
    // was normalised, and totals and derived columns after a saved edit (or of
    // every row in full mode).
    virtual void NormaliseDerived(int row, int col);
    virtual void Recompute(int row, int col, bool full) = 0;
    // Inserts the record of the new-record row under the identifier; answers
    // as the database's insert operations do (2: inserted).
    virtual int InsertRecord(int row, const QString& recordId) = 0;

    void Layout() override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    // The parsed number and the text of a cell.
    double Number(int row, int col) const;
    QString Text(int row, int col) const;
    QString Text(int row, const char* field) const;
    double Number(int row, const char* field) const;
    void SetText(int row, int col, const QString& text);
    // The record rows are 1 .. DataRowEnd() - 1; the new-record row is DataRowEnd().
    int DataRowEnd() const;
    LedgerRecordHead RecordHead(int row, const QString& recordId) const;

    static CFrameState* Frame();
    static CMyDatabase* Database(); // nullptr when the ledger is not open

private:
    // Puts the edited cell's display form in place; false (after saying why)
    // when the typed value is refused.
    bool NormaliseCell(int row, int col);
    // Says why a typed value is not taken; false.
    bool refuseEdit(const QString& why);
    // A new record's numbers left empty are stored as zeros: shown so.
    void ShowStoredZeros(int row);
    // Puts back the text the cell had before the edit.
    void RestoreCell(int row, int col);
    // Writes the edited column; false when the write failed.
    bool UpdateCell(int row, int col);
    bool SaveNewRecord(int row);
    void AddNewRecordRow();
    // The date cell and the read-only derived cells of a record or new row.
    void PrepareRowCells(int row);
    void ReadRecord(const CAdoRecordSet& rs, int row);
    void OfferHistory(int row, int col);
    void RecordHistory(int row, int col);

    const LedgerPageInfo& m_info;
    QString m_oldText;
    QString m_openText; // the text the editor opened on
    QString m_pageCar;
};
