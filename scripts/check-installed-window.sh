#!/usr/bin/env bash
# Run by check-package.sh under xvfb-run, as root:
#   check-installed-window.sh USER REFERENCE.png SHOT.png
# Starts the installed window as USER, computes a network address with the
# mouse, compares the window with REFERENCE.png (keeping the picture as
# SHOT.png), and closes the window through its File menu with the keyboard.
set -euo pipefail
user=$1 reference=$2 shot=$3
home=$(getent passwd "$user" | cut -d: -f6)

fail() { echo "check-installed-window: $*" >&2; exit 1; }

# The user may use the display through its own copy of the key.
install -o "$user" -m 600 "$XAUTHORITY" "$home/.Xauthority"
runuser -u "$user" -- env HOME="$home" XAUTHORITY="$home/.Xauthority" DISPLAY="$DISPLAY" velnorix &
program=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velnorix网络地址计算器2023$') ||
    fail "no window titled Velnorix网络地址计算器2023"
# The button 计算网络地址 (network address), for the report the README shows.
xdotool mousemove --window "$window" 316 72 click 1
# Drawing takes a moment; a slow machine gets a few tries.
for try in 1 2 3 4 5; do
    sleep 1
    build/tests/package/screenshotcheck "$window" "$reference" "$shot" && break
    [ "$try" -lt 5 ] || fail "the window does not look like $reference; see $shot"
done

# Alt+F opens 文件&File, E chooses its 退出本软件&Exit.
xdotool key alt+f sleep 0.5 key e
for try in $(seq 10); do
    kill -0 "$program" 2>/dev/null || break
    sleep 1
done
! kill -0 "$program" 2>/dev/null || fail "the window did not close through File > Exit"
wait "$program" || fail "the window ended with exit status $?"
