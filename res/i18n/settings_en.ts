<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CCarPictureArea</name>
    <message>
        <source>汽车图片</source>
        <translation>Car picture</translation>
    </message>
    <message>
        <source>汽车图片【%1】</source>
        <translation>Picture of %1</translation>
    </message>
    <message>
        <source>无汽车图片</source>
        <translation>No car picture</translation>
    </message>
    <message>
        <source>【%1】</source>
        <translation>[%1]</translation>
    </message>
</context>
<context>
    <name>CCarRowPage</name>
    <message>
        <source>没有被选择的车辆！</source>
        <translation>No car is selected!</translation>
    </message>
    <message>
        <source>【%1】中车辆【%2】的修改还没有保存，是否保存？</source>
        <translation>The changes to “%2” in “%1” are not saved yet. Save them?</translation>
    </message>
    <message>
        <source>【%1】输入的数值超出范围（绝对值不能超过 1000000000000），没有保存。</source>
        <translation>The number in “%1” is out of range (it may not exceed 1000000000000 either way) and was not saved.</translation>
    </message>
</context>
<context>
    <name>CDlgCareReminder</name>
    <message>
        <source>%1必须是大于 0、不超过 %2 的数；不需要时请留空。</source>
        <translation>%1 must be a number above 0 and at most %2; leave it empty if not needed.</translation>
    </message>
    <message>
        <source>增加保养提醒</source>
        <translation>Add reminder</translation>
    </message>
    <message>
        <source>修改保养提醒</source>
        <translation>Edit reminder</translation>
    </message>
    <message>
        <source>例如：年检、交强险续保、更换机油</source>
        <translation>e.g. inspection, oil change</translation>
    </message>
    <message>
        <source>年/月/日，可不填</source>
        <translation>yyyy/mm/dd, optional</translation>
    </message>
    <message>
        <source>公里，可不填</source>
        <translation>km, optional</translation>
    </message>
    <message>
        <source>不按日期重复时留空</source>
        <translation>empty: no repeat by date</translation>
    </message>
    <message>
        <source>不按里程重复时留空</source>
        <translation>empty: no repeat by distance</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>到期日期</source>
        <translation>Due date</translation>
    </message>
    <message>
        <source>到期里程（公里）</source>
        <translation>Due at odometer (km)</translation>
    </message>
    <message>
        <source>每隔几个月重复</source>
        <translation>Repeat every (months)</translation>
    </message>
    <message>
        <source>每隔多少公里重复</source>
        <translation>Repeat every (km)</translation>
    </message>
    <message>
        <source>提前几天提醒</source>
        <translation>Remind days before</translation>
    </message>
    <message>
        <source>提前多少公里提醒</source>
        <translation>Remind km before</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>按保养记录建议</source>
        <translation>Suggest from maintenance records</translation>
    </message>
    <message>
        <source>到期里程</source>
        <translation>The due odometer</translation>
    </message>
    <message>
        <source>重复的月数</source>
        <translation>The months to repeat</translation>
    </message>
    <message>
        <source>重复的里程</source>
        <translation>The distance to repeat</translation>
    </message>
    <message>
        <source>重复的月数必须是整数。</source>
        <translation>The months to repeat must be a whole number.</translation>
    </message>
    <message>
        <source>提前提醒的天数应在 0 到 3660 之间，里程应在 0 到 %1 之间。</source>
        <translation>The days before must be between 0 and 3660, the kilometres before between 0 and %1.</translation>
    </message>
</context>
<context>
    <name>CDlgLogin</name>
    <message>
        <source>%1 - 登陆</source>
        <translation>%1 - Log in</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>登陆</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>密码输入错误！</source>
        <translation>Wrong password!</translation>
    </message>
    <message>
        <source>对不起，您尝试次数过多，对话框将自动关闭！</source>
        <translation>Sorry, too many attempts. The dialog will now close!</translation>
    </message>
