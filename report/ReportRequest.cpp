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
    auto tr = [](const char* text) { return QCoreApplication::translate("Report", text); };
    if (from.isValid() && to.isValid())
        return tr("%1 至 %2").arg(DateText(from), DateText(to));
    if (from.isValid())
        return tr("%1 起").arg(DateText(from));
    if (to.isValid())
        return tr("至 %1").arg(DateText(to));
    return tr("全部记录");
}
