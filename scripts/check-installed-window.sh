#!/usr/bin/env bash
# Run by check-package.sh under xvfb-run, as root:
#   check-installed-window.sh USER REFERENCE.png SHOT.png
# Starts the installed window as USER, computes a network address with the
# mouse, compares the window with REFERENCE.png (keeping the picture as
# SHOT.png), and closes the window through its File menu with the keyboard.
set -euo pipefail
user=$1 reference=$2 shot=$3
home=$(getent passwd "$user" | cut -d: -f6)
title='Velnorix网络地址计算器2023'

fail() { echo "check-installed-window: $*" >&2; exit 1; }

# Runs a command a second later, and again each second until it succeeds, at
# most TRIES times: the window takes its time to appear, draw and go.
retry() {
    local tries=$1
    shift
    for ((try = 1; try <= tries; ++try)); do
        sleep 1
        "$@" && return 0
    done
    return 1
}

# xdotool gives up when a window it lists vanishes before it looks at it, as
# Qt's start-up windows do; a later try finds the main window.
find_window() {
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

program_ended() { ! kill -0 "$program" 2>/dev/null; }

# The user may use the display through its own copy of the key.
install -o "$user" -m 600 "$XAUTHORITY" "$home/.Xauthority"
runuser -u "$user" -- env HOME="$home" XAUTHORITY="$home/.Xauthority" DISPLAY="$DISPLAY" velnorix &
program=$!

retry 30 find_window || fail "no window titled $title"
# The button 计算网络地址 (network address), for the report the README shows.
xdotool mousemove --window "$window" 316 72 click 1
retry 5 build/tests/package/screenshotcheck "$window" "$reference" "$shot" ||
    fail "the window does not look like $reference; see $shot"

# Alt+F opens 文件&File, E chooses its 退出本软件&Exit.
xdotool key alt+f sleep 0.5 key e
retry 10 program_ended || fail "the window did not close through File > Exit"
wait "$program" || fail "the window ended with exit status $?"
