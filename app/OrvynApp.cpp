#include "app/OrvynApp.h"

#include "app/MainFrame.h"
#include "app/PasswordGate.h"
#include "platform/Folders.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/PrivateFiles.h"
#include "platform/RunningCopy.h"
#include "platform/SingleInstance.h"
#include "platform/Translations.h"

#include <QApplication>

using namespace platform;

void NameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("OrvynSoft"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvyn"));
}

void PrepareWindowApplication(QApplication& app)
{
    NameApplication();
    TightenFolders(PrivateFolders());
    // The installed desktop entry, by which Wayland shells and docks know the window.
    QApplication::setDesktopFileName(QStringLiteral("com.orvynsoft.Orvyn"));
    InstallInterfaceLanguage(app);
    RegisterFontSubstitutions();
}

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
        // Once the message is read, the running copy's window comes forward.
        if (running)
            AskRunningCopyForward(DataFolder(), LaunchActivationToken());
        return false;
    }
    // From here on a later start finds this copy; the password dialog comes
    // forward as the window would.
    m_listener = std::make_unique<RunningCopyListener>(DataFolder());
    m_listener->listen();
    QObject::connect(m_listener.get(), &RunningCopyListener::forwardRequested,
                     [this](const QString& token) { BringForward(token); });
    const GateOutcome gate = RunPasswordGate(commandLine.contains(QStringLiteral("/nopassword")), login);
    if (!gate.open)
        return false;

    m_frame = std::make_unique<CMainFrame>(gate.ledgerKey);
    m_frame->show();
    return true;
}

int COrvynApp::ExitInstance(int exitCode)
{
    m_frame.reset();
    m_listener.reset();
    m_instanceLock.reset();
    return exitCode;
}

void COrvynApp::BringForward(const QString& activationToken)
{
    // Before the frame exists only the password dialog, a modal one, is open.
    QWidget* window = m_frame.get();
    if (!window)
        window = QApplication::activeModalWidget();
    BringWindowForward(window, activationToken);
}
