<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>Restore</name>
    <message>
        <source>备份点名称【%1】无效，数据没有恢复。</source>
        <translation>The backup point name [%1] is not valid; the data was not restored.</translation>
    </message>
    <message>
        <source>备份点【%1】不存在，数据没有恢复。</source>
        <translation>The backup point [%1] does not exist; the data was not restored.</translation>
    </message>
    <message>
        <source>备份点【%1】已损坏或不是本程序的账本，无法恢复；现有数据没有改变。</source>
        <translation>The backup point [%1] is damaged or is not a ledger of this program and cannot be restored; the current data is unchanged.</translation>
    </message>
    <message>
        <source>无法删除文件 %1</source>
        <translation>cannot delete the file %1</translation>
    </message>
    <message>
        <source>无法先将现有数据保存为备份点（%1），数据没有恢复。</source>
        <translation>Could not first save the current data as a backup point (%1); the data was not restored.</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1，数据没有恢复。</source>
        <translation>Cannot create the folder %1; the data was not restored.</translation>
    </message>
    <message>
        <source>恢复数据失败（%1），现有数据没有改变。</source>
        <translation>Restoring the data failed (%1); the current data is unchanged.</translation>
    </message>
    <message>
        <source>程序仍在运行，数据没有恢复。请退出程序后重新恢复。</source>
        <translation>The program is still running; the data was not restored. Quit the program and restore again.</translation>
    </message>
    <message>
        <source>数据没有恢复：%1</source>
        <translation>The data was not restored: %1</translation>
    </message>
</context>
</TS>
