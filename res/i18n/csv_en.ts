<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CDlgCsvExport</name>
    <message>
        <source>导出为 CSV</source>
        <translation>Export as CSV</translation>
    </message>
    <message>
        <source>导出哪些车辆的记录</source>
        <translation>Export the records of</translation>
    </message>
    <message>
        <source>当前车辆（没有选择当前车辆）</source>
        <translation>The current car (no car is chosen)</translation>
    </message>
    <message>
        <source>当前车辆：%1</source>
        <translation>The current car: %1</translation>
    </message>
    <message>
        <source>所有车辆</source>
        <translation>All cars</translation>
    </message>
    <message>
        <source>浏览(&amp;B)…</source>
        <translation>&amp;Browse…</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>保存到文件夹(&amp;F)：</source>
        <translation>Save in &amp;folder:</translation>
    </message>
    <message>
        <source>每类记录导出为一个 CSV 文件，文件名写明车辆和记录类型，另有一个“车辆信息.csv”。文件是带 BOM 的 UTF-8，表格程序可以直接打开和求和。同名的旧文件会被替换。</source>
        <translation>Each kind of record is exported as one CSV file named after the car and the kind of record, and one more file holds the cars. The files are UTF-8 with a BOM: spreadsheets open and add them up directly. Older files of the same name are replaced.</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>选择导出到哪个文件夹</source>
        <translation>Choose the folder to export to</translation>
    </message>
