#pragma once

#include "database/StorageFault.h"

#include <QString>

// Operations on the ledger file as a whole, each on a connection of its own
// (the shared connection must not hold the file). A ledger file is only ever
// replaced by a complete one: the new file is written beside it under a
// temporary name, flushed to disk, renamed into place, and the folder flushed.

// Suffixes of the temporary files beside the ledger (each may have its
// "-journal" beside it).
inline constexpr const char* kCreatingSuffix = ".creating";
inline constexpr const char* kRekeySuffix = ".rekey";
inline constexpr const char* kRestoringSuffix = ".restoring";

// Builds a new ledger at path, keyed with key and holding all eleven tables.
// Fails without touching anything when a file exists at path.
SqlStatus CreateLedgerFile(const QString& path, const QString& key);

// Changes the key of the ledger at path from oldKey to newKey; an empty key
// stands for an unencrypted file.
SqlStatus ChangeLedgerKey(const QString& path, const QString& oldKey, const QString& newKey);

// Whether the file at path opens with key: its first page decrypts to a
// database (no check of the rest; the key is all that is asked).
bool LedgerOpensWithKey(const QString& path, const QString& key);

// The key a password typed for an owner-keyed ledger at path opens it with:
// the password itself, or the fixed key when a change of mode ended before
// the ledger was re-keyed and what was typed passes the start-up password of
// before (startupPasswordTyped: none is set, or it was typed); empty when it
// opens nothing.
QString OwnerLedgerKeyFor(const QString& path, const QString& typed, bool startupPasswordTyped);

// Whether the file at path opens with key, passes SQLite's quick check and
// holds all eleven tables.
bool IsCompleteLedgerFile(const QString& path, const QString& key);

// Copies the ledger at source to target through SQLite's online backup: the
// copy is the committed state of the ledger even while other connections
// write to it (a hot journal a killed program left beside source is rolled
// back first). Both files are keyed with key. The copy is written under the
// name temporary, checked to be a complete ledger, flushed and renamed over
// target; a journal beside an existing target belongs to the file being
// replaced and is never left beside the copy. On failure target is unchanged,
// the temporary file is removed and the status says why in a sentence for the
// user.
SqlStatus CopyLedgerFile(const QString& source, const QString& target, const QString& temporary,
                         const QString& key);

// Copies the file at source byte for byte to target, and its journal, when it
// has one, to target's journal: a ledger that cannot be opened is kept as it
// is. Written under temporary names, flushed and renamed into place; the
// journal goes after the file, so it never stands beside another file.
SqlStatus CopyFileBytes(const QString& source, const QString& target);

// Finishes or undoes what an interrupted creation, key change or restore
// left beside the ledger at path: a complete leftover (opens with key, holds
// all eleven tables) with no ledger beside it becomes the ledger; every other
// leftover is removed. An existing ledger is never replaced by a leftover. An
// unencrypted ledger, left by an interrupted encryption, is encrypted with key
// (when key is not empty).
void RecoverLedgerFile(const QString& path, const QString& key);
