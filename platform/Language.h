#pragma once

#include <QProcessEnvironment>
#include <QString>

// The language the program speaks. Its texts are written in Chinese; the
// English catalogue translates them. The user picks Chinese, English, or
// whatever the system's locale asks for; the choice is kept in the profile
// and takes effect at the next start.
namespace platform {

enum class LanguageChoice { System, Chinese, English };

// Whether the locale asks for Chinese, read as gettext reads it: the locale
// from LC_ALL, LC_MESSAGES or LANG (the first that is set), and the first
// entry of LANGUAGE before it unless the locale is "C" or "POSIX". Any "zh*"
// is Chinese; anything else, or no locale at all, is English.
bool LocaleAsksForChinese(const QProcessEnvironment& environment);

// The choice kept in the profile; System when there is none or it is not
// one of the three.
LanguageChoice ReadLanguageChoice();
bool WriteLanguageChoice(LanguageChoice choice);

// Whether this run speaks Chinese: the kept choice, or the locale for System.
bool InterfaceInChinese(LanguageChoice choice, const QProcessEnvironment& environment);
bool InterfaceInChinese();

} // namespace platform
