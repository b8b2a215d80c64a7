#include "DatabaseFixture.h"

#include "database/SqlText.h"

#include <QFile>
#include <sqlite3.h>

TEST_F(DatabaseTest, ValuesReadAsTextByStorageClass)
{
    CAdoConnection& c = db.Connection();
    c.Execute(QStringLiteral(
        "CREATE TABLE T (r DOUBLE, i INTEGER, t VARCHAR(10), b BLOB, n VARCHAR(1))"));
    c.ExecuteWithBlob(QStringLiteral("INSERT INTO T VALUES (12.5, 4294967303, 'abc  ', ?1, NULL)"),
                      QByteArray("\x01\x02", 2));
    c.Execute(QStringLiteral("INSERT INTO T VALUES (-0.125, 4294967295, '12.5km', NULL, NULL)"));

    CAdoRecordSet rs(&c);
    ASSERT_TRUE(rs.Open(QStringLiteral("select * from T order by r desc")));
    EXPECT_EQ(rs.GetRecordCount(), 2);
    QString r, i, t, b, n;
    EXPECT_TRUE(rs.GetCollect("r", r) && rs.GetCollect("I", i) && rs.GetCollect("t", t) &&
                rs.GetCollect("b", b) && rs.GetCollect("n", n));
    EXPECT_EQ(r, "12.50000000");
    EXPECT_EQ(i, "7"); // the low 32 bits
    EXPECT_EQ(t, "abc  ");
    EXPECT_EQ(b, "[BLOB]");
    EXPECT_EQ(n, "");
    QByteArray bytes;
    EXPECT_TRUE(rs.GetChunk("b", bytes));
    EXPECT_EQ(bytes, QByteArray("\x01\x02", 2));

    ASSERT_TRUE(rs.MoveNext());
    EXPECT_TRUE(rs.GetCollect("r", r) && rs.GetCollect("i", i));
    EXPECT_EQ(r, "-0.12500000");
    EXPECT_EQ(i, "-1");
    double number = 1;
    int whole = 1;
    EXPECT_TRUE(rs.GetCollect("t", number));
    EXPECT_DOUBLE_EQ(number, 12.5); // a text column read as a number
    EXPECT_TRUE(rs.GetCollect("n", number));
    EXPECT_EQ(number, 0.0);
    EXPECT_TRUE(rs.GetCollect("i", whole));
    EXPECT_EQ(whole, -1);
    EXPECT_FALSE(rs.GetChunk("b", bytes)); // null: no long data

    // After the last row, and on a closed set: false.
    ASSERT_TRUE(rs.MoveNext());
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_FALSE(rs.GetCollect("t", t));
    EXPECT_FALSE(rs.GetCollect("missing", t));
    rs.Close();
    EXPECT_FALSE(rs.GetCollect("t", t));
}

TEST_F(DatabaseTest, FailedStatementGivesNoRowsAndItsStatus)
{
    EXPECT_EQ(db.Connection().Execute(QStringLiteral("select * from CarLst")), nullptr);
    const SqlStatus failed = db.Connection().LastError();
    EXPECT_EQ(failed.code, SQLITE_ERROR);
    EXPECT_EQ(failed.message, "no such table: CarLst");
    EXPECT_FALSE(failed.writing);
    EXPECT_EQ(db.Connection().Execute(QStringLiteral("insert into CarLst values (1)")), nullptr);
    EXPECT_TRUE(db.Connection().LastError().writing);

    CAdoRecordSet rs(&db.Connection());
    EXPECT_FALSE(rs.Open(QStringLiteral("select nothing from Nowhere")));
    EXPECT_TRUE(rs.IsEOF());
}

TEST_F(DatabaseTest, FileOpensOnlyWithTheDatabasePassword)
{
    db.Close();
    CAdoConnection c;
    EXPECT_FALSE(c.Open(path, QString()));
    EXPECT_FALSE(c.Open(path, QStringLiteral("wrong")));
    EXPECT_TRUE(c.Open(path, QStringLiteral("vorpa")));
    EXPECT_FALSE(c.Open(folders.data() + "/missing.mdb", QStringLiteral("vorpa")));
    EXPECT_FALSE(QFile::exists(folders.data() + "/missing.mdb"));
}

TEST(SqlText, QuotesAreDoubledAndNumbersUseTheCLocale)
{
    EXPECT_EQ(SqlText("O'Brien''s"), "O''Brien''''s");
    EXPECT_EQ(SqlFormat("%s='%s' %.2f %d", "Name", SqlText("a'b"), 1234.5, 7),
              "Name='a''b' 1234.50 7");
    EXPECT_DOUBLE_EQ(LeadingNumber("CAR0012"), 12.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("x-1.5y"), -1.5);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(RightTrimmed("  a b \t\r\n"), "  a b");
    // Text read as a number: the leading decimal number, C locale, 0 without one.
    const std::vector<std::pair<const char*, double>> numbers = {
        {"12abc", 12}, {"  -3.5", -3.5}, {".5", 0.5},    {"5.", 5},   {"1e3", 1000},
        {"1e", 1},     {"2E-2x", 0.02},  {"1.2.3", 1.2}, {"abc", 0},  {"+", 0},
        {"-", 0},      {"", 0},          {"+7", 7},      {"1,234", 1}};
    for (const auto& [text, value] : numbers)
        EXPECT_DOUBLE_EQ(TextToNumber(QString(text)), value) << text;
}
