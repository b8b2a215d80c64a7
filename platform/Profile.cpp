#include "platform/Profile.h"

#include "platform/PrivateFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace platform {
namespace {
QString key(const QString& section, const QString& entry)
{
    return section + '/' + entry;
}

std::function<bool(const QString&)>& readableHook()
{
    static std::function<bool(const QString&)> hook;
    return hook;
}
} // namespace

std::optional<QString> ReadProfileString(const QString& section, const QString& entry,
                                         const QString& defaultValue)
{
    QSettings settings(QStringLiteral("OrvynSoft"), QStringLiteral("Orvyn"));
    if (!settings.contains(key(section, entry)))
        return defaultValue;
    const QVariant value = settings.value(key(section, entry));
    // Plain text, or bytes that read as text; anything else (a list, a
    // geometry, an invalid value) is not a text.
    switch (value.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return value.toString();
    default:
        return std::nullopt;
    }
}

QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue)
{
    return ReadProfileString(section, entry, defaultValue).value_or(QString());
}

bool WriteProfileString(const QString& section, const QString& entry, const QString& value)
{
    QSettings settings(QStringLiteral("OrvynSoft"), QStringLiteral("Orvyn"));
    const QString name = key(section, entry);
    const bool had = settings.contains(name);
    const QVariant before = settings.value(name);
    settings.setValue(name, value);
    settings.sync();
    if (settings.status() == QSettings::NoError) {
        // The file is renamed into place, in a folder made on the first write:
        // both folder entries must reach the disk too.
        const QString folder = QFileInfo(settings.fileName()).absolutePath();
        SyncFolder(folder);
        SyncFolder(QFileInfo(folder).absolutePath());
        return true;
    }
    // Every QSettings of the program shares one copy of the file: a value that
    // did not reach the file must not be read back later in this run, nor be
    // written by a later sync as if it had been saved.
    if (had)
        settings.setValue(name, before);
    else
        settings.remove(name);
    return false;
}

QString ProfileFilePath()
{
    return QSettings(QStringLiteral("OrvynSoft"), QStringLiteral("Orvyn")).fileName();
}

bool ProfileUnreadable()
{
    const QString path = ProfileFilePath();
    if (!QFileInfo::exists(path))
        return false;
    if (readableHook())
        return !readableHook()(path);
    // Opening refuses a folder as well as a file without read permission.
    QFile file(path);
    return !file.open(QIODevice::ReadOnly);
}

void SetProfileReadableHook(std::function<bool(const QString& path)> readable)
{
    readableHook() = std::move(readable);
}

} // namespace platform
