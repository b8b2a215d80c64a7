#pragma once

#include <QString>

// The command line speaks the language of the interface (platform/Language.h).
// Its texts are written in Chinese and go through QCoreApplication::translate
// with the context "CommandLine"; their English is in the catalogue, which
// platform::InstallInterfaceLanguage installs.

// A text of the command line, marked QT_TRANSLATE_NOOP("CommandLine", ...), in
// the language of this run, for use before any application object exists.
QString CommandLineText(const char* chinese);
