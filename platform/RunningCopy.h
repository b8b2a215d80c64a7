#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <memory>

class QLocalServer;
class QWidget;

namespace platform {

// A later start of the program talks to the running copy through a local
// socket beside the single-instance lock (SingleInstance.h):
// "OrvynSingleInstance.socket" in the data folder, or, where that path is too
// long for a socket, a socket in the user's runtime folder named after the data
// folder. Only the user who runs the copy can connect.
//
// The one request, the line "forward" with the later start's desktop
// activation token after a blank when it has one, asks the running copy to
// bring its window to the front; it answers "ok" once it has done so.
QString RunningCopySocketPath(const QString& folder);

// The running copy's end. Listen only while holding the lock: a socket left at
// the path by a copy that ended without removing it is replaced.
class RunningCopyListener : public QObject
{
    Q_OBJECT
public:
    explicit RunningCopyListener(const QString& folder, QObject* parent = nullptr);
    ~RunningCopyListener() override;

    // False when the socket cannot be made; the copy then runs on, and later
    // starts only show their message.
    bool listen();

signals:
    // A later start asks for the window; the token is its activation token
    // (empty when it was started without one).
    void forwardRequested(const QString& activationToken);

private:
    void accept();

    QString m_folder;
    std::unique_ptr<QLocalServer> m_server;
};

// A later start's end: asks the copy that runs on this data folder to bring its
// window forward, passing on the activation token this process was started
// with. Runs the event loop while it waits (at most timeoutMs); true when the
// copy answered.
bool AskRunningCopyForward(const QString& folder, const QString& activationToken,
                           int timeoutMs = 3000);

// The token a desktop hands to a program it starts: Wayland's
// XDG_ACTIVATION_TOKEN, else the X11 startup notification's DESKTOP_STARTUP_ID
// (desktops that set both set the same); empty without either.
QString ActivationTokenOf(const QProcessEnvironment& environment);
// This process's, read from its environment the first time it is called. Qt
// takes both variables out of the environment once the application object
// exists, so main() calls it before.
QString LaunchActivationToken();

// Brings a window to the front as asked by a later start: shown again when it
// was minimised (keeping it maximised if it was), raised and activated, or the
// modal dialog open over it when there is one. The token lets a Wayland
// compositor give the focus to a window that asks for it itself.
void BringWindowForward(QWidget* window, const QString& activationToken);

} // namespace platform
