#pragma once

#include <QString>
#include <functional>
#include <memory>

class CDlgLogin;
class CMainFrame;
class QApplication;
namespace platform {
class RunningCopyListener;
class SingleInstanceLock;
} // namespace platform

// The names the settings and folders are found by.
void NameApplication();
// What the window's run sets up before the application object starts: names,
// private folders, the desktop entry, the Chinese translations and fonts.
void PrepareWindowApplication(QApplication& app);

// The application object: one running copy per ledger, the password gate, the
// main frame, and shutdown in order. A later start on the same ledger says
// that the program runs and then asks the running copy to bring its window to
// the front.
class COrvynApp
{
public:
    COrvynApp();
    ~COrvynApp();

    // False ends the program at once, without a window: another copy holds
    // the ledger, the single-instance lock cannot be made, or the login was
    // not passed. The login runner is for tests (see RunPasswordGate).
    bool InitInstance(const QString& commandLine, const std::function<int(CDlgLogin&)>& login = {});
    // Destroys the main frame (closing the ledger) and releases the lock.
    int ExitInstance(int exitCode);

    CMainFrame* mainFrame() const { return m_frame.get(); }

private:
    void BringForward(const QString& activationToken);

    std::unique_ptr<platform::SingleInstanceLock> m_instanceLock;
    std::unique_ptr<platform::RunningCopyListener> m_listener;
    std::unique_ptr<CMainFrame> m_frame;
};
