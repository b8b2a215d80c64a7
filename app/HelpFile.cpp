#include "app/HelpFile.h"

#include "platform/Folders.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QWidget>

QString HelpFilePath(bool chinese, const QString& executableFolder)
{
    using platform::ProgramFile;
    const QString wanted = platform::ProgramFilePath(
        chinese ? ProgramFile::HelpFile : ProgramFile::EnglishHelpFile, executableFolder);
    if (QFile::exists(wanted))
        return wanted;
    const QString other = platform::ProgramFilePath(
        chinese ? ProgramFile::EnglishHelpFile : ProgramFile::HelpFile, executableFolder);
    return QFile::exists(other) ? other : wanted;
}

QString HelpFilePath()
{
    return HelpFilePath(platform::InterfaceInChinese(), platform::InstallFolder());
}

void OpenHelpFile(QWidget* parent, const QString& path)
{
    if (!QFile::exists(path)) {
        platform::MessageBox(
            parent, QCoreApplication::translate("HelpFile", "帮助文件不存在：%1").arg(path),
            platform::kCaption, platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return;
    }
    // The failure may come after the window that asked has closed.
    const QPointer<QWidget> asking(parent);
    platform::OpenLocalFile(path, [asking, path] {
        platform::MessageBox(asking,
                             QCoreApplication::translate(
                                 "HelpFile", "无法打开帮助文件：%1\n没有找到打开网页文件的程序。"
                                             "请安装一个网页浏览器，或者直接用浏览器打开这个文件。")
                                 .arg(path),
                             platform::kCaption, platform::MB_OK | platform::MB_ICONERROR);
    });
}
