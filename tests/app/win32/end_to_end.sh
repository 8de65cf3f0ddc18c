#!/usr/bin/env bash
# End to end: Hexcribe.exe under Wine on the X display, driven with xdotool like a user, the
# clipboard read with xclip while it runs, the settings file read from the prefix's AppData; the
# input box's own menu pastes commands as text, opens Character Details and composes characters.
# Usage: end_to_end.sh HEXCRIBE_EXE WINE_RUN_SCRIPT   (needs DISPLAY, xdotool, xclip)
set -uo pipefail
exe=$1
runner=$2

[ -n "${DISPLAY:-}" ] || { echo "needs an X display (scripts/test.d/windows.sh starts Xvfb)"; exit 1; }
for tool in xdotool xclip iconv; do
  command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
done

export HEXCRIBE_WINE_ROOT=${HEXCRIBE_WINE_ROOT:-${TMPDIR:-/tmp}/hexcribe-wine-$(id -u)}
appdata="$HEXCRIBE_WINE_ROOT/prefix/drive_c/users/$(id -un)/AppData/Roaming"
settings="$appdata/Hexcribe/setting.ini"

failures=0
check() {  # check DESCRIPTION ACTUAL EXPECTED
  if [ "$2" == "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: got '$2', expected '$3'"
    failures=$((failures + 1))
  fi
}

group=""
window=""
marker_pid=""
stop_program() {
  [ -n "$group" ] && kill -- "-$group" 2>/dev/null
  group=""
}
cleanup() {
  stop_program
  [ -n "$marker_pid" ] && kill "$marker_pid" 2>/dev/null
}
trap cleanup EXIT

# Puts text on the clipboard (a marker, so that a later read proves a fresh
# copy); xclip serves it until the program takes the clipboard over.
offer_clipboard() {
  [ -n "$marker_pid" ] && kill "$marker_pid" 2>/dev/null
  printf "$1" | timeout 120 xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
  marker_pid=$!
  sleep 0.3
}
mark_clipboard() { offer_clipboard 'marker'; }

# Starts the program in a process group of its own and waits for its window.
start_program() {
  setsid "$runner" "$exe" >/dev/null 2>&1 &
  group=$!
  window=""
  for _ in $(seq 1 600); do
    window=$(xdotool search --name '^Hexcribe v1\.00$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "FAILED: no window titled 'Hexcribe v1.00'"; exit 1; }
  echo "ok: the title reads 'Hexcribe v1.00'"
  xdotool windowfocus --sync "$window"
  sleep 0.5
}

keys() { xdotool key --delay 80 "$@"; sleep 0.4; }

# The tab order ends ... Copy, Close, input box; the Font list has the focus at start.
copy_from_input() { keys shift+Tab shift+Tab space; }

# The clipboard's text once it equals $1 (or what it holds after ~5 s): a
# loaded machine may take a moment to process the keys.
clipboard_once() {
  local text=""
  for _ in $(seq 1 25); do
    text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null)
    [ "$text" == "$1" ] && break
    sleep 0.2
  done
  printf '%s' "$text"
}

# Waits until the program has ended by itself (closing saves the settings).
wait_for_exit() {
  for _ in $(seq 1 100); do
    kill -0 "$group" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$group" 2>/dev/null; then
    echo "FAILED: the program did not end after Close"
    failures=$((failures + 1))
    stop_program
  fi
  group=""
}

setting() {  # the value of a key of section gen in the UTF-16LE settings file
  iconv -f UTF-16 -t UTF-8 "$settings" 2>/dev/null | tr -d '\r' | sed -n "s/^$1=//p"
}

rm -rf "$appdata/Hexcribe"

# First run: a clean profile. Pick another face ("N": the first Nanum face),
# type into the input box, copy, close.
mark_clipboard
start_program
keys n
keys shift+Tab
xdotool type --delay 80 "Hi"
sleep 0.4
copy_from_input
expected="Print 'U::48 00 69 00';"
check "typed text gives the command on the clipboard" "$(clipboard_once "$expected")" "$expected"
keys Tab space
wait_for_exit

[ -f "$settings" ] || { echo "FAILED: no $settings after closing"; exit 1; }
check "settings file is UTF-16LE with a byte-order mark" "$(head -c 2 "$settings" | od -An -tx1 | tr -d ' ')" "fffe"
face=$(setting uni_font)
check "saved text" "$(setting mlang_text)" "48006900"
case "$face" in
  Nanum*) echo "ok: saved face '$face'" ;;
  *) echo "FAILED: saved face '$face', expected a Nanum face"; failures=$((failures + 1)) ;;
