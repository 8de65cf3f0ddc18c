#!/usr/bin/env bash
# Named to run last: it reuses the builds of the release preset and of windows.sh.
# Release packages: packages the release and windows builds made earlier in this run (no rebuild),
# then checks the Debian package and the Windows installer and zip, headless, under a hard time
# limit. Environment: HEXCRIBE_PACKAGES_TEST_LIMIT (seconds per check, default 300).
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
limit=${HEXCRIBE_PACKAGES_TEST_LIMIT:-300}

for build in build/release build/windows; do
  [ -f "$build/CMakeCache.txt" ] || { echo "packages: $build is missing (the release and windows suites build it)"; exit 1; }
done
out="$root/build/packages"
rm -rf "$out"
echo "=== packages: building the packages"
if ! bash scripts/package.sh --reuse-builds build/release build/windows --dist "$out/dist"; then
  echo "=== packages: PACKAGING FAILED"
  echo "0% tests passed, 1 tests failed out of 1"
  exit 1
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' build/release/CMakeCache.txt)
icon_dir=$(sed -n 's/^HEXCRIBE_ICON_DIR:[A-Z]*=//p' build/windows/CMakeCache.txt)

xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; }
trap cleanup EXIT
source scripts/lib/xvfb.sh
if [ -z "${DISPLAY:-}" ]; then
  start_private_xvfb 1280x1024x24 || { echo "packages: Xvfb did not start"; exit 1; }
fi

failed=0
total=0
check() {  # check NAME COMMAND...: one suite, counted like a test
  total=$((total + 1))
  echo "=== packages: $1"
  timeout -k 10 "$limit" "${@:2}" || { echo "=== packages: $1 FAILED"; failed=$((failed + 1)); }
}
check "Debian package" bash tests/packaging/deb_check.sh "$out/dist/hexcribe_${version}_amd64.deb" "$version"
check "Windows installer and zip" bash tests/packaging/msi_check.sh "$out/dist/Hexcribe-$version-win64.msi" \
  "$out/dist/Hexcribe-$version-win64.zip" "$version" "$icon_dir/hexcribe.ico"
(cd "$out/dist" && sha256sum --quiet -c SHA256SUMS) && echo "ok - SHA256SUMS" || { echo "FAIL - SHA256SUMS"; failed=$((failed + 1)); }
total=$((total + 1))
# Packaging the same builds again, a moment later and into another folder, gives the same bytes
# (times from the commit, sorted members). Two complete builds: package.sh --check-reproducible.
sleep 1
if bash scripts/package.sh --reuse-builds build/release build/windows --dist "$out/again" >/dev/null 2>&1 &&
   cmp "$out/dist/SHA256SUMS" "$out/again/SHA256SUMS"; then
  echo "ok - packaging again gives identical files"
else
  echo "FAIL - packaging again gives different files"; failed=$((failed + 1))
fi
total=$((total + 1))
ls -l "$out/dist"

# The summary line scripts/test-all.sh counts.
echo "$(( (total - failed) * 100 / total ))% tests passed, $failed tests failed out of $total"
[ "$failed" -eq 0 ]
