#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program the way a screen reader's user runs the game: on a real X server, with a
# private session bus and the AT-SPI accessibility bus, so that Qt's bridge to assistive
# technology is active and hands on the change events the board sends.
# Usage: run-with-atspi.sh TEST-PROGRAM [ARGS...]. Exits 77 (skipped) without the tools.
set -u
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-run-session dbus-daemon; do
    [ -n "$(command -v "$tool")" ] || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x "$launcher" ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }

# Whatever the helpers print goes to logs in this folder, gone with it.
work=$(mktemp -d)
export work
trap 'kill "$xvfb" 2>"$work/kill.txt"; rm -rf "$work"' EXIT
# Xvfb picks a free display itself and writes its number, so parallel tests never collide.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.txt" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY

# QT_LINUX_ACCESSIBILITY_ALWAYS_ON: no screen reader runs here to switch the bridge on.
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 HITBLOW_EXPECT_ACCESSIBILITY=1 \
    dbus-run-session -- sh -c '
        "$0" >"$work/bus.txt" 2>&1 &
        bus=$!
        "$@"
        status=$?
        kill "$bus" 2>"$work/bus-kill.txt"
        exit $status' "$launcher" "$@"
