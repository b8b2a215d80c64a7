#pragma once

#include "database/MyDatabase.h"
#include "ledgers/LedgerFormat.h"
#include "platform/Folders.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

// What a poppler tool prints for the file, or the failure.
inline QString PopplerOutput(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2")
            .arg(tool, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF in drawing order (pdftotext -raw), with its pages apart.
inline QStringList PdfPages(const QString& pdf)
{
    QStringList pages = PopplerOutput(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-raw"), pdf, QStringLiteral("-")})
                            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// A text without its blanks and line breaks: wrapped cells read as one.
inline QString Squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// A ledger in the test's data folder with one car, "小白", its profile and
// purchase, and records of four ledgers around the period 2026/01/01 to
// 2026/06/30.
class ReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(platform::ConfigFolder());
        db.SetFilePath(platform::DatabasePath());
        db.CreateOrOpen();
        ASSERT_TRUE(db.IsOpen());
        car = db.NewCar(QStringLiteral("小白")).value_or(QString());
        ASSERT_TRUE(db.SetCurrentCar(car).ok());
        CARPROPERTY profile;
        profile.carType = QStringLiteral("卡罗拉");
        profile.carNo = QStringLiteral("京A12345");
        profile.fuelVolume = 48;
        profile.meterRules = 8;
        profile.curMiles = 23456;
        ASSERT_TRUE(db.InsertCarProperty(car, profile).ok());
        PURCHASEINFO bought;
        bought.buyDateText = QStringLiteral("2024/05/01");
        bought.carPrice = 120000;
        bought.carTax = 10000;
        bought.carLicense = 500;
        bought.insuAmount = 4500.5;
        ASSERT_TRUE(db.InsertPurchaseInfo(car, bought).ok());
        purchaseTotal = 120000 + 10000 + 500 + 4500.5;

        // 130 fillings a day apart from 2025/12/20, the first twelve before the
        // period; one with a note long enough to wrap.
        for (int i = 0; i < 130; ++i) {
            LedgerRecord r;
            r.date = DateText(QDate(2025, 12, 20).addDays(i));
            r.miles = 1000 + 400 * i;
            r.amount = 200 + i + 0.25;
            r.price = 7.5;
            r.fuelMeter1 = 2;
            r.fuelMeter2 = 8;
            r.mark = i == 20 ? LongNote() : QStringLiteral("加油备注%1号").arg(i);
            add(LedgerKind::Refuel, r);
        }
        const struct
        {
            const char* date;
            double amount;
            const char* content;
        } repairs[] = {{"2025/11/30", 880, "换轮胎"},
                       {"2026/02/14", 1250.5, "换刹车片"},
                       {"2026/06/30", 310, "补漆"},
                       {"2026/07/01", 999, "换电瓶"}};
        for (const auto& repair : repairs) {
            LedgerRecord r;
            r.date = QString::fromUtf8(repair.date);
            r.amount = repair.amount;
            r.content = QString::fromUtf8(repair.content);
            r.provider = QStringLiteral("街口修车铺");
            r.mark = QStringLiteral("维修备注%1").arg(r.content);
            add(LedgerKind::Repair, r);
        }
        LedgerRecord mats;
        mats.date = QStringLiteral("2026/03/08");
        mats.name = QStringLiteral("脚垫");
        mats.price = 85.5;
        mats.count = 4;
        mats.mark = QStringLiteral("用品备注");
        add(LedgerKind::Accessory, mats);
        LedgerRecord log;
        log.date = QStringLiteral("2026/04/01");
        log.mark = QStringLiteral("第一次自驾去海边\r\n在海边住了两晚");
        add(LedgerKind::CarLog, log);
    }

    static QString LongNote()
    {
        return QStringLiteral("在高速服务区加油，") +
               QString(QStringLiteral("发票放在手套箱里")).repeated(12) + QStringLiteral("备注完");
    }

    void add(LedgerKind kind, LedgerRecord r)
    {
        r.carId = car;
        r.recId = RecordIdText(++m_lastId);
        ASSERT_TRUE(db.InsertRecord(kind, r)) << r.date.toStdString();
        records[kind].push_back(r);
        allCosts += kind == LedgerKind::Accessory ? r.price * r.count : r.amount;
    }

    TestFolders folders;
    MessageBoxRecorder boxes;
    CMyDatabase db;
    QString car;
    std::map<LedgerKind, std::vector<LedgerRecord>> records;
    double purchaseTotal = 0;
    double allCosts = 0; // every ledger's records, any date

private:
    qint64 m_lastId = 0;
};
