#include "app/OrvynApp.h"
#include "csv/CsvCommand.h"
#include "database/StoreReport.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QTextStream>

namespace {

// "--export", "--import" and "--help" run without a window (and without a
// display): the command-line export and import.
int runCommandLine(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OrvynSoft"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvyn"));
    QTextStream out(stdout), err(stderr);
    CsvCommandIo io{out, err, ReadTerminalPassword};
    return RunCsvCommand(QCoreApplication::arguments().mid(1), io);
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (IsCsvCommand(arguments))
        return runCommandLine(argc, argv);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("OrvynSoft"));
    QApplication::setApplicationName(QStringLiteral("Orvyn"));
    // The installed desktop entry, by which Wayland shells and docks know the window.
    QApplication::setDesktopFileName(QStringLiteral("com.orvynsoft.Orvyn"));
    platform::InstallChineseTranslations(app);
    platform::RegisterFontSubstitutions();
    // The ledger store's messages are shown as message boxes.
    SetStoreMessageSink([](const QString& text, const QString& caption, unsigned flags) {
        return platform::MessageBox(nullptr, text, caption, flags);
    });

    COrvynApp orvyn;
    if (!orvyn.InitInstance(QApplication::arguments().join(QLatin1Char(' '))))
        return orvyn.ExitInstance(0);
    return orvyn.ExitInstance(QApplication::exec());
}