</context>
<context>
    <name>CPageBaseInfo</name>
    <message>
        <source>(必填)计算平均油耗使用</source>
        <translation>(required) for the average fuel consumption</translation>
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
        <source>油箱容积(升)</source>
        <translation>Tank size (L)</translation>
    </message>
    <message>
        <source>油表量程(格)</source>
        <translation>Fuel gauge (marks)</translation>
    </message>
    <message>
        <source>爱车档案</source>
        <translation>Car profile</translation>
    </message>
    <message>
        <source>使用燃油标识</source>
        <translation>Fuel grade</translation>
    </message>
    <message>
        <source>爱车图片 </source>
        <translation>Car picture </translation>
    </message>
    <message>
        <source>请上传汽车图片！</source>
        <translation>Please upload a car picture!</translation>
    </message>
    <message>
        <source>上传或修改图片</source>
        <translation>Upload or change the picture</translation>
    </message>
    <message>
        <source>图片类型：bmp</source>
        <translation>Picture type: bmp</translation>
    </message>
    <message>
        <source>图片长宽比例：2:1</source>
        <translation>Aspect ratio: 2:1</translation>
    </message>
    <message>
        <source>图片最佳尺寸：150*75</source>
        <translation>Best size: 150*75</translation>
    </message>
    <message>
        <source>图片最大尺寸：300*150</source>
        <translation>Largest size: 300*150</translation>
    </message>
    <message>
        <source>上传图片</source>
        <translation>Upload picture</translation>
    </message>
    <message>
        <source>修改图片</source>
        <translation>Change picture</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>图片尺寸过大，请裁剪后再重新上传！</source>
        <translation>The picture is too large. Please crop it and upload it again!</translation>
    </message>
    <message>
        <source>加载图片失败，请确认图片格式为BMP！</source>
        <translation>The picture could not be loaded. Please make sure it is a BMP file!</translation>
    </message>
</context>
<context>
    <name>CPageBuyInfo</name>
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
    <message>
        <source>购入信息</source>
        <translation>Purchase</translation>
    </message>
    <message>
        <source>初始信息</source>
        <translation>At purchase</translation>
    </message>
    <message>
        <source>购买日期</source>
        <translation>Purchase date</translation>
    </message>
    <message>
        <source>汽车价格(货币单位：￥)</source>
        <translation>Car price (currency: ￥)</translation>
    </message>
    <message>
        <source>▲汽车总价合计</source>
        <translation>▲Total car cost</translation>
    </message>
    <message>
        <source>保险信息</source>
        <translation>Insurance</translation>
    </message>
    <message>
        <source>贷款信息(货币单位：￥)</source>
        <translation>Loan (currency: ￥)</translation>
    </message>
    <message>
        <source>还贷总额</source>
        <translation>Total repaid</translation>
    </message>
</context>
<context>
    <name>CPageCarManage</name>
    <message>
        <source>车辆管理</source>
        <translation>Cars</translation>
    </message>
    <message>
        <source>当前车辆</source>
        <translation>Current car</translation>
    </message>
    <message>
        <source>车辆列表</source>
        <translation>Cars</translation>
    </message>
    <message>
        <source>设为当前车辆</source>
        <translation>Make current</translation>
    </message>
    <message>
        <source>删除选中车辆</source>
        <translation>Delete selected car</translation>
    </message>
    <message>
        <source>修改车辆名称</source>
        <translation>Rename the car</translation>
    </message>
    <message>
        <source>新名称</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>增加车辆</source>
        <translation>Add a car</translation>
    </message>
    <message>
        <source>爱车名称</source>
        <translation>Car name</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>当前车辆【%1】</source>
        <translation>Current car: %1</translation>
    </message>
    <message>
        <source>请首先选择要删除的车辆！</source>
        <translation>Please select the car to delete first!</translation>
    </message>
    <message>
        <source>车辆【%1】所有信息将会被删除且不可恢复，确认要删除吗？</source>
        <translation>Everything about the car “%1” will be deleted for good. Delete it?</translation>
    </message>
    <message>
        <source>【%1】</source>
        <translation>[%1]</translation>
    </message>
