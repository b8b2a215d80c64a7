// The English catalogue against the code: lupdate reads each folder's sources
// into a copy of the folder's .ts file, and every text it finds must have an
// English translation that keeps the text's arguments (%1, %n, %.2f ...).
#include "platform/Language.h"
#include "platform/Profile.h"
#include "platform/Translations.h"
#include "tests/support/TestEnvironment.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QList<Message> readCatalogue(const QString& path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            message = Message{context, {}, {}, false};
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            message.finished = type.isEmpty();
            if (type != QLatin1String("vanished") && type != QLatin1String("obsolete"))
                messages << message;
        }
    }
    return messages;
}

// A text's arguments: Qt's %1 and %n in any order, then printf's %.2f, %d,
// %s ... (texts formatted by asprintf) in the order they are given.
QStringList arguments(const QString& text)
{
    static const QRegularExpression argument(
        QStringLiteral("(%L?[0-9]+|%n)|%[-+ #0]*[0-9]*(?:\\.[0-9]+)?l{0,2}[dfsuxc]"));
    QStringList numbered, printed;
    for (auto it = argument.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        (match.hasCaptured(1) ? numbered : printed) << match.captured();
    }
    numbered.sort();
    return numbered + printed;
}

bool hasChinese(const QString& text)
{
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return han.match(text).hasMatch();
}

// What the catalogue of one folder lacks, a line for each text.
QStringList faultsOf(const QString& folder)
{
    QStringList faults;
    QTemporaryDir dir;
    const QString ts = dir.filePath(folder + QStringLiteral("_en.ts"));
    QFile::copy(QStringLiteral(ORVYN_SOURCE_DIR "/res/i18n/") + folder + QStringLiteral("_en.ts"),
                ts);
    QProcess lupdate;
    lupdate.start(QStringLiteral(ORVYN_LUPDATE),
                  QString::fromLatin1(ORVYN_LUPDATE_OPTIONS).split(QLatin1Char(' ')) +
                      QStringList{QStringLiteral(ORVYN_SOURCE_DIR "/") + folder,
                                  QStringLiteral("-ts"), ts});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0)
        return {folder + QStringLiteral(": lupdate failed")};
    // lupdate's own complaints: a text it cannot place in a context.
    for (const QString& line : QString::fromUtf8(lupdate.readAllStandardError()).split('\n')) {
        if (!line.trimmed().isEmpty() && !line.contains(QLatin1String("Qualifying with unknown")))
            faults << line.section(QLatin1Char('/'), -2);
    }
    for (const Message& m : readCatalogue(ts)) {
        const QString where = folder + QStringLiteral(": ") + m.context + QStringLiteral(": ") +
                              m.source;
        if (!m.finished || m.translation.isEmpty())
            faults << where + QStringLiteral(" has no English");
        else if (hasChinese(m.translation) && m.translation != m.source)
            faults << where + QStringLiteral(" is not English: ") + m.translation;
        else if (arguments(m.source) != arguments(m.translation))
            faults << where + QStringLiteral(" loses or adds arguments: ") + m.translation;
    }
    return faults;
}

} // namespace

TEST(TranslationCatalogue, EveryTextHasItsEnglishWithTheSameArguments)
{
    QStringList faults;
    const QStringList folders = QString::fromLatin1(ORVYN_TRANSLATED_FOLDERS).split(QLatin1Char(' '));
    for (const QString& folder : folders)
        faults << faultsOf(folder);
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n"
                                  << faults.join(QLatin1Char('\n')).toStdString();
}

TEST(TranslationCatalogue, TheKeptChoiceOrTheLocaleDecidesTheLanguage)
{
    TestFolders folders;
    using platform::LanguageChoice;
    const auto locale = [](QStringList variables) {
        QProcessEnvironment environment;
        for (const QString& v : variables)
            environment.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
        return environment;
    };
    const struct
    {
        const char* kept;
        QStringList variables;
        bool chinese;
    } rows[] = {
        {nullptr, {"LANG=zh_CN.UTF-8"}, true},
        {nullptr, {"LANG=en_GB.UTF-8"}, false},
        {nullptr, {}, false},
        {"system", {"LANG=zh_TW.UTF-8"}, true},
        {"zh", {"LANG=de_DE.UTF-8"}, true},
        {"en", {"LANG=zh_CN.UTF-8"}, false},
        {"klingon", {"LANG=zh_CN.UTF-8"}, true},
    };
    for (const auto& row : rows) {
        if (row.kept)
            platform::WriteProfileString(QStringLiteral("Settings"), QStringLiteral("Language"),
                                         QString::fromLatin1(row.kept));
        EXPECT_EQ(platform::InterfaceInChinese(platform::ReadLanguageChoice(), locale(row.variables)),
                  row.chinese)
            << (row.kept ? row.kept : "(none)") << " " << row.variables.join(' ').toStdString();
    }
    for (LanguageChoice choice :
         {LanguageChoice::English, LanguageChoice::Chinese, LanguageChoice::System}) {
        ASSERT_TRUE(platform::WriteLanguageChoice(choice));
        EXPECT_EQ(platform::ReadLanguageChoice(), choice);
    }
}
