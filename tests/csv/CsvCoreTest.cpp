#include "csv/CsvReader.h"
#include "csv/CsvTable.h"
#include "csv/CsvText.h"
#include "csv/CsvWriter.h"

#include <QCryptographicHash>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::vector<QStringList> fieldsOf(const CsvParseResult& result)
{
    std::vector<QStringList> fields;
    for (const auto& r : result.records)
        fields.push_back(r.fields);
    return fields;
}

std::vector<int> linesOf(const CsvParseResult& result)
{
    std::vector<int> lines;
    for (const auto& r : result.records)
        lines.push_back(r.line);
    return lines;
}

} // namespace

TEST(CsvReader, QuotedFieldsHoldDelimitersQuotesAndLineBreaks)
{
    const QString text = QStringLiteral("日期,备注,金额\r\n"
                                        "2024-01-02,\"加满, 顺便洗车\",100\r\n"
                                        "2024-01-03,\"他说\"\"好\"\"\",\r\n"
                                        "\r\n"
                                        "2024-01-04,\"第一行\r\n第二行\n第三行\",5.5\n"
                                        "2024-01-05,,7\r"
                                        "2024-01-06,last");
    const CsvParseResult result = ParseCsv(text);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(fieldsOf(result),
              (std::vector<QStringList>{{"日期", "备注", "金额"},
                                        {"2024-01-02", "加满, 顺便洗车", "100"},
                                        {"2024-01-03", "他说\"好\"", ""},
                                        {"2024-01-04", "第一行\r\n第二行\n第三行", "5.5"},
                                        {"2024-01-05", "", "7"},
                                        {"2024-01-06", "last"}}));
    // Lines are counted in the file, so a record after a field of three lines
    // and an empty line is named by the line it really starts on.
    EXPECT_EQ(linesOf(result), (std::vector<int>{1, 2, 3, 5, 8, 9}));
    for (const auto& r : result.records)
        EXPECT_TRUE(r.defect.isEmpty());
}

TEST(CsvReader, AnUnterminatedQuoteNamesTheLineItBeganOn)
{
    const CsvParseResult result = ParseCsv(QStringLiteral("a,b\n1,2\n3,\"open\n4,5\n6,7\n"));
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.errorLine, 3);
    EXPECT_EQ(result.error, "第 3 行：引号没有结束，从这里到文件末尾都没有配对的引号。");
    EXPECT_EQ(fieldsOf(result), (std::vector<QStringList>{{"a", "b"}, {"1", "2"}}));
}

TEST(CsvReader, StrayQuotesAreKeptAndTextAfterAClosingQuoteMarksTheRecord)
{
    const CsvParseResult result = ParseCsv(QStringLiteral("12\" wheels,ok\n\"a\"b,c\n"));
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(result.records.size(), 2u);
    EXPECT_EQ(result.records[0].fields, (QStringList{"12\" wheels", "ok"}));
    EXPECT_TRUE(result.records[0].defect.isEmpty());
    EXPECT_EQ(result.records[1].fields, (QStringList{"ab", "c"}));
    EXPECT_EQ(result.records[1].defect, "引号后面紧跟着多余的字符");
}

TEST(CsvReader, TheDelimiterIsTheMostFrequentOutsideQuotesOnTheFirstLine)
{
    EXPECT_EQ(GuessCsvDelimiter(u"a;b;\"c,d,e\"\n1,2,3,4,5,6"), QLatin1Char(';'));
    EXPECT_EQ(GuessCsvDelimiter(u"a\tb\tc"), QLatin1Char('\t'));
    EXPECT_EQ(GuessCsvDelimiter(u"a,b;c,d"), QLatin1Char(','));
    EXPECT_EQ(GuessCsvDelimiter(u"single"), QLatin1Char(','));
    EXPECT_EQ(fieldsOf(ParseCsv(u"a;\"b;c\"\n", QLatin1Char(';'))),
              (std::vector<QStringList>{{"a", "b;c"}}));
}

// A table reads its records where they stand; each must come out as the
// parser of the whole text reads it, with its line, defect and the error.
void expectSameRecords(const CsvTable& table, const CsvParseResult& whole, const QString& what)
{
    ASSERT_EQ(table.size(), whole.records.size()) << what.toStdString();
    for (size_t i = 0; i < table.size(); ++i) {
        const CsvRecord record = table[i];
        EXPECT_EQ(record.fields, whole.records[i].fields) << what.toStdString() << " record " << i;
        EXPECT_EQ(record.line, whole.records[i].line) << what.toStdString() << " record " << i;
        EXPECT_EQ(record.defect, whole.records[i].defect) << what.toStdString() << " record " << i;
    }
    EXPECT_EQ(table.error(), whole.error) << what.toStdString();
    EXPECT_EQ(table.errorLine(), whole.errorLine) << what.toStdString();
}