</context>
<context>
    <name>CPageRemind</name>
    <message>
        <source>保养提醒</source>
        <translation>Reminders</translation>
    </message>
    <message>
        <source>增加…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>修改…</source>
        <translation>Edit…</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>推迟一周</source>
        <translation>Snooze a week</translation>
    </message>
    <message>
        <source>推迟 500 公里</source>
        <translation>Snooze 500 km</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>到期</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>重复</source>
        <translation>Repeats</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>保养记录不足两条，无法根据记录建议提醒。</source>
        <translation>There are fewer than two maintenance records, so no reminder can be suggested from them.</translation>
    </message>
    <message>
        <source>已增加提醒“%1”。</source>
        <translation>Reminder “%1” added.</translation>
    </message>
    <message>
        <source>已修改提醒“%1”。</source>
        <translation>Reminder “%1” changed.</translation>
    </message>
    <message>
        <source>确定要删除提醒“%1”吗？</source>
        <translation>Delete the reminder “%1”?</translation>
    </message>
    <message>
        <source>已删除提醒“%1”。</source>
        <translation>Reminder “%1” deleted.</translation>
    </message>
    <message>
        <source>提醒“%1”已完成。</source>
        <translation>Reminder “%1” done.</translation>
    </message>
    <message>
        <source>按 %1 的记录，提醒“%2”下次到期：%3。</source>
        <translation>From the record of %1, reminder “%2” is next due: %3.</translation>
    </message>
    <message>
        <source>提醒“%1”下次到期：%2。</source>
        <translation>Reminder “%1” is next due: %2.</translation>
    </message>
    <message>
        <source>提醒“%1”推迟到：%2。</source>
        <translation>Reminder “%1” snoozed to: %2.</translation>
    </message>
</context>
<context>
    <name>CPageRestroeData</name>
    <message>
        <source>备份与恢复</source>
        <translation>Backup and restore</translation>
    </message>
    <message>
        <source>数据备份</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>备份当前数据点</source>
        <translation>Back up the data now</translation>
    </message>
    <message>
        <source>数据恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>备份点列表</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>恢复该被备份点</source>
        <translation>Restore this backup</translation>
    </message>
    <message>
        <source>删除该备份点</source>
        <translation>Delete this backup</translation>
    </message>
    <message>
        <source>从文件恢复…</source>
        <translation>Restore from a file…</translation>
    </message>
    <message>
        <source>数据没有备份：%1</source>
        <translation>The data was not backed up: %1</translation>
    </message>
    <message>
        <source>备份文件夹：%1</source>
        <translation>Backup folder: %1</translation>
    </message>
    <message>
        <source>数据库文件不存在，无法备份！</source>
        <translation>The ledger file does not exist and cannot be backed up!</translation>
    </message>
    <message>
        <source>数据备份失败：%1</source>
        <translation>The backup failed: %1</translation>
    </message>
    <message>
        <source>数据备份成功！</source>
        <translation>The data is backed up!</translation>
    </message>
    <message>
        <source>请首先选择要恢复的备份点！</source>
        <translation>Please select the backup to restore first!</translation>
    </message>
    <message>
        <source>备份点【%1】将会被恢复，现有数据将会被覆盖，确认要恢复吗？</source>
        <translation>Backup “%1” will be restored over the current data. Restore it?</translation>
    </message>
    <message>
        <source>选择要恢复的备份点或账本副本</source>
        <translation>Choose a backup or a ledger copy to restore</translation>
    </message>
    <message>
        <source>备份点与账本 (*.bpt *.mdb);;所有文件 (*)</source>
        <translation>Backups and ledgers (*.bpt *.mdb);;All files (*)</translation>
    </message>
    <message>
        <source>文件【%1】将会被恢复，现有数据将会被覆盖，确认要恢复吗？</source>
        <translation>The file “%1” will be restored over the current data. Restore it?</translation>
    </message>
    <message>
        <source>无法将文件复制到备份文件夹（%1），数据没有恢复。</source>
        <translation>The file could not be copied to the backup folder (%1); the data was not restored.</translation>
    </message>
    <message>
        <source>文件【%1】丢失，无法恢复数据文件！</source>
        <translation>The file “%1” is missing; the data cannot be restored!</translation>
    </message>
    <message>
        <source>恢复程序【%1】无法启动，数据没有恢复。</source>
        <translation>The restore program “%1” could not start; the data was not restored.</translation>
    </message>
    <message>
        <source>程序将关闭并重新启动加载恢复的新数据...</source>
        <translation>The program will close and start again with the restored data...</translation>
    </message>
    <message>
        <source>备份点【%1】用另一个密码加密，请输入那时的密码：</source>
        <translation>Backup “%1” is encrypted with another password. Enter the password it was made with:</translation>
    </message>
    <message>
        <source>密码不能打开备份点【%1】，数据没有恢复。</source>
        <translation>The password does not open backup “%1”; the data was not restored.</translation>
    </message>
    <message>
        <source>备份点【%1】不存在，无法恢复！</source>
        <translation>Backup “%1” does not exist and cannot be restored!</translation>
    </message>
    <message>
        <source>备份点【%1】已损坏或不是本程序的账本，无法恢复！</source>
        <translation>Backup “%1” is damaged or not a ledger of this program and cannot be restored!</translation>
    </message>
    <message>
        <source>请首先选择要删除的备份点！</source>
        <translation>Please select the backup to delete first!</translation>
    </message>
    <message>
        <source>备份点【%1】将会被删除且不可恢复，确认要删除吗？</source>
        <translation>Backup “%1” will be deleted for good. Delete it?</translation>
    </message>
    <message>
        <source>删除备份点【%1】失败：%2</source>
        <translation>Backup “%1” could not be deleted: %2</translation>
    </message>
