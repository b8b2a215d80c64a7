#include "app/OrvynApp.h"

#include "app/MainFrame.h"
#include "app/PasswordGate.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/SingleInstance.h"

using namespace platform;

COrvynApp::COrvynApp() = default;

COrvynApp::~COrvynApp()
{
    ExitInstance(0);
}

bool COrvynApp::InitInstance(const QString& commandLine,
                             const std::function<int(CDlgLogin&)>& login)
{
    // Without the lock nothing else is done: no password, no ledger, no window.
    m_instanceLock = std::make_unique<SingleInstanceLock>(DataFolder());
    if (!m_instanceLock->tryAcquire()) {
        const bool running =
            m_instanceLock->refusal() == SingleInstanceLock::Refusal::AnotherCopyRuns;
        MessageBox(nullptr, m_instanceLock->refusalText(), kCaption,
                   running ? MB_OK : MB_OK | MB_ICONERROR);
        m_instanceLock.reset();
        return false;
    }
    if (!commandLine.contains(QStringLiteral("/nopassword")) && !RunPasswordGate(login))
        return false;

    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    return true;
}

int COrvynApp::ExitInstance(int exitCode)
{
    m_frame.reset();
    m_instanceLock.reset();
    return exitCode;
}
