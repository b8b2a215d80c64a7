#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// Opens a web address or a local file in the user's default program.
bool OpenUrl(const QString& urlOrPath);
// Opens a local file in the program the desktop keeps for its type, without
// waiting for that program. failed is called when no program opens it: at
// once when there is nothing to start one with, or later when the opener
// ("xdg-open") ends saying that it found none.
void OpenLocalFile(const QString& path, const std::function<void()>& failed);
// Starts a program without waiting for it and never through a shell.
bool StartProcess(const QString& program, const QStringList& arguments = {});
// The same, with input waiting on the program's standard input (at most a
// pipe's buffer, 64 KB), which then ends: what no command line may show.
bool StartProcess(const QString& program, const QStringList& arguments, const QByteArray& input);

} // namespace platform
