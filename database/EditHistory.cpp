#include "database/EditHistory.h"

#include "database/MyDatabase.h"
#include "database/RecordChange.h"

#include <QUndoStack>

QUndoStack* CEditHistory::Stack(const QString& carId, LedgerKind ledger)
{
    std::unique_ptr<QUndoStack>& stack = m_stacks[{carId, int(ledger)}];
    if (!stack) {
        stack = std::make_unique<QUndoStack>();
        m_group.addStack(stack.get());
    }
    return stack.get();
}

void CEditHistory::Activate(const QString& carId, LedgerKind ledger)
{
    m_group.setActiveStack(carId.isEmpty() ? nullptr : Stack(carId, ledger));
}

void CEditHistory::Deactivate(const QString& carId, LedgerKind ledger)
{
    const auto found = m_stacks.find({carId, int(ledger)});
    if (found != m_stacks.end() && m_group.activeStack() == found->second.get())
        m_group.setActiveStack(nullptr);
}

void CEditHistory::Record(CRecordChange* change)
{
    // Pushing runs the change's redo(), which writes nothing: the file has it.
    Stack(change->CarId(), change->Ledger())->push(change);
}

const CRecordChange* CEditHistory::Undo(QUndoStack* stack, CMyDatabase* db, SqlStatus& status)
{
    return step(stack, db, true, status);
}

const CRecordChange* CEditHistory::Redo(QUndoStack* stack, CMyDatabase* db, SqlStatus& status)
{
    return step(stack, db, false, status);
}

const CRecordChange* CEditHistory::step(QUndoStack* stack, CMyDatabase* db, bool undo,
                                        SqlStatus& status)
{
    status = {};
    if (!stack || !(undo ? stack->canUndo() : stack->canRedo()))
        return nullptr;
    const auto* change =
        static_cast<const CRecordChange*>(stack->command(stack->index() - (undo ? 1 : 0)));
    if (!db) {
        status = store::Closed();
        return nullptr;
    }
    status = change->Write(*db, undo);
    if (!status.ok())
        return nullptr;
    if (undo)
        stack->undo();
    else
        stack->redo();
    return change;
}

void CEditHistory::ForgetCar(const QString& carId)
{
    for (auto it = m_stacks.begin(); it != m_stacks.end();) {
        if (it->first.first.trimmed() == carId.trimmed()) {
            m_group.removeStack(it->second.get());
            it = m_stacks.erase(it);
        } else {
            ++it;
        }
    }
}
