<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CReportPainter</name>
    <message>
        <source>无法开始绘制报表。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法开始新的一页。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>费用分析</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写完报表。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>爱车费用报表 · %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>报表期间：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 页，共 %2 页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（续）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这段期间没有记录。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本页合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期间合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：共 %2 条记录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>爱车费用报表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>制表时间：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>包含的记录：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车辆档案</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>汽车制造商</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>汽车型号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>汽车识别代码(VIN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>车身颜色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发动机编号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发动机排量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>汽车牌照</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用燃油标识</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>油箱容积(升)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>油表量程(格)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前里程(KM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>购入信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有填写</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>购买日期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>购买时里程(KM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>裸车总价格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>购置税</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>首次保险费用总计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上牌费</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保险公司</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主要内容摘要</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保险联系信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>贷款银行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>贷款总金额</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>贷款年限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>还贷总利息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>贷款联系信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>统计信息</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportRequest</name>
    <message>
        <source>%1 至 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 起</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>至 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部记录</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
