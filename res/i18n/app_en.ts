<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于 %1 </source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>私家车费用管理账本</source>
        <translation>A ledger of what your car costs</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>账本与备份所在的文件夹，以及使用帮助：</source>
        <translation>Where your ledger and backups are, and help:</translation>
    </message>
    <message>
        <source>数据文件夹</source>
        <translation>Data folder</translation>
    </message>
    <message>
        <source>使用帮助</source>
        <translation>User guide</translation>
    </message>
</context>
<context>
    <name>CDlgDataCheck</name>
    <message>
        <source>数据检查</source>
        <translation>Data check</translation>
    </message>
    <message>
        <source>车辆</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>账本</source>
        <translation>Ledger</translation>
    </message>
    <message>
        <source>记录</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>问题</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>Check results</translation>
    </message>
    <message>
        <source>检查只报告看起来有问题的记录，不修改任何数据。点击一项可转到该记录。</source>
        <translation>The check only reports records that look wrong and changes nothing. Click an item to go to its record.</translation>
    </message>
    <message>
        <source>重新检查</source>
        <translation>Check again</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>账本没有打开，无法检查。</source>
        <translation>The ledger is not open, so it cannot be checked.</translation>
    </message>
    <message>
        <source>检查没有完成。</source>
        <translation>The check did not finish.</translation>
    </message>
    <message>
        <source>没有发现问题。</source>
        <translation>Nothing looks wrong.</translation>
    </message>
    <message>
        <source>发现 %1 处可能的问题。</source>
        <translation>Possible problems found: %1.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>账本文件是只读的，修改将无法保存：%1</source>
        <translation>The ledger file is read-only, so changes cannot be saved: %1</translation>
    </message>
    <message>
        <source>请选择或创建管理车辆</source>
        <translation>Choose or add a car</translation>
    </message>
    <message>
        <source>（只读）</source>
        <translation> (read-only)</translation>
    </message>
    <message>
        <source>车辆 %1 已不存在，这条记录无法在账本中显示。</source>
        <translation>The car %1 no longer exists, so this record cannot be shown in the ledger.</translation>
    </message>
    <message>
        <source>这条记录属于车辆“%1”，请先在“车辆管理”中把它设为当前车辆。</source>
        <translation>This record belongs to the car “%1”. Make it the current car under Cars first.</translation>
    </message>
    <message>
        <source>没有找到这条记录，它可能已被删除，请重新检查。</source>
        <translation>This record was not found; it may have been deleted. Please check again.</translation>
    </message>
    <message>
        <source>确定要退出程序吗?</source>
        <translation>Do you really want to quit?</translation>
    </message>
    <message>
        <source>升级提示</source>
        <translation>New version</translation>
    </message>
    <message>
        <source>您好，系统检测到新版本，请右键点击任务栏中的图标，在弹出菜单中选择“在线升级”选项，下载最新版本！</source>
        <translation>A new version is out! Right-click the icon in the taskbar and choose “Online upgrade” to download it.</translation>
    </message>
    <message>
        <source>%1【%2】</source>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>CMsgTipWnd</name>
    <message>
        <source>我知道啦!</source>
        <translation>Got it!</translation>
    </message>
</context>
<context>
    <name>COrvynView</name>
    <message>
        <source>爱车靓照</source>
        <translation>Car photo</translation>
    </message>
    <message>
        <source>功能管理区</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>欢迎使用 Qinmo！</source>
        <translation>Welcome to Qinmo!</translation>
    </message>
    <message>
        <source>账本里还没有车辆。先添加一辆车，然后就可以记下它的加油、维修、保养和各项费用。</source>
        <translation>No car in the ledger yet. Add one, then note its refuelling, repairs, maintenance and other costs.</translation>
    </message>
    <message>
        <source>添加第一辆车</source>
        <translation>Add the first car</translation>
    </message>
</context>
<context>
    <name>CUpdateCheck</name>
    <message>
        <source>抱歉，无法获取到服务器上的版本信息，请检查网络！</source>
        <translation>Sorry, the version could not be read from the server. Please check the network!</translation>
    </message>
    <message>
        <source>此版本已经是最新版本，无需升级！</source>
        <translation>This version is the latest; there is nothing to update!</translation>
    </message>
    <message>
        <source>发现有新版本，是否现在下载最新版本？</source>
        <translation>A new version is available. Download it now?</translation>
    </message>
    <message>
        <source>您的版本已经是最新版本，无需升级！</source>
        <translation>Your version is the latest; there is nothing to update!</translation>
    </message>
    <message>
        <source>该版本已经是最新版本，无需升级！</source>
        <translation>This version is already the latest; there is nothing to update!</translation>
    </message>
