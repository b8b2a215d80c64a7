#include "app/CommandLineLanguage.h"

#include "platform/Language.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QTranslator>

namespace {

// The English of the command-line texts written in csv/, report/ and
// platform/, by their Chinese source text, for those the catalogue does not
// carry yet; the catalogue's own English is asked first.
const char* const kEnglish[][2] = {
    // csv/CheckCommand.cpp
    {"还没有账本文件 %1，没有可以检查的记录。", "There is no ledger %1 yet: nothing to check."},
    {"检查没有完成：%1", "The check did not finish: %1"},
    {"没有发现问题。", "Nothing looks wrong."},
    {"发现 %1 处可能的问题。", "%1 findings."},
    // csv/CsvCommand.cpp
    {"不认识的记录类型“%1”。", "unknown ledger kind '%1'"},
    {"--distance 只能是 km 或 mi。", "--distance takes km or mi"},
    {"--volume 只能是 l、usgal 或 impgal。", "--volume takes l, usgal or impgal"},
    {"--map 要写成 栏名=字段，字段是日期、里程表、金额、单价、数量、备注、服务商、内容或不导入。",
     "--map takes COLUMN=FIELD, FIELD being date, odometer, amount, price, quantity, note, "
     "provider, content or ignore"},
    {"--encoding 只能是 UTF-8、GB18030、Windows-1252、UTF-16LE 或 UTF-16BE。",
     "--encoding takes UTF-8, GB18030, Windows-1252, UTF-16LE or UTF-16BE"},
    {"不认识的参数“%1”。", "unexpected argument '%1'"},
    {"请给出 --export 或 --import 其中之一。", "give either --export or --import"},
    {"请输入启动密码：", "Start-up password: "},
    {"请输入账本密码：", "Ledger password: "},
    {"无法读取密码文件 %1。", "Cannot read the password file %1."},
    {"没有给出能打开账本的密码，程序不能继续。",
     "No password that opens the ledger was given; nothing was done."},
    {"--export 只能和 --car、--password-file 一起使用。",
     "--export takes no option but --car and --password-file"},
    {"密码错误。", "Wrong password."},
    {"没有输入正确的启动密码，程序不能继续。",
     "The start-up password was not given; nothing was done."},
    {"账本里没有车辆“%1”。", "The ledger holds no car '%1'."},
    {"账本里有不止一辆车叫“%1”，请给出车辆编号（如 CAR0001）。",
     "The ledger holds more than one car named '%1'; give its number (such as CAR0001)."},
    {"导出失败：", "Export failed: "},
    {"已导出 %1 条记录到 %2：", "Exported %1 records to %2:"},
    {"文件夹里没有 CSV 文件。", "The folder holds no CSV file."},
    {"文件没有写明记录类型，已按“%1”预览；请用 --ledger 指定"
     "（refuel、repair、maintain、accident、dailycost、accessory、carlog）。",
     "The file does not say which ledger it belongs to and was previewed as '%1'; name "
     "the ledger with --ledger (refuel, repair, maintain, accident, dailycost, accessory, "
     "carlog)."},
    {"有 %1 行不能导入，没有导入任何记录。改正这些行后再导入，"
     "或者加上 --skip-bad-lines 只导入其余的记录。",
     "%1 lines cannot be imported, so nothing was imported. Correct them and import "
     "again, or add --skip-bad-lines to import the other records only."},
    {"试运行：没有写入任何记录。", "Dry run: nothing was written."},
    {"导入失败：", "Import failed: "},
    {"已导入 %1 条记录。", "Imported %1 records."},
    {"导入前的备份：%1", " Backup point made before the import: %1"},
    {"程序正在使用这个账本（%1），请先关闭程序再导出或导入。",
     "The program has this ledger open (%1); close it before exporting or importing."},
    {"还没有账本文件 %1，没有可以导出的记录。",
     "There is no ledger file %1 yet, so there is nothing to export."},
    {"文件 %1 不存在。", "There is no file %1."},
    {"无法打开账本 %1。", "Cannot open the ledger %1."},
    // report/ReportCommand.cpp
    {"%1 的日期“%2”不对，请写成 yyyy-mm-dd，例如 2026-03-02。",
     "%1 takes a date written yyyy-mm-dd, such as 2026-03-02, not '%2'"},
    {"不认识的记录类型“%1”（可以是 refuel、repair、maintain、accident、dailycost、accessory、"
     "carlog）。",
     "unknown ledger kind '%1' (refuel, repair, maintain, accident, dailycost, accessory or "
     "carlog)"},
    {"--from 的日期晚于 --to 的日期。", "the --from date lies after the --to date"},
    {"还没有账本文件 %1，没有可以写进报表的记录。",
     "There is no ledger file %1 yet, so there is nothing to report."},
    {"程序正在使用这个账本（%1），请先关闭程序再生成报表，或者在程序里用“数据 → 导出为 PDF…”。",
     "The program has this ledger open (%1); close it first, or use 数据 → 导出为 PDF… in the "
     "program."},
    {"读取账本失败：%1", "Cannot read the ledger: %1"},
    {"账本里还没有车辆，没有可以写进报表的内容。",
     "The ledger holds no car yet, so there is nothing to report."},
    {"账本里没有当前车辆，请用 --car 指定车辆。",
     "The ledger has no current car; name one with --car."},
    {"无法写入文件 %1：%2", "Cannot write the file %1: %2"},
    {"报表没有写成：%1", "The report was not written: %1"},
    {"已把 %1 条记录写进报表 %2（共 %3 页）。", "Wrote %1 records into the report %2 (%3 pages)."},
    // platform/StoredPassword.cpp
    {"无法读取设置文件 %1，不能核对启动密码。请让该文件可以读取后重新启动，或者用 /nopassword "
     "启动程序。",
     "Cannot read the settings file %1, so the start-up password cannot be checked. Make the "
     "file readable and start again, or start the program with /nopassword."},
};

QString english(const char* source)
{
    static const QHash<QByteArray, QString> texts = [] {
        QHash<QByteArray, QString> map;
        for (const auto& [key, text] : kEnglish)
            map.insert(key, QString::fromUtf8(text));
        return map;
    }();
    return texts.value(source);
}

class EnglishTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        return qstrcmp(context, "CommandLine") == 0 ? english(source) : QString();
    }
};

} // namespace

void InstallCommandLineLanguage(QCoreApplication& app)
{
    // Installed first, asked last: the catalogue's English goes before it.
    if (!platform::InterfaceInChinese())
        QCoreApplication::installTranslator(new EnglishTexts(&app));
    platform::InstallInterfaceLanguage(app);
}

QString CommandLineText(const char* chinese)
{
    if (!platform::InterfaceInChinese()) {
        // No translator is installed yet: the catalogue is read here.
        const QDir catalogue(QStringLiteral(":/i18n"));
        for (const QString& file : catalogue.entryList({QStringLiteral("*_en.qm")}, QDir::Files)) {
            QTranslator translator;
            if (!translator.load(catalogue.filePath(file)))
                continue;
            const QString text = translator.translate("CommandLine", chinese);
            if (!text.isEmpty())
                return text;
        }
    }
    return QString::fromUtf8(chinese);
}
