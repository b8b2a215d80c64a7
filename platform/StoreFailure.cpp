#include "platform/StoreFailure.h"

#include "database/Names.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QHash>

namespace platform {

namespace {

const char* const kSourcePath = ".\\database\\ExtAdo";
constexpr int kSourceLine = 526;
constexpr int kDescriptionBuffer = 1024;

// Cuts UTF-8 text to fit a buffer of the given size (terminator included)
// without splitting a character.
QByteArray cutUtf8(QByteArray text, int bufferSize)
{
    if (text.size() < bufferSize)
        return text;
    int end = bufferSize - 1;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.truncate(end);
    return text;
}

StoreMessage errorBox(const QString& text)
{
    return {text, kCaption, MB_OK | MB_ICONERROR};
}

// The sentence of a table that could not be created.
QString tableFailure(const QString& table)
{
    static const QHash<QString, const char*> sentences = {
        {tbl::CarList, QT_TRANSLATE_NOOP("StoreFailure", "创建汽车列表数据库库表失败！")},
        {tbl::CarProperty, QT_TRANSLATE_NOOP("StoreFailure", "创建汽车属性数据库库表失败！")},
        {tbl::PurchaseInfo, QT_TRANSLATE_NOOP("StoreFailure", "创建保险贷款信息数据库库表失败！")},
        {tbl::Refuel, QT_TRANSLATE_NOOP("StoreFailure", "创建加油记录表失败！")},
        {tbl::Repair, QT_TRANSLATE_NOOP("StoreFailure", "创建维修记录表失败！")},
        {tbl::Maintain, QT_TRANSLATE_NOOP("StoreFailure", "创建保养记录表失败！")},
        {tbl::Accident, QT_TRANSLATE_NOOP("StoreFailure", "创建事故记录表失败！")},
        {tbl::DailyCost, QT_TRANSLATE_NOOP("StoreFailure", "创建日常杂费记录表失败！")},
        {tbl::CarLog, QT_TRANSLATE_NOOP("StoreFailure", "创建日志记录表失败！")},
        {tbl::Accessory, QT_TRANSLATE_NOOP("StoreFailure", "创建汽车用品记录表失败！")},
        {tbl::InputHistory, QT_TRANSLATE_NOOP("StoreFailure", "创建输入历史记录表失败！")},
    };
    const char* sentence = sentences.value(table);
    return sentence ? QCoreApplication::translate("StoreFailure", sentence) : QString();
}

} // namespace

QString ExecuteWarning(const QString& description)
{
    const QByteArray cut = cutUtf8(description.toUtf8(), kDescriptionBuffer);
    return QCoreApplication::translate(
               "StoreFailure", "Warning: Execute 方法发生异常. 错误信息: %1; 文件: %2; 行: %3\n")
        .arg(QString::fromUtf8(cut), QLatin1String(kSourcePath), QString::number(kSourceLine));
}

StoreMessage StoreFailureMessage(const SqlStatus& status)
{
    switch (status.code) {
    case 0:
    case store::kClosed:
    case store::kStopped:
        return {};
    case store::kCurrentCar:
        return errorBox(
            QCoreApplication::translate("StoreFailure", "不能删除当前正在使用的车辆！"));
    case store::kRecordGone:
        return errorBox(QCoreApplication::translate("StoreFailure",
                                                    "这条记录已经不在账本中，无法撤销或重做。"));
    case store::kRecordTaken:
        return errorBox(QCoreApplication::translate("StoreFailure",
                                                    "账本中已有同一编号的记录，无法撤销或重做。"));
    default:
        break;
    }
    const QString sentence = StorageFaultMessage(status.code, status.writing);
    if (!sentence.isEmpty())
        return errorBox(sentence);
    if (status.writing)
        // Refused by the ledger itself (a trigger, a constraint, a missing
        // column): the user learns first that nothing was written.
        return {QCoreApplication::translate("StoreFailure", "修改没有保存。\n%1")
                    .arg(ExecuteWarning(status.message)),
                QString(), MB_OK | MB_ICONERROR};
    return {ExecuteWarning(status.message), QString(), MB_OK};
}

bool ShowStoreFailure(const SqlStatus& status, QWidget* parent)
{
    if (status.ok())
        return false;
    const StoreMessage message = StoreFailureMessage(status);
    if (!message.text.isEmpty())
        MessageBox(parent, message.text, message.caption, message.flags);
    return true;
}

void ShowLedgerOpening(const LedgerOpening& opening, QWidget* parent)
{
    const auto show = [parent](const QString& text) {
        MessageBox(parent, text, kCaption, MB_OK | MB_ICONERROR);
    };
    const int code = opening.status.code;
    switch (opening.step) {
    case LedgerOpening::CreateFailed:
        return show(QCoreApplication::translate("StoreFailure", "数据库创建失败！%1")
                        .arg(StorageFaultCause(code, StorageAction::Create)));
    case LedgerOpening::OpenFailed:
        return show(QCoreApplication::translate("StoreFailure", "数据库打开失败！%1")
                        .arg(StorageFaultCause(code, StorageAction::Open)));
    case LedgerOpening::TablesFailed:
        return show(tableFailure(opening.failedTable) +
                    StorageFaultCause(code, StorageAction::Write));
    case LedgerOpening::Opened:
        break;
    }
    const QString separator = QCoreApplication::translate("StoreFailure", "、");
    if (!opening.addedColumns.isEmpty())
        show(QCoreApplication::translate("StoreFailure",
                                         "账本文件缺少以下各列，已经补上（内容为空）：%1。")
                 .arg(opening.addedColumns.join(separator)));
    if (!opening.lostColumns.isEmpty())
        show(QCoreApplication::translate("StoreFailure",
                                         "账本文件缺少以下各列，无法补上：%1。这些内容不能显示，"
                                         "对它们的修改也不能保存。%2")
                 .arg(opening.lostColumns.join(separator),
                      StorageFaultCause(code, StorageAction::Write)));
}

} // namespace platform
