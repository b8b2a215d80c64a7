#pragma once

#include <QString>

class QWidget;

// The user guide in the interface's language: "help.html" (Chinese) or
// "help.en.html" (English), beside the executable or in share/orvyn/ when
// installed. When that guide is missing, the other language's; when both
// are missing, the path where the wanted one belongs.
QString HelpFilePath(bool chinese, const QString& executableFolder);
QString HelpFilePath();
// Opens the help file in the user's browser; when it is missing, or no
// program opens it, says so with its full path.
void OpenHelpFile(QWidget* parent, const QString& path = HelpFilePath());
