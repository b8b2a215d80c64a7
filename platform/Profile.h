#pragma once

#include <QString>

// The per-user profile: organisation "OrvynSoft", application "Orvyn".
namespace platform {

QString GetProfileString(const QString& section, const QString& entry,
                         const QString& defaultValue = QString());
bool WriteProfileString(const QString& section, const QString& entry, const QString& value);

} // namespace platform
