#include "app/UpdateCheck.h"

#include "app/MainFrame.h"
#include "app/PageReader.h"
#include "app/VersionPage.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"
#include "platform/Shell.h"

#include <QGuiApplication>
#include <QWidget>
#include <utility>

using namespace platform;
using versionpage::kParseError;

const QString CUpdateCheck::kDefaultUrl =
    QStringLiteral("https://www.orvynsoft.com/orvyn/version.html");

QString CUpdateCheck::UpdatePageUrl()
{
    const QString url = qEnvironmentVariable("ORVYN_UPDATE_URL");
    return url.isEmpty() ? kDefaultUrl : url;
}

CUpdateCheck::CUpdateCheck(CMainFrame& frame) : m_frame(frame) {}

CUpdateCheck::~CUpdateCheck()
{
    Stop();
}

bool CUpdateCheck::IsBusy() const
{
    return m_reader || m_manualWaiting;
}

void CUpdateCheck::StartBackground()
{
    fetchServerVersion([this] {
        const QString server = m_frame.ServerVersion;
        if (server.isEmpty() || server == kParseError)
            return;
        if (versionpage::IsNewerVersion(m_frame.ProgramVersion, server))
            PostMessage(&m_frame, WM_VERSION_NOTICE);
    });
}

void CUpdateCheck::CheckNow()
{
    if (m_manualWaiting)
        return;
    setManualWaiting(true);
    fetchServerVersion([this] {
        setManualWaiting(false);
        answerManualCheck();
    });
}

void CUpdateCheck::Stop()
{
    m_afterRead.clear();
    m_reader.reset(); // ends the read and waits for its thread
    setManualWaiting(false);
}

void CUpdateCheck::fetchServerVersion(std::function<void()> then)
{
    if (!m_frame.ServerVersion.isEmpty()) {
        then();
        return;
    }
    if (m_reader) {
        // Another check is reading: when it ends, this one looks again and
        // reads the page itself only if that read brought no page.
        m_afterRead.push_back([this, then] { fetchServerVersion(then); });
        return;
    }
    m_afterRead.push_back(std::move(then));
    m_reader = std::make_unique<CPageReader>(UpdatePageUrl(), m_timeoutMs);
    // A stopped read may still have its end queued; the number tells it apart.
    const int read = ++m_readNumber;
    connect(m_reader.get(), &QThread::finished, this, [this, read] { onReadFinished(read); });
    m_reader->start();
}

void CUpdateCheck::onReadFinished(int read)
{
    if (!m_reader || read != m_readNumber)
        return;
    m_reader->wait();
    // A read that brought no page leaves ServerVersion empty, so that a later
    // check tries again.
    if (m_frame.ServerVersion.isEmpty())
        m_frame.ServerVersion = m_reader->Version();
    m_reader.reset();
    const std::vector<std::function<void()>> waiting = std::exchange(m_afterRead, {});
    for (const auto& then : waiting)
        then();
}

void CUpdateCheck::answerManualCheck()
{
    const QString server = m_frame.ServerVersion;
    const unsigned error = MB_OK | MB_ICONERROR;
    if (server.isEmpty()) {
        MessageBox(&m_frame, tr("抱歉，无法获取到服务器上的版本信息，请检查网络！"), kCaption,
                   error);
        return;
    }
    if (server == kParseError) {
        MessageBox(&m_frame, tr("此版本已经是最新版本，无需升级！"), kCaption, error);
        return;
    }
    const QString program = m_frame.ProgramVersion;
    if (versionpage::IsNewerVersion(program, server)) {
        if (MessageBox(&m_frame, tr("发现有新版本，是否现在下载最新版本？"), kCaption,
                       MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
            OpenUrl(UpdatePageUrl());
        return;
    }
    MessageBox(&m_frame,
               program == server ? tr("您的版本已经是最新版本，无需升级！")
                                 : tr("该版本已经是最新版本，无需升级！"),
               kCaption, error);
}

void CUpdateCheck::setManualWaiting(bool waiting)
{
    if (waiting == m_manualWaiting)
        return;
    m_manualWaiting = waiting;
    // The window stays usable while the page is read; the cursor says that
    // an answer is coming.
    if (waiting)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}
