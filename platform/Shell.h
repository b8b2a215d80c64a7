#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Opens a web address or a local file in the user's default program.
bool OpenUrl(const QString& urlOrPath);
// Starts a program without waiting for it and never through a shell.
bool StartProcess(const QString& program, const QStringList& arguments = {});

} // namespace platform
