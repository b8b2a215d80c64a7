#include "platform/Profile.h"

#include <QSettings>

namespace platform {
namespace {
QString key(const QString& section, const QString& entry)
{
    return section + '/' + entry;
}
} // namespace

QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue)
{
    QSettings settings(QStringLiteral("OrvynSoft"), QStringLiteral("Orvyn"));
    return settings.value(key(section, entry), defaultValue).toString();
}

bool WriteProfileString(const QString& section, const QString& entry, const QString& value)
{
    QSettings settings(QStringLiteral("OrvynSoft"), QStringLiteral("Orvyn"));
    settings.setValue(key(section, entry), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace platform
