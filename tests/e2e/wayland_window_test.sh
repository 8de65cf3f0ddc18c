#!/usr/bin/env bash
# The real program as a native Wayland client: on a headless sway (pixman renderer), with Qt's
# wayland platform, the window shows its title and the application id its desktop entry is named
# after; typing through the compositor's virtual keyboard (ASCII, Hangul, an emoji) and "Copy to
# Clipboard" put the command on the Wayland clipboard; SIGTERM saves the text. Prints each step's
# time. sway refuses to run as root: as root the test runs everything as an unprivileged user it
# creates (HEXCRIBE_WAYLAND_USER, default hexcribe-wayland).
# Usage: wayland_window_test.sh PROGRAM DESKTOP_ENTRY
set -uo pipefail
program=$1
desktop_entry=$2
for tool in sway swaymsg wtype wl-paste setpriv python3; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/deps/wayland.txt)"; exit 1; }
done

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/lib/session.sh"
source "$here/check.sh"
microseconds() { local now=${EPOCHREALTIME/[.,]/}; echo "${now#0}"; }
step_start=$(microseconds)
step() {  # step NAME: the time since the previous step
  local now elapsed
  now=$(microseconds)
  elapsed=$(((now - step_start) / 10000))
  printf '# %-46s %3d.%02d s\n' "$1" $((elapsed / 100)) $((elapsed % 100))
  step_start=$now
}

# --- who runs it: this user, or as root an unprivileged one ---
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  user=${HEXCRIBE_WAYLAND_USER:-hexcribe-wayland}
  if ! id -u "$user" >/dev/null 2>&1; then
    useradd --system --user-group --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user" ||
      id -u "$user" >/dev/null 2>&1 || { echo "FAIL: cannot create the user $user"; exit 1; }
  fi
  as_user=(setpriv --reuid="$user" --regid="$user" --init-groups --)
fi
chmod 700 "$work"
# The program runs from a copy in the work folder, which the test user can always read.
cp "$program" "$work/hexcribe"
mkdir -p "$work/runtime" "$work/config" "$work/home"
[ ${#as_user[@]} -eq 0 ] || chown -R "$user:" "$work"
chmod 700 "$work/runtime"
settings="$work/config/Hexcribe/setting.ini"
session=(env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8)

# --- the compositor ---
printf 'output HEADLESS-1 resolution 1024x768\nxwayland disable\n' >"$work/sway.conf"
"${as_user[@]}" "${session[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
server_pid=$!
ipc() { compgen -G "$work/runtime/sway-ipc.*.sock" | head -n 1; }
if ! wait_for 20 ipc || ! wait_for 10 test -S "$work/runtime/wayland-1"; then
  echo "FAIL: sway did not start"; cat "$work/sway.log"; exit 1
fi
session+=(WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$(ipc)")
as_session() { "${as_user[@]}" "${session[@]}" "$@"; }
step "sway headless started"

# --- the window: a native Wayland client with title and application id ---
"${as_user[@]}" "${session[@]}" QT_QPA_PLATFORM=wayland XDG_CONFIG_HOME="$work/config" "$work/hexcribe" \
  >"$work/app.log" 2>&1 &
app_pid=$!
window() {  # the program's window in the compositor's tree: "app_id|title|shell"
  as_session swaymsg -r -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid") == int(sys.argv[1]):
        print("|".join(str(node.get(key)) for key in ("app_id", "name", "shell")))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' "$app_pid"
}
window_shown() { [ -n "$(window)" ]; }
if ! wait_for 30 window_shown; then
  echo "FAIL: the window did not appear"; cat "$work/app.log"; exit 1
fi
step "window mapped"
IFS='|' read -r app_id title shell < <(window)
check "application id is the desktop entry's name" "$(basename "$desktop_entry" .desktop)" "$app_id"
check "title" "Hexcribe v1.00" "$title"
check "a native Wayland window" "xdg_shell" "$shell"

# --- typing through the virtual keyboard, then "Copy to Clipboard" ---
# The seat has no keyboard until wtype makes one: keys sent before the program has bound it are
# lost, so wtype waits first. Shift+Tab reaches the input box; five Tabs reach Copy.
as_session wtype -s 1500 -d 20 -M shift -k Tab -m shift 'Hi 한국😀' \
  -k Tab -k Tab -k Tab -k Tab -k Tab -k space
step "typed (1.5 s of it waiting for the keyboard)"
clipboard_holds() { [ "$(as_session wl-paste -n 2>/dev/null)" == "$1" ]; }
expected="Print 'U::48 00 69 00 20 00 5C D5 6D AD 3D D8 00 DE';"
wait_for 10 clipboard_holds "$expected"
check "ASCII, Hangul and an emoji copied to the Wayland clipboard" "$expected" "$(as_session wl-paste -n 2>&1)"
step "clipboard read back"

# --- the end of the session saves ---
kill -TERM "$app_pid"
wait "$app_pid"
check "exit status after SIGTERM" 0 "$?"
app_pid=""
check "SIGTERM saved the text" "mlang_text=4800690020005CD56DAD3DD800DE" \
  "$(grep -a '^mlang_text=' "$settings" 2>/dev/null | tr -d '\r')"
step "SIGTERM saved"

if [ "$failures" -ne 0 ]; then
  echo "--- program output"; cat "$work/app.log"
  echo "--- compositor output"; tail -n 20 "$work/sway.log"
  echo "Wayland window: $failures check(s) failed"
  exit 1
fi
echo "Wayland window: all checks passed"
