#!/usr/bin/env bash
# A report saved from the real window: "数据" → "导出为 PDF…" with the
# dialog's default choice (the current car, every record, every ledger) and a
# file name typed into the file dialog. The PDF holds each filling's date,
# amount and note and the period's total, and embeds its Chinese face.
source "$(dirname "$0")/lib.sh"
orvyn=$1
car="E2E车"
pdf=$E2E_HOME/report.pdf # typed: ASCII only, xdotool types other characters unreliably

printf '\xef\xbb\xbf车辆,当前车辆\r\n%s,是\r\n' "$car" >"$E2E_HOME/cars.csv"
"$orvyn" --import "$E2E_HOME/cars.csv" >/dev/null || fail "the car could not be made"
printf ".timeout 5000\nPRAGMA key='vorpa';\n%s\n" "
insert into Refuel (CarID,RecID,DateTimee,Mark,Miles,Amount,Price,FuelMeter1,FuelMeter2,Reserved1,Reserved2,Reserved3,Reserved4) values
 ('CAR0001','0000001','2024/01/05','首次加满',1000,300,7.5,1.5,8,'','','',''),
 ('CAR0001','0000002','2024/02/01','高速服务区',1500,250.55,7.21,2.25,8,'','','',''),
 ('CAR0001','0000003','2024/03/09','',2010,20,7.21,7,8,'','','','');" |
  sqlcipher "$E2E_HOME/config/CAR.mdb" >/dev/null || fail "the fillings could not be written"

start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【${car}】")
# "数据" is the third menu, after "设置" and "编辑"; "导出为 PDF…" its fourth item.
dialog=$(open_menu_item "$main" "Right Right Down Down Down Return" "^导出为 PDF\$")
focus_window "$dialog"
xdotool key Return # "导出…", the default button
chooser=$(wait_for_window "保存 PDF 报表")
focus_window "$chooser"
xdotool key ctrl+a
xdotool type --delay 30 "$pdf"
xdotool key Return
answer_box Return "the report gave no message"
close_program "$main"

[ -s "$pdf" ] || fail "no report was written"
text=$(pdftotext -raw "$pdf" - | tr -d ' \n')
for expected in "2024/01/051000KM￥300.00" "首次加满" "2024/02/011500KM￥250.55" "高速服务区" \
  "2024/03/092010KM￥20.00" "期间合计￥570.55" "加油记录：共3条记录"; do
  case $text in
  *"$expected"*) ;;
  *) fail "the report lacks \"$expected\": $text" ;;
  esac
done
pdffonts "$pdf" | grep -Eq 'Identity-H +yes' || fail "no embedded face: $(pdffonts "$pdf")"
echo "report pdf: ok"
