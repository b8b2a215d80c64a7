#include "LoopbackPageServer.h"

#include <QHostAddress>
#include <utility>

LoopbackPageServer::LoopbackPageServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackPageServer::onConnection);
    m_server.listen(QHostAddress::LocalHost);
}

LoopbackPageServer::~LoopbackPageServer()
{
    for (const QPointer<QTcpSocket>& socket : m_sockets)
        if (socket)
            socket->abort();
}

QString LoopbackPageServer::url() const
{
    return QStringLiteral("http://127.0.0.1:%1/orvyn/version.html").arg(m_server.serverPort());
}

void LoopbackPageServer::setPage(const QByteArray& body, int status)
{
    m_body = body;
    m_status = status;
}

void LoopbackPageServer::onConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        m_sockets.append(socket);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onRequestData(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LoopbackPageServer::onRequestData(QTcpSocket* socket)
{
    const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("counted").toBool())
        return;
    socket->setProperty("counted", true);
    ++m_requests;
    emit requestReceived();
    if (m_silent)
        m_unanswered.append(socket);
    else
        answer(socket);
}

void LoopbackPageServer::release()
{
    m_silent = false;
    for (const QPointer<QTcpSocket>& socket : std::exchange(m_unanswered, {}))
        if (socket)
            answer(socket);
}

void LoopbackPageServer::answer(QTcpSocket* socket)
{
    const QByteArray reason = m_status == 200 ? "OK" : "Status";
    socket->write("HTTP/1.1 " + QByteArray::number(m_status) + " " + reason +
                  "\r\nContent-Type: text/html\r\nContent-Length: " +
                  QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
    socket->disconnectFromHost();
}
