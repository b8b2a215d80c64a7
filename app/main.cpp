#include "app/CommandLine.h"
#include "app/DisplayFailureGuard.h"
#include "app/OrvynApp.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/PrivateFiles.h"
#include "platform/RunningCopy.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

// Everything but the window runs without a display: help, version, a
// mistaken option, the export and the import.
int runWithoutWindow(int argc, char* argv[], const QStringList& arguments)
{
    QCoreApplication app(argc, argv);
    NameApplication();
    platform::TightenFolders(platform::PrivateFolders());
    platform::InstallInterfaceLanguage(app);
    QTextStream out(stdout), err(stderr);
    CsvCommandIo io{out, err, ReadTerminalPassword};
    // Read again, so that a mistake is told in the language now installed.
    return RunWithoutWindow(ParseCommandLine(arguments), io);
}

// The report draws text and charts, which takes fonts and widgets but never
// a screen.
int runReportWithoutWindow(int argc, char* argv[], const QStringList& arguments)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NameApplication();
    platform::TightenFolders(platform::PrivateFolders());
    platform::RegisterFontSubstitutions();
    platform::InstallInterfaceLanguage(app);
    QTextStream out(stdout), err(stderr);
    CsvCommandIo io{out, err, ReadTerminalPassword};
    return RunWithoutWindow(ParseCommandLine(arguments), io);
}

} // namespace

int main(int argc, char* argv[])
{
    platform::MakeFilesPrivate();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = ParseCommandLine(arguments);
    if (command.action == CommandLine::Action::Report)
        return runReportWithoutWindow(argc, argv, arguments);
    if (command.action != CommandLine::Action::Window)
        return runWithoutWindow(argc, argv, arguments);

    const QString noDisplay = MissingDisplayText(command, QProcessEnvironment::systemEnvironment());
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr, "%s\n", noDisplay.toLocal8Bit().constData());
        return 1;
    }
    // A later start passes the desktop's token on to the running copy.
    platform::LaunchActivationToken();
    auto guard = std::make_unique<DisplayFailureGuard>();
    QApplication app(argc, argv);
    guard.reset();
    PrepareWindowApplication(app);

    COrvynApp orvyn;
    // Refused (another copy runs, no lock, no password): exit status 1.
    if (!orvyn.InitInstance(QApplication::arguments().join(QLatin1Char(' '))))
        return orvyn.ExitInstance(1);
    return orvyn.ExitInstance(QApplication::exec());
}
