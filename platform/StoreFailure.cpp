#include "platform/StoreFailure.h"

#include "database/Names.h"
#include "platform/MessageBox.h"

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
    static const QHash<QString, QString> sentences = {
        {tbl::CarList, QStringLiteral("创建汽车列表数据库库表失败！")},
        {tbl::CarProperty, QStringLiteral("创建汽车属性数据库库表失败！")},
        {tbl::PurchaseInfo, QStringLiteral("创建保险贷款信息数据库库表失败！")},
        {tbl::Refuel, QStringLiteral("创建加油记录表失败！")},
        {tbl::Repair, QStringLiteral("创建维修记录表失败！")},
        {tbl::Maintain, QStringLiteral("创建保养记录表失败！")},
        {tbl::Accident, QStringLiteral("创建事故记录表失败！")},
        {tbl::DailyCost, QStringLiteral("创建日常杂费记录表失败！")},
        {tbl::CarLog, QStringLiteral("创建日志记录表失败！")},
        {tbl::Accessory, QStringLiteral("创建汽车用品记录表失败！")},
        {tbl::InputHistory, QStringLiteral("创建输入历史记录表失败！")},
    };
    return sentences.value(table);
}

} // namespace

QString ExecuteWarning(const QString& description)
{
    const QByteArray cut = cutUtf8(description.toUtf8(), kDescriptionBuffer);
    return QString::asprintf("Warning: Execute 方法发生异常. 错误信息: %s; 文件: %s; 行: %d\n",
                             cut.constData(), kSourcePath, kSourceLine);
}

StoreMessage StoreFailureMessage(const SqlStatus& status)
{
    switch (status.code) {
    case 0:
    case store::kClosed:
    case store::kStopped:
        return {};
    case store::kCurrentCar:
        return errorBox(QStringLiteral("不能删除当前正在使用的车辆！"));
    case store::kRecordGone:
        return errorBox(QStringLiteral("这条记录已经不在账本中，无法撤销或重做。"));
    case store::kRecordTaken:
        return errorBox(QStringLiteral("账本中已有同一编号的记录，无法撤销或重做。"));
    default:
        break;
    }
    const QString sentence = StorageFaultMessage(status.code, status.writing);
    if (!sentence.isEmpty())
        return errorBox(sentence);
    if (status.writing)
        // Refused by the ledger itself (a trigger, a constraint, a missing
        // column): the user learns first that nothing was written.
        return {QStringLiteral("修改没有保存。\n") + ExecuteWarning(status.message), QString(),
                MB_OK | MB_ICONERROR};
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
        return show(QStringLiteral("数据库创建失败！") +
                    StorageFaultCause(code, StorageAction::Create));
    case LedgerOpening::OpenFailed:
        return show(QStringLiteral("数据库打开失败！") +
                    StorageFaultCause(code, StorageAction::Open));
    case LedgerOpening::TablesFailed:
        return show(tableFailure(opening.failedTable) +
                    StorageFaultCause(code, StorageAction::Write));
    case LedgerOpening::Opened:
        break;
    }
    const QString separator = QStringLiteral("、");
    if (!opening.addedColumns.isEmpty())
        show(QStringLiteral("账本文件缺少以下各列，已经补上（内容为空）：%1。")
                 .arg(opening.addedColumns.join(separator)));
    if (!opening.lostColumns.isEmpty())
        show(QStringLiteral("账本文件缺少以下各列，无法补上：%1。这些内容不能显示，"
                            "对它们的修改也不能保存。")
                 .arg(opening.lostColumns.join(separator)) +
             StorageFaultCause(code, StorageAction::Write));
}

} // namespace platform
