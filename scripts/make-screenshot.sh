#!/usr/bin/env bash
# Makes docs/hexcribe-window.png, the picture of the window in the README and the Debian package:
# the real program on a private Xvfb display, started with a Korean and English text and a CJK face
# in its settings. Run it again whenever the dialog changes and commit the new picture.
# Usage: make-screenshot.sh [PROGRAM]   (default: the release preset's program, built when needed)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
out="$root/docs/hexcribe-window.png"
text="안녕하세요 Hello"
face="Noto Sans CJK KR"

bash scripts/install-deps.sh base qt fonts gui
program=${1:-}
if [ -z "$program" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target hexcribe
  program=build/release/src/app/qt/hexcribe
fi
[ -x "$program" ] || { echo "make-screenshot.sh: no program at '$program'" >&2; exit 1; }

source scripts/lib/session.sh
source scripts/lib/xvfb.sh
unset DISPLAY WAYLAND_DISPLAY
start_private_xvfb 1024x768x24 || { echo "make-screenshot.sh: Xvfb did not start" >&2; exit 1; }

# The settings the window restores at start: the face and the text as UTF-16LE hex.
mkdir -p "$work/config/Hexcribe"
printf '[gen]\r\nuni_font=%s\r\nmlang_text=%s\r\n' "$face" \
  "$(python3 -c 'import sys; print(sys.argv[1].encode("utf-16-le").hex().upper())' "$text")" \
  >"$work/config/Hexcribe/setting.ini"
LC_ALL=C.UTF-8 XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb "$program" >"$work/app.log" 2>&1 &
app_pid=$!
visible_window() { xdotool search --onlyvisible --name '^Hexcribe v[0-9]+\.[0-9][0-9]$' | head -n 1 | grep .; }
wait_for 30 visible_window ||
  { echo "make-screenshot.sh: the window did not appear" >&2; cat "$work/app.log" >&2; exit 1; }
window=$(visible_window)
sleep 1.5  # the first paint, and the fonts' glyphs loaded

mkdir -p "$(dirname "$out")"
# No time stamps or tool names in the file: the same window gives the same bytes.
/usr/bin/import -window "$window" -strip -define png:exclude-chunks=date,time "png:$out"
echo "make-screenshot.sh: $out ($(identify -format '%wx%h' "$out"))"
