<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CDlgBaseInfo</name>
    <message>
        <source>基本信息</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>当前里程(KM)</source>
        <translation>Odometer (KM)</translation>
    </message>
    <message>
        <source>输入新里程：</source>
        <translation>New reading:</translation>
    </message>
    <message>
        <source>新里程</source>
        <translation>New odometer reading</translation>
    </message>
    <message>
        <source>修改里程</source>
        <translation>Change odometer</translation>
    </message>
    <message>
        <source>保存新里程</source>
        <translation>Save new reading</translation>
    </message>
    <message>
        <source>下次到期的保养提醒</source>
        <translation>Next care reminder due</translation>
    </message>
    <message>
        <source>统计信息</source>
        <translation>Figures</translation>
    </message>
    <message>
        <source>输入错误！</source>
        <translation>Invalid entry!</translation>
    </message>
</context>
<context>
    <name>CDlgSysSetting</name>
    <message>
        <source>直方图</source>
        <translation>Bar chart</translation>
    </message>
    <message>
        <source>饼图</source>
        <translation>Pie chart</translation>
    </message>
    <message>
        <source>栅格</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>渐变填充</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>分析统计</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>分析项目</source>
        <translation>Analysis item</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>CostAnalysis</name>
    <message>
        <source>汽车总成本分析</source>
        <translation>Total cost of the car</translation>
    </message>
    <message>
        <source>汽车成本分析</source>
        <translation>Car cost analysis</translation>
    </message>
    <message>
        <source>费用月度汇总分析</source>
        <translation>All costs by month</translation>
    </message>
    <message>
        <source>月度总费用分析</source>
        <translation>Total costs by month</translation>
    </message>
    <message>
        <source>加油费用月度分析</source>
        <translation>Refuelling costs by month</translation>
    </message>
    <message>
        <source>油费消耗分析</source>
        <translation>Refuelling costs by month</translation>
    </message>
    <message>
        <source>维修费用月度分析</source>
        <translation>Repair costs by month</translation>
    </message>
    <message>
        <source>维修费用分析</source>
        <translation>Repair costs by month</translation>
    </message>
    <message>
        <source>事故费用月度分析</source>
        <translation>Accident costs by month</translation>
    </message>
    <message>
        <source>事故费用分析</source>
        <translation>Accident costs by month</translation>
    </message>
    <message>
        <source>保养费用月度分析</source>
        <translation>Maintenance costs by month</translation>
    </message>
    <message>
        <source>保养费用分析</source>
        <translation>Maintenance costs by month</translation>
    </message>
    <message>
        <source>杂费费用月度分析</source>
        <translation>Daily costs by month</translation>
    </message>
    <message>
        <source>日常费用分析</source>
        <translation>Daily costs by month</translation>
    </message>
    <message>
        <source>爱车用品费用月度分析</source>
        <translation>Accessory costs by month</translation>
    </message>
    <message>
        <source>汽车日用品费用分析</source>
        <translation>Accessory costs by month</translation>
    </message>
    <message>
        <source>1月</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>2月</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>3月</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>4月</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>5月</source>
        <translation>May</translation>
    </message>
    <message>
        <source>6月</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>7月</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>8月</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>9月</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>10月</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>11月</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>加油费用</source>
        <translation>Refuelling</translation>
    </message>
    <message>
        <source>维修费用</source>
        <translation>Repairs</translation>
    </message>
    <message>
        <source>事故费用</source>
        <translation>Accidents</translation>
    </message>
    <message>
        <source>保养费用</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>日常杂费</source>
        <translation>Daily costs</translation>
    </message>
    <message>
        <source>爱车用品</source>
        <translation>Accessories</translation>
    </message>
</context>
<context>
    <name>SummaryRows</name>
    <message>
        <source>统计类别</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>车辆信息摘要</source>
        <translation>Car details</translation>
    </message>
    <message>
        <source>车辆型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>发动机编号</source>
        <translation>Engine number</translation>
    </message>
    <message>
        <source>车牌号</source>
        <translation>Plate number</translation>
    </message>
    <message>
        <source>购买日期</source>
        <translation>Purchase date</translation>
    </message>
    <message>
        <source>车辆运行信息</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>已使用天数</source>
        <translation>Days owned</translation>
    </message>
    <message>
        <source>已行驶里程</source>
        <translation>Distance driven</translation>
    </message>
    <message>
        <source>已加油总量</source>
        <translation>Fuel bought</translation>
    </message>
    <message>
        <source>全部费用统计</source>
        <translation>All costs</translation>
    </message>
    <message>
        <source>购入总价</source>
        <translation>Purchase price</translation>
    </message>
    <message>
        <source>加油费用</source>
        <translation>Refuelling</translation>
    </message>
    <message>
        <source>保养费用</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>维修费用</source>
        <translation>Repairs</translation>
    </message>
    <message>
        <source>事故费用</source>
        <translation>Accidents</translation>
    </message>
    <message>
        <source>汽车用品</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>日常杂费</source>
        <translation>Daily costs</translation>
    </message>
    <message>
        <source>费用合计</source>
        <translation>Total cost</translation>
    </message>
    <message>
        <source>平均费用统计</source>
        <translation>Averages</translation>
    </message>
    <message>
        <source>每天平均费用</source>
        <translation>Cost per day</translation>
    </message>
    <message>
        <source>每天平均里程</source>
        <translation>Distance per day</translation>
    </message>
    <message>
        <source>每公里平均费用</source>
        <translation>Cost per km</translation>
    </message>
    <message>
        <source>百公里平均油耗</source>
        <translation>Average L/100 km</translation>
    </message>
    <message>
        <source>天</source>
        <translation>days</translation>
    </message>
    <message>
        <source>公里</source>
        <translation>km</translation>
    </message>
    <message>
        <source>升</source>
        <translation>L</translation>
    </message>
    <message>
        <source>公里/天</source>
        <translation>km/day</translation>
    </message>
    <message>
        <source>升/百公里</source>
        <translation>L/100 km</translation>
    </message>
</context>
</TS>
