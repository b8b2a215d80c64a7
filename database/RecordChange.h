#pragma once

#include "database/LedgerKind.h"
#include "database/Records.h"
#include "database/StorageFault.h"

#include <QUndoCommand>
#include <vector>

class CMyDatabase;

// One change of one record that has already reached the ledger file: fields
// edited, a record added or a record removed. Undo and redo write the record's
// other state back, each in one transaction; the stack of edits moves only
// after the file holds it (CEditHistory), so QUndoCommand's own undo() and
// redo() do nothing here.
class CRecordChange : public QUndoCommand
{
public:
    enum class Kind
    {
        Edit,
        Add,
        Remove,
    };

    // Fields of a record changed from `before` to `after` (both as the page
    // held them: a text read by its beginning only is marked cut).
    static CRecordChange* Edit(LedgerKind ledger, const LedgerRecord& before,
                               const LedgerRecord& after, std::vector<LedgerField> fields,
                               const QString& text);
    // A record inserted, with its identifier.
    static CRecordChange* Add(LedgerKind ledger, const LedgerRecord& added, const QString& text);
    // A record removed: `removed` holds every field exactly as stored, and
    // rowNumber its row's place in the table (0: not known), where an undo
    // puts it back so that it sorts among the records of its date as before.
    static CRecordChange* Remove(LedgerKind ledger, const LedgerRecord& removed,
                                 const QString& text, qint64 rowNumber = 0);

    Kind ChangeKind() const { return m_kind; }
    LedgerKind Ledger() const { return m_ledger; }
    const QString& CarId() const { return m_record.carId; }
    const QString& RecId() const { return m_record.recId; }
    // The first field an edit changed; None for an added or removed record.
    LedgerField Field() const { return m_fields.empty() ? LedgerField::None : m_fields.front(); }

    // Writes the record's state before the change (undo) or after it (redo)
    // in one transaction. A record that is gone answers store::kRecordGone;
    // one whose identifier another record took, store::kRecordTaken.
    SqlStatus Write(CMyDatabase& db, bool undo) const;

    void undo() override {}
    void redo() override {}

private:
    CRecordChange(Kind kind, LedgerKind ledger, const QString& text);
    SqlStatus writeFields(CMyDatabase& db, const LedgerRecord& target,
                          const LedgerRecord& replaced) const;
    SqlStatus insert(CMyDatabase& db) const;
    SqlStatus remove(CMyDatabase& db) const;

    Kind m_kind;
    LedgerKind m_ledger;
    LedgerRecord m_record; // the record added or removed; an edit's before
    LedgerRecord m_after;  // an edit's after
    std::vector<LedgerField> m_fields;
    qint64 m_rowNumber = 0;
};
