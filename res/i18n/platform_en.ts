<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>无法读取设置文件 %1，不能核对启动密码。请让该文件可以读取后重新启动，或者用 /nopassword 启动程序。</source>
        <translation>Cannot read the settings file %1, so the start-up password cannot be checked. Make the file readable and start again, or start the program with /nopassword.</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>没有在数据文件夹中创建文件的权限</source>
        <translation>no permission to create files in the data folder</translation>
    </message>
    <message>
        <source>文件无法写入（磁盘可能已满）</source>
        <translation>the file cannot be written (the disk may be full)</translation>
    </message>
    <message>
        <source>无法创建数据文件夹 %1</source>
        <translation>cannot create the data folder %1</translation>
    </message>
    <message>
        <source>程序已经运行！这个账本正被另一个程序使用（它锁定了文件 %1）。</source>
        <translation>The program is already running! This ledger is in use by another copy of the program (it has locked the file %1).</translation>
    </message>
    <message>
        <source>账本正被另一台电脑（%1）上的程序使用。如果那台电脑上的程序已经不在运行，请删除文件 %2 后重试。</source>
        <translation>The ledger is in use by the program on another computer (%1). If the program is no longer running there, delete the file %2 and try again.</translation>
    </message>
    <message>
        <source>无法创建锁文件 %1，程序不能运行：%2</source>
        <translation>Cannot create the lock file %1, so the program cannot run: %2</translation>
    </message>
</context>
<context>
    <name>StoreFailure</name>
    <message>
        <source>创建汽车列表数据库库表失败！</source>
        <translation>Could not create the table of cars!</translation>
    </message>
    <message>
        <source>创建汽车属性数据库库表失败！</source>
        <translation>Could not create the table of car profiles!</translation>
    </message>
    <message>
        <source>创建保险贷款信息数据库库表失败！</source>
        <translation>Could not create the table of purchase, insurance and loan details!</translation>
    </message>
    <message>
        <source>创建加油记录表失败！</source>
        <translation>Could not create the refuelling table!</translation>
    </message>
    <message>
        <source>创建维修记录表失败！</source>
        <translation>Could not create the repairs table!</translation>
    </message>
    <message>
        <source>创建保养记录表失败！</source>
        <translation>Could not create the maintenance table!</translation>
    </message>
    <message>
        <source>创建事故记录表失败！</source>
        <translation>Could not create the accidents table!</translation>
    </message>
    <message>
        <source>创建日常杂费记录表失败！</source>
        <translation>Could not create the daily costs table!</translation>
    </message>
    <message>
        <source>创建日志记录表失败！</source>
        <translation>Could not create the car log table!</translation>
    </message>
    <message>
        <source>创建汽车用品记录表失败！</source>
        <translation>Could not create the accessories table!</translation>
    </message>
    <message>
        <source>创建输入历史记录表失败！</source>
        <translation>Could not create the input history table!</translation>
    </message>
    <message>
        <source>Warning: Execute 方法发生异常. 错误信息: %1; 文件: %2; 行: %3
</source>
        <translation>Warning: the Execute method failed. Error: %1; file: %2; line: %3
</translation>
    </message>
    <message>
        <source>不能删除当前正在使用的车辆！</source>
        <translation>The current car cannot be deleted!</translation>
    </message>
    <message>
        <source>这条记录已经不在账本中，无法撤销或重做。</source>
        <translation>This record is no longer in the ledger; it cannot be undone or redone.</translation>
    </message>
    <message>
        <source>账本中已有同一编号的记录，无法撤销或重做。</source>
        <translation>The ledger already holds a record with the same number; it cannot be undone or redone.</translation>
    </message>
    <message>
        <source>修改没有保存。
%1</source>
        <translation>The change was not saved.
%1</translation>
    </message>
    <message>
        <source>数据库创建失败！%1</source>
        <translation>Could not create the database! %1</translation>
    </message>
    <message>
        <source>数据库打开失败！%1</source>
        <translation>Could not open the database! %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>账本文件缺少以下各列，已经补上（内容为空）：%1。</source>
        <translation>The ledger file lacked these columns; they have been added (empty): %1.</translation>
    </message>
    <message>
        <source>账本文件缺少以下各列，无法补上：%1。这些内容不能显示，对它们的修改也不能保存。%2</source>
        <translation>The ledger file lacks these columns and they could not be added: %1. Their contents cannot be shown, and changes to them cannot be saved. %2</translation>
    </message>
</context>
</TS>