</context>
<context>
    <name>CDlgImportPreview</name>
    <message>
        <source>按文件所写</source>
        <translation>As the file says</translation>
    </message>
    <message>
        <source>按文件内容判断</source>
        <translation>Told from the content</translation>
    </message>
    <message>
        <source>导入预览</source>
        <translation>Import preview</translation>
    </message>
    <message>
        <source>导入到车辆(&amp;C)：</source>
        <translation>Import into &amp;car:</translation>
    </message>
    <message>
        <source>记录类型(&amp;L)：</source>
        <translation>&amp;Ledger:</translation>
    </message>
    <message>
        <source>文件里的里程单位(&amp;D)：</source>
        <translation>&amp;Distance unit in the file:</translation>
    </message>
    <message>
        <source>文件里的油量单位(&amp;V)：</source>
        <translation>&amp;Volume unit in the file:</translation>
    </message>
    <message>
        <source>文件编码(&amp;E)：</source>
        <translation>File &amp;encoding:</translation>
    </message>
    <message>
        <source>跳过与账本里已有记录相同的行（日期、里程表、金额都一样）(&amp;S)</source>
        <translation>&amp;Skip lines equal to records in the ledger (same date, odometer and amount)</translation>
    </message>
    <message>
        <source>超过 %1 字的文字只导入前 %1 字（不选时不导入那一行）(&amp;T)</source>
        <translation>Import the first %1 characters of a &amp;text longer than %1 (otherwise that line is not imported)</translation>
    </message>
    <message>
        <source>各栏对应的内容</source>
        <translation>What each column holds</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>导入概要</source>
        <translation>Import summary</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>可以输入一个新名字：导入时新建这辆车</source>
        <translation>Type a new name to make that car on import</translation>
    </message>
    <message>
        <source>正在读取文件……</source>
        <translation>Reading the files…</translation>
    </message>
    <message>
        <source>第 %1 栏</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>文件写明了单位，按文件所写换算</source>
        <translation>The file states its units; they are converted as it says</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>%1（%2 条）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>行</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>不能导入的原因</source>
        <translation>Why it cannot be imported</translation>
    </message>
    <message>
        <source>不能导入的行</source>
        <translation>Lines that cannot be imported</translation>
    </message>
    <message>
        <source>不能导入的行（%1）</source>
        <translation>Lines that cannot be imported (%1)</translation>
    </message>
    <message>
        <source>导入 %1 条记录</source>
        <translation>Import %1 record(s)</translation>
    </message>
    <message>
        <source>导入其余 %1 条记录</source>
        <translation>Import the other %1 record(s)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>还没有账本文件 %1，没有可以检查的记录。</source>
        <translation>There is no ledger %1 yet: nothing to check.</translation>
    </message>
    <message>
        <source>无法打开账本 %1。</source>
        <translation>Cannot open the ledger %1.</translation>
    </message>
    <message>
        <source>检查没有完成：%1</source>
        <translation>The check did not finish: %1</translation>
    </message>
    <message>
        <source>没有发现问题。</source>
        <translation>Nothing looks wrong.</translation>
    </message>
    <message>
        <source>发现 %1 处可能的问题。</source>
        <translation>Possible problems found: %1.</translation>
    </message>
    <message>
        <source>无法读取密码文件 %1。</source>
        <translation>Cannot read the password file %1.</translation>
    </message>
    <message>
        <source>请输入账本密码：</source>
        <translation>Ledger password: </translation>
    </message>
    <message>
        <source>请输入启动密码：</source>
        <translation>Start-up password: </translation>
    </message>
    <message>
        <source>密码错误。</source>
        <translation>Wrong password.</translation>
    </message>
    <message>
        <source>没有给出能打开账本的密码，程序不能继续。</source>
        <translation>No password that opens the ledger was given; nothing was done.</translation>
    </message>
    <message>
        <source>没有输入正确的启动密码，程序不能继续。</source>
        <translation>The start-up password was not given; nothing was done.</translation>
    </message>
    <message>
        <source>读取账本失败：%1</source>
        <translation>Cannot read the ledger: %1</translation>
    </message>
    <message>
        <source>账本里没有车辆“%1”。</source>
        <translation>The ledger holds no car &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>账本里有不止一辆车叫“%1”，请给出车辆编号（如 CAR0001）。</source>
        <translation>The ledger holds more than one car named &apos;%1&apos;; give its number (such as CAR0001).</translation>
    </message>
    <message>
        <source>导出失败：</source>
        <translation>Export failed: </translation>
    </message>
    <message>
        <source>已导出 %1 条记录到 %2：</source>
        <translation>Exported %1 records to %2:</translation>
    </message>
    <message>
        <source>文件夹里没有 CSV 文件。</source>
        <translation>The folder holds no CSV file.</translation>
    </message>
    <message>
        <source>文件没有写明记录类型，已按“%1”预览；请用 --ledger 指定（refuel、repair、maintain、accident、dailycost、accessory、carlog）。</source>
        <translation>The file does not say which ledger it belongs to and was previewed as &apos;%1&apos;; name the ledger with --ledger (refuel, repair, maintain, accident, dailycost, accessory, carlog).</translation>
    </message>
    <message>
        <source>有 %1 行不能导入，没有导入任何记录。改正这些行后再导入，或者加上 --skip-bad-lines 只导入其余的记录。</source>
        <translation>%1 lines cannot be imported, so nothing was imported. Correct them and import again, or add --skip-bad-lines to import the other records only.</translation>
    </message>
    <message>
        <source>试运行：没有写入任何记录。</source>
        <translation>Dry run: nothing was written.</translation>
    </message>
    <message>
        <source>导入失败：</source>
        <translation>Import failed: </translation>
    </message>
    <message>
        <source>已导入 %1 条记录。</source>
        <translation>Imported %1 records.</translation>
    </message>
    <message>
        <source>导入前的备份：%1</source>
        <translation> Backup point made before the import: %1</translation>
    </message>
    <message>
        <source>%1 后面缺少参数。</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>不认识的记录类型“%1”。</source>
        <translation>unknown ledger kind &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--distance 只能是 km 或 mi。</source>
        <translation>--distance takes km or mi</translation>
    </message>
    <message>
        <source>--volume 只能是 l、usgal 或 impgal。</source>
        <translation>--volume takes l, usgal or impgal</translation>
    </message>
    <message>
        <source>--encoding 只能是 UTF-8、GB18030、Windows-1252、UTF-16LE 或 UTF-16BE。</source>
        <translation>--encoding takes UTF-8, GB18030, Windows-1252, UTF-16LE or UTF-16BE</translation>
    </message>
    <message>
        <source>--map 要写成 栏名=字段，字段是日期、里程表、金额、单价、数量、备注、服务商、内容或不导入。</source>
        <translation>--map takes COLUMN=FIELD, FIELD being date, odometer, amount, price, quantity, note, provider, content or ignore</translation>
    </message>
    <message>
        <source>不认识的选项“%1”。</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>不认识的参数“%1”。</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>请给出 --export 或 --import 其中之一。</source>
        <translation>give either --export or --import</translation>
    </message>
    <message>
        <source>--export 只能和 --car、--password-file 一起使用。</source>
        <translation>--export takes no option but --car and --password-file</translation>
    </message>
    <message>
        <source>还没有账本文件 %1，没有可以导出的记录。</source>
        <translation>There is no ledger file %1 yet, so there is nothing to export.</translation>
    </message>
    <message>
        <source>文件 %1 不存在。</source>
        <translation>There is no file %1.</translation>
    </message>
    <message>
        <source>程序正在使用这个账本（%1），请先关闭程序再导出或导入。</source>
        <translation>The program has this ledger open (%1); close it before exporting or importing.</translation>
    </message>
    <message>
        <source>账本文件不完整，无法补全：%1</source>
        <translation>The ledger file is incomplete and cannot be completed: %1</translation>
    </message>
