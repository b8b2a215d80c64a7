#include "app/CommandLine.h"

#include "app/CommandLineLanguage.h"
#include "app/Version.h"
#include "csv/CheckCommand.h"
#include "platform/MessageCodes.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// Qt's own options for the window that the program passes on (with one dash
// or two); all but "reverse" take a value.
const QStringList kQtOptions = {"platform", "display",         "style",       "stylesheet",
                                "session",  "qwindowgeometry", "qwindowtitle"};
const QLatin1String kQtFlag("reverse");

bool isOneOf(const QString& arg, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (arg == QLatin1String(name))
            return true;
    return false;
}

CommandLine mistaken(const QString& text)
{
    CommandLine command;
    command.action = CommandLine::Action::Mistake;
    command.mistake = text;
    return command;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine command;
    // Help and version answer whatever else is given.
    auto given = [&arguments](std::initializer_list<const char*> names) {
        return std::any_of(arguments.begin(), arguments.end(),
                           [names](const QString& arg) { return isOneOf(arg, names); });
    };
    if (given({"--help", "-h"}) || given({"--version", "-v"})) {
        command.action =
            given({"--help", "-h"}) ? CommandLine::Action::Help : CommandLine::Action::Version;
        return command;
    }

    if (given({"--check"})) {
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QString& arg = arguments[i];
            if (arg == QLatin1String("--password-file") && i + 1 < arguments.size())
                command.passwordFile = arguments[++i];
            else if (arg != QLatin1String("--check") && !arg.contains(QLatin1String("/nopassword")))
                return mistaken(QCoreApplication::translate(
                    "CommandLine", "--check 只能和 /nopassword、--password-file 一起使用。"));
        }
        command.action = CommandLine::Action::Check;
        command.noPassword =
            arguments.join(QLatin1Char(' ')).contains(QLatin1String("/nopassword"));
        return command;
    }
    // A report shares --car and --ledger with the export and import.
    if (IsReportCommand(arguments)) {
        command.report = ParseReportCommand(arguments);
        if (!command.report.mistake.isEmpty())
            return mistaken(command.report.mistake);
        command.action = CommandLine::Action::Report;
        return command;
    }
    if (IsCsvCommand(arguments)) {
        command.csv = ParseCsvCommand(arguments);
        if (!command.csv.mistake.isEmpty())
            return mistaken(command.csv.mistake);
        command.action = CommandLine::Action::Csv;
        return command;
    }
    // The window. Words that are no option are left alone.
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg.contains(QLatin1String("/nopassword")) || !arg.startsWith(QLatin1Char('-')))
            continue;
        const QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
        if (name == kQtFlag)
            continue;
        if (!kQtOptions.contains(name))
            return mistaken(
                QCoreApplication::translate("CommandLine", "不认识的选项“%1”。").arg(arg));
        if (i + 1 >= arguments.size())
            return mistaken(
                QCoreApplication::translate("CommandLine", "%1 后面缺少参数。").arg(arg));
        const QString& value = arguments[++i];
        if (name == QLatin1String("platform"))
            command.qtPlatform = value;
        else if (name == QLatin1String("display"))
            command.qtDisplay = value;
    }
    return command;
}

int RunWithoutWindow(const CommandLine& command, CsvCommandIo& io)
{
    switch (command.action) {
    case CommandLine::Action::Help:
        io.out << UsageText();
        return 0;
    case CommandLine::Action::Version:
        io.out << VersionText() << Qt::endl;
        return 0;
    case CommandLine::Action::Csv:
        return RunCsvCommand(command.csv, io);
    case CommandLine::Action::Report:
        return RunReportCommand(command.report, io);
    case CommandLine::Action::Check:
        return RunCheckCommand(command.noPassword, command.passwordFile, io);
    case CommandLine::Action::Window:
    case CommandLine::Action::Mistake:
        break;
    }
    io.err << QStringLiteral("orvyn: ") << command.mistake << Qt::endl << UsageText();
    return 2;
}

