#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A test program run by hand, without the folders CTest makes for it, keeps its files in folders
# of its own, and leaves neither the home folder nor the temporary folder with anything in it.
# Usage: check-own-folders.sh TEST-PROGRAM
set -eu
program=$1
place=$(mktemp -d)
trap 'rm -rf "$place"' EXIT
mkdir "$place/home" "$place/tmp"
if ! env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_RUNTIME_DIR -u HITBLOW_TEST_FOLDERS \
        HOME="$place/home" TMPDIR="$place/tmp" QT_QPA_PLATFORM=offscreen "$program" > "$place/output" 2>&1; then
    cat "$place/output"
    echo "FAIL: $program failed when run by hand"
    exit 1
fi
left=$(find "$place/home" "$place/tmp" -mindepth 1)
if [ -n "$left" ]; then
    echo "FAIL: $program left files behind:"
    echo "$left"
    exit 1
fi
echo "PASS: $program kept its files in folders of its own and took them away"
