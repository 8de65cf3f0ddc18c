#!/usr/bin/env bash
# order: 20
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
# The fault table's own prefix (its Wine server runs without root's permission override).
fault_wine_root="$root/build/windows/wine-faults"
xvfb_pid=""
stop_wine_servers() {
  for wine_root in "$HEXCRIBE_WINE_ROOT" "$fault_wine_root"; do
    [ -d "$wine_root/prefix" ] || continue
    # Only our own prefixes' servers; -k fails when none runs.
    HOME="$wine_root/home" WINEPREFIX="$wine_root/prefix" wineserver -k 2>/dev/null || true
    HOME="$wine_root/home" WINEPREFIX="$wine_root/prefix" timeout 20 wineserver -w 2>/dev/null || true
  done
}
cleanup() {
  stop_wine_servers
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
rm -rf "$HEXCRIBE_WINE_ROOT" "$fault_wine_root"

# Dialog tests need a display; bring our own unless one is given.
source scripts/lib/xvfb.sh
if [ -z "${DISPLAY:-}" ]; then
  start_private_xvfb 1280x1024x24 || { echo "windows: Xvfb did not start"; exit 1; }
fi

# One boot for both prefixes (a boot takes 10 to 30 s): the fault table's starts as a copy of the
# tests' one, made once its server has ended and written the registry out.
HEXCRIBE_WINE_TIMEOUT=600 scripts/wine-run.sh cmd /c exit 0 >/dev/null 2>&1 ||
  { echo "windows: the Wine prefix could not be made"; exit 1; }
stop_wine_servers
cp -a "$HEXCRIBE_WINE_ROOT" "$fault_wine_root"

echo "=== windows: tests under Wine (display $DISPLAY)"
timeout -k 10 "${HEXCRIBE_WINDOWS_TEST_LIMIT:-900}" ctest --preset windows \
  ${HEXCRIBE_JUNIT_DIR:+--output-junit "$HEXCRIBE_JUNIT_DIR/windows.xml"}
