#include "platform/RunningCopy.h"
#include "tests/support/CoreTestEnvironment.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace platform;

namespace {

// A socket file as a copy that was killed leaves it: bound, no longer listened on.
void leaveDeadSocket(const QString& path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    memcpy(address.sun_path, name.constData(), name.size());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
}

} // namespace

// A later start reaches the running copy through the socket beside the lock
// and hands on the token its desktop gave it.
TEST(RunningCopy, LaterStartAsksTheRunningCopyForward)
{
    TestFolders folders;
    const struct
    {
        QStringList environment;
        const char* received;
    } rows[] = {
        {{"XDG_ACTIVATION_TOKEN=wl-token-1", "DESKTOP_STARTUP_ID=x11-1_TIME42"}, "wl-token-1"},
        {{"XDG_ACTIVATION_TOKEN=", "DESKTOP_STARTUP_ID=x11-1_TIME42"}, "x11-1_TIME42"},
        {{"DESKTOP_STARTUP_ID=odd token\n"}, "oddtoken"},
        {{}, ""},
    };
    RunningCopyListener listener(folders.data());
    ASSERT_TRUE(listener.listen());
    EXPECT_EQ(RunningCopySocketPath(folders.data()),
              folders.data() + "/OrvynSingleInstance.socket");
    QSignalSpy requests(&listener, &RunningCopyListener::forwardRequested);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.received);
        QProcessEnvironment environment;
        for (const QString& variable : row.environment)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        requests.clear();
        EXPECT_TRUE(AskRunningCopyForward(folders.data(), ActivationTokenOf(environment)));
        ASSERT_EQ(requests.size(), 1);
        EXPECT_EQ(requests[0][0].toString(), QString(row.received));
    }
}

// Nobody answers on a folder where no copy runs, also where a killed copy left
// its socket; the next copy takes the socket over. A folder too long for a
// socket path gets its socket in the runtime folder.
TEST(RunningCopy, DeadSocketsAndLongFolders)
{
    TestFolders folders;
    EXPECT_FALSE(AskRunningCopyForward(folders.data(), "", 500));
    leaveDeadSocket(RunningCopySocketPath(folders.data()));
    EXPECT_FALSE(AskRunningCopyForward(folders.data(), "", 500));
    {
        RunningCopyListener listener(folders.data());
        ASSERT_TRUE(listener.listen());
        EXPECT_TRUE(AskRunningCopyForward(folders.data(), ""));
    }
    EXPECT_FALSE(QFile::exists(RunningCopySocketPath(folders.data()))); // removed at the end

    const QString deep = folders.data() + "/" + QString(60, 'a') + "/" + QString(60, 'b');
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString path = RunningCopySocketPath(deep);
    EXPECT_FALSE(path.startsWith(deep)) << path.toStdString();
    EXPECT_EQ(RunningCopySocketPath(deep + "/."), path); // the same folder, written another way
    RunningCopyListener listener(deep);
    ASSERT_TRUE(listener.listen());
    EXPECT_TRUE(AskRunningCopyForward(deep, ""));
    EXPECT_FALSE(AskRunningCopyForward(folders.data(), "", 500));
}

// The window comes back from the task bar with its state, raised and
// active; a modal dialog open over it is what gets the focus.
TEST(RunningCopy, WindowComesForward)
{
    QWidget window, other;
    window.showMaximized();
    other.show();
    other.activateWindow();
    window.setWindowState(window.windowState() | Qt::WindowMinimized);
    QTRY_VERIFY(other.isActiveWindow());
    ASSERT_TRUE(window.isMinimized());

    BringWindowForward(&window, QString());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isMaximized());
    QTRY_VERIFY(window.isActiveWindow());

    QDialog dialog(&window);
    dialog.setModal(true);
    dialog.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    BringWindowForward(&window, QString());
    QTRY_VERIFY(dialog.isActiveWindow());
}
