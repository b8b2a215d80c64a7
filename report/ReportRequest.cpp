#include "report/ReportRequest.h"

#include "ledgers/LedgerFormat.h"

#include <QCoreApplication>

bool ReportRequest::InPeriod(const QString& storedDate) const
{
    if (from.isValid() && storedDate < DateText(from))
        return false;
    return !to.isValid() || storedDate <= DateText(to);
}

QString ReportRequest::PeriodText() const
{
    if (from.isValid() && to.isValid())
        return QCoreApplication::translate("Report", "%1 至 %2").arg(DateText(from), DateText(to));
    if (from.isValid())
        return QCoreApplication::translate("Report", "%1 起").arg(DateText(from));
    if (to.isValid())
        return QCoreApplication::translate("Report", "至 %1").arg(DateText(to));
    return QCoreApplication::translate("Report", "全部记录");
}
