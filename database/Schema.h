#pragma once

#include <QString>
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
};

// A table to be created: its name and its columns in order. Every table gets
// the automatic column "NO" in front of them.
struct CMyTable
{
    QString name;
    std::vector<CMyField> fields;

    QString CreateStatement() const;
};

// The eleven tables of the ledger, in creation order, each with the message
// shown when it cannot be created.
struct TableDefinition
{
    CMyTable table;
    QString failureMessage;
};
const std::vector<TableDefinition>& LedgerTables();
