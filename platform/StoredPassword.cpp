#include "platform/StoredPassword.h"

#include "platform/Profile.h"
#include "platform/PasswordScramble.h"

#include <QCoreApplication>
#include <QDir>

StoredPassword ReadStoredPassword()
{
    StoredPassword password;
    if (platform::ProfileUnreadable()) {
        password.set = true;
        password.unreadableFile = QDir::toNativeSeparators(platform::ProfileFilePath());
        return password;
    }
    const std::optional<QString> stored =
        platform::ReadProfileString(QStringLiteral("User"), QStringLiteral("Pin"));
    // A value that is no text still counts as a set password: taking it for
    // none would open the ledger to anyone.
    password.set = !stored || !stored->isEmpty();
    if (stored)
        password.clear = UnscramblePassword(*stored);
    password.ownerKeyed =
        platform::ReadProfileString(QStringLiteral("User"), QStringLiteral("OwnerKeyed")) ==
        QStringLiteral("1");
    return password;
}

bool WriteOwnerKeyed(bool on)
{
    return platform::WriteProfileString(QStringLiteral("User"), QStringLiteral("OwnerKeyed"),
                                        on ? QStringLiteral("1") : QString());
}

bool WriteStartupPassword(const QString& password)
{
    return platform::WriteProfileString(QStringLiteral("User"), QStringLiteral("Pin"),
                                        password.isEmpty() ? QString()
                                                           : ScramblePassword(password));
}

QString UnreadableProfileText(const QString& file)
{
    // Also said on the command line, in the user's language.
    return QCoreApplication::translate("CommandLine",
                                       "无法读取设置文件 %1，不能核对启动密码。请让该文件可以"
                                       "读取后重新启动，或者用 /nopassword 启动程序。")
        .arg(file);
}
