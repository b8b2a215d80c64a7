#pragma once

#include "database/LedgerKind.h"

#include <QString>

// The texts that name the changes of the ledger pages in the undo and redo
// commands: "修改 加油记录 2026/03/02 总金额", "撤销 修改 …".

// A field of a record (named by its date, or its text) changed.
QString EditChangeText(LedgerKind ledger, const QString& record, const QString& column);
QString AddChangeText(LedgerKind ledger, const QString& record);
QString RemoveChangeText(LedgerKind ledger, const QString& record);
// The menu items: "撤销 …" and "重做 …" of a change's text, "撤销" and
// "重做" alone when there is none.
QString UndoActionText(const QString& change);
QString RedoActionText(const QString& change);
