#include "app/OrvynApp.h"
#include "database/StoreReport.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
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