</context>
<context>
    <name>CPageSetPwd</name>
    <message>
        <source>密码输入错误！</source>
        <translation>Wrong password!</translation>
    </message>
    <message>
        <source>密码设置</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>密码认证</source>
        <translation>Current password</translation>
    </message>
    <message>
        <source>输入原密码：</source>
        <translation>Current password:</translation>
    </message>
    <message>
        <source>输入原密码</source>
        <translation>Current password</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>清除密码</source>
        <translation>Clear password</translation>
    </message>
    <message>
        <source>输入新密码</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>输入新密码：</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>输入确认密码：</source>
        <translation>Confirm password:</translation>
    </message>
    <message>
        <source>输入确认密码</source>
        <translation>Confirm password</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>用密码加密账本（忘记密码将无法打开账本）</source>
        <translation>Encrypt the ledger with the password (a forgotten password locks it for good)</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1，不能核对或更改密码。</source>
        <translation>Cannot read the settings file %1; the password cannot be checked or changed.</translation>
    </message>
    <message>
        <source>未设置密码！</source>
        <translation>No password set!</translation>
    </message>
    <message>
        <source>请在这里设置您的密码！</source>
        <translation>Set your password here!</translation>
    </message>
    <message>
        <source>账本的加密没有更改，密码没有更改：%1</source>
        <translation>The ledger&apos;s encryption and the password were not changed: %1</translation>
    </message>
    <message>
        <source>对不起，您尝试次数过多，对话框将自动关闭！</source>
        <translation>Sorry, too many attempts. The dialog will now close!</translation>
    </message>
    <message>
        <source>密码两次输入不一致，请重新设置！</source>
        <translation>The two passwords differ. Please set it again!</translation>
    </message>
    <message>
        <source>密码不能为空，请重新设置！</source>
        <translation>The password cannot be empty. Please set it again!</translation>
    </message>
    <message>
        <source>密码已设置，请牢记！</source>
        <translation>Password set. Please remember it!</translation>
    </message>
    <message>
        <source>密码保存失败，密码没有更改，请重试！</source>
        <translation>The password could not be saved and was not changed. Please try again!</translation>
    </message>
    <message>
        <source>密码清除失败，密码没有更改，请重试！</source>
        <translation>The password could not be cleared and was not changed. Please try again!</translation>
    </message>
