#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace platform {

bool OpenUrl(const QString& urlOrPath)
{
    const QUrl url = QFileInfo::exists(urlOrPath) ? QUrl::fromLocalFile(urlOrPath)
                                                  : QUrl::fromUserInput(urlOrPath);
    return QDesktopServices::openUrl(url);
}

void OpenLocalFile(const QString& path, const std::function<void()>& failed)
{
    const QUrl url = QUrl::fromLocalFile(path);
    // Qt starts the same opener and forgets it; started here, it is heard
    // when it finds no program for the file.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            failed();
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    // The opener may stay as long as the program it starts: its output goes
    // straight to the program's own, never into a buffer here.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         // xdg-open: 2 the file is not there, 3 no program for it
                         // (4 is the opened program's own failure, after it ran).
                         if (status == QProcess::NormalExit && (code == 2 || code == 3))
                             failed();
                         process->deleteLater();
                     });
    process->start(opener, {QString::fromLatin1(url.toEncoded())});
}

bool StartProcess(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool StartProcess(const QString& program, const QStringList& arguments, const QByteArray& input)
{
    int fds[2];
    if (input.size() > 64 * 1024 || ::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    // The whole input fits the pipe's buffer: written before the program
    // starts, so nothing here waits for it to read.
    const bool written = ::write(fds[1], input.constData(), size_t(input.size())) == input.size();
    ::close(fds[1]);
    if (!written) {
        ::close(fds[0]);
        return false;
    }
    std::vector<QByteArray> texts{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[0], STDIN_FILENO);
    pid_t pid = 0;
    const int started = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[0]);
    return started == 0;
}

} // namespace platform
