#include "app/ExitBackup.h"

#include "database/AutoBackup.h"
#include "database/LedgerContext.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>

void BackUpLedgerAtExit(QWidget* parent, const LedgerContext& context)
{
    const ExitBackup backup =
        BackUpAtExit(context.m_database.FilePath(), context.m_backupSettings,
                     platform::CurrentDateTime(), context.m_database.LedgerKey());
    if (backup.result != ExitBackup::Failed)
        return;
    platform::MessageBox(parent,
                         QCoreApplication::translate("ExitBackup",
                                                     "退出时的自动备份没有完成：%1\n"
                                                     "账本本身完好，下次退出时会再次备份。")
                             .arg(backup.message),
                         platform::kCaption, platform::MB_OK | platform::MB_ICONWARNING);
}