TEST(CsvTable, RecordsReadWhereTheyStandAreThoseOfTheWholeText)
{
    const QString texts[] = {
        "日期,备注,金额\r\n2024-01-02,\"加满, 顺便洗车\",100\r\n2024-01-03,\"他说\"\"好\"\"\",\r\n"
        "\r\n2024-01-04,\"第一行\r\n第二行\n第三行\",5.5\n2024-01-05,,7\r2024-01-06,last",
        "a,b\n1,2\n3,\"open\n4,5\n6,7\n",
        "12\" wheels,ok\n\"a\"b\"c\"\",d\n\"x\"\r\n\r\n\n",
        "a;\"b;c\"\r\n1;2",
        "\n\r\n\"only\"",
        "\"",
        "",
        "x,\"\"\n,\n\"a\r\"\n",
    };
    for (const QString& text : texts)
        expectSameRecords(CsvTable(text), ParseCsv(text, GuessCsvDelimiter(text)), text);
}

TEST(CsvTable, ReadingStopsWhenItsProgressSaysSo)
{
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral("%1,x\n").arg(i);
    CsvTable table(text);
    std::vector<std::pair<qint64, qint64>> told;
    table.SetProgress([&](qint64 read, qint64 total) {
        told.emplace_back(read, total);
        return read < 8192;
    });
    size_t read = 0;
    for (size_t i = 0; i < table.size(); ++i)
        read += !table[i].fields.isEmpty();
    EXPECT_EQ(read, 8192u);
    EXPECT_TRUE(table.stopped());
    EXPECT_EQ(told, (std::vector<std::pair<qint64, qint64>>{{0, 20000}, {8192, 20000}}));
}

TEST(CsvTable, ALargeUtf8FileIsReadInPiecesAndOthersAreDecodedWhole)
{
    QTemporaryDir dir;
    auto body = [](const QString& note) {
        QByteArray bytes;
        for (int i = 0; bytes.size() < (17 << 20); ++i)
            bytes += QStringLiteral("2024/01/%1,\"%2, \"\"%3\"\"\n\",%4\r\n")
                         .arg(i % 28 + 1)
                         .arg(note)
                         .arg(i)
                         .arg(i * 0.5)
                         .toUtf8();
        return bytes;
    };
    struct Row
    {
        const char* name;
        QByteArray bytes;
        const char* encoding;
    };
    const Row rows[] = {
        {"utf8.csv", "\xEF\xBB\xBF" "日期,备注,金额\r\n" + body("高速服务区"), "UTF-8"},
        {"latin.csv", "Datum,Notiz,Betrag\r\n" + body("Tankstelle") + "2024/02/01,M\xFCller,1\r\n",
         "Windows-1252"},
    };
    for (const Row& row : rows) {
        const QString path = dir.filePath(row.name);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(row.bytes);
        out.close();
        const CsvFile file = ReadCsvFile(path);
        ASSERT_TRUE(file.ok()) << file.error.toStdString();
        EXPECT_EQ(file.encoding, row.encoding);
        EXPECT_EQ(file.digest, QCryptographicHash::hash(row.bytes, QCryptographicHash::Sha256));
        EXPECT_EQ(FileDigest(path), file.digest);
        expectSameRecords(file.table, ParseCsv(DecodeCsvBytes(row.bytes).text), row.name);
    }
}

TEST(CsvWriter, FieldsAreQuotedOnlyWhenTheyMustBeAndReadBackExactly)
{
    EXPECT_EQ(CsvField("plain 文本"), "plain 文本");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField(" padded"), "\" padded\"");
    EXPECT_EQ(CsvLine({"1", "", "x\ny"}), "1,,\"x\ny\"\r\n");

    const QStringList awkward = {"",   " ",    ",",     "\"",         "\"\"",  "a\r\nb",
                                 "\r", "\n\n", "末尾 ", "😀,\"引号\"", "'=1+1", "tab\there"};
    const QString line = CsvLine(awkward) + CsvLine({"next"});
    const CsvParseResult back = ParseCsv(line);
    ASSERT_TRUE(back.ok());
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(back.records[0].fields, awkward);
    EXPECT_EQ(back.records[1].fields, QStringList{"next"});
}

TEST(CsvWriter, CellsASpreadsheetWouldRunAsFormulasAreDefused)
{
    for (const QString text : {"=HYPERLINK(\"x\")", "+1", "-2 元", "@SUM(A1)", "\tx", "'quoted"}) {
        const QString cell = SpreadsheetSafeText(text);
        EXPECT_EQ(cell, "'" + text);
        EXPECT_EQ(FromSpreadsheetSafeText(cell), text);
    }
    EXPECT_EQ(SpreadsheetSafeText("加油 =满"), "加油 =满");
    EXPECT_EQ(FromSpreadsheetSafeText("加油"), "加油");
    EXPECT_EQ(SpreadsheetSafeText(""), "");
}

