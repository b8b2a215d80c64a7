#include "platform/RunningCopy.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <sys/un.h>

namespace platform {
namespace {

const QByteArray kForward = "forward";
const QByteArray kAnswer = "ok\n";
// A request is one short line; a peer that sends more, or nothing for this
// long, is cut off.
constexpr int kMaxRequest = 4096;
constexpr int kRequestWaitMs = 5000;

} // namespace

QString ActivationTokenOf(const QProcessEnvironment& environment)
{
    const QString wayland = environment.value(QStringLiteral("XDG_ACTIVATION_TOKEN"));
    return wayland.isEmpty() ? environment.value(QStringLiteral("DESKTOP_STARTUP_ID")) : wayland;
}

QString LaunchActivationToken()
{
    static const QString token = ActivationTokenOf(QProcessEnvironment::systemEnvironment());
    return token;
}

QString RunningCopySocketPath(const QString& folder)
{
    const QString beside = folder + QStringLiteral("/OrvynSingleInstance.socket");
    if (QFile::encodeName(beside).size() < qsizetype(sizeof(sockaddr_un::sun_path)))
        return beside;
    // Named by the folder as the file system knows it, so that every way of
    // writing the folder's path finds the same socket.
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QByteArray digest = QCryptographicHash::hash(
        QFile::encodeName(canonical.isEmpty() ? folder : canonical), QCryptographicHash::Sha256);
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return runtime + QStringLiteral("/orvyn-") + QString::fromLatin1(digest.toHex().left(32)) +
           QStringLiteral(".socket");
}

RunningCopyListener::RunningCopyListener(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder)
{
}

RunningCopyListener::~RunningCopyListener()
{
    if (m_server)
        m_server->close(); // removes the socket file
}

bool RunningCopyListener::listen()
{
    const QString path = RunningCopySocketPath(m_folder);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(path);
    if (!m_server->listen(path)) {
        qWarning("No socket %s for later starts: %s", qPrintable(path),
                 qPrintable(m_server->errorString()));
        m_server.reset();
        return false;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &RunningCopyListener::accept);
    return true;
}

void RunningCopyListener::accept()
{
    while (QLocalSocket* peer = m_server->nextPendingConnection()) {
        auto* deadline = new QTimer(peer);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, peer, &QLocalSocket::abort);
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            if (!peer->canReadLine()) {
                if (peer->bytesAvailable() > kMaxRequest)
                    peer->abort();
                return;
            }
            const QByteArray line = peer->readLine(kMaxRequest).trimmed();
            const qsizetype blank = line.indexOf(' ');
            if ((blank < 0 ? line : line.left(blank)) == kForward) {
                const QByteArray token = blank < 0 ? QByteArray() : line.mid(blank + 1).trimmed();
                emit forwardRequested(QString::fromUtf8(token));
                peer->write(kAnswer);
                peer->flush();
            }
            peer->disconnectFromServer();
        });
        deadline->start(kRequestWaitMs);
    }
}

bool AskRunningCopyForward(const QString& folder, const QString& activationToken, int timeoutMs)
{
    QLocalSocket socket;
    QEventLoop loop;
    QByteArray answer;
    bool done = false;
    const auto finish = [&] {
        done = true;
        loop.quit();
    };
    QObject::connect(&socket, &QLocalSocket::connected, &loop, [&] {
        // One line: a token holds neither blanks nor line breaks.
        const QByteArray token = activationToken.simplified().remove(QLatin1Char(' ')).toUtf8();
        socket.write(kForward + (token.isEmpty() ? QByteArray() : ' ' + token) + '\n');
    });
    QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        answer += socket.readAll();
        if (answer.contains('\n'))
            finish();
    });
    QObject::connect(&socket, &QLocalSocket::disconnected, &loop, finish);
    QObject::connect(&socket, &QLocalSocket::errorOccurred, &loop, finish);
    QTimer::singleShot(timeoutMs, &loop, finish);
    socket.connectToServer(RunningCopySocketPath(folder));
    if (!done)
        loop.exec();
    return answer == kAnswer;
}

void BringWindowForward(QWidget* window, const QString& activationToken)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    QWidget* target = QApplication::activeModalWidget();
    if (!target)
        target = window;
    target->raise();
    // Qt's Wayland shell takes the token from here (and out of the
    // environment) when the window asks for the focus.
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (wayland && !activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    target->activateWindow();
}

} // namespace platform
