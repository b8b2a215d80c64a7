#include "platform/Translations.h"

#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {
namespace {

// Qt's own catalogue reads "是(&Y)" and "否(&N)"; the program's buttons read
// plainly "是" and "否".
class ButtonTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "QPlatformTheme") == 0) {
            if (qstrcmp(source, "&Yes") == 0)
                return QStringLiteral("是");
            if (qstrcmp(source, "&No") == 0)
                return QStringLiteral("否");
        }
        return QString();
    }
};

} // namespace

bool InstallChineseTranslations(QCoreApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(&app);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), dir)) {
        delete translator;
        return false;
    }
    // Installed last, so asked first.
    return QCoreApplication::installTranslator(translator) &&
           QCoreApplication::installTranslator(new ButtonTexts(&app));
}

QStringList EnglishCatalogue()
{
    const QDir catalogue(QStringLiteral(":/i18n"));
    QStringList paths;
    for (const QString& file : catalogue.entryList({QStringLiteral("*_en.qm")}, QDir::Files))
        paths << catalogue.filePath(file);
    return paths;
}

bool InstallEnglishTranslations(QCoreApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList files = EnglishCatalogue();
    bool all = !files.isEmpty();
    for (const QString& file : files) {
        auto* translator = new QTranslator(&app);
        if (translator->load(file) && QCoreApplication::installTranslator(translator))
            continue;
        delete translator;
        all = false;
    }
    return all;
}

bool InstallInterfaceLanguage(QCoreApplication& app)
{
    return InterfaceInChinese() ? InstallChineseTranslations(app)
                                : InstallEnglishTranslations(app);
}

} // namespace platform
