// The restore program: started by the main program as "restore /NAME" just
// before it closes, it waits until the program has ended, puts the backup
// point NAME in place of the ledger and starts the program again, which then
// loads the restored data. A failure leaves the ledger as it was and is told
// in a message box; the program is started again all the same.
#include "platform/Folders.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/PrivateFiles.h"
#include "platform/Shell.h"
#include "platform/Translations.h"
#include "restore/RestoreSteps.h"

#include <QApplication>
#include <QFile>
#include <unistd.h>

using namespace std::chrono_literals;

int main(int argc, char* argv[])
{
    platform::MakeFilesPrivate();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("OrvynSoft"));
    QApplication::setApplicationName(QStringLiteral("Orvyn"));
    platform::InstallInterfaceLanguage(app);
    platform::RegisterFontSubstitutions();

    // The keys come on the standard input, which the main program closes
    // after writing them; a restore started by hand has nothing there.
    QFile input;
    QByteArray keys;
    if (!::isatty(STDIN_FILENO) && input.open(stdin, QIODevice::ReadOnly))
        keys = input.read(64 * 1024);
    const RestoreRun run =
        RunRestore(QApplication::arguments().mid(1), 60s, ReadRestoreKeys(keys));
    if (!run.outcome.ok)
        platform::MessageBox(nullptr, run.outcome.message, platform::kCaption,
                             platform::MB_OK | platform::MB_ICONERROR);
    if (run.startProgram)
        platform::StartProcess(platform::ProgramFilePath(platform::ProgramFile::Program));
    return run.outcome.ok ? 0 : 1;
}
