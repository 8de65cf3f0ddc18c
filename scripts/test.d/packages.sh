#!/usr/bin/env bash
# order: 90 (packages what the release preset, windows.sh and arm64.sh built, so it runs after them)
# Release packages: packages the release, windows and arm64 builds made earlier in this run (no
# rebuild), then checks the Debian packages and the Windows installer and zip, headless, under a
# hard time limit. Environment: HEXCRIBE_PACKAGES_TEST_LIMIT (seconds per check, default 300; the
# arm64 root, made and run under emulation, gets three times as long).
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
limit=${HEXCRIBE_PACKAGES_TEST_LIMIT:-300}

for build in build/release build/windows build/arm64; do
  [ -f "$build/CMakeCache.txt" ] || { echo "packages: $build is missing (the release, windows and arm64 suites build it)"; exit 1; }
done
out="$root/build/packages"
rm -rf "$out"
echo "=== packages: building the packages"
if ! bash scripts/package.sh --reuse-builds build/release build/windows build/arm64 --dist "$out/dist"; then
  echo "=== packages: PACKAGING FAILED"
  exit 1
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' build/release/CMakeCache.txt)
icon_dir=$(sed -n 's/^HEXCRIBE_ICON_DIR:[A-Z]*=//p' build/windows/CMakeCache.txt)

# A fresh arm64 Debian 12 root, where apt installs the arm64 package and its programs run: every
# program there runs under emulation, apt's and dpkg's too, which makes it the longest check. It
# runs beside the others (mostly on one processor each) and reports at the end.
arm64_log="$out/arm64-install.log"
timeout -k 10 "$((3 * limit))" bash tests/packaging/deb_install_check.sh bookworm \
  "$out/dist/hexcribe_${version}_arm64.deb" "$version" >"$arm64_log" 2>&1 &
arm64_pid=$!
arm64_started=$SECONDS

xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$arm64_pid" ] && kill "$arm64_pid" 2>/dev/null && wait "$arm64_pid"
}
trap cleanup EXIT
source scripts/lib/xvfb.sh
if [ -z "${DISPLAY:-}" ]; then
  start_private_xvfb 1280x1024x24 || { echo "packages: Xvfb did not start"; exit 1; }
fi

failed=0
check() {  # check NAME SECONDS COMMAND...: one check of the packages
  echo "=== packages: $1"
  local started=$SECONDS
  timeout -k 10 "$2" "${@:3}" || { echo "=== packages: $1 FAILED"; failed=$((failed + 1)); }
  echo "=== packages: $1 took $((SECONDS - started)) s"
}
for arch in amd64 arm64; do
  check "Debian package ($arch)" "$limit" \
    bash tests/packaging/deb_check.sh "$out/dist/hexcribe_${version}_$arch.deb" "$version" "$arch"
done
# A fresh Debian 13 root: apt installs the amd64 package built here, the programs run there.
check "Debian 13 install (amd64)" "$limit" \
  bash tests/packaging/deb_install_check.sh trixie "$out/dist/hexcribe_${version}_amd64.deb" "$version"
check "Windows installer and zip" "$limit" bash tests/packaging/msi_check.sh "$out/dist/Hexcribe-$version-win64.msi" \
  "$out/dist/Hexcribe-$version-win64.zip" "$version" "$icon_dir/hexcribe.ico"
(cd "$out/dist" && sha256sum --quiet -c SHA256SUMS) && echo "ok - SHA256SUMS" || { echo "FAIL - SHA256SUMS"; failed=$((failed + 1)); }
# Packaging the same builds again, a moment later, into another folder and from a copy of the
# sources as a source archive holds them, where git is not installed, gives the same bytes (times
# from the release date kept in the tree, sorted members). Two complete builds:
# package.sh --check-reproducible.
sleep 1
mkdir -p "$out/archive/tree" "$out/archive/no-git"
tar -c --exclude=./.git --exclude=./build --exclude=./dist . | tar -x -C "$out/archive/tree"
printf '#!/bin/sh\necho "git: command not found" >&2\nexit 127\n' >"$out/archive/no-git/git"
chmod +x "$out/archive/no-git/git"
if PATH="$out/archive/no-git:$PATH" bash "$out/archive/tree/scripts/package.sh" \
     --reuse-builds "$root/build/release" "$root/build/windows" "$root/build/arm64" --dist "$out/again" >"$out/again.log" 2>&1 &&
   cmp "$out/dist/SHA256SUMS" "$out/again/SHA256SUMS"; then
  echo "ok - packaging again from a source tree without git gives identical files"
else
  echo "FAIL - packaging again from a source tree without git gives different files"; tail -n 5 "$out/again.log"
  failed=$((failed + 1))
fi
echo "=== packages: Debian 12 install (arm64), run beside the checks above"
wait "$arm64_pid" || { echo "=== packages: Debian 12 install (arm64) FAILED"; failed=$((failed + 1)); }
arm64_pid=""
cat "$arm64_log"
echo "=== packages: Debian 12 install (arm64) took $((SECONDS - arm64_started)) s"
ls -l "$out/dist"
echo "=== packages: $failed checks failed"
[ "$failed" -eq 0 ]
