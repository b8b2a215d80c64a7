#pragma once

#include "database/LedgerKind.h"

#include <QDate>
#include <QString>
#include <vector>

// What a report shows: one car, a period of days (open at either end) and
// the ledgers whose records it lists.
struct ReportRequest
{
    QString carId;
    QDate from; // null: from the first record
    QDate to;   // null: to the last record
    std::vector<LedgerKind> ledgers;

    // Whether a record's stored date ("yyyy/MM/dd") lies in the period; the
    // ledger compares dates as texts, and so does the report.
    bool InPeriod(const QString& storedDate) const;
    // "2026/01/01 至 2026/12/31", "2026/01/01 起", "至 2026/12/31" or "全部记录".
    QString PeriodText() const;
};
