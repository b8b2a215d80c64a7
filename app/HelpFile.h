#pragma once

#include <QString>

class QWidget;

// "help.html": beside the executable, or in share/orvyn/ when installed.
QString HelpFilePath();
// Opens the help file in the user's browser; when it is missing, or no
// program opens it, says so with its full path.
void OpenHelpFile(QWidget* parent, const QString& path = HelpFilePath());