</context>
<context>
    <name>CareReminderQueue</name>
    <message>
        <source>保养提醒</source>
        <translation>Service due</translation>
    </message>
    <message>
        <source>【%1】%2：%3（%4）</source>
        <translation>[%1] %2: %3 (%4)</translation>
    </message>
    <message>
        <source>另有 %1 项保养提醒已到期，请在“设置 → 保养提醒”中查看。</source>
        <translation>More maintenance reminders are due: %1. See Settings → Reminders.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--check 只能和 /nopassword、--password-file 一起使用。</source>
        <translation>--check takes no option but /nopassword and --password-file</translation>
    </message>
    <message>
        <source>不认识的选项“%1”。</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 后面缺少参数。</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>用法：
  orvyn [/nopassword]                  打开程序窗口；/nopassword：不询问启动密码
  orvyn --export 文件夹 [--car 车辆]     把一辆车（不给 --car 时是所有车辆）的各类
                                       记录导出为 CSV 文件
  orvyn --import 文件或文件夹 [选项]     从 CSV 文件导入记录，先显示预览
  orvyn --report 文件.pdf [选项]        把一辆车的档案、统计、记录和分析图写成 PDF 报表
  orvyn --check                        检查账本里看起来有问题的记录（只报告，
                                       不修改）；发现问题时退出码为 1
  orvyn --help，-h                     显示这段说明
  orvyn --version，-v                  显示程序的名称和版本

导入的选项：
  --car 车辆          导入到这辆车（名称或编号 CAR0001）；没有这辆车时新建
  --ledger 类型       文件没有写明记录类型时用它：refuel 加油记录、repair 维修记录、
                      maintain 保养记录、accident 事故记录、dailycost 日常杂费、
                      accessory 汽车用品、carlog 爱车日志
  --distance km|mi    不写单位的文件里的里程单位（默认公里；写明单位的文件按所写）
  --volume l|usgal|impgal  不写单位的文件里的油量单位（默认升；写明单位的文件按所写）
  --encoding 编码     文件的编码：UTF-8、GB18030、Windows-1252、UTF-16LE、UTF-16BE
                      （默认按文件内容判断）
  --map 栏名=字段     通用 CSV 文件的一栏（标题或从 1 起的栏号）导入为：日期、
                      里程表、金额、单价、数量、备注、服务商、内容、不导入；可以给多次
  --keep-duplicates   与账本里已有记录相同的行也导入（默认跳过）
  --skip-bad-lines    有不能读的行时只导入其余的行（默认整个导入作罢）
  --cut-long-texts    超过 10000 字的文字只导入前 10000 字（默认不导入那一行）
  --dry-run           只显示预览，不写入任何记录

报表的选项：
  --car 车辆          报表写这辆车（名称或编号 CAR0001；默认当前车辆）
  --from 日期         只写这一天（yyyy-mm-dd）及以后的记录
  --to 日期           只写这一天（yyyy-mm-dd）及以前的记录
  --ledger 类型       只写这类记录，可以给多次（默认全部七类；类型同上）

导出、导入和报表的选项：
  --password-file 文件  从文件的第一行读密码，不在终端上询问

导入要么全部写入，要么什么都不写；写入前先在 backup 文件夹里做一个备份点。
程序窗口开着时不能导出或导入同一个账本。设置了启动密码时会在终端上询问，
给出 /nopassword 时不询问；用密码加密的账本总要询问它的密码。
账本在数据文件夹里：$ORVYN_HOME，没有设置时为 ~/.local/share/Orvyn。
成功时退出码为 0，参数有误时为 2，其他失败时为 1。
</source>
        <comment>usage</comment>
        <translation>Usage:
  orvyn [/nopassword]                  open the program window; /nopassword: do not
                                       ask for the start-up password
  orvyn --export FOLDER [--car CAR]    export the records of one car (of every car
                                       without --car) as CSV files
  orvyn --import FILE|FOLDER [OPTIONS] import records from CSV files, after a preview
  orvyn --report FILE.pdf [OPTIONS]    write a car&apos;s profile, figures, records and
                                       analysis charts as a PDF report
  orvyn --check                        report the records that look wrong (nothing is
                                       changed); exit status 1 when there are any
  orvyn --help, -h                     show this help
  orvyn --version, -v                  show the program&apos;s name and version

