#pragma once

#include "database/LedgerKind.h"
#include "database/StorageFault.h"

#include <QString>
#include <QUndoGroup>
#include <QUndoStack>
#include <map>
#include <memory>
#include <utility>

class CMyDatabase;
class CRecordChange;

// The changes made to the ledgers during one run, one undo stack per car and
// ledger (the input history counts as a ledger), kept however often pages
// and cars are switched. The group's active stack is the one of the page in
// front, which the menu's undo and redo act on.
//
// A stack moves only once the file holds what its undo or redo wrote: a
// write that fails leaves every stack as it was.
class CEditHistory
{
public:
    CEditHistory() = default;
    CEditHistory(const CEditHistory&) = delete;
    CEditHistory& operator=(const CEditHistory&) = delete;

    // The stack of a car's ledger, made on first use.
    QUndoStack* Stack(const QString& carId, LedgerKind ledger);
    QUndoGroup& Group() { return m_group; }
    // Makes the stack of the car's ledger the active one; with an empty car
    // (no car to show) none is.
    void Activate(const QString& carId, LedgerKind ledger);
    // Leaves no stack active when the given one is.
    void Deactivate(const QString& carId, LedgerKind ledger);

    // Keeps a change the file already holds; what was undone before it can
    // no longer be redone.
    void Record(CRecordChange* change);

    // Writes the undo (or redo) of the stack's next change and then moves the
    // stack; the change written, or nullptr when there was nothing to do or
    // the write failed (status tells why; the stack is as it was).
    const CRecordChange* Undo(QUndoStack* stack, CMyDatabase* db, SqlStatus& status);
    const CRecordChange* Redo(QUndoStack* stack, CMyDatabase* db, SqlStatus& status);

    // Drops every stack of the car (it was deleted from the ledger).
    void ForgetCar(const QString& carId);

private:
    const CRecordChange* step(QUndoStack* stack, CMyDatabase* db, bool undo, SqlStatus& status);

    QUndoGroup m_group;
    std::map<std::pair<QString, int>, std::unique_ptr<QUndoStack>> m_stacks;
};
