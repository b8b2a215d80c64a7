#pragma once

#include "database/ExtAdo.h"
#include "database/MyDatabase.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

// Reads one query from a ledger file through a connection of its own, every
// value as the access layer's text, so tests check what the file holds.
inline std::vector<QStringList> ReadBack(const QString& path, const QString& sql,
                                         const QString& key = CMyDatabase::kDatabasePassword)
{
    CAdoConnection c;
    EXPECT_TRUE(c.Open(path, key));
    std::vector<QStringList> rows;
    if (auto result = c.Execute(sql))
        for (const auto& row : result->rows) {
            QStringList texts;
            for (const auto& v : row)
                texts << StoredText(v);
            rows.push_back(texts);
        }
    return rows;
}