TEST(CsvText, EncodingsAreToldFromTheBytes)
{
    const QString text = QStringLiteral("日期,备注\r\n2024-01-02,加满 92#\r\n");

    DecodedText utf8 = DecodeCsvBytes("\xEF\xBB\xBF" + text.toUtf8());
    EXPECT_EQ(utf8.encoding, "UTF-8");
    EXPECT_EQ(utf8.text, text);
    EXPECT_EQ(DecodeCsvBytes(text.toUtf8()).text, text);

    const QByteArray gb = EncodeGb18030(text);
    ASSERT_FALSE(gb.isEmpty());
    ASSERT_NE(gb, text.toUtf8());
    const DecodedText fromGb = DecodeCsvBytes(gb);
    EXPECT_EQ(fromGb.encoding, "GB18030");
    EXPECT_EQ(fromGb.text, text);

    QStringEncoder le(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const DecodedText fromLe = DecodeCsvBytes(le.encode(text));
    EXPECT_EQ(fromLe.encoding, "UTF-16LE");
    EXPECT_EQ(fromLe.text, text);

    // Without a mark, mostly Latin text shows its byte order by its zeros.
    const QString latin = QStringLiteral("Date,Odometer,Cost,Notes\r\n1/5/2024,45210,39.87,油\r\n");
    QStringEncoder be(QStringConverter::Utf16BE);
    const DecodedText fromBe = DecodeCsvBytes(be.encode(latin));
    EXPECT_EQ(fromBe.encoding, "UTF-16BE");
    EXPECT_EQ(fromBe.text, latin);
}

TEST(CsvText, EmptyBinaryAndUnreadableFilesAreRefusedWithAReason)
{
    const QString empty = QStringLiteral("文件是空的，没有可以导入的内容。");
    EXPECT_EQ(DecodeCsvBytes(QByteArray()).error, empty);
    EXPECT_EQ(DecodeCsvBytes("\xEF\xBB\xBF").error, empty);
    EXPECT_EQ(DecodeCsvBytes(" \r\n\r\n").error, empty);

    const QString binary =
        QStringLiteral("这不是文本文件（文件里有二进制数据），不能作为 CSV 导入。");
    const QByteArray png("\x89PNG\r\n\x1A\n\x00\x00\x00\rIHDR\x00\x00\x01\x00", 24);
    EXPECT_EQ(DecodeCsvBytes(png).error, binary);
    EXPECT_EQ(DecodeCsvBytes(QByteArray("a,b\x01\x02\x03\x04\x05\x06", 10)).error, binary);

    // 0xFF can start no character of UTF-8 or GB18030, 0x81 is none of Windows-1252.
    const DecodedText neither = DecodeCsvBytes("a,b\n\xFF\x81,1\n");
    EXPECT_FALSE(neither.ok());
    EXPECT_EQ(neither.error, "无法识别文件的编码：它不是 UTF-8、GB18030、Windows-1252 或 UTF-16。"
                             "请在表格程序里另存为“CSV UTF-8”后再导入。");
    EXPECT_EQ(DecodeCsvBytes("\xEF\xBB\xBF\xC3(").error,
              "文件标明是 UTF-8 编码，但其中有不是 UTF-8 的字节。");
}

TEST(CsvText, LatinTextIsNotReadAsRareChineseAndTheUserMayChooseTheEncoding)
{
    const QByteArray latin = "Name,Ort\nM\xFCller,K\xF6ln\n";
    const QString chinese = QStringLiteral("日期,备注\n2024-01-02,加满\n");
    const QByteArray gb = EncodeGb18030(chinese);
    const QString choose = "如果文字不对，请在预览里选择编码（命令行用 --encoding）。";
    const struct
    {
        QByteArray bytes;
        QString chosen;
        QString encoding, text, note, error;
    } rows[] = {
        // Both bytes are valid in GB18030 and in Windows-1252.
        {latin, "", "Windows-1252", "Name,Ort\nMüller,Köln\n",
         "文件不是 UTF-8，按 Windows-1252 读：按 GB18030 读会出现很多生僻字，如“M黮ler”。" + choose,
         ""},
        {gb, "", "GB18030", chinese,
         "文件不是 UTF-8，按 GB18030 读（按 Windows-1252 也能读）。" + choose, ""},
        {gb, "windows-1252", "Windows-1252", QString::fromLatin1(gb), "", ""},
        {latin, "GB18030", "GB18030", DecodeCsvBytes(latin, "GB18030").text, "", ""},
        {"\xEF\xBB\xBF" + chinese.toUtf8(), "UTF-8", "UTF-8", chinese, "", ""},
        {latin, "UTF-8", "", "", "", "文件里有不是 UTF-8 编码的字节，不能按 UTF-8 读。"},
        {latin, "Latin-9", "", "", "", "不认识的编码“Latin-9”。"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.chosen.toStdString() + " " + row.text.toStdString());
        const DecodedText text = DecodeCsvBytes(row.bytes, row.chosen);
        EXPECT_EQ(text.error, row.error);
        EXPECT_EQ(text.encoding, row.encoding);
        EXPECT_EQ(text.text, row.text);
        EXPECT_EQ(text.note, row.note);
    }
}
