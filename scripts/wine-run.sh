#!/usr/bin/env bash
# Runs a Windows program under Wine in Hexcribe's own quiet, headless prefix, under a hard time limit.
# Usage: wine-run.sh PROGRAM.exe [ARGS...]   (the exit status of the program passes through)
# Environment:
#   HEXCRIBE_WINE_ROOT     folder holding the prefix and Wine's HOME (default: a per-user temp folder)
#   HEXCRIBE_WINE_TIMEOUT  seconds before the program is killed (default 120)
#   DISPLAY                needed only by programs that open windows (scripts/test.d/windows.sh starts Xvfb)
set -euo pipefail

root=${HEXCRIBE_WINE_ROOT:-${TMPDIR:-/tmp}/hexcribe-wine-$(id -u)}
mkdir -p "$root/home"
# Wine writes into $HOME and its prefix; keep both away from the user's own.
export HOME="$root/home"
export WINEPREFIX="$root/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No .NET / HTML engine installers, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Create the prefix once; CTest may start several programs at the same time.
{
  flock -w 600 9
  if [ ! -f "$WINEPREFIX/.hexcribe-ready" ]; then
    rm -rf "$WINEPREFIX"
    # 9>&-: the Wine server that wineboot starts must not inherit (and hold) the lock.
    timeout -k 5 300 wineboot -i >/dev/null 2>&1 9>&-
    # Without a window manager every hidden window stalls 2 s unless Wine
    # manages its windows itself.
    timeout -k 5 120 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 9>&-
    # Wine does not look in its own font folder: give the prefix the faces a
    # Windows system has (Tahoma for the main dialog, MS Sans Serif for About).
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    for f in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon; do
      [ -e "$f" ] && { cp -n "$f" "$fonts/" || true; }
    done
    # Windows' user-interface faces of Korean, Japanese and Chinese, which the translated dialogs
    # name, are not free to copy: stand in the host's Noto CJK faces of the same scripts.
    for pair in "Malgun Gothic=Noto Sans CJK KR" "Meiryo UI=Noto Sans CJK JP" \
                "Microsoft YaHei UI=Noto Sans CJK SC" "Microsoft JhengHei UI=Noto Sans CJK TC"; do
      timeout -k 5 120 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null 2>&1 9>&-
    done
    touch "$WINEPREFIX/.hexcribe-ready"
  fi
} 9>"$root/.lock"

# Keep one Wine server alive between the programs of a test run (each start
# then costs ~0.1 s instead of ~1.5 s); it exits by itself 30 s after the last
# program. Fails harmlessly when a server already runs.
wineserver -p 30 </dev/null >/dev/null 2>&1 || true

# Wine's background processes (the server, explorer for the desktop, device
# services) outlive the program and inherit its output. Give them a file
# rather than our stdout, or whoever reads our output (CTest) waits for them.
out=$(mktemp "${TMPDIR:-/tmp}/hexcribe-wine-out.XXXXXX")
trap 'rm -f "$out"' EXIT
run_once() {
  status=0
  timeout -k 5 "${HEXCRIBE_WINE_TIMEOUT:-120}" wine "$@" </dev/null >"$out" 2>&1 || status=$?
}
run_once "$@"
# Now and then the Wine server goes away just as a program connects to it
# ("wine client error: ... Connection reset by peer"): the program never ran.
# That is Wine's own failure, not the program's, so start it once more.
if [ "$status" -ne 0 ] && grep -q '^wine client error' "$out"; then
  echo "wine-run: the Wine server dropped the connection; running the program again" >&2
  sleep 1
  wineserver -p 30 </dev/null >/dev/null 2>&1 || true
  run_once "$@"
fi
cat "$out"
exit "$status"
