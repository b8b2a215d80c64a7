#include "app/HelpFile.h"
#include "platform/Folders.h"
#include "platform/Language.h"
#include "tests/support/CoreTestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

// The guide of the interface's language, else the other one, else the path
// where the wanted one belongs; in the build tree and installed.
TEST(HelpFile, PicksTheGuideOfTheLanguageAndFallsBackToTheOther)
{
    const struct
    {
        bool chinese;
        const char* folder; // the executable's, below the temporary root
        QStringList present;
        const char* picked;
    } rows[] = {
        {true, "build", {"build/help.html", "build/help.en.html"}, "build/help.html"},
        {false, "build", {"build/help.html", "build/help.en.html"}, "build/help.en.html"},
        {true, "build", {"build/help.en.html"}, "build/help.en.html"},
        {false, "build", {"build/help.html"}, "build/help.html"},
        {true, "build", {}, "build/help.html"},
        {false, "build", {}, "build/help.en.html"},
        {false,
         "usr/bin",
         {"usr/share/orvyn/help.html", "usr/share/orvyn/help.en.html"},
         "usr/share/orvyn/help.en.html"},
        {false, "usr/bin", {"usr/share/orvyn/help.html"}, "usr/share/orvyn/help.html"},
        {false, "usr/bin", {}, "usr/share/orvyn/help.en.html"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.chinese ? "zh " : "en ") + row.folder + " " +
                     row.present.join(' ').toStdString());
        const QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir().mkpath(root.filePath(row.folder)));
        for (const QString& file : row.present)
            ASSERT_TRUE(Touch(root.filePath(file)));
        EXPECT_EQ(HelpFilePath(row.chinese, root.filePath(row.folder)), root.filePath(row.picked));
    }
}

TEST(HelpFile, FollowsTheKeptLanguageChoice)
{
    TestFolders folders; // the choice goes to this test's profile, not the user's
    ASSERT_TRUE(platform::WriteLanguageChoice(platform::LanguageChoice::English));
    EXPECT_EQ(HelpFilePath(), platform::InstallFolder() + "/help.en.html");
    ASSERT_TRUE(platform::WriteLanguageChoice(platform::LanguageChoice::Chinese));
    EXPECT_EQ(HelpFilePath(), platform::InstallFolder() + "/help.html");
}
