#pragma once

#include <QProcessEnvironment>
#include <QString>

class QCoreApplication;

// The command line speaks the user's language: Chinese under a Chinese
// locale, English otherwise. Its texts are written in Chinese and go through
// QCoreApplication::translate with the context "CommandLine"; this file
// holds their English translations.

// Whether the language of messages is Chinese, read as gettext reads it: the
// locale from LC_ALL, LC_MESSAGES or LANG (the first that is set), and
// LANGUAGE before it unless the locale is "C" or "POSIX".
bool CommandLineInChinese(const QProcessEnvironment& environment);

// Installs the English texts unless the environment asks for Chinese.
void InstallCommandLineLanguage(QCoreApplication& app);

// A text of the command line in the environment's language, for use before
// any application object exists.
QString CommandLineText(const char* chinese);
