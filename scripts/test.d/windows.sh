#!/usr/bin/env bash
# Windows build: cross-compiles the windows preset with mingw-w64 and runs its tests under Wine,
# headless on a private Xvfb, under a hard time limit; stops its own Wine server and Xvfb afterwards.
# Environment: HEXCRIBE_WINDOWS_TEST_LIMIT (seconds for the whole test run, default 900).
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"

for tool in x86_64-w64-mingw32-g++ x86_64-w64-mingw32-windres wine wineserver Xvfb; do
  command -v "$tool" >/dev/null || { echo "windows: $tool is missing (scripts/deps/windows.txt)"; exit 1; }
done

export HEXCRIBE_WINE_ROOT="$root/build/windows/wine"
xvfb_pid=""
cleanup() {
  if [ -d "$HEXCRIBE_WINE_ROOT/prefix" ]; then
    # Only our own prefix's server; -k fails when none runs.
    HOME="$HEXCRIBE_WINE_ROOT/home" WINEPREFIX="$HEXCRIBE_WINE_ROOT/prefix" wineserver -k 2>/dev/null || true
    HOME="$HEXCRIBE_WINE_ROOT/home" WINEPREFIX="$HEXCRIBE_WINE_ROOT/prefix" timeout 20 wineserver -w 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}
trap cleanup EXIT

echo "=== windows: configure and build"
if ! cmake --preset windows >/dev/null || ! cmake --build --preset windows; then
  echo "=== windows: BUILD FAILED"
  exit 1
fi

# A fresh prefix per run: a reused one goes stale when the host's fonts change.
cleanup
rm -rf "$HEXCRIBE_WINE_ROOT"

# Dialog tests need a display; bring our own unless one is given.
if [ -z "${DISPLAY:-}" ]; then
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  display=""
  read -r -t 20 display <"$fifo"
  rm -f "$fifo"
  if [ -z "$display" ]; then
    echo "windows: Xvfb did not start"
    exit 1
  fi
  export DISPLAY=":$display"
fi

echo "=== windows: tests under Wine (display $DISPLAY)"
timeout -k 10 "${HEXCRIBE_WINDOWS_TEST_LIMIT:-900}" ctest --preset windows