</context>
<context>
    <name>CsvCaptions</name>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>里程表</source>
        <translation>Odometer</translation>
    </message>
    <message>
        <source>总金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>单价</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>加油量</source>
        <translation>Litres</translation>
    </message>
    <message>
        <source>加前油表</source>
        <translation>Gauge before</translation>
    </message>
    <message>
        <source>加后油表</source>
        <translation>Gauge after</translation>
    </message>
    <message>
        <source>油耗估算</source>
        <translation>Est. consumption</translation>
    </message>
    <message>
        <source>成本估算</source>
        <translation>Est. cost/km</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>服务商</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>事故费用</source>
        <translation>Accident cost</translation>
    </message>
    <message>
        <source>事故说明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>消费金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>消费说明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>日志信息</source>
        <translation>Log entry</translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>总价</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>车辆</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>记录类型</source>
        <translation>Record type</translation>
    </message>
    <message>
        <source>加油记录</source>
        <translation>Refuelling</translation>
    </message>
    <message>
        <source>维修记录</source>
        <translation>Repairs</translation>
    </message>
    <message>
        <source>保养记录</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>事故记录</source>
        <translation>Accidents</translation>
    </message>
    <message>
        <source>日常杂费</source>
        <translation>Daily costs</translation>
    </message>
    <message>
        <source>汽车用品</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>爱车日志</source>
        <translation>Car log</translation>
    </message>
    <message>
        <source>当前车辆</source>
        <translation>Current car</translation>
    </message>
    <message>
        <source>汽车制造商</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>汽车型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>汽车识别代码(VIN)</source>
        <translation>VIN</translation>
    </message>
    <message>
        <source>车身颜色</source>
        <translation>Body colour</translation>
    </message>
    <message>
        <source>发动机编号</source>
        <translation>Engine number</translation>
    </message>
    <message>
        <source>发动机排量</source>
        <translation>Engine size</translation>
    </message>
    <message>
        <source>汽车牌照</source>
        <translation>Number plate</translation>
    </message>
    <message>
        <source>使用燃油标识</source>
        <translation>Fuel grade</translation>
    </message>
    <message>
        <source>油箱容积(升)</source>
        <translation>Tank capacity (L)</translation>
    </message>
    <message>
        <source>油表量程(格)</source>
        <translation>Fuel gauge divisions</translation>
    </message>
    <message>
        <source>当前里程(KM)</source>
        <translation>Current odometer (km)</translation>
    </message>
    <message>
        <source>购买日期</source>
        <translation>Purchase date</translation>
    </message>
    <message>
        <source>购买时里程(KM)</source>
        <translation>Odometer at purchase (km)</translation>
    </message>
    <message>
        <source>裸车总价格</source>
        <translation>Car price</translation>
    </message>
    <message>
        <source>购置税</source>
        <translation>Purchase tax</translation>
    </message>
    <message>
        <source>首次保险费用总计</source>
        <translation>First insurance total</translation>
    </message>
    <message>
        <source>上牌费</source>
        <translation>Registration fee</translation>
    </message>
    <message>
        <source>保险公司</source>
        <translation>Insurer</translation>
    </message>
    <message>
        <source>主要内容摘要</source>
        <translation>Cover summary</translation>
    </message>
    <message>
        <source>保险联系信息</source>
        <translation>Insurer contact</translation>
    </message>
    <message>
        <source>贷款银行</source>
        <translation>Lender</translation>
    </message>
    <message>
        <source>贷款总金额</source>
        <translation>Loan amount</translation>
    </message>
    <message>
        <source>贷款年限</source>
        <translation>Loan term (years)</translation>
    </message>
    <message>
        <source>还贷总利息</source>
        <translation>Total interest</translation>
    </message>
    <message>
        <source>贷款联系信息</source>
        <translation>Lender contact</translation>
    </message>
