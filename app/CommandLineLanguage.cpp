#include "app/CommandLineLanguage.h"

#include "platform/Language.h"
#include "platform/Translations.h"

#include <QTranslator>

QString CommandLineText(const char* chinese)
{
    if (!platform::InterfaceInChinese()) {
        // No translator is installed yet: the catalogue is read here.
        for (const QString& file : platform::EnglishCatalogue()) {
            QTranslator translator;
            if (!translator.load(file))
                continue;
            const QString text = translator.translate("CommandLine", chinese);
            if (!text.isEmpty())
                return text;
        }
    }
    return QString::fromUtf8(chinese);
}