</context>
<context>
    <name>CPageSys</name>
    <message>
        <source>维修记录表 - 显示 - 里程表</source>
        <translation>Repairs: show the odometer</translation>
    </message>
    <message>
        <source>保养记录表 - 显示 - 里程表</source>
        <translation>Maintenance: show the odometer</translation>
    </message>
    <message>
        <source>事故记录表 - 显示 - 里程表</source>
        <translation>Accidents: show the odometer</translation>
    </message>
    <message>
        <source>日常杂费记录表 - 显示 - 里程表</source>
        <translation>Daily costs: show the odometer</translation>
    </message>
    <message>
        <source>爱车用品记录表 - 显示 - 里程表</source>
        <translation>Accessories: show the odometer</translation>
    </message>
    <message>
        <source>日志记录表 - 显示 - 里程表</source>
        <translation>Car log: show the odometer</translation>
    </message>
    <message>
        <source>系统配置</source>
        <translation>System</translation>
    </message>
    <message>
        <source>里程表显示设置</source>
        <translation>Odometer column</translation>
    </message>
    <message>
        <source>软件启动时自动检查新版本</source>
        <translation>Check for a new version at start-up</translation>
    </message>
    <message>
        <source>用记录中的里程更新当前里程</source>
        <translation>Update the current odometer from the records&apos; readings</translation>
    </message>
    <message>
        <source>界面语言 / &amp;Language</source>
        <translation>界面语言 / &amp;Language</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>数据备份</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>备份文件夹(&amp;F)：</source>
        <translation>Backup &amp;folder:</translation>
    </message>
    <message>
        <source>浏览(&amp;B)…</source>
        <translation>&amp;Browse…</translation>
    </message>
    <message>
        <source>退出时自动备份</source>
        <translation>Back up automatically on exit</translation>
    </message>
    <message>
        <source>保留最近的自动备份点(&amp;K)：</source>
        <translation>&amp;Keep the latest automatic backups:</translation>
    </message>
    <message>
        <source> 个</source>
        <translation> </translation>
    </message>
    <message>
        <source>手动备份的备份点不会被自动删除。</source>
        <translation>Backups made by hand are never deleted automatically.</translation>
    </message>
    <message>
        <source>选择备份文件夹</source>
        <translation>Choose the backup folder</translation>
    </message>
    <message>
        <source>“用记录中的里程更新当前里程”无法写入文件【%1】，只在本次运行中有效。</source>
        <translation>“Update the current odometer from the records&apos; readings” could not be written to “%1” and holds for this run only.</translation>
    </message>
    <message>
        <source>备份设置无法写入文件【%1】，只在本次运行中有效。</source>
        <translation>The backup settings could not be written to “%1” and hold for this run only.</translation>
    </message>
    <message>
        <source>界面语言无法写入文件【%1】，没有更改。</source>
        <translation>The language could not be written to “%1” and was not changed.</translation>
    </message>
    <message>
        <source>界面语言将在下次启动程序时更改。</source>
        <translation>The language changes the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>CPageWord</name>
    <message>
        <source>内容</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>输入记录</source>
        <translation>Input history</translation>
    </message>
    <message>
        <source>提示：双击单元格可以进行编辑，点右键可以删除选中的项。</source>
        <translation>Tip: double-click a cell to edit it; right-click to delete the selected items.</translation>
    </message>
</context>
<context>
    <name>CTreePropSheet</name>
    <message>
        <source>页面</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>应用(&amp;A)</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>设置页面</source>
        <translation>Settings pages</translation>
    </message>
</context>
<context>
    <name>SettingsSheet</name>
    <message>
        <source>综合设置【%1】</source>
        <translation>Settings - %1</translation>
    </message>
    <message>
        <source>综合设置</source>
        <translation>Settings</translation>
    </message>
</context>
</TS>
