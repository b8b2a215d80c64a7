#pragma once

#include <QString>
#include <QThread>

// Reads the update page on a thread of its own, with its own network access
// and event loop, and picks the version text out of it. Any failure (no
// network, an unknown host, an HTTP error status, no answer within the time
// limit) gives an empty page. quit() ends a read early, with an empty page.
class CPageReader : public QThread
{
    Q_OBJECT
public:
    CPageReader(const QString& url, int timeoutMs, QObject* parent = nullptr);
    ~CPageReader() override;

    // Once the thread has finished: the page text, empty when none was read,
    // and the version text found on it (empty without a page, else a
    // version or "PARSE_ERROR").
    QString Page() const { return m_page; }
    QString Version() const { return m_version; }

protected:
    void run() override;

private:
    const QString m_url;
    const QString m_agent;
    const int m_timeoutMs;
    QString m_page;
    QString m_version;
};
