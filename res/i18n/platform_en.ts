<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>无法读取设置文件 %1，不能核对启动密码。请让该文件可以读取后重新启动，或者用 /nopassword 启动程序。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
