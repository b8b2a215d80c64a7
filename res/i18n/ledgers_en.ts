<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CDlgOil</name>
    <message>
        <source>加油记录 【合计：▲加油总量 %.2f 升 ▲加油金额 %.2f 元】</source>
        <translation>Refuelling [Total: ▲Litres %.2f L ▲Amount ￥ %.2f]</translation>
    </message>
</context>
<context>
    <name>CLedgerPage</name>
    <message>
        <source>筛选记录 (Ctrl+F)</source>
        <translation>Filter records (Ctrl+F)</translation>
    </message>
    <message>
        <source>筛选记录</source>
        <translation>Filter records</translation>
    </message>
    <message>
        <source>（已筛选，显示 %1 条，共 %2 条）</source>
        <translation> (filtered: showing %1 of %2)</translation>
    </message>
    <message>
        <source>数据库可能已经断开,<byte value="xd"/>
请重新连接、然后重试.</source>
        <translation>The database may have been disconnected.
Please reconnect and try again.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>“%1”不是有效的日期，请按“年/月/日”输入，例如 2026/02/15。修改没有保存。</source>
        <translation>“%1” is not a valid date. Please enter it as year/month/day, for example 2026/02/15. The change was not saved.</translation>
    </message>
    <message>
        <source>输入的数值超出范围（绝对值不能超过 1000000000000），修改没有保存。</source>
        <translation>The number is out of range (its magnitude may not exceed 1000000000000). The change was not saved.</translation>
    </message>
</context>
<context>
    <name>CRecordGrid</name>
    <message>
        <source>（过长，只显示前 %1 字）</source>
        <translation>(too long, only the first %1 characters shown) </translation>
    </message>
    <message>
        <source>记录已经存在，插入失败！</source>
        <translation>The record already exists; it was not added.</translation>
    </message>
</context>
<context>
    <name>LedgerColumns</name>
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
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>服务商</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>加油记录 【合计：▲加油总量 0.00 升 ▲加油金额 0.00 元】</source>
        <translation>Refuelling [Total: ▲Litres 0.00 L ▲Amount ￥ 0.00]</translation>
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
        <translation>L/100 km</translation>
    </message>
    <message>
        <source>成本估算</source>
        <translation>Cost/km</translation>
    </message>
    <message>
        <source>维修记录 【合计：▲总金额 0.00 元】</source>
        <translation>Repairs [Total: ▲Amount ￥ 0.00]</translation>
    </message>
    <message>
        <source>维修记录 【合计：▲总金额 %.2f 元】</source>
        <translation>Repairs [Total: ▲Amount ￥ %.2f]</translation>
    </message>
    <message>
        <source>保养记录 【合计：▲总金额 0.00 元】</source>
        <translation>Maintenance [Total: ▲Amount ￥ 0.00]</translation>
    </message>
    <message>
        <source>保养记录 【合计：▲总金额 %.2f 元】</source>
        <translation>Maintenance [Total: ▲Amount ￥ %.2f]</translation>
    </message>
    <message>
        <source>事故记录 【合计：▲总金额 0.00 元】</source>
        <translation>Accidents [Total: ▲Amount ￥ 0.00]</translation>
    </message>
    <message>
        <source>事故记录 【合计：▲总金额 %.2f 元】</source>
        <translation>Accidents [Total: ▲Amount ￥ %.2f]</translation>
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
        <source>日常杂费 【合计：▲总金额 0.00 元】</source>
        <translation>Daily costs [Total: ▲Amount ￥ 0.00]</translation>
    </message>
    <message>
        <source>日常杂费 【合计：▲总金额 %.2f 元】</source>
        <translation>Daily costs [Total: ▲Amount ￥ %.2f]</translation>
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
        <source>爱车日志</source>
        <translation>Car log</translation>
    </message>
    <message>
        <source>日志信息</source>
        <translation>Log entry</translation>
    </message>
    <message>
        <source>汽车用品 【合计：▲总金额 0.00 元】</source>
        <translation>Accessories [Total: ▲Amount ￥ 0.00]</translation>
    </message>
    <message>
        <source>汽车用品 【合计：▲总金额 %.2f 元】</source>
        <translation>Accessories [Total: ▲Amount ￥ %.2f]</translation>
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
</context>
<context>
    <name>LedgerFormat</name>
    <message>
        <source>格</source>
        <translation>bars</translation>
    </message>
    <message>
        <source>升</source>
        <translation>L</translation>
    </message>
</context>
<context>
    <name>LedgerGrid</name>
    <message>
        <source>请首先选择要删除的记录！</source>
        <translation>Please select the record to delete first.</translation>
    </message>
    <message>
        <source>记录【%1-%2】将会被删除且不可恢复，确认要删除吗？</source>
        <translation>Record [%1-%2] will be deleted and cannot be recovered. Delete it?</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>删除记录</source>
        <translation>Delete record</translation>
    </message>
</context>
<context>
    <name>RecordUndo</name>
    <message>
        <source>修改 %1 %2 %3</source>
        <translation>Edit %1 %2 %3</translation>
    </message>
    <message>
        <source>新增 %1 %2</source>
        <translation>Add %1 %2</translation>
    </message>
    <message>
        <source>删除 %1 %2</source>
        <translation>Delete %1 %2</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>撤销 %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>重做 %1</source>
        <translation>Redo %1</translation>
    </message>
</context>
</TS>
