#include "csv/CheckCommand.h"

#include "database/DataCheck.h"
#include "database/MyDatabase.h"
#include "platform/Clock.h"
#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

int RunCheckCommand(bool noPassword, const QString& passwordFile, CsvCommandIo& io)
{
    const QString path = platform::DatabasePath();
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        io.out << QCoreApplication::translate("CommandLine",
                                              "还没有账本文件 %1，没有可以检查的记录。")
                      .arg(shown)
               << Qt::endl;
        return 0;
    }
    const std::optional<QString> key = CommandLedgerKey(noPassword, passwordFile, io);
    if (!key)
        return 1;
    CMyDatabase db;
    db.SetFilePath(path);
    db.SetOpenPassword(*key);
    // Opened as it is: the check makes no table and changes nothing.
    if (!db.Open()) {
        io.err << QCoreApplication::translate("CommandLine", "无法打开账本 %1。").arg(shown)
               << StorageFaultCause(db.Connection().LastError().code, StorageAction::Open)
               << Qt::endl;
        return 1;
    }
    std::vector<CheckFinding> findings;
    const SqlStatus checked = CheckLedgerData(db, platform::CurrentDateTime().date(), findings);
    db.Close();
    if (!checked.ok()) {
        io.err
            << QCoreApplication::translate("CommandLine", "检查没有完成：%1").arg(checked.message)
            << Qt::endl;
        return 1;
    }
    for (const CheckFinding& finding : findings)
        io.out << CheckFindingText(finding) << Qt::endl;
    if (findings.empty()) {
        io.out << QCoreApplication::translate("CommandLine", "没有发现问题。") << Qt::endl;
        return 0;
    }
    io.out
        << QCoreApplication::translate("CommandLine", "发现 %1 处可能的问题。").arg(findings.size())
        << Qt::endl;
    return 1;
}
