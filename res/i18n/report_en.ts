<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CDlgReport</name>
    <message>
        <source>起始日期</source>
        <translation>From</translation>
    </message>
    <message>
        <source>截止日期</source>
        <translation>To</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>导出…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>打印报表</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>导出为 PDF</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>车辆</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>期间（不选时为全部记录）</source>
        <translation>Period (all records when neither is ticked)</translation>
    </message>
    <message>
        <source>记录</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>打印预览…</source>
        <translation>Print preview…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>车辆：</source>
        <translation>Car:</translation>
    </message>
    <message>
        <source>起始日期晚于截止日期，请改正期间。</source>
        <translation>The start date lies after the end date; please correct the period.</translation>
    </message>
    <message>
        <source>请至少选择一种记录。</source>
        <translation>Please choose at least one kind of record.</translation>
    </message>
</context>
<context>
    <name>CReportPainter</name>
    <message>
        <source>无法开始绘制报表。</source>
        <translation>The report cannot be drawn.</translation>
    </message>
    <message>
        <source>无法开始新的一页。</source>
        <translation>A new page cannot be started.</translation>
    </message>
    <message>
        <source>费用分析</source>
        <translation>Cost analysis</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>无法写完报表。</source>
        <translation>The report cannot be finished.</translation>
    </message>
    <message>
        <source>爱车费用报表 · %1</source>
        <translation>Car cost report · %1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>报表期间：%1</source>
        <translation>Period: %1</translation>
    </message>
    <message>
        <source>第 %1 页，共 %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>%1（续）</source>
        <translation>%1 (continued)</translation>
    </message>
    <message>
        <source>这段期间没有记录。</source>
        <translation>No records in this period.</translation>
    </message>
    <message>
        <source>本页合计</source>
        <translation>Page total</translation>
    </message>
    <message>
        <source>期间合计</source>
        <translation>Period total</translation>
    </message>
    <message>
        <source>%1：共 %2 条记录</source>
        <translation>%1: %2 record(s)</translation>
    </message>
    <message>
        <source>爱车费用报表</source>
        <translation>Car cost report</translation>
    </message>
    <message>
        <source>制表时间：%1</source>
        <translation>Made: %1</translation>
    </message>
    <message>
        <source>包含的记录：%1</source>
        <translation>Records: %1</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>车辆档案</source>
        <translation>Car profile</translation>
    </message>
    <message>
        <source>购入信息</source>
        <translation>Purchase</translation>
    </message>
    <message>
        <source>没有填写</source>
        <translation>Not filled in</translation>
    </message>
    <message>
        <source>统计信息</source>
        <translation>Figures</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>读取账本失败：%1</source>
        <translation>Cannot read the ledger: %1</translation>
    </message>
    <message>
        <source>账本里还没有车辆，没有可以写进报表的内容。</source>
        <translation>The ledger holds no car yet, so there is nothing to report.</translation>
    </message>
    <message>
        <source>账本里没有当前车辆，请用 --car 指定车辆。</source>
        <translation>The ledger has no current car; name one with --car.</translation>
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
        <source>%1 的日期“%2”不对，请写成 yyyy-mm-dd，例如 2026-03-02。</source>
        <translation>%1 takes a date written yyyy-mm-dd, such as 2026-03-02, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 后面缺少参数。</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>不认识的记录类型“%1”（可以是 refuel、repair、maintain、accident、dailycost、accessory、carlog）。</source>
        <translation>unknown ledger kind &apos;%1&apos; (refuel, repair, maintain, accident, dailycost, accessory or carlog)</translation>
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
        <source>--from 的日期晚于 --to 的日期。</source>
        <translation>the --from date lies after the --to date</translation>
    </message>
    <message>
        <source>还没有账本文件 %1，没有可以写进报表的记录。</source>
        <translation>There is no ledger file %1 yet, so there is nothing to report.</translation>
    </message>
    <message>
        <source>程序正在使用这个账本（%1），请先关闭程序再生成报表，或者在程序里用“数据 → 导出为 PDF…”。</source>
        <translation>The program has this ledger open (%1); close it first, or use Data → Export as PDF… in the program.</translation>
    </message>
    <message>
        <source>无法打开账本 %1。</source>
        <translation>Cannot open the ledger %1.</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>报表没有写成：%1</source>
        <translation>The report was not written: %1</translation>
    </message>
    <message>
        <source>已把 %1 条记录写进报表 %2（共 %3 页）。</source>
        <translation>Wrote %1 records into the report %2 (%3 pages).</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>爱车费用报表 · %1</source>
        <translation>Car cost report · %1</translation>
    </message>
    <message>
        <source>%1 至 %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1 起</source>
        <translation>From %1</translation>
    </message>
    <message>
        <source>至 %1</source>
        <translation>Up to %1</translation>
    </message>
    <message>
        <source>全部记录</source>
        <translation>All records</translation>
    </message>
</context>
<context>
    <name>ReportActions</name>
    <message>
        <source>账本里还没有车辆，没有可以写进报表的内容。</source>
        <translation>The ledger holds no car yet, so there is nothing to report.</translation>
    </message>
    <message>
        <source>正在读取记录……</source>
        <translation>Reading the records…</translation>
    </message>
    <message>
        <source>%1 费用报表</source>
        <translation>%1 cost report</translation>
    </message>
    <message>
        <source>正在排版报表……</source>
        <translation>Laying out the report…</translation>
    </message>
    <message>
        <source>打印预览 - %1</source>
        <translation>Print preview - %1</translation>
    </message>
    <message>
        <source>打印报表</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>打印失败：%1</source>
        <translation>Printing failed: %1</translation>
    </message>
    <message>
        <source>保存 PDF 报表</source>
        <translation>Save the PDF report</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>正在写出报表……</source>
        <translation>Writing the report…</translation>
    </message>
    <message>
        <source>报表已保存（共 %1 页）：
%2</source>
        <translation>The report was saved (%1 page(s)):
%2</translation>
    </message>
    <message>
        <source>报表已取消，没有写入文件。</source>
        <translation>The report was cancelled; no file was written.</translation>
    </message>
    <message>
        <source>报表没有保存：%1</source>
        <translation>The report was not saved: %1</translation>
    </message>
</context>
</TS>