</context>
<context>
    <name>CsvDialogs</name>
    <message>
        <source>/Orvyn 导出</source>
        <translation>/Orvyn export</translation>
    </message>
    <message>
        <source>正在导出……</source>
        <translation>Exporting…</translation>
    </message>
    <message>
        <source>已导出 %1 条记录，共 %2 个文件，保存在：
%3</source>
        <translation>Exported %1 record(s) in %2 file(s) to:
%3</translation>
    </message>
    <message>
        <source>导出已取消，没有留下任何文件。</source>
        <translation>The export was cancelled; no file was left behind.</translation>
    </message>
    <message>
        <source>导出失败：</source>
        <translation>Export failed: </translation>
    </message>
    <message>
        <source>从 CSV 导入</source>
        <translation>Import from CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv *.CSV);;所有文件 (*)</source>
        <translation>CSV files (*.csv *.CSV);;All files (*)</translation>
    </message>
    <message>
        <source>不能导入：</source>
        <translation>Cannot import: </translation>
    </message>
    <message>
        <source>正在导入……</source>
        <translation>Importing…</translation>
    </message>
    <message>
        <source>没有需要导入的记录：它们都已在账本里。</source>
        <translation>Nothing to import: every record is in the ledger already.</translation>
    </message>
    <message>
        <source>已导入 %1 条记录。
导入前的账本已备份为 %2，可以在“备份与恢复”里恢复。</source>
        <translation>Imported %1 record(s).
