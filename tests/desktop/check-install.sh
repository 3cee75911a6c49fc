#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game into a temporary prefix and checks that the program, its launcher entry, its
# icon and its software-centre metadata land where desktops look for them, name each other
# consistently and pass the desktop's own validators.
# Usage: check-install.sh BUILD_DIR. Exits 77 (skipped) when a validator is not installed.
set -euo pipefail

build_dir=$1
app_id=org.hitblow.HitBlow

for tool in desktop-file-validate appstreamcli; do
  if [ -z "$(command -v "$tool")" ]; then
    echo "skipped: $tool not installed (tools/install-deps.sh installs it)"
    exit 77
  fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
log=$(mktemp -d)
trap 'rm -rf "$prefix" "$log"' EXIT
cmake --install "$build_dir" --prefix "$prefix" > "$log/install.txt"

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
icon=$prefix/share/icons/hicolor/scalable/apps/$app_id.svg

[ -x "$prefix/bin/hitblow" ] || fail "no executable bin/hitblow"
# The statistics' chart is a module the program loads from ../<libdir>/hitblow on first use.
[ -n "$(find "$prefix" -path '*/hitblow/hitblow-chart.so')" ] || fail "the chart module is not installed"
for file in "$desktop" "$metainfo" "$icon"; do
  [ -s "$file" ] || fail "not installed: ${file#"$prefix"/}"
done

if [ -s "$desktop" ]; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the launcher entry"
  grep -qx "Exec=hitblow" "$desktop" || fail "the launcher entry does not start bin/hitblow"
  grep -qx "Icon=$app_id" "$desktop" || fail "the launcher entry does not name the installed icon"
fi
if [ -s "$metainfo" ]; then
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metadata"
  grep -q "<id>$app_id</id>" "$metainfo" || fail "the metadata's id is not $app_id"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "the metadata does not launch the installed entry"
  grep -q "<binary>hitblow</binary>" "$metainfo" || fail "the metadata does not provide bin/hitblow"
  grep -q "<release version=\"$(sed -n 's/^project(HitBlow VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")\"" \
    "$metainfo" || fail "the metadata's release is not the program's version"
fi
if [ -s "$icon" ]; then
  python3 - "$icon" <<'PYTHON' || fail "the icon is not a square SVG without text"
import sys
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == "{http://www.w3.org/2000/svg}svg"
assert root.get("width") == root.get("height")
assert not any(element.tag.endswith("}text") for element in root.iter())
PYTHON
fi

if [ "$failures" -ne 0 ]; then
  echo "0 passed, 1 failed"
  exit 1
fi
echo "1 passed, 0 failed"
