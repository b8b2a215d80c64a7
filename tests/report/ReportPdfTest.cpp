#include "report/ReportFile.h"
#include "tests/report/ReportFixture.h"

#include <QRegularExpression>

namespace {

const ReportRequest kFirstHalf{{}, QDate(2026, 1, 1), QDate(2026, 6, 30), {}};

} // namespace

class ReportPdf : public ReportTest
{
protected:
    // The report of the car for the period and ledgers, written as a PDF.
    QString write(ReportRequest request)
    {
        request.carId = car;
        ReportContent content;
        const SqlStatus read = LoadReport(db, request, 0x3F, ChartOptions(),
                                          QDateTime(QDate(2026, 7, 15), QTime(9, 0)), content);
        EXPECT_TRUE(read.ok()) << read.message.toStdString();
        const QString pdf = folders.data() + QStringLiteral("/report.pdf");
        const ReportOutcome outcome = WriteReportPdf(pdf, content, QPageSize(QPageSize::A4));
        EXPECT_EQ(outcome.kind, ReportOutcome::Done) << outcome.error.toStdString();
        return pdf;
    }
};

// Every record of the period is in the text once, with its date, odometer and
// amount in one row and its note whole; records outside the period are not.
TEST_F(ReportPdf, HoldsEveryRecordOfThePeriodOnce)
{
    ReportRequest request = kFirstHalf;
    request.ledgers = {LedgerKind::Refuel, LedgerKind::Repair, LedgerKind::Accessory,
                       LedgerKind::CarLog};
    const QString text = Squeezed(PdfPages(write(request)).join(QString()));
    for (const auto& [kind, list] : records) {
        for (const LedgerRecord& r : list) {
            const bool inPeriod =
                r.date >= QStringLiteral("2026/01/01") && r.date <= QStringLiteral("2026/06/30");
            const QString row = Squeezed(r.date + OdometerText(r.miles) +
                                         (kind == LedgerKind::Accessory ? r.name
                                          : kind == LedgerKind::CarLog  ? r.mark
                                                                        : MoneyText(r.amount)));
            EXPECT_EQ(text.count(row), inPeriod ? 1 : 0) << row.toStdString();
            EXPECT_EQ(text.contains(Squeezed(r.mark)), inPeriod) << r.mark.toStdString();
        }
    }
    EXPECT_TRUE(text.contains(Squeezed(MoneyText(85.5) + QStringLiteral("4") + MoneyText(342))));
}

// The period's totals, and page totals that add up to them; the title page's
// figures are the summary page's over every record.
TEST_F(ReportPdf, CarriesPageAndPeriodTotals)
{
    ReportRequest request = kFirstHalf;
    request.ledgers = {LedgerKind::Refuel, LedgerKind::Repair};
    const QStringList pages = PdfPages(write(request));
    qint64 refuelPeriod = 0;
    for (const LedgerRecord& r : records[LedgerKind::Refuel])
        if (r.date >= QStringLiteral("2026/01/01"))
            refuelPeriod += qRound64(r.amount * 100);

    qint64 pageSums = 0;
    int refuelPages = 0;
    const QRegularExpression pageTotal(QStringLiteral("本页合计￥(\\d+\\.\\d\\d)"));
    for (const QString& page : pages) {
        const QString text = Squeezed(page);
        if (!text.contains(QStringLiteral("·加油记录")))
            continue;
        ++refuelPages;
        const QRegularExpressionMatch match = pageTotal.match(text);
        ASSERT_TRUE(match.hasMatch()) << page.toStdString();
        pageSums += qRound64(match.captured(1).toDouble() * 100);
    }
    EXPECT_GE(refuelPages, 3);
    EXPECT_EQ(pageSums, refuelPeriod);
    const QString all = Squeezed(pages.join(QString()));
    EXPECT_TRUE(
        all.contains(QStringLiteral("期间合计") + Squeezed(MoneyText(refuelPeriod / 100.0))));
    EXPECT_TRUE(all.contains(QStringLiteral("期间合计") + Squeezed(MoneyText(1250.5 + 310))));
    EXPECT_TRUE(all.contains(QStringLiteral("加油记录：共118条记录")));

    const QString title = Squeezed(pages.first());
    EXPECT_TRUE(title.contains(QStringLiteral("京A12345")));
    EXPECT_TRUE(title.contains(QStringLiteral("报表期间：2026/01/01至2026/06/30")));
    EXPECT_TRUE(title.contains(QStringLiteral("购入总价") + Squeezed(MoneyText(purchaseTotal))));
    EXPECT_TRUE(
        title.contains(QStringLiteral("费用合计") + Squeezed(MoneyText(purchaseTotal + allCosts))));
}

// Each page carries its number; every table page repeats the header; the
// charts are shapes and text, not a picture; the Chinese face is embedded (a
// CID font of two-byte glyph numbers, as CJK faces are written).
TEST_F(ReportPdf, PagesAreNumberedWithHeadersEmbeddedFontsAndVectorCharts)
{
    ReportRequest request = kFirstHalf;
    request.ledgers = {LedgerKind::Refuel};
    const QString pdf = write(request);
    const QStringList pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 5);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const QString text = Squeezed(pages[p]);
        EXPECT_TRUE(text.contains(QStringLiteral("第%1页，共%2页").arg(p + 1).arg(pages.size())))
            << p;
        if (text.contains(QStringLiteral("·加油记录"))) {
            EXPECT_TRUE(text.contains(QStringLiteral("日期里程表总金额单价加油量加前油表加后油表")))
                << p;
        }
    }
    const QString charts = Squeezed(pages.last());
    for (const char* caption : {"月度总费用分析", "汽车成本分析", "加油费用", "维修费用"})
        EXPECT_TRUE(charts.contains(QString::fromUtf8(caption))) << caption;

    const QStringList images =
        PopplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << images.join('\n').toStdString(); // the header lines only
    const QString fonts = PopplerOutput(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("CID \\S+\\s+Identity-H\\s+yes"))))
        << fonts.toStdString();
}

// A report cancelled while it is drawn, or one that cannot begin, leaves the
// file that was there as it was.
TEST_F(ReportPdf, CancelledReportLeavesTheFileAsItWas)
{
    const QString pdf = folders.data() + QStringLiteral("/kept.pdf");
    QFile kept(pdf);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("the report of last year");
    kept.close();
    ReportContent content;
    ASSERT_TRUE(LoadReport(db, {car, {}, {}, {LedgerKind::Refuel}}, 0x3F, ChartOptions(),
                           QDateTime(QDate(2026, 7, 15), QTime(9, 0)), content)
                    .ok());
    qint64 told = 0;
    const ReportOutcome outcome =
        WriteReportPdf(pdf, content, QPageSize(QPageSize::A4), [&told](qint64 done, qint64 total) {
            told = done;
            EXPECT_EQ(total, 2 * 130);
            return false;
        });
    EXPECT_EQ(outcome.kind, ReportOutcome::Cancelled);
    EXPECT_GT(told, 0);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("the report of last year"));
}
