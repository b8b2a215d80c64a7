#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

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

} // namespace platform
