#!/usr/bin/env bash
# Runs ledger tests where accessibility events flow as they do for a screen
# reader: on an X display with a window manager, with the AT-SPI bus running.
# Called inside dbus-run-session and xvfb-run; $1 is the test program, $2 the
# tests to run.
set -euo pipefail
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill $wm $bus 2>/dev/null || true' EXIT
for _ in $(seq 1 300); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && wmctrl -m >/dev/null 2>&1 && break
  sleep 0.2
done
ORVYN_ATSPI=1 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" --gtest_filter="$2"
