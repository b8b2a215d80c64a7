#include "app/HelpFile.h"

#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QFile>

QString HelpFilePath()
{
    return platform::ProgramFilePath(platform::ProgramFile::HelpFile);
}

void OpenHelpFile(QWidget* parent)
{
    const QString path = HelpFilePath();
    if (QFile::exists(path)) {
        platform::OpenUrl(path);
        return;
    }
    platform::MessageBox(parent, QStringLiteral("帮助文件不存在：") + path, platform::kCaption,
                         platform::MB_OK | platform::MB_ICONEXCLAMATION);
}
