#pragma once

#include "csv/CsvReader.h"
#include "csv/CsvText.h"
#include "csv/ImportPlan.h"
#include "database/MyDatabase.h"
#include "database/Names.h"
#include "tests/support/CoreTestEnvironment.h"
#include "tests/support/ReadBack.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>
#include <list>
#include <ostream>
#include <utility>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The rows a plan leaves out, by line, with their reasons.
inline std::vector<std::pair<int, QString>> Problems(const ImportPlan& plan)
{
    std::vector<std::pair<int, QString>> list;
    for (const auto& p : plan.rejected)
        list.emplace_back(p.line, p.reason);
    return list;
}

// The records of a CSV file as its fields.
inline std::vector<QStringList> CsvRowsOf(const QString& file)
{
    const DecodedText text = DecodeCsvBytes(FileBytes(file));
    EXPECT_TRUE(text.ok()) << file.toStdString() << ": " << text.error.toStdString();
    std::vector<QStringList> rows;
    for (auto& r : ParseCsv(text.text).records)
        rows.push_back(r.fields);
    return rows;
}

// A ledger file in the test's data folder with helpers to fill it.
class CsvTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = folders.data() + QStringLiteral("/CAR.mdb");
        db.SetFilePath(path);
        db.CreateOrOpen();
        ASSERT_TRUE(db.IsOpen());
        out = folders.data() + QStringLiteral("/out");
    }

    QString addCar(const QString& name)
    {
        const Expected<QString> made = db.NewCar(name);
        EXPECT_TRUE(made) << made.status().message.toStdString();
        return made.value_or(QString());
    }

    LedgerRecord& add(LedgerKind kind, const QString& car, const QString& date, LedgerRecord r = {})
    {
        r.carId = car;
        r.date = date;
        r.recId = db.GetNextRecID(kind).value_or(QString());
        const Expected<InsertOutcome> inserted = db.InsertRecord(kind, r);
        EXPECT_TRUE(inserted && *inserted == InsertOutcome::Inserted);
        m_added.push_back(r);
        return m_added.back();
    }

    QString inData(const QString& name) const { return folders.data() + QLatin1Char('/') + name; }

    TestFolders folders;
    QString path;
    QString out;
    CMyDatabase db;

private:
    std::list<LedgerRecord> m_added;
};