The ledger was backed up before the import as %2; it can be restored under “Backup and restore”.</translation>
    </message>
    <message>
        <source>导入已取消，账本没有任何改变。</source>
        <translation>The import was cancelled; the ledger is unchanged.</translation>
    </message>
    <message>
        <source>导入失败：</source>
        <translation>Import failed: </translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>账本里还没有车辆，没有可以导出的记录。</source>
        <translation>The ledger holds no car yet, so there is nothing to export.</translation>
    </message>
    <message>
        <source>账本里没有这辆车：</source>
        <translation>The ledger holds no such car: </translation>
    </message>
    <message>
        <source>无法创建文件夹 </source>
        <translation>Cannot make the folder </translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>读取账本失败：</source>
        <translation>Cannot read the ledger: </translation>
    </message>
    <message>
        <source>无法写入文件 </source>
        <translation>Cannot write the file </translation>
    </message>
    <message>
        <source>账本没有打开，无法导出。</source>
        <translation>The ledger is not open; nothing can be exported.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>账本里有不止一辆车叫“%1”，请指定车辆编号（如 CAR0001）。</source>
        <translation>The ledger holds more than one car named &apos;%1&apos;; give its number (such as CAR0001).</translation>
    </message>
    <message>
        <source>读取账本失败：</source>
        <translation>Cannot read the ledger: </translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>&apos;%1&apos;</translation>
    </message>
    <message>
        <source>所有记录都导入到“%1”：文件里的车辆%2不新建。</source>
        <translation>Every record goes into &apos;%1&apos;: the file&apos;s cars %2 are not made.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>车辆“%1”已在账本里，它的档案和购入信息保持不变。</source>
        <translation>The car &apos;%1&apos; is in the ledger already; its profile and purchase data stay as they are.</translation>
    </message>
    <message>
        <source>文件没有写明是哪辆车的记录，账本里也没有当前车辆：请指定要导入到哪辆车。</source>
        <translation>The file does not say whose records these are, and the ledger has no current car: choose the car to import into.</translation>
    </message>
    <message>
        <source>文件没有写明是哪辆车的保养提醒，账本里也没有当前车辆：请指定要导入到哪辆车。</source>
        <translation>The file does not say whose care reminders these are, and the ledger has no current car: choose the car to import into.</translation>
    </message>
    <message>
        <source>“%1”有 %2 字，超过了 %3 字的上限</source>
        <translation>&apos;%1&apos; has %2 characters, more than the limit of %3</translation>
    </message>
    <message>
        <source>“%1”有 %2 字，只导入前 %3 字</source>
        <translation>&apos;%1&apos; has %2 characters; only the first %3 are imported</translation>
    </message>
    <message>
        <source>车辆“%1”的油箱容积或油表量程未知：%2 条加油记录的加前油表和加后油表记为未知，页面上显示“--”，油耗估算算不出来。在爱车档案里填好这两项后再导入，就能推算出油表读数。</source>
        <translation>The tank capacity or the gauge divisions of the car &apos;%1&apos; are not known: the gauge readings of %2 refuelling(s) are recorded as unknown, shown as “--”, and their fuel consumption cannot be estimated. Fill in both in the car&apos;s profile and import again to have the gauge readings worked out.</translation>
    </message>
    <message>
        <source>车辆“%1”：%2 条加油记录的油表读数按油箱容积 %3 升、油表量程 %4 格由加油量和是否加满推算。</source>
        <translation>The car &apos;%1&apos;: the gauge readings of %2 refuelling(s) are worked out from the litres and whether the tank was filled, with a tank of %3 L and a gauge of %4 divisions.</translation>
    </message>
    <message>
        <source>写入账本失败，没有导入任何记录：</source>
        <translation>Writing to the ledger failed; nothing was imported: </translation>
    </message>
    <message>
        <source>“%1”的记录编号将超过 9999999，没有导入任何记录。</source>
        <translation>The record numbers of %1 would pass 9999999; nothing was imported.</translation>
    </message>
    <message>
        <source>英里</source>
        <translation>miles</translation>
    </message>
    <message>
        <source>公里</source>
        <translation>kilometres</translation>
    </message>
    <message>
        <source>美制加仑</source>
        <translation>US gallons</translation>
    </message>
    <message>
        <source>英制加仑</source>
        <translation>imperial gallons</translation>
    </message>
    <message>
        <source>升</source>
        <translation>litres</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>里程表</source>
        <translation>Odometer</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>单价</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>数量（升或件）</source>
        <translation>Quantity (litres or pieces)</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>服务商</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>内容或商品名称</source>
        <translation>Content or item</translation>
    </message>
    <message>
        <source>不导入</source>
        <translation>Do not import</translation>
    </message>
    <message>
        <source>没有选择要导入的文件。</source>
        <translation>No file was chosen to import.</translation>
    </message>
    <message>
        <source>预览已取消，没有导入任何记录。</source>
        <translation>The preview was cancelled; nothing was imported.</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>文件里没有可以导入的记录。</source>
        <translation>The file holds no records to import.</translation>
    </message>
    <message>
        <source>文件里没有一行能够导入（%1 行有问题，见下面的列表）。</source>
        <translation>No line of the file can be imported (%1 lines have problems, listed below).</translation>
    </message>
    <message>
        <source>账本没有打开，无法导入。</source>
        <translation>The ledger is not open; nothing can be imported.</translation>
    </message>
    <message>
        <source>文件“%1”在预览之后被修改过，为了不导入与预览不同的内容，没有导入任何记录。请重新导入。</source>
        <translation>The file &apos;%1&apos; changed after the preview; so as not to import anything other than what was shown, nothing was imported. Please import again.</translation>
    </message>
    <message>
        <source>导入前的备份没有做成，没有导入任何记录：</source>
        <translation>The backup before the import could not be made; nothing was imported: </translation>
    </message>
    <message>
        <source>引号后面紧跟着多余的字符</source>
        <translation>Characters follow straight after a closing quote</translation>
    </message>
    <message>
        <source>第 %1 行：引号没有结束，从这里到文件末尾都没有配对的引号。</source>
        <translation>Line %1: a quote is never closed; no matching quote follows up to the end of the file.</translation>
    </message>
    <message>
        <source>找不到文件 </source>
        <translation>Cannot find the file </translation>
    </message>
    <message>
        <source>无法打开文件 %1：%2</source>
        <translation>Cannot open the file %1: %2</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>这不是文本文件（文件里有二进制数据），不能作为 CSV 导入。</source>
        <translation>This is not a text file (it holds binary data) and cannot be imported as CSV.</translation>
    </message>
    <message>
        <source>文件是空的，没有可以导入的内容。</source>
        <translation>The file is empty; there is nothing to import.</translation>
    </message>
    <message>
        <source>无法识别文件的编码：它不是 UTF-8、GB18030、Windows-1252 或 UTF-16。请在表格程序里另存为“CSV UTF-8”后再导入。</source>
        <translation>The encoding of the file is not known: it is not UTF-8, GB18030, Windows-1252 or UTF-16. Save it as “CSV UTF-8” in the spreadsheet and import again.</translation>
    </message>
    <message>
        <source>如果文字不对，请在预览里选择编码（命令行用 --encoding）。</source>
        <translation> If the text looks wrong, choose the encoding in the preview (--encoding on the command line).</translation>
    </message>
    <message>
        <source>文件不是 UTF-8，按 Windows-1252 读：按 GB18030 读会出现很多生僻字，如“%1”。</source>
        <translation>The file is not UTF-8 and was read as Windows-1252: read as GB18030 it shows many rare characters, such as &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>文件不是 UTF-8，按 GB18030 读（按 Windows-1252 也能读）。</source>
        <translation>The file is not UTF-8 and was read as GB18030 (Windows-1252 would read it too).</translation>
    </message>
    <message>
        <source>文件里有不是 %1 编码的字节，不能按 %1 读。</source>
        <translation>The file holds bytes that are not %1, so it cannot be read as %1.</translation>
    </message>
    <message>
        <source>不认识的编码“%1”。</source>
        <translation>Unknown encoding &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>文件标明是 UTF-8 编码，但其中有不是 UTF-8 的字节。</source>
        <translation>The file is marked as UTF-8 but holds bytes that are not UTF-8.</translation>
    </message>
    <message>
        <source>文件是 UTF-32 编码，请另存为 UTF-8 后再导入。</source>
        <translation>The file is UTF-32; save it as UTF-8 and import again.</translation>
    </message>
    <message>
        <source>文件标明是 UTF-16 编码，但其中有不完整的字符。</source>
        <translation>The file is marked as UTF-16 but holds incomplete characters.</translation>
    </message>
    <message>
        <source>文件像是 UTF-16 编码，但其中有不完整的字符。</source>
        <translation>The file looks like UTF-16 but holds incomplete characters.</translation>
    </message>
    <message>
        <source>%1 写明了单位：里程按%2、油量按%3换算，选择的单位只用于不写单位的文件。</source>
        <translation>%1 states its units: distances are converted from %2 and volumes from %3; the chosen units serve only files that state none.</translation>
    </message>
    <message>
        <source>日/月/年</source>
        <translation>day/month/year</translation>
    </message>
    <message>
        <source>月/日/年</source>
        <translation>month/day/year</translation>
    </message>
    <message>
        <source>%1 的日期看不出是“月/日/年”还是“日/月/年”，按“月/日/年”导入，请核对预览里的日期。</source>
        <translation>The dates of %1 could be month/day/year or day/month/year; they are imported as month/day/year. Please check the dates in the preview.</translation>
    </message>
    <message>
        <source>%1 的日期按“%2”导入：“%3”只能这样读。</source>
        <translation>The dates of %1 are imported as %2: &apos;%3&apos; can only be read that way.</translation>
    </message>
    <message>
        <source>%1 的日期有的只能按“%2”读（如“%3”），有的只能按“%4”读（如“%5”）；按多数的“%2”导入，请核对预览里的日期。</source>
        <translation>Some dates of %1 can only be read as %2 (such as &apos;%3&apos;), others only as %4 (such as &apos;%5&apos;); they are imported as %2, as most are. Please check the dates in the preview.</translation>
    </message>
    <message>
        <source>LubeLogger 加油记录</source>
        <translation>LubeLogger fuel records</translation>
    </message>
    <message>
        <source>LubeLogger 服务/维修/改装记录</source>
        <translation>LubeLogger service, repair or upgrade records</translation>
    </message>
    <message>
        <source>LubeLogger 税费记录</source>
        <translation>LubeLogger tax records</translation>
    </message>
    <message>
        <source>LubeLogger 里程记录</source>
        <translation>LubeLogger odometer records</translation>
    </message>
    <message>
        <source>LubeLogger 配件记录</source>
        <translation>LubeLogger supply records</translation>
    </message>
    <message>
        <source>LubeLogger 的文件不写单位：里程按%1、油量按%2导入；如果是英里或加仑，请在预览里选择（命令行用 --distance、--volume）。</source>
        <translation>LubeLogger files state no units: distances are imported as %1 and volumes as %2; for miles or gallons, choose them in the preview (--distance, --volume on the command line).</translation>
    </message>
    <message>
        <source>%1 里有 %2 条加天然气的记录按千克计，不能当作升记入加油记录：作为日常杂费导入，金额照旧，千克数写在备注里。</source>
        <translation>%1 holds %2 natural gas fillings counted in kilograms, which cannot go into the refuelling ledger as litres: they are imported as daily costs with their amounts, the kilograms in the note.</translation>
    </message>
    <message>
        <source>%1 的车有两个油箱：另一个油箱的 %2 条加油记录也记入加油记录，但不推算它们的油表读数，油耗估算显示“--”。</source>
        <translation>The car of %1 has two tanks: the %2 fillings of the other tank also go into the refuelling ledger, but their gauge readings are not worked out and their fuel consumption shows “--”.</translation>
    </message>
    <message>
        <source>%1 里的 %2 条提醒和 %3 条收入不是费用，没有导入。</source>
        <translation>The %2 reminders and %3 incomes in %1 are no costs and were not imported.</translation>
    </message>
    <message>
        <source>Fuelio 备份</source>
        <translation>Fuelio backup</translation>
    </message>
    <message>
        <source>%1：没有“%2”这一栏。</source>
        <translation>%1: there is no column &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>通用 CSV</source>
        <translation>Generic CSV</translation>
    </message>
    <message>
        <source>%1：请在“各栏对应的内容”里指定哪一栏是日期。</source>
        <translation>%1: under “What each column holds”, choose the column that holds the date.</translation>
    </message>
    <message>
        <source>%1：没有哪一栏是%2，导入的%3会没有%2。请在“各栏对应的内容”里指定哪一栏是%2（命令行用 --map 栏名=%2）。</source>
        <translation>%1: no column holds the %2, so the imported %3 would have no %2. Under “What each column holds”, choose the column that holds the %2 (--map COLUMN=%2 on the command line).</translation>
    </message>
    <message>
        <source>里程按%1、油量按%2导入；如果文件用的是英里或加仑，请在上面选择。</source>
        <translation>Distances are imported as %1 and volumes as %2; if the file uses miles or gallons, choose them above.</translation>
    </message>
    <message>
        <source>“%1”一栏的“%2”不是数字</source>
        <translation>&apos;%2&apos; in the column &apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <source>“%1”一栏的“%2”大得不合理</source>
        <translation>&apos;%2&apos; in the column &apos;%1&apos; is unreasonably large</translation>
    </message>
    <message>
        <source>没有日期</source>
        <translation>No date</translation>
    </message>
    <message>
        <source>日期“%1”不存在或看不懂（应写成 2024-01-31）</source>
        <translation>The date &apos;%1&apos; does not exist or cannot be read (write it as 2024-01-31)</translation>
    </message>
    <message>
        <source>%1是负数（%2）</source>
        <translation>%1 is negative (%2)</translation>
    </message>
    <message>
        <source>%1大得不合理（%2）</source>
        <translation>%1 is unreasonably large (%2)</translation>
    </message>
    <message>
        <source>这一行有 %1 个字段，标题行有 %2 个</source>
        <translation>This line has %1 fields, the header line %2</translation>
    </message>
    <message>
        <source>日期“%1”看不懂</source>
        <translation>The date &apos;%1&apos; cannot be read</translation>
    </message>
    <message>
        <source>日期“%1”不存在</source>
        <translation>The date &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <source>Orvyn 导出的记录</source>
        <translation>Records exported by Orvyn</translation>
    </message>
    <message>
        <source>%1 写明了每条记录的类型，按文件里的类型导入。</source>
        <translation>%1 names each record&apos;s ledger; the records go into the ledgers it names.</translation>
    </message>
    <message>
        <source>记录类型“%1”无法识别</source>
        <translation>Unknown ledger &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 没有“%2”一栏，这一栏按空白导入。</source>
        <translation>%1 has no column &apos;%2&apos;; it is imported as empty.</translation>
    </message>
    <message>
        <source>Orvyn 导出的车辆信息</source>
        <translation>Cars exported by Orvyn</translation>
    </message>
    <message>
        <source>没有车辆名称</source>
        <translation>No car name</translation>
    </message>
    <message>
        <source>CSV 文件</source>
        <translation>CSV file</translation>
    </message>
    <message>
        <source>：文件是空的，没有可以导入的内容。</source>
        <translation>: the file is empty; there is nothing to import.</translation>
    </message>
    <message>
        <source>（新建）</source>
        <translation> (new)</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>%1 第 %2 行</source>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>  ……另有 %1 行</source>
        <translation>  … and %1 more lines</translation>
    </message>
    <message>
        <source>文件：%1（%2，%3）</source>
        <translation>File: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>不能导入：</source>
        <translation>Cannot import: </translation>
    </message>
    <message>
        <source>单位：距离按%1，油量按%2换算。</source>
        <translation>Units: distances converted from %1, volumes from %2.</translation>
    </message>
    <message>
        <source>将导入 %1 条记录：</source>
        <translation>Records to import: %1</translation>
    </message>
    <message>
        <source>  %1  %2  %3 条</source>
        <translation>  %1  %2  %3</translation>
    </message>
    <message>
        <source>（另有 %1 条与账本里的记录相同，跳过）</source>
        <translation> (%1 more equal records in the ledger, skipped)</translation>
    </message>
    <message>
        <source>（其中 %1 条与账本里的记录相同）</source>
        <translation> (%1 of them equal records in the ledger)</translation>
    </message>
    <message>
        <source>  保养提醒  %1 条（另有 %2 条账本里已有，跳过）</source>
        <translation>  Care reminders  %1 (%2 more already in the ledger, skipped)</translation>
    </message>
    <message>
        <source>  保养提醒  %1 条</source>
        <translation>  Care reminders  %1</translation>
    </message>
    <message>
        <source>将新建车辆“%1”。</source>
        <translation>The car &apos;%1&apos; will be made.</translation>
    </message>
    <message>
        <source>%1 %2 的前 %3 条：</source>
        <translation>The first %3 of %1 %2:</translation>
    </message>
    <message>
        <source>与账本里已有记录相同（日期、里程表、金额一样）而跳过的 %1 行：</source>
        <translation>Lines skipped as equal to records in the ledger (same date, odometer and amount) (%1):</translation>
    </message>
    <message>
        <source>不能导入的 %1 行：</source>
        <translation>Lines that cannot be imported (%1):</translation>
    </message>
    <message>
        <source>  %1：%2</source>
        <translation>  %1: %2</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>请核对这些行：</source>
        <translation>Please check these lines:</translation>
    </message>
    <message>
        <source>说明：</source>
        <translation>Note: </translation>
    </message>
    <message>
        <source>Orvyn 导出的保养提醒</source>
        <translation>Care reminders exported by Orvyn</translation>
    </message>
    <message>
        <source>月数和天数必须是整数</source>
        <translation>Months and days must be whole numbers</translation>
    </message>
</context>
</TS>
