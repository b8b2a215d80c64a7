#!/usr/bin/env bash
# The Debian package of a built tree: cpack makes it, dpkg-deb unpacks it into
# a temporary root, its files and metadata are checked, and the unpacked
# program is started on an empty data folder from an unrelated working folder:
# the first-start window, the guide opened from the About box, and a backup
# point restored through the installed restore program, which starts the
# installed program again.
# Arguments: the build folder, the project version. Exits 77 (skipped) when
# a tool it needs is missing.
build=$1
version=$2

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli xdotool xprop \
  openbox wmctrl sqlcipher; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

source "$(dirname "$0")/../e2e/lib.sh"

WORK=$(mktemp -d)
root=$WORK/root
app_id=com.orvynsoft.Orvyn
car="装包测试车"

package_cleanup() {
  local pid
  if [ -d "$root" ]; then
    for pid in $(own_pids "$root/usr/lib/orvyn/restore") $(own_pids "$root/usr/bin/orvyn"); do
      kill "$pid" 2>/dev/null || true
    done
  fi
  rm -rf "$WORK"
  e2e_cleanup
}
trap package_cleanup EXIT

# --- The package -------------------------------------------------------------
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log" >&2; fail "cpack failed"; }
debs=("$WORK"/out/orvyn_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "cpack made '${debs[*]}'"
deb=${debs[0]}
[ "$(basename "$deb")" = "orvyn_${version}_$(dpkg --print-architecture).deb" ] ||
  fail "package file named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = orvyn ] || fail "package named '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "package version '$(field Version)', expected $version"
depends=$(field Depends)
# The libraries found by dpkg-shlibdeps, and what the program loads by name.
for dep in libqt6widgets6 libqt6network6 libsqlcipher qt6-translations-l10n \
  "fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei"; do
  [[ "$depends" == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
done
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | tr '\n' ' ')
[ "$control" = "control md5sums " ] || fail "control files: $control (no maintainer scripts expected)"

dpkg-deb -x "$deb" "$root"
outside=$(cd "$root" && find . ! -type d ! -path './usr/*')
[ -z "$outside" ] || fail "files outside /usr: $outside"
for file in usr/bin/orvyn usr/lib/orvyn/restore; do
  [ -x "$root/$file" ] && [ -f "$root/$file" ] || fail "no program $file"
done
for file in usr/share/orvyn/help.html usr/share/orvyn/help.en.html \
  "usr/share/applications/$app_id.desktop" \
  "usr/share/metainfo/$app_id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  usr/share/doc/orvyn/copyright usr/share/man/man1/orvyn.1.gz; do
  [ -s "$root/$file" ] || fail "no file $file"
done
# Each PNG icon is a PNG of its size (width and height stand in its IHDR).
for size in 16 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -s "$png" ] || fail "no ${size}px icon"
  header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
  [ "${header:0:16}" = 89504e470d0a1a0a ] || fail "${size}px icon is no PNG"
  [ "${header:32:16}" = "$(printf '%08x%08x' "$size" "$size")" ] ||
    fail "${size}px icon is ${header:32:16}"
done

desktop=$root/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop entry invalid"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = orvyn ] || fail "Exec=$(entry Exec)"
[ "$(entry Icon)" = "$app_id" ] || fail "Icon=$(entry Icon)"
# The menu names the program as its window does; the command is orvyn.
[ "$(entry Name)" = Qinmo ] || fail "Name=$(entry Name)"
[ -n "$(entry 'GenericName\[zh_CN\]')" ] && [ -n "$(entry 'Comment\[zh_CN\]')" ] ||
  fail "no Chinese generic name or comment"
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$WORK/appstream.log" 2>&1 ||
  { cat "$WORK/appstream.log" >&2; fail "AppStream metadata invalid"; }
grep -q "<release version=\"$version\"" "$metainfo" || fail "metadata without release $version"
names=$(sed -n 's|^ *<name[^>]*>\(.*\)</name>$|\1|p' "$metainfo" | tr '\n' ' ')
[ "$names" = "Qinmo " ] || fail "metadata names the program '$names'"
# The manual page names it so too, with the package's version.
header=$(gzip -dc "$root/usr/share/man/man1/orvyn.1.gz" | sed -n 's/^\.TH //p')
[[ "$header" == *"\"Qinmo $version\""* ]] || fail "manual page header: $header"
grep -q "<caption" "$metainfo" || fail "metadata without a screenshot caption"

# --- The unpacked program ----------------------------------------------------
# Its version is the package's, told without a display.
printed=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/orvyn" --version) ||
  fail "orvyn --version failed"
[ "$printed" = "Qinmo $version" ] || fail "orvyn --version printed '$printed'"

# The browser: a stand-in that notes the address it is given.
mkdir "$WORK/bin"
printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$WORK" >"$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"
# A working folder holding files of the program's names, never to be taken.
mkdir "$WORK/cwd"
echo decoy >"$WORK/cwd/help.html"
printf '#!/bin/sh\nexit 0\n' >"$WORK/cwd/restore"
chmod +x "$WORK/cwd/restore"
cd "$WORK/cwd"

orvyn=$root/usr/bin/orvyn
start_orvyn "$orvyn" /nopassword
main=$(wait_for_window "Qinmo【请选择或创建管理车辆】")
[ -f "$E2E_HOME/config/CAR.mdb" ] || fail "no ledger made on the first start"
# Docks group the window under the desktop entry by its class.
wm_class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
[ "$wm_class" = "$(entry StartupWMClass)" ] || fail "window class '$wm_class', desktop entry '$(entry StartupWMClass)'"

# "帮助" (three menus right of "设置") → "关于": Ctrl+Shift+F12 folds out the panel, "使用帮助" at the
# panel's (190, 40), 110 x 70, the panel at (10, 170).
about=$(open_menu_item "$main" "Right Right Right Return" '^关于 Qinmo $')
focus_window "$about"
xdotool key ctrl+shift+F12
for _ in $(seq 1 100); do
  eval "$(xdotool getwindowgeometry --shell "$about")"
  [ "$HEIGHT" -ge 300 ] && break
  sleep 0.1
done
[ "$HEIGHT" -ge 300 ] || fail "the About box did not fold out (height $HEIGHT)"
xdotool mousemove --window "$about" 255 245 click 1
for _ in $(seq 1 100); do
  [ -s "$WORK/opened" ] && break
  sleep 0.1
done
[ "$(cat "$WORK/opened" 2>/dev/null)" = "file://$root/usr/share/orvyn/help.html" ] ||
  fail "the guide opened '$(cat "$WORK/opened" 2>/dev/null)'"
[ -z "$(find_box)" ] || fail "a message box came with the guide"
focus_window "$about"
xdotool key Escape
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --name '^关于 Qinmo $' >/dev/null 2>&1 || break
  sleep 0.1
done

# "设置" → "备份与恢复" (its seventh item): a backup point, then a restore.
ledger_sql "insert into CarList (CarID, Name, Used) values ('CAR0001', '$car', 'YES');"
sheet=$(open_menu_item "$main" "Down Down Down Down Down Down Down Return" "^综合设置【${car}】\$")
focus_window "$sheet"
xdotool key Tab space # "备份当前数据点"
answer_box Return "no answer to the backup"
wait_no_box
[ "$(ls "$E2E_HOME/backup" | wc -l)" = 1 ] || fail "backup folder holds '$(ls "$E2E_HOME/backup")'"
ledger_sql "insert into CarList (CarID, Name, Used) values ('CAR0002', 'after the backup', 'NO');"

# The list, its first row, "恢复该被备份点": the question, then the notice of
# the restart. Had the restore program not been found, the program would say
# so and keep running.
focus_window "$sheet"
xdotool key Tab space Tab space
question=$(answer_new_box Return "no restore question")
answer_new_box Return "no notice of the restart" "$question" >/dev/null
old_pid=$ORVYN_PID
wait_for_exit

# The installed restore program starts the installed program again.
wait_for_restart "$orvyn" "$old_pid"
new_pid=$ORVYN_PID
main=$(wait_for_window "Qinmo【${car}】")
cars=$(ledger_sql "select CarID from CarList order by CarID;")
[ "$cars" = CAR0001 ] || fail "the restored ledger holds '$cars'"

box=$(request_close "$main")
focus_window "$box"
xdotool key Return
for _ in $(seq 1 300); do
  kill -0 "$new_pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$new_pid" 2>/dev/null && fail "the restarted program did not end"
ORVYN_PID=
echo "package: ok"
