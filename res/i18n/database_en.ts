<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>AutoBackup</name>
    <message>
        <source>备份文件夹【%1】不存在（移动硬盘或 U 盘是否已拔出？）。</source>
        <translation>The backup folder [%1] does not exist (was the external disk or USB stick unplugged?).</translation>
    </message>
    <message>
        <source>备份文件夹【%1】无法写入。</source>
        <translation>The backup folder [%1] cannot be written to.</translation>
    </message>
</context>
<context>
    <name>BackupPoints</name>
    <message>
        <source>【备份时间：%d/%02d/%02d %02d:%02d:%02d】</source>
        <translation> [backed up %d/%02d/%02d %02d:%02d:%02d]</translation>
    </message>
    <message>
        <source>备份点名称无效：%1</source>
        <translation>Invalid backup point name: %1</translation>
    </message>
    <message>
        <source>无法创建备份文件夹 %1</source>
        <translation>Cannot create the backup folder %1</translation>
    </message>
</context>
<context>
    <name>CareReminders</name>
    <message>
        <source>请输入提醒的项目名称。</source>
        <translation>Please enter what the reminder is for.</translation>
    </message>
    <message>
        <source>请给出到期日期或到期里程（至少一项）。</source>
        <translation>Please give a due date or a due odometer reading (at least one).</translation>
    </message>
    <message>
        <source>到期日期应写成“年/月/日”，年份在 1901 到 2098 之间。</source>
        <translation>Write the due date as year/month/day, with a year from 1901 to 2098.</translation>
    </message>
    <message>
        <source>到期里程不能是负数。</source>
        <translation>The due odometer reading cannot be negative.</translation>
    </message>
    <message>
        <source>重复间隔必须大于 0；不重复时请留空。</source>
        <translation>The repeat interval must be greater than 0; leave it empty for no repeat.</translation>
    </message>
    <message>
        <source>按月重复的提醒需要一个到期日期。</source>
        <translation>A reminder that repeats by months needs a due date.</translation>
    </message>
    <message>
        <source>按里程重复的提醒需要一个到期里程。</source>
        <translation>A reminder that repeats by distance needs a due odometer reading.</translation>
    </message>
    <message>
        <source>提前提醒的天数和里程不能是负数。</source>
        <translation>The days and kilometres of advance notice cannot be negative.</translation>
    </message>
    <message>
        <source>保养</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>%1 公里</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source> 或 </source>
        <translation> or </translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>今天到期</source>
        <translation>Due today</translation>
    </message>
    <message>
        <source>已过期 %1 天</source>
        <translation>Overdue by %1 days</translation>
    </message>
    <message>
        <source>还有 %1 天</source>
        <translation>%1 days left</translation>
    </message>
    <message>
        <source>已超过 %1 公里</source>
        <translation>Overdue by %1 km</translation>
    </message>
    <message>
        <source>还差 %1 公里</source>
        <translation>%1 km left</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>每 %1 个月或 %2 公里</source>
        <translation>Every %1 months or %2 km</translation>
    </message>
    <message>
        <source>每 %1 个月</source>
        <translation>Every %1 months</translation>
    </message>
    <message>
        <source>每 %1 公里</source>
        <translation>Every %1 km</translation>
    </message>
    <message>
        <source>不重复</source>
        <translation>No repeat</translation>
    </message>
    <message>
        <source>%1 %2（%3）</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>下次到期：%1</source>
        <translation>Next due: %1</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>车辆 %1 已不存在</source>
        <translation>Car %1 no longer exists</translation>
    </message>
    <message>
        <source>日期在今天之后</source>
        <translation>The date is after today</translation>
    </message>
    <message>
        <source>与另一条记录的日期、里程和金额都相同</source>
        <translation>Same date, odometer and amount as another record</translation>
    </message>
    <message>
        <source>有金额 %1 元，单价却是 0</source>
        <translation>Amount ￥ %1, but the price is 0</translation>
    </message>
    <message>
        <source>加后油表 %1 格低于加前油表 %2 格</source>
        <translation>Gauge after (%1 bars) is below gauge before (%2 bars)</translation>
    </message>
    <message>
        <source>加油量 %1 升大于油箱容积 %2 升</source>
        <translation>%1 L filled is more than the tank holds (%2 L)</translation>
    </message>
    <message>
        <source>里程 %1 公里小于此前 %2 %3 %4 的 %5 公里</source>
        <translation>Odometer %1 km is below the %5 km of an earlier record (%2 %3 %4)</translation>
    </message>
    <message>
        <source>【%1】%2 %3（%4）：%5</source>
        <translation>[%1] %2 %3 (%4): %5</translation>
    </message>
</context>
<context>
    <name>LedgerFile</name>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>账本文件不存在</source>
        <translation>The ledger file does not exist</translation>
    </message>
    <message>
        <source>无法读取账本文件</source>
        <translation>Cannot read the ledger file</translation>
    </message>
    <message>
        <source>无法创建副本文件</source>
        <translation>Cannot create the copy</translation>
    </message>
    <message>
        <source>无法复制账本</source>
        <translation>Cannot copy the ledger</translation>
    </message>
    <message>
        <source>复制账本失败</source>
        <translation>Copying the ledger failed</translation>
    </message>
    <message>
        <source>被替换的文件无法读取</source>
        <translation>The file to be replaced cannot be read</translation>
    </message>
    <message>
        <source>无法删除文件 %1</source>
        <translation>Cannot delete the file %1</translation>
    </message>
    <message>
        <source>副本检查未通过：复制的文件不完整</source>
        <translation>The copy failed its check: the copied file is incomplete</translation>
    </message>
    <message>
        <source>无法保存副本</source>
        <translation>Cannot save the copy</translation>
    </message>
    <message>
        <source>无法复制文件 %1</source>
        <translation>Cannot copy the file %1</translation>
    </message>
</context>
<context>
    <name>LedgerKind</name>
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
        <source>输入记录</source>
        <translation>Entry history</translation>
    </message>
</context>
<context>
    <name>StorageFault</name>
    <message>
        <source>账本文件已损坏。</source>
        <translation>The ledger file is damaged.</translation>
    </message>
    <message>
        <source>无法读取账本文件。</source>
        <translation>Cannot read the ledger file.</translation>
    </message>
    <message>
        <source>账本文件夹无法写入。</source>
        <translation>The ledger folder cannot be written to.</translation>
    </message>
    <message>
        <source>账本文件是只读的，无法写入。</source>
        <translation>The ledger file is read-only and cannot be written to.</translation>
    </message>
    <message>
        <source>磁盘空间已满。</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>账本文件正被其他程序使用。</source>
        <translation>The ledger file is in use by another program.</translation>
    </message>
    <message>
        <source>无法写入账本文件。</source>
        <translation>Cannot write to the ledger file.</translation>
    </message>
    <message>
        <source>修改没有保存：%1</source>
        <translation>The change was not saved: %1</translation>
    </message>
    <message>
        <source>读取账本失败：%1</source>
        <translation>Reading the ledger failed: %1</translation>
    </message>
    <message>
        <source>磁盘空间已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>没有写入权限（%1）</source>
        <translation>no permission to write (%1)</translation>
    </message>
    <message>
        <source>文件已损坏或密码不符</source>
        <translation>the file is damaged or the password does not match</translation>
    </message>
    <message>
        <source>文件正被其他程序使用</source>
        <translation>the file is in use by another program</translation>
    </message>
</context>
</TS>
