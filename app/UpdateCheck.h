#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CMainFrame;
class CPageReader;

// The update check of the main frame: reads the update page (at most once
// successfully per run), keeps the version found in the frame's
// ServerVersion and compares it with ProgramVersion.
//
// Pages are read on a worker thread; only the user-interface thread touches
// ServerVersion. The background check at start-up posts WM_VERSION_NOTICE to
// the frame when the server has a newer version; the manual check answers in
// message boxes. A manual check given while another read is running waits for
// it instead of reading at the same time.
class CUpdateCheck : public QObject
{
    Q_OBJECT
public:
    // The address compiled in; ORVYN_UPDATE_URL, when set, replaces it.
    static const QString kDefaultUrl;
    static QString UpdatePageUrl();

    explicit CUpdateCheck(CMainFrame& frame);
    ~CUpdateCheck() override;

    // The start-up check: reads the page and, when the server has a newer
    // version, posts WM_VERSION_NOTICE to the frame. Nothing is ever shown.
    void StartBackground();
    // The command "检查新版本": answers once the version is known. A second
    // command while one is waiting is not queued again.
    void CheckNow();
    // Ends a running read and forgets the checks waiting for it (the frame
    // is closing): no notice is posted and no message shown.
    void Stop();

    // A read runs or a manual check waits for its answer.
    bool IsBusy() const;
    // How long one page read may take before it counts as failed.
    void SetReadTimeout(int ms) { m_timeoutMs = ms; }

private:
    // Fills ServerVersion when it is still empty, then calls `then`.
    void fetchServerVersion(std::function<void()> then);
    void onReadFinished(int read);
    void answerManualCheck();
    void setManualWaiting(bool waiting);

    CMainFrame& m_frame;
    int m_timeoutMs = 15000;
    std::unique_ptr<CPageReader> m_reader;
    int m_readNumber = 0;
    std::vector<std::function<void()>> m_afterRead;
    bool m_manualWaiting = false;
};