QString UsageText()
{
    return QCoreApplication::translate(
        "CommandLine",
        "用法：\n"
        "  orvyn [/nopassword]                  打开程序窗口；/nopassword：不询问启动密码\n"
        "  orvyn --export 文件夹 [--car 车辆]     把一辆车（不给 --car 时是所有车辆）的各类\n"
        "                                       记录导出为 CSV 文件\n"
        "  orvyn --import 文件或文件夹 [选项]     从 CSV 文件导入记录，先显示预览\n"
        "  orvyn --report 文件.pdf [选项]        把一辆车的档案、统计、记录和分析图写成 PDF 报表\n"
        "  orvyn --check                        检查账本里看起来有问题的记录（只报告，\n"
        "                                       不修改）；发现问题时退出码为 1\n"
        "  orvyn --help，-h                     显示这段说明\n"
        "  orvyn --version，-v                  显示程序的名称和版本\n"
        "\n"
        "导入的选项：\n"
        "  --car 车辆          导入到这辆车（名称或编号 CAR0001）；没有这辆车时新建\n"
        "  --ledger 类型       文件没有写明记录类型时用它：refuel 加油记录、repair 维修记录、\n"
        "                      maintain 保养记录、accident 事故记录、dailycost 日常杂费、\n"
        "                      accessory 汽车用品、carlog 爱车日志\n"
        "  --distance km|mi    不写单位的文件里的里程单位（默认公里；写明单位的文件按所写）\n"
        "  --volume l|usgal|impgal  不写单位的文件里的油量单位（默认升；写明单位的文件按所写）\n"
        "  --encoding 编码     文件的编码：UTF-8、GB18030、Windows-1252、UTF-16LE、UTF-16BE\n"
        "                      （默认按文件内容判断）\n"
        "  --map 栏名=字段     通用 CSV 文件的一栏（标题或从 1 起的栏号）导入为：日期、\n"
        "                      里程表、金额、单价、数量、备注、服务商、内容、不导入；可以给多次\n"
        "  --keep-duplicates   与账本里已有记录相同的行也导入（默认跳过）\n"
        "  --skip-bad-lines    有不能读的行时只导入其余的行（默认整个导入作罢）\n"
        "  --cut-long-texts    超过 10000 字的文字只导入前 10000 字（默认不导入那一行）\n"
        "  --dry-run           只显示预览，不写入任何记录\n"
        "\n"
        "报表的选项：\n"
        "  --car 车辆          报表写这辆车（名称或编号 CAR0001；默认当前车辆）\n"
        "  --from 日期         只写这一天（yyyy-mm-dd）及以后的记录\n"
        "  --to 日期           只写这一天（yyyy-mm-dd）及以前的记录\n"
        "  --ledger 类型       只写这类记录，可以给多次（默认全部七类；类型同上）\n"
        "\n"
        "导出、导入和报表的选项：\n"
        "  --password-file 文件  从文件的第一行读密码，不在终端上询问\n"
        "\n"
        "导入要么全部写入，要么什么都不写；写入前先在 backup 文件夹里做一个备份点。\n"
        "程序窗口开着时不能导出或导入同一个账本。设置了启动密码时会在终端上询问，\n"
        "给出 /nopassword 时不询问；用密码加密的账本总要询问它的密码。\n"
        "账本在数据文件夹里：$ORVYN_HOME，没有设置时为 ~/.local/share/Orvyn。\n"
        "成功时退出码为 0，参数有误时为 2，其他失败时为 1。\n",
        "usage");
}

QString VersionText()
{
    return platform::kCaption + QLatin1Char(' ') + PackageVersion();
}

QString MissingDisplayText(const CommandLine& command, const QProcessEnvironment& environment)
{
    const QString platforms = command.qtPlatform.isEmpty()
                                  ? environment.value(QStringLiteral("QT_QPA_PLATFORM"))
                                  : command.qtPlatform;
    const bool x11 = !(command.qtDisplay.isEmpty() ? environment.value(QStringLiteral("DISPLAY"))
                                                   : command.qtDisplay)
                          .isEmpty();
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    // Without a platform named (or a list of them, "wayland;xcb"), Qt takes
    // X11 or Wayland. A platform may carry options: "xcb:nograb".
    QStringList names = platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (names.isEmpty())
        names = {QStringLiteral("xcb"), QStringLiteral("wayland")};
    for (const QString& entry : names) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
        if (name == QLatin1String("xcb")                ? x11
            : name.startsWith(QLatin1String("wayland")) ? wayland
                                                        : true)
            return QString();
    }
    return NoDisplayText();
}

QString NoDisplayText()
{
    return QStringLiteral("orvyn: ") +
           CommandLineText(QT_TRANSLATE_NOOP(
               "CommandLine",
               "找不到图形显示，不能打开程序窗口（请在图形桌面上启动，或者设置 DISPLAY）。"));
}