Import options:
  --car CAR           import into this car (its name, or its number such as
                      CAR0001); a car of that name is made when there is none
  --ledger KIND       the ledger of files that do not name one: refuel, repair,
                      maintain, accident, dailycost, accessory, carlog
  --distance km|mi    the distance unit of files that do not state theirs
                      (default: kilometres)
  --volume l|usgal|impgal  the volume unit of files that do not state theirs
                      (default: litres)
  --encoding NAME     the encoding of the files: UTF-8, GB18030, Windows-1252,
                      UTF-16LE, UTF-16BE (default: told from the files)
  --map COLUMN=FIELD  what a column of a generic CSV file (its header, or its
                      number from 1) is imported as: date, odometer, amount,
                      price, quantity, note, provider, content, ignore; may be
                      given more than once
  --keep-duplicates   also import lines equal to records in the ledger (default:
                      skip them)
  --skip-bad-lines    import the other lines when some cannot be read (default:
                      import nothing)
  --cut-long-texts    import the first 10000 characters of a longer text
                      (default: refuse its line)
  --dry-run           show the preview only, write nothing

Report options:
  --car CAR           report this car (its name or number; default: the current car)
  --from DATE         only records of this day (yyyy-mm-dd) and later
  --to DATE           only records of this day (yyyy-mm-dd) and earlier
  --ledger KIND       only records of this ledger, may be given more than once
                      (default: all seven; kinds as above)

Export, import and report options:
  --password-file FILE  read the password from the file&apos;s first line instead of
                      asking on the terminal

An import writes all of its records or none, after making a backup point in the
folder backup. Nothing can be exported or imported while the program window has
the ledger open. A start-up password, when one is set, is asked for on the
terminal unless /nopassword is given; a ledger encrypted with its password
always asks for that password.
The ledger lies in the data folder: $ORVYN_HOME, else ~/.local/share/Orvyn.
Exit status: 0 on success, 2 for a mistake in the arguments, 1 for any other
failure.
</translation>
    </message>
    <message>
        <source>找不到图形显示，不能打开程序窗口（请在图形桌面上启动，或者设置 DISPLAY）。</source>
        <translation>no display found, the program window cannot open (start it on a graphical desktop, or set DISPLAY)</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>%1(&amp;U)</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <source>%1(&amp;R)</source>
        <translation>&amp;%1</translation>
    </message>
</context>
<context>
    <name>ExitBackup</name>
    <message>
        <source>退出时的自动备份没有完成：%1
账本本身完好，下次退出时会再次备份。</source>
        <translation>The automatic backup at exit did not finish: %1
The ledger itself is intact; it will be backed up again at the next exit.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>帮助文件不存在：%1</source>
        <translation>The help file does not exist: %1</translation>
    </message>
    <message>
        <source>无法打开帮助文件：%1
没有找到打开网页文件的程序。请安装一个网页浏览器，或者直接用浏览器打开这个文件。</source>
        <translation>Cannot open the help file: %1
No program to open web pages was found. Please install a web browser, or open the file in a browser yourself.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>车辆管理(&amp;C)</source>
        <translation>&amp;Cars</translation>
    </message>
    <message>
        <source>爱车档案(&amp;P)</source>
        <translation>Car &amp;profile</translation>
    </message>
    <message>
        <source>购入信息(&amp;B)</source>
        <translation>P&amp;urchase</translation>
    </message>
    <message>
        <source>系统设置(&amp;Y)</source>
        <translation>S&amp;ystem</translation>
    </message>
    <message>
        <source>密码设置(&amp;W)</source>
        <translation>Pass&amp;word</translation>
    </message>
    <message>
        <source>输入记录(&amp;I)</source>
        <translation>&amp;Input history</translation>
    </message>
    <message>
        <source>备份与恢复(&amp;R)</source>
        <translation>Backup and &amp;restore</translation>
    </message>
    <message>
        <source>保养提醒(&amp;M)</source>
        <translation>Re&amp;minders</translation>
    </message>
    <message>
        <source>退出系统(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>数据(&amp;D)</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>导出为 CSV(&amp;E)…</source>
        <translation>&amp;Export as CSV…</translation>
    </message>
    <message>
        <source>从 CSV 导入(&amp;I)…</source>
        <translation>&amp;Import from CSV…</translation>
    </message>
    <message>
        <source>打印(&amp;P)…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>导出为 PDF(&amp;F)…</source>
        <translation>Export as PD&amp;F…</translation>
    </message>
    <message>
        <source>数据检查(&amp;C)…</source>
        <translation>&amp;Check data…</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>检查新版本(&amp;U)</source>
        <translation>Check for &amp;updates</translation>
    </message>
</context>
<context>
    <name>PasswordGate</name>
    <message>
        <source>账本已用密码加密，只有密码能打开它：/nopassword 不能跳过密码。</source>
        <translation>The ledger is encrypted with a password and only that password opens it: /nopassword cannot skip it.</translation>
    </message>
</context>
<context>
    <name>Remind</name>
    <message>
        <source>系统信息</source>
        <translation>System</translation>
    </message>
    <message>
        <source>事件提醒</source>
        <translation>Reminder</translation>
    </message>
</context>
</TS>
