#include "app/CommandLineLanguage.h"

#include "platform/Language.h"

#include <QDir>
#include <QTranslator>

QString CommandLineText(const char* chinese)
{
    if (!platform::InterfaceInChinese()) {
        // No translator is installed yet: the catalogue is read here.
        const QDir catalogue(QStringLiteral(":/i18n"));
        for (const QString& file : catalogue.entryList({QStringLiteral("*_en.qm")}, QDir::Files)) {
            QTranslator translator;
            if (!translator.load(catalogue.filePath(file)))
                continue;
            const QString text = translator.translate("CommandLine", chinese);
            if (!text.isEmpty())
                return text;
        }
    }
    return QString::fromUtf8(chinese);
}
