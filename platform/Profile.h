#pragma once

#include <QString>
#include <functional>
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

// The file that holds the profile.
QString ProfileFilePath();
// True when the profile file is there but cannot be read (no permission, a
// folder in its place): then none of its entries is known, and an entry that
// reads as absent may well be set.
bool ProfileUnreadable();
// A test answers whether the file can be read, as the file system would for
// a user without permission (root reads every file). An empty function
// gives the question back to the file system.
void SetProfileReadableHook(std::function<bool(const QString& path)> readable);

} // namespace platform
