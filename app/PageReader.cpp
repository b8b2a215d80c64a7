#include "app/PageReader.h"

#include "app/VersionPage.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace {

// Enough bytes to decide which pieces of the page are kept.
constexpr qsizetype kBytesNeeded = versionpage::kReadLimit + 1;

bool isSuccess(const QNetworkReply& reply)
{
    if (reply.error() != QNetworkReply::NoError)
        return false;
    // Addresses other than HTTP (a local file) carry no status.
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return !status.isValid() || (status.toInt() >= 200 && status.toInt() < 300);
}

} // namespace

CPageReader::CPageReader(const QString& url, int timeoutMs, QObject* parent)
    // The program introduces itself by its name, read here on the caller's thread.
    : QThread(parent), m_url(url), m_agent(QCoreApplication::applicationName()),
      m_timeoutMs(timeoutMs)
{
}

CPageReader::~CPageReader()
{
    quit();
    wait();
}

void CPageReader::run()
{
    QNetworkAccessManager network;
    QNetworkRequest request{QUrl(m_url)};
    // Always from the server, never from a cache.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, m_agent);
    request.setTransferTimeout(m_timeoutMs);
    const std::unique_ptr<QNetworkReply> reply(network.get(request));

    QByteArray raw;
    QEventLoop loop;
    const auto take = [&] {
        if (reply->isOpen())
            raw += reply->read(kBytesNeeded - raw.size());
        if (raw.size() >= kBytesNeeded)
            loop.quit();
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The whole read, not only each wait for data, is limited: a server that
    // trickles bytes ends the read as one that never answers does.
    QTimer::singleShot(m_timeoutMs, &loop, &QEventLoop::quit);
    // quit() before this point (the program closing) makes exec() return at once.
    loop.exec();

    bool complete = raw.size() >= kBytesNeeded;
    if (!complete && reply->isFinished()) {
        take();
        complete = true;
    }
    if (!complete || !isSuccess(*reply))
        raw.clear();
    reply->abort();

    m_page = versionpage::DecodePage(versionpage::TakePageText(raw));
    if (!m_page.isEmpty())
        m_version = versionpage::ParseServerVersion(m_page);
}
