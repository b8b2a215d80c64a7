#include "database/RecordChange.h"

#include "database/MyDatabase.h"
#include "database/Transaction.h"

CRecordChange::CRecordChange(Kind kind, LedgerKind ledger, const QString& text)
    : QUndoCommand(text), m_kind(kind), m_ledger(ledger)
{
}

CRecordChange* CRecordChange::Edit(LedgerKind ledger, const LedgerRecord& before,
                                   const LedgerRecord& after, std::vector<LedgerField> fields,
                                   const QString& text)
{
    auto* change = new CRecordChange(Kind::Edit, ledger, text);
    change->m_record = before;
    change->m_after = after;
    change->m_fields = std::move(fields);
    return change;
}

CRecordChange* CRecordChange::Add(LedgerKind ledger, const LedgerRecord& added, const QString& text)
{
    auto* change = new CRecordChange(Kind::Add, ledger, text);
    change->m_record = added;
    return change;
}

CRecordChange* CRecordChange::Remove(LedgerKind ledger, const LedgerRecord& removed,
                                     const QString& text, qint64 rowNumber)
{
    auto* change = new CRecordChange(Kind::Remove, ledger, text);
    change->m_record = removed;
    change->m_rowNumber = rowNumber;
    return change;
}

SqlStatus CRecordChange::Write(CMyDatabase& db, bool undo) const
{
    if (!db.IsOpen())
        return store::Closed();
    CTransaction transaction(db.Connection());
    if (!transaction.Begun())
        return db.Connection().LastError();
    SqlStatus status;
    switch (m_kind) {
    case Kind::Edit:
        status = undo ? writeFields(db, m_record, m_after) : writeFields(db, m_after, m_record);
        break;
    case Kind::Add:
        status = undo ? remove(db) : insert(db);
        break;
    case Kind::Remove:
        status = undo ? insert(db) : remove(db);
        break;
    }
    if (!status.ok())
        return status;
    return transaction.Commit() ? SqlStatus{} : db.Connection().LastError();
}

SqlStatus CRecordChange::writeFields(CMyDatabase& db, const LedgerRecord& target,
                                     const LedgerRecord& replaced) const
{
    const Expected<bool> found = db.HasRecord(m_ledger, target.carId, target.recId);
    if (!found)
        return found.error();
    if (!*found)
        return store::RecordGone();
    for (const LedgerField field : m_fields) {
        // A text the page held by its beginning only: the beginning the file
        // now starts with is replaced, the stored rest is kept.
        const int keptAfter = replaced.IsCut(field) && !IsNumberField(field)
                                  ? int(TextCharacters(replaced.Text(field)))
                                  : 0;
        if (const SqlStatus status = db.UpdateRecordField(m_ledger, target, field, keptAfter);
            !status.ok())
            return status;
    }
    return {};
}

SqlStatus CRecordChange::insert(CMyDatabase& db) const
{
    const Expected<InsertOutcome> inserted = db.InsertRecord(m_ledger, m_record);
    if (!inserted)
        return inserted.error();
    if (*inserted == InsertOutcome::Duplicate)
        return store::RecordTaken();
    if (m_rowNumber > 0)
        return db.MoveRecordToRow(m_ledger, m_record.carId, m_record.recId, m_rowNumber);
    return {};
}

SqlStatus CRecordChange::remove(CMyDatabase& db) const
{
    const Expected<bool> found = db.HasRecord(m_ledger, m_record.carId, m_record.recId);
    if (!found)
        return found.error();
    if (!*found)
        return store::RecordGone();
    return db.DeleteRecord(m_ledger, m_record.carId, m_record.recId);
}