esac

# Second run: face and text come back; the command shows at once.
mark_clipboard
start_program
keys shift+Tab
copy_from_input
check "restored text gives the command at once" "$(clipboard_once "$expected")" "$expected"
keys Tab space
wait_for_exit
check "face restored and saved again" "$(setting uni_font)" "$face"
check "text restored and saved again" "$(setting mlang_text)" "48006900"

# Third run: the session ends (WM_QUERYENDSESSION, then WM_ENDSESSION) while
# the program runs; it saves as closing does.
start_program
keys shift+Tab ctrl+End
xdotool type --delay 80 "!"
sleep 0.4
HOME="$HEXCRIBE_WINE_ROOT/home" WINEPREFIX="$HEXCRIBE_WINE_ROOT/prefix" WINEARCH=win64 WINEDEBUG=-all \
  timeout -k 5 60 wineboot -e >/dev/null 2>&1
wait_for_exit
check "text saved at the end of the session" "$(setting mlang_text)" "480069002100"
check "face saved at the end of the session" "$(setting uni_font)" "$face"

# Fourth run: Paste Command as Text from the input box's menu (Shift+F10, its mnemonic) adds two lines.
offer_clipboard "Print 'U::5C D5';\\r\\n41-00\\n"
start_program
keys shift+Tab ctrl+End shift+F10
keys m
copy_from_input
expected="Print 'U::48 00 69 00 21 00 5C D5 0D 00 0A 00 41 00';"
check "Paste Command as Text from the input box's menu" "$(clipboard_once "$expected")" "$expected"
keys Tab space
wait_for_exit

# Fifth and sixth run: a letter typed after 32,766 units (lines: Wine lays out one long paragraph
# slowly) is saved with them; taken back at the next start, it leaves the first text: all came back.
long=$(python3 -c 'print(("Hexcribe 한국어 😀\r\n" * 1927 + "Hexcrib").encode("utf-16-le").hex().upper())')
{ printf '\xff\xfe'; printf '[gen]\r\nuni_font=%s\r\nmlang_text=%s\r\n' "$face" "$long" | iconv -f UTF-8 -t UTF-16LE; } >"$settings"
for step in "Z ${long}5A00" "BackSpace $long"; do
  start_program
  keys shift+Tab ctrl+End "${step%% *}" shift+Tab space
  wait_for_exit
  check "a full box saved whole after ${step%% *}" "$([ "$(setting mlang_text)" == "${step#* }" ] && echo yes)" yes
done

# Seventh run: a saved "xe" + U+0301 + "y". Character Details from the input box's menu; Down, Down and
# Enter choose its second row, which selects the "e" in the input box; typing "E" replaces it; Compose
# Characters (NFC) then joins E and the accent into U+00C9.
printf '\xff\xfe' >"$settings"
printf '[gen]\r\nuni_font=%s\r\nmlang_text=7800650001037900\r\n' "$face" | iconv -t UTF-16LE >>"$settings"
start_program
keys shift+Tab ctrl+End shift+F10
keys h
details=$(xdotool search --name '^Character Details$' 2>/dev/null | head -n 1)
check "Character Details opens from the input box's menu" "${details:+open}" "open"
keys Down Down Return
xdotool type --delay 80 "E"
sleep 0.4
keys shift+F10 n
copy_from_input
expected="Print 'U::78 00 C9 00 79 00';"
check "a chosen row selects its character; Compose Characters (NFC)" "$(clipboard_once "$expected")" "$expected"
keys Tab space
wait_for_exit

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "end to end: all checks passed"
