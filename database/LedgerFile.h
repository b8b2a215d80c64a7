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

// Builds a new ledger at path, keyed with key and holding all eleven tables.
// Fails without touching anything when a file exists at path.
SqlStatus CreateLedgerFile(const QString& path, const QString& key);

// Changes the key of the ledger at path from oldKey to newKey; an empty key
// stands for an unencrypted file.
SqlStatus ChangeLedgerKey(const QString& path, const QString& oldKey, const QString& newKey);

// Finishes or undoes what an interrupted creation or key change left beside
// the ledger at path: a complete leftover (opens with key, holds all eleven
// tables) with no ledger beside it becomes the ledger; every other leftover is
// removed. An existing ledger is never replaced by a leftover. An unencrypted
// ledger, left by an interrupted encryption, is encrypted with key (when key is
// not empty).
void RecoverLedgerFile(const QString& path, const QString& key);
