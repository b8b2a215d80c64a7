#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/MessageEvent.h"
#include "platform/Profile.h"
#include "platform/Translations.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {
class Receiver : public QObject
{
public:
    std::vector<std::pair<int, qintptr>> seen;
    bool event(QEvent* e) override
    {
        if (e->type() < QEvent::User)
            return QObject::event(e);
        auto* m = static_cast<CMessageEvent*>(e);
        seen.emplace_back(m->message(), m->lParam());
        m->setResult(m->wParam() * 2);
        return true;
    }
};
} // namespace

TEST(Platform, MessagesCarryParametersAndAnswers)
{
    Receiver r;
    EXPECT_EQ(SendMessage(&r, WM_PAGE_SHOW, 21, 1), 42);
    PostMessage(&r, WM_VERSION_NOTICE, 0, 7);
    EXPECT_EQ(r.seen.size(), 1u);
    QCoreApplication::sendPostedEvents(&r);
    ASSERT_EQ(r.seen.size(), 2u);
    EXPECT_EQ(r.seen[0], std::make_pair(0x0464, qintptr(1)));
    EXPECT_EQ(r.seen[1], std::make_pair(0x0D98, qintptr(7)));
    EXPECT_EQ(SendMessage(nullptr, WM_PAGE_SHOW), 0);
}

TEST(Platform, StandardButtonsReadChinese)
{
    ASSERT_TRUE(InstallChineseTranslations(*QCoreApplication::instance()));
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No | QDialogButtonBox::Apply);
    EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text().remove('&'), "确定");
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'), "取消");
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().remove('&'), "是");
    EXPECT_EQ(box.button(QDialogButtonBox::No)->text().remove('&'), "否");
    EXPECT_EQ(box.button(QDialogButtonBox::Apply)->text().remove('&'), "应用");
}

// A box with a short text is still wide enough for its title, and a long
// title widens it.
TEST(Platform, MessageBoxesAreWideEnoughForTheirTitle)
{
    const QString longTitle = QString(40, QChar(0x8D26));
    const int longWidth = QFontMetrics(QApplication::font()).horizontalAdvance(longTitle);
    for (const auto& [title, least] :
         {std::pair{QStringLiteral("Qinmo"), kMinimumBoxWidth}, std::pair{longTitle, longWidth}}) {
        int width = 0;
        QTimer::singleShot(0, [&width] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            width = box->width();
            box->close();
        });
        MessageBox(nullptr, QStringLiteral("程序已经运行！"), title, MB_OK);
        EXPECT_GE(width, least) << title.toStdString();
    }
}

TEST(Platform, FoldersProfileClockAndFonts)
{
    TestFolders folders;
    EXPECT_EQ(DataFolder(), folders.data());
    EXPECT_EQ(DatabasePath(), folders.data() + "/config/CAR.mdb");
    EXPECT_EQ(BackupFolder(), folders.data() + "/backup");

    EXPECT_EQ(GetProfileString("User", "Pin", "none"), "none");
    EXPECT_TRUE(WriteProfileString("User", "Pin", "秘密"));
    EXPECT_EQ(GetProfileString("User", "Pin"), "秘密");
    // A profile that can be neither read nor written (a folder in its place):
    // an unsaved value is neither read back nor written once the file can be
    // written again.
    const QString file = folders.config() + "/OrvynSoft/Orvyn.conf";
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));
    EXPECT_FALSE(WriteProfileString("User", "Pin", "新的"));
    EXPECT_FALSE(WriteProfileString("User", "Other", "x"));
    EXPECT_EQ(GetProfileString("User", "Pin", "absent"), "absent");
    EXPECT_EQ(GetProfileString("User", "Other", "absent"), "absent");
    ASSERT_TRUE(QDir(file).removeRecursively());
    EXPECT_TRUE(WriteProfileString("User", "Third", "y"));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray contents = written.readAll();
    EXPECT_FALSE(contents.contains("Other"));
    EXPECT_FALSE(contents.contains("x65b0")) << contents.constData();

    SetClock([] { return QDateTime(QDate(2024, 2, 29), QTime(8, 30)); });
    EXPECT_EQ(CurrentDate(), QDate(2024, 2, 29));
    SetClock({});
    EXPECT_NE(CurrentDate(), QDate(2024, 2, 29));

    RegisterFontSubstitutions();
    EXPECT_EQ(QFontInfo(QFont("宋体")).family(), "Noto Sans Mono CJK SC");
    EXPECT_EQ(QFontInfo(QFont("黑体")).family(), "Noto Sans CJK SC");
}

TEST(Platform, ProgramFilesAreFoundBesideTheExecutableOrInTheInstalledLayout)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString r = root.path();
    const auto touch = [](const QString& path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };

    // The build tree: everything beside the executable, even in a folder named bin.
    for (const QString name : {"orvyn", "restore", "help.html"})
        ASSERT_TRUE(touch(r + "/build/bin/" + name));
    EXPECT_EQ(ProgramFilePath(ProgramFile::RestoreProgram, r + "/build/bin"),
              r + "/build/bin/restore");
    EXPECT_EQ(ProgramFilePath(ProgramFile::HelpFile, r + "/build/bin/"),
              r + "/build/bin/help.html");
    EXPECT_EQ(ProgramFilePath(ProgramFile::Program, r + "/build/bin"), r + "/build/bin/orvyn");

    // Installed below a prefix: the program in bin/ finds the restore program
    // and the help file, the restore program in lib/orvyn/ finds the program.
    for (const QString path : {"bin/orvyn", "lib/orvyn/restore", "share/orvyn/help.html"})
        ASSERT_TRUE(touch(r + "/usr/" + path));
    EXPECT_EQ(ProgramFilePath(ProgramFile::RestoreProgram, r + "/usr/bin"),
              r + "/usr/lib/orvyn/restore");
    EXPECT_EQ(ProgramFilePath(ProgramFile::HelpFile, r + "/usr/bin"),
              r + "/usr/share/orvyn/help.html");
    EXPECT_EQ(ProgramFilePath(ProgramFile::Program, r + "/usr/lib/orvyn"), r + "/usr/bin/orvyn");

    // Missing files are named where they belong: below the prefix when
    // installed, beside the executable in any other folder; a file of the
    // same name in the working folder is never taken.
    ASSERT_TRUE(touch(r + "/opt/bin/orvyn"));
    ASSERT_TRUE(touch(r + "/cwd/help.html"));
    ASSERT_TRUE(touch(r + "/cwd/restore"));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(r + "/cwd"));
    EXPECT_EQ(ProgramFilePath(ProgramFile::HelpFile, r + "/opt/bin"),
              r + "/opt/share/orvyn/help.html");
    EXPECT_EQ(ProgramFilePath(ProgramFile::RestoreProgram, r + "/opt/bin"),
              r + "/opt/lib/orvyn/restore");
    EXPECT_EQ(ProgramFilePath(ProgramFile::HelpFile, r + "/tools"), r + "/tools/help.html");
    EXPECT_EQ(ProgramFilePath(ProgramFile::HelpFile), InstallFolder() + "/help.html");
    QDir::setCurrent(previous);

    // A folder in place of a file is no file.
    ASSERT_TRUE(QDir().mkpath(r + "/dirs/bin/help.html"));
    EXPECT_EQ(ProgramFilePath(ProgramFile::HelpFile, r + "/dirs/bin"),
              r + "/dirs/share/orvyn/help.html");
}
