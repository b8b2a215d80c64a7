#include "app/Version.h"

#include <QStringList>

QString PackageVersion()
{
    return QStringLiteral(ORVYN_VERSION);
}

QString WindowVersion()
{
    return WindowVersionOf(PackageVersion());
}

QString WindowVersionOf(const QString& packageVersion)
{
    QStringList parts = packageVersion.split(QLatin1Char('.'));
    bool number = false;
    if (parts.size() == 3)
        parts[2].toUInt(&number);
    if (number)
        parts[2] = parts[2].rightJustified(2, QLatin1Char('0'));
    return QLatin1Char('V') + parts.join(QLatin1Char('.'));
}
