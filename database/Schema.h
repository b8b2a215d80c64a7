#pragma once

#include "database/LedgerKind.h"
#include "database/Records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Column types, numbered as the classic catalog numbers them.
enum : int
{
    adInteger = 3,
    adDouble = 5,
    adWChar = 130,
    adLongVarBinary = 205,
};

// One column of a table to be created.
struct CMyField
{
    QString name;
    int type = adWChar;
    int definedSize = 0; // 0 for types without a size
    // The record field a ledger column holds (None for spares and for the
    // tables that are no ledgers), and the decimals its number is stored with.
    LedgerField field = LedgerField::None;
    int decimals = 2;
};

// A table to be created: its name and its columns in order. Every table gets
// the automatic column "NO" in front of them.
struct CMyTable
{
    QString name;
    std::vector<CMyField> fields;

    QString CreateStatement() const;

    // The column holding a record field; nullptr when the table has none.
    const CMyField* Field(LedgerField field) const;

    // Statements of a ledger table, with parameters to bind:
    // insert: one parameter per column, in column order, for each of `rows` rows;
    QByteArray InsertStatement(int rows = 1) const;
    // select: ?1 the car; the record fields' columns in column order, sorted
    // by the given columns; a column the file lacks (named in `missing`) is
    // read as NULL, never as its name;
    QByteArray SelectStatement(const QByteArray& orderBy, const QStringList& missing = {}) const;
    // alter: adds a column the file lacks, with its declared type.
    QString AddColumnStatement(const CMyField& column) const;
    // update: ?1 the value, ?2 the car, ?3 the record identifier; with
    // `keptAfter`, ?1 replaces only the text's first keptAfter characters;
    QByteArray UpdateStatement(const CMyField& column, int keptAfter = 0) const;
    // delete: ?1 the car, ?2 the record identifier.
    QByteArray DeleteStatement() const;
};

// The eleven tables of the ledger and the care reminders, in creation order.
const std::vector<CMyTable>& LedgerTables();

// The description of a table by name; nullptr for an unknown name.
const CMyTable* FindTable(const char* name);
// A record's numbers as its ledger's table stores them (each rounded to the
// decimals of its column), so that what is shown before writing is what the
// file will hold.
void RoundAsStored(LedgerKind kind, LedgerRecord& record);
