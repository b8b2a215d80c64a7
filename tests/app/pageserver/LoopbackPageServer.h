#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A small HTTP server on the loopback address that answers every request
// with one page (or with nothing at all, like a server that hangs). It runs
// on the thread that made it, so a test keeps that thread's event loop going
// while it waits.
class LoopbackPageServer : public QObject
{
    Q_OBJECT
public:
    LoopbackPageServer();
    ~LoopbackPageServer() override;

    bool isListening() const { return m_server.isListening(); }
    // The address of the page on this server.
    QString url() const;

    void setPage(const QByteArray& body, int status = 200);
    // Requests are taken but not answered ...
    void setSilent(bool silent) { m_silent = silent; }
    // ... until this answers them all (and every later one at once).
    void release();
    // Requests received so far.
    int requests() const { return m_requests; }

signals:
    // A whole request has come in; it is answered right after this.
    void requestReceived();

private:
    void onConnection();
    void onRequestData(QTcpSocket* socket);
    void answer(QTcpSocket* socket);

    QTcpServer m_server;
    QByteArray m_body;
    int m_status = 200;
    bool m_silent = false;
    int m_requests = 0;
    QList<QPointer<QTcpSocket>> m_sockets;
    QList<QPointer<QTcpSocket>> m_unanswered;
};
