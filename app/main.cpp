#include "app/OrvynApp.h"
#include "platform/Fonts.h"
#include "platform/Translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("OrvynSoft"));
    QApplication::setApplicationName(QStringLiteral("Orvyn"));
    platform::InstallChineseTranslations(app);
    platform::RegisterFontSubstitutions();

    COrvynApp orvyn;
    if (!orvyn.InitInstance(QApplication::arguments().join(QLatin1Char(' '))))
        return orvyn.ExitInstance(0);
    return orvyn.ExitInstance(QApplication::exec());
}
