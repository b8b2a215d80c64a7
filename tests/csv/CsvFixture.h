#pragma once

#include "csv/CsvReader.h"
#include "csv/CsvText.h"
#include "database/MyDatabase.h"
#include "database/Names.h"
#include "tests/support/ReadBack.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A ledger file in the test's data folder with helpers to fill it and to
// read the CSV files a test writes or the program exports.
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
        EXPECT_TRUE(db.NewCar(name));
        std::vector<CARLIST> cars;
        db.GetCarList(cars);
        return cars.front().carId; // listed by number, highest first
    }

    LedgerRecord& add(const char* table, const QString& car, const QString& date,
                      LedgerRecord r = {})
    {
        r.carId = car;
        r.date = date;
        db.GetNextRecID(table, r.recId);
        EXPECT_EQ(db.InsertRecord(table, r), 2);
        m_added.push_back(r);
        return m_added.back();
    }

    std::vector<LedgerRecord> records(const char* table, const QString& car)
    {
        std::vector<LedgerRecord> loaded;
        EXPECT_TRUE(db.LoadRecords(table, car, loaded).ok());
        return loaded;
    }

    static QByteArray bytesOf(const QString& file)
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        return f.readAll();
    }
    static std::vector<QStringList> rowsOf(const QString& file)
    {
        const DecodedText text = DecodeCsvBytes(bytesOf(file));
        EXPECT_TRUE(text.ok()) << text.error.toStdString();
        std::vector<QStringList> rows;
        for (auto& r : ParseCsv(text.text).records)
            rows.push_back(r.fields);
        return rows;
    }
    static void writeFile(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QString inData(const QString& name) const { return folders.data() + QLatin1Char('/') + name; }

    TestFolders folders;
    MessageBoxRecorder boxes;
    QString path;
    QString out;
    CMyDatabase db;

private:
    std::list<LedgerRecord> m_added;
};
