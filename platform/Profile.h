#pragma once

#include <QString>
#include <optional>

// The per-user profile: organisation "OrvynSoft", application "Orvyn".
namespace platform {

// The entry's text; defaultValue when the entry is absent. std::nullopt when
// the entry is there but holds something that is not a text (a list, a
// rectangle, ... written by hand or by another program): such a value must
// not be taken for an empty one.
std::optional<QString> ReadProfileString(const QString& section, const QString& entry,
                                         const QString& defaultValue = QString());
// As ReadProfileString, with an empty text for an entry that holds no text.
QString GetProfileString(const QString& section, const QString& entry,
                         const QString& defaultValue = QString());
bool WriteProfileString(const QString& section, const QString& entry, const QString& value);

} // namespace platform
