#include "platform/Language.h"

#include "platform/Profile.h"

namespace platform {
namespace {

const QString kSection = QStringLiteral("Settings");
const QString kEntry = QStringLiteral("Language");

const QString kChinese = QStringLiteral("zh");
const QString kEnglish = QStringLiteral("en");

} // namespace

bool LocaleAsksForChinese(const QProcessEnvironment& environment)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QLatin1String(name));
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return false;
    const QString language =
        environment.value(QStringLiteral("LANGUAGE")).section(QLatin1Char(':'), 0, 0);
    return (language.isEmpty() ? locale : language).startsWith(QLatin1String("zh"));
}

LanguageChoice ReadLanguageChoice()
{
    const QString kept = GetProfileString(kSection, kEntry);
    if (kept == kChinese)
        return LanguageChoice::Chinese;
    if (kept == kEnglish)
        return LanguageChoice::English;
    return LanguageChoice::System;
}

bool WriteLanguageChoice(LanguageChoice choice)
{
    switch (choice) {
    case LanguageChoice::Chinese:
        return WriteProfileString(kSection, kEntry, kChinese);
    case LanguageChoice::English:
        return WriteProfileString(kSection, kEntry, kEnglish);
    case LanguageChoice::System:
        break;
    }
    return WriteProfileString(kSection, kEntry, QStringLiteral("system"));
}

bool InterfaceInChinese(LanguageChoice choice, const QProcessEnvironment& environment)
{
    switch (choice) {
    case LanguageChoice::Chinese:
        return true;
    case LanguageChoice::English:
        return false;
    case LanguageChoice::System:
        break;
    }
    return LocaleAsksForChinese(environment);
}

bool InterfaceInChinese()
{
    return InterfaceInChinese(ReadLanguageChoice(), QProcessEnvironment::systemEnvironment());
}

} // namespace platform
