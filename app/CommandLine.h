#pragma once

#include "csv/CsvCommand.h"
#include "report/ReportCommand.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The program's command line:
//   orvyn [/nopassword]                  the program window
//   orvyn --export … | --import …        export or import (csv/CsvCommand.h)
//   orvyn --report FILE.pdf …            a PDF report (report/ReportCommand.h)
//   orvyn --check [/nopassword]          the consistency check (csv/CheckCommand.h)
//   orvyn --help | -h, --version | -v
// "/nopassword" counts anywhere, also inside a longer argument. Only the
// window needs a display; everything else runs without one, and only an
// export or import goes near the data folder.
struct CommandLine
{
    enum class Action
    {
        Window,
        Help,
        Version,
        Csv,
        Report,
        Check,
        Mistake, // an option the program does not know, or one used wrongly
    };
    Action action = Action::Window;
    QString mistake;             // with Mistake: what is wrong, one sentence
    CsvRequest csv;              // with Csv
    ReportCommandRequest report; // with Report
    bool noPassword = false;     // with Check: "/nopassword" was given
    QString passwordFile;        // with Check: "--password-file FILE"
    // Qt's own "-platform" and "-display" options, for a window start.
    QString qtPlatform;
    QString qtDisplay;
};

// The arguments without the program name.
CommandLine ParseCommandLine(const QStringList& arguments);

// Runs any action but the window: prints the help or the version, tells the
// mistake with the usage, or runs the export, the import or the report (which
// needs a QApplication). The exit code: 0 done, 1 refused, 2 a mistake in the
// arguments.
int RunWithoutWindow(const CommandLine& command, CsvCommandIo& io);

QString UsageText();
// The program's name, as its window shows it, and its package version:
// "Qinmo 1.2.8".
QString VersionText();

// One line saying that the window cannot open for want of a display, when
// no platform Qt may use has one (X11 needs DISPLAY, Wayland
// WAYLAND_DISPLAY; other platforms such as offscreen need none); empty when
// Qt may find one.
QString MissingDisplayText(const CommandLine& command, const QProcessEnvironment& environment);
// The same line, for a display that is named but cannot be reached.
QString NoDisplayText();
