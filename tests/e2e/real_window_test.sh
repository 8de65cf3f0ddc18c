#!/usr/bin/env bash
# Drives the real Hexcribe window on its own Xvfb display the way a user does:
# types ASCII, Hangul and an emoji, reaches "Copy to Clipboard" with Tab, reads
# the clipboard with xclip, changes the separator and the check box by keyboard,
# presses Enter and Escape, closes with WM_DELETE_WINDOW, checks setting.ini,
# starts again and checks that face and text come back. Takes a screenshot.
# Then: the window is a normal top-level window, Shift+F10 on the initial focus
# reaches About, the input box's menu pastes commands as text, a 2 MB one-line
# paste is cut at the box's limit and typing stays quick, and SIGTERM (the end of
# a session) saves that whole box as closing does, and the next start restores it.
# Usage: real_window_test.sh PROGRAM X_WINDOW_TOOL OUTPUT_FOLDER
set -uo pipefail
app=$1 x_tool=$2 out=$3
mkdir -p "$out"

for tool in Xvfb xdotool xclip xprop; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/deps/gui.txt)"; exit 1; }
done

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/lib/session.sh"
source "$here/check.sh"

# A display nobody uses: no socket and no lock file. The server is ours only when
# its lock file names our Xvfb (two runs racing for one number cannot both win).
# -noreset: otherwise the server resets whenever its last client (xdotool, xclip)
# leaves and refuses the program's connection meanwhile.
for n in $(seq 140 199); do
  { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  if wait_for 10 xdotool getdisplaygeometry && kill -0 "$xvfb_pid" 2>/dev/null &&
     [ "$(tr -dc '0-9' <"/tmp/.X$n-lock" 2>/dev/null)" == "$xvfb_pid" ]; then
    break
  fi
  kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; xvfb_pid=""
done
[ -n "$xvfb_pid" ] || { echo "FAIL: no X server could be started"; cat "$work/xvfb.log"; exit 1; }
echo "# Xvfb on $DISPLAY"

export LC_ALL=C.UTF-8 LANG=C.UTF-8   # xdotool types non-ASCII text only in a UTF-8 locale
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
unset QT_IM_MODULE XMODIFIERS
settings="$XDG_CONFIG_HOME/Hexcribe/setting.ini"

window=""
start_app() {
  "$app" >"$work/app.log" 2>&1 &
  app_pid=$!
  # The exact title: a loose search also finds Qt's hidden helper windows.
  if ! wait_for 30 xdotool search --onlyvisible --name '^Hexcribe v[0-9]+\.[0-9][0-9]$'; then
    echo "FAIL: the window did not appear"; cat "$work/app.log"; exit 1
  fi
  window=$(xdotool search --onlyvisible --name '^Hexcribe v[0-9]+\.[0-9][0-9]$' | head -n 1)
  xdotool windowfocus --sync "$window"
  sleep 0.3  # let the window take the focus it was given
}
key() { xdotool key --clearmodifiers --delay 40 "$@"; }
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" == "$1" ]; }
clipboard_is_not() { [ "$(clipboard)" != "$1" ]; }
copy_expect() {  # copy_expect NAME EXPECTED: presses the focused "Copy to Clipboard" and reads the clipboard
  # A marker of our own first, so that a stale clipboard cannot pass for the copy.
  printf 'stale' | xclip -i -selection clipboard -quiet >/dev/null 2>&1 &
  local stale=$!
  wait_for 5 clipboard_is stale || echo "# the clipboard marker did not arrive"
  key space
  wait_for 10 clipboard_is_not stale
  check "$1" "$2" "$(clipboard)"
  kill "$stale" 2>/dev/null; wait "$stale" 2>/dev/null
}
close_app() {
  "$x_tool" close "$window"
  local i
  for i in $(seq 1 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app_pid" 2>/dev/null; then
    check "the program ends after WM_DELETE_WINDOW" "ended" "still running"; kill "$app_pid"
  fi
  wait "$app_pid"; local status=$?
  app_pid=""
  check "exit status after closing" 0 "$status"
}

# ---- First run: clean profile ------------------------------------------------
start_app
check "title" "Hexcribe v1.00" "$(xdotool getwindowname "$window")"
read -r width height < <(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, a, "x"); print a[1], a[2]}')
echo "# window client area ${width}x${height} pixels"

key End                          # the Font list has the focus at start: choose its last face
key shift+Tab                    # backwards from the first tab stop: the input box, the last one
xdotool type --delay 60 'Hi'
xdotool type --delay 120 '한😀'
key Tab Tab Tab Tab Tab          # Font list, result box, Whole Command, Separation, Copy
copy_expect "ASCII, Hangul and an emoji, copied after five Tabs" "Print 'U::48 00 69 00 5C D5 3D D8 00 DE';"
/usr/bin/import -window "$window" "$out/hexcribe-window.png" 2>/dev/null || echo "# no screenshot (imagemagick missing)"
echo "# screenshot: $out/hexcribe-window.png"

key shift+Tab Down Tab           # Separation: "No Space"
copy_expect "separator changed by keyboard" "Print 'U::480069005CD53DD800DE';"
key shift+Tab shift+Tab space Tab Tab   # Whole Command unchecked
copy_expect "check box changed by keyboard" "480069005CD53DD800DE"

for control in 1 2 3 4 5 6 7; do  # Enter and Escape on every control, then back to Copy
  key Return Escape KP_Enter Tab
done
check "Enter and Escape leave the window open" "$window" \
  "$(xdotool search --onlyvisible --name '^Hexcribe v[0-9]+\.[0-9][0-9]$' | head -n 1)"
copy_expect "Enter and Escape changed nothing" "480069005CD53DD800DE"

face_shown=$(grep -a '' "$settings" 2>/dev/null)
check "nothing is saved while the program runs" "" "$face_shown"
close_app
check "settings section" "[gen]" "$(head -n 1 "$settings" | tr -d '\r')"
check "saved text" "mlang_text=480069005CD53DD800DE" "$(grep -a '^mlang_text=' "$settings" | tr -d '\r')"
saved_face=$(grep -a '^uni_font=' "$settings" | tr -d '\r')
check "a face was saved" "yes" "$([ -n "${saved_face#uni_font=}" ] && echo yes || echo "no: $saved_face")"

# ---- Second run: face and text come back ------------------------------------
start_app
key Tab Tab Tab Tab              # Copy, reached from the initial focus
copy_expect "restored text shows its command at once" "Print 'U::48 00 69 00 5C D5 3D D8 00 DE';"
close_app
check "restored face saved again unchanged" "$saved_face" "$(grep -a '^uni_font=' "$settings" | tr -d '\r')"
check "restored text saved again unchanged" "mlang_text=480069005CD53DD800DE" \
  "$(grep -a '^mlang_text=' "$settings" | tr -d '\r')"

# ---- Third run: window type, keyboard menu, huge paste, end of session -------
start_app
props=$(xprop -id "$window" _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR)
check "normal window type" "yes" "$(grep -q '_NET_WM_WINDOW_TYPE_NORMAL' <<<"$props" && echo yes || echo "$props")"
check "transient for no window" "yes" "$(grep -q 'WM_TRANSIENT_FOR.*not found' <<<"$props" && echo yes || echo "$props")"
key shift+F10                    # on the Font list, which has the focus at start
sleep 0.3
key Up Return                    # the menu's one entry: About
check "Shift+F10 on the initial focus reaches About" "yes" \
  "$(wait_for 10 xdotool search --onlyvisible --name '^About Hexcribe$' && echo yes || echo no)"
key Escape
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^About Hexcribe$'" || echo "# the About box stayed open"
xdotool windowfocus --sync "$window"

# Paste Command as Text, from the input box's menu by keyboard: two lines of commands become text.
printf "Print 'U::5C D5';\r\n41-00\n" | xclip -i -selection clipboard -quiet >/dev/null 2>&1 &
paster=$!
wait_for 10 clipboard_is "Print 'U::5C D5';"$'\r\n'"41-00"
key shift+Tab ctrl+End shift+F10  # the input box, its end, its menu
sleep 0.3
key m                            # Paste Co&mmand as Text
kill "$paster" 2>/dev/null; wait "$paster" 2>/dev/null
key Tab Tab Tab Tab Tab          # Font list, result box, Whole Command, Separation, Copy
copy_expect "Paste Command as Text from the input box's menu" \
  "Print 'U::48 00 69 00 5C D5 3D D8 00 DE 5C D5 0D 00 0A 00 41 00';"
key Tab Tab Tab                  # Close, input box, Font list

head -c 2000000 /dev/zero | tr '\0' x >"$work/paste.txt"
xclip -i -selection clipboard -quiet <"$work/paste.txt" >/dev/null 2>&1 &
paster=$!
wait_for 10 bash -c '[ "$(xclip -o -selection clipboard | head -c 5)" == xxxxx ]'
key shift+Tab ctrl+a ctrl+v      # the input box: the paste replaces the restored text
sleep 1
typing_started=$SECONDS
key ctrl+Home
xdotool key --delay 40 Delete Delete Delete Delete Delete   # (--clearmodifiers can leave Ctrl down here)
xdotool type --delay 40 'abcde'
kill "$paster" 2>/dev/null; wait "$paster" 2>/dev/null
key ctrl+a ctrl+c
wait_for 20 bash -c '[ "$(xclip -o -selection clipboard | head -c 5)" == abcde ]'
typed=$(clipboard)
check "a 2 MB paste is cut at 32767 units, typing at its start works" "32767 abcdexxx" \
  "$(printf '%s %s' "${#typed}" "${typed:0:8}")"
check "typing in the full box stays quick" "yes" \
  "$([ $((SECONDS - typing_started)) -le 15 ] && echo yes || echo "no: $((SECONDS - typing_started)) s")"
kill -TERM "$app_pid"
wait "$app_pid"; status=$?
app_pid=""
check "exit status after SIGTERM" 0 "$status"
want="mlang_text=6100620063006400650078"
check "SIGTERM saved the text" "$want" "$(grep -a '^mlang_text=' "$settings" | tr -d '\r' | head -c ${#want})"
check "SIGTERM saved 32767 units" "$((11 + 32767 * 4))" "$(grep -a '^mlang_text=' "$settings" | tr -d '\r\n' | wc -c)"
start_app
key shift+Tab ctrl+a ctrl+c
wait_for 20 bash -c '[ "$(xclip -o -selection clipboard | head -c 5)" == abcde ]'
check "the next start restores the whole box" "$(printf %s "$typed" | sha256sum)" "$(clipboard | sha256sum)"
close_app

if [ "$failures" -ne 0 ]; then
  echo "--- program output"; cat "$work/app.log"
  echo "real window: $failures check(s) failed"
  exit 1
fi
echo "real window: all checks passed"
