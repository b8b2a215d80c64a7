<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>NavigationStrip</name>
    <message>
        <source>基本信息</source>
        <translation>Overview</translation>
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
        <source>爱车用品</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>爱车日志</source>
        <translation>Car log</translation>
    </message>
    <message>
        <source>分析统计</source>
        <translation>Analysis</translation>
    </message>
</context>
<context>
    <name>TipImages</name>
    <message>
        <source>我知道啦!</source>
        <translation>Got it!</translation>
    </message>
</context>
</TS>
