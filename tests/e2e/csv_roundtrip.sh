#!/usr/bin/env bash
# A car's history moved through CSV in the real program: a ledger with records
# in every ledger, profile and purchase data is exported with "数据" →
# "导出为 CSV…"; a second, empty data folder imports the files with "数据" →
# "从 CSV 导入…" and its preview; every ledger row, the car, its profile and
# its purchase data read back from both files are the same.
source "$(dirname "$0")/lib.sh"
orvyn=$1
car="E2E车"
first=$E2E_HOME
second=$E2E_HOME/second
export_dir=$E2E_HOME/export
import_dir=$E2E_HOME/import
mkdir -p "$second" "$import_dir"

sql_at() {
  printf ".timeout 5000\nPRAGMA key='vorpa';\n.mode insert\n%s\n" "$2" | sqlcipher "$1/config/CAR.mdb"
}

# The ledger: a car made by the command-line import of a car file, then rows
# written straight into the file, with texts that need quoting.
printf '\xef\xbb\xbf车辆,当前车辆,汽车制造商,汽车型号,油箱容积(升),油表量程(格),购买日期,裸车总价格,贷款银行\r\n%s,是,"东风, 日产",轩逸,50,8,2019-05-08,123456.78,"工商银行 ""北京"""\r\n' \
  "$car" >"$E2E_HOME/cars.csv"
"$orvyn" --import "$E2E_HOME/cars.csv" >/dev/null || fail "the car could not be made"
sql_at "$first" "
insert into Refuel (CarID,RecID,DateTimee,Mark,Miles,Amount,Price,FuelMeter1,FuelMeter2,Reserved1,Reserved2,Reserved3,Reserved4) values
 ('CAR0001','0000001','2024/01/05','首次, 加满',1000,300,7.5,1.5,8,'','','',''),
 ('CAR0001','0000002','2024/02/01','=SUM(A1)',1500.5,250.55,7.21,2.25,8,'','','',''),
 ('CAR0001','0000003','2024/02/01','同一天第二次',1510,20,7.21,7,8,'','','','');
insert into Repair (CarID,RecID,DateTimee,Mark,Content,Provider,Miles,Amount,Reserved1,Reserved2,Reserved3) values
 ('CAR0001','0000001','2024/01/20','说\"好\"的' || char(10) || '第二行','换刹车片','路边店',1200,880.5,'','','');
insert into Maintain (CarID,RecID,DateTimee,Mark,Content,Provider,Miles,Amount,Reserved1,Reserved2,Reserved3) values
 ('CAR0001','0000001','2024/01/10','','换机油, 机滤','4S店',1100,680,'','','');
insert into Accident (CarID,RecID,DateTimee,Mark,Content,Miles,Amount,Reserved1,Reserved2,Reserved3) values
 ('CAR0001','0000001','2024/03/01','-','追尾',1700,3200,'','','');
insert into DailyCost (CarID,RecID,DateTimee,Mark,Content,Miles,Amount,Reserved1,Reserved2,Reserved3) values
 ('CAR0001','0000001','2024/01/07','','停车费',0,15,'','',''),
 ('CAR0001','0000002','2024/01/07','','停车费',0,15,'','','');
insert into Accessory (CarID,RecID,DateTimee,Mark,Name,Provider,Miles,Countt,Price,Reserved1,Reserved2,Reserved3,Reserved4) values
 ('CAR0001','0000001','2024/01/09','送货上门','行车记录仪','京东',1150,2,399.9,'','','','');
insert into CarLog (CarID,RecID,DateTimee,Mark,Miles,Reserved1,Reserved2,Reserved3) values
 ('CAR0001','0000001','2024/01/11','年检通过' || char(13) || char(10) || '下次 2026 年',1600,'','','');
" >/dev/null

ledgers() {
  sql_at "$1" "
select 'Refuel', DateTimee, Mark, Miles, Amount, Price, FuelMeter1, FuelMeter2 from Refuel order by DateTimee, NO;
select 'Repair', DateTimee, Mark, Content, Provider, Miles, Amount from Repair order by DateTimee, NO;
select 'Maintain', DateTimee, Mark, Content, Provider, Miles, Amount from Maintain order by DateTimee, NO;
select 'Accident', DateTimee, Mark, Content, Miles, Amount from Accident order by DateTimee, NO;
select 'DailyCost', DateTimee, Mark, Content, Miles, Amount from DailyCost order by DateTimee, NO;
select 'Accessory', DateTimee, Mark, Name, Provider, Miles, Countt, Price from Accessory order by DateTimee, NO;
select 'CarLog', DateTimee, Mark, Miles from CarLog order by DateTimee, NO;
select 'CarList', Name, Used from CarList order by NO;
select 'CarProperty', Manufacture, CarType, VIN, MotorID, BodyColor, CarNo, FuelType, Emission, FuelVolume, MeterRules, CurMiles from CarProperty;
select 'PurchaseInfo', BuyDate, InsuCompany, InsuNote, InsuTouchInfo, LoanBank, LoanTouchInfo, BuyMiles, CarPrice, CarLicense, CarTax, InsuAmount, LoanAmount, LoanYears, LoanInterest from PurchaseInfo;"
}
expected=$(ledgers "$first")
[ "$(printf '%s\n' "$expected" | grep -c "VALUES('Refuel'")" = 3 ] || fail "the ledger was not filled: $expected"

# Opens the n-th item of the "数据" menu (right of "设置" and "编辑") and waits
# for the window of that title.
data_menu() {
  local keys="Right Right" i
  for ((i = 0; i < $2; i++)); do keys+=" Down"; done
  open_menu_item "$1" "$keys Return" "^${3}\$"
}

# --- export from the first data folder --------------------------------------------
start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【${car}】")
dialog=$(data_menu "$main" 0 "导出为 CSV")
focus_window "$dialog"
xdotool key alt+f ctrl+a
xdotool type --delay 30 "$export_dir"
xdotool key Return
answer_box Return "the export gave no message"
close_program "$main"
files=$(ls "$export_dir" | wc -l)
[ "$files" = 8 ] || fail "the export wrote $files files: $(ls "$export_dir")"

# The import reads what the files hold, not their names.
i=0
for f in "$export_dir"/*.csv; do
  cp "$f" "$import_dir/f$i.csv"
  i=$((i + 1))
done
names=$(cd "$import_dir" && ls | sed 's/.*/"&"/' | tr '\n' ' ')

# --- import into the second, empty data folder ------------------------------------
export ORVYN_HOME=$second
start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【请选择或创建管理车辆】")
chooser=$(data_menu "$main" 1 "从 CSV 导入")
focus_window "$chooser"
xdotool type --delay 30 "$import_dir"
xdotool key Return
sleep 1
xdotool type --delay 30 "$names"
xdotool key Return
preview=$(wait_for_window "导入预览")
focus_window "$preview"
xdotool key Return # "导入 … 条记录", the default button
answer_box Return "the import gave no message"
wait_for_window "Qinmo【${car}】" >/dev/null
close_program "$main"

actual=$(ledgers "$second")
[ "$actual" = "$expected" ] || fail "the imported ledger differs:
--- exported
$expected
--- imported
$actual"
ls "$second/backup" | grep -q -- '-导入前\.bpt$' || fail "no backup point before the import"
echo "csv round trip: ok"
