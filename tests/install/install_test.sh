#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the desktop integration:
# programs, a valid .desktop entry that starts it, the icon in every size and as SVG, manual
# pages, AppStream data and shell completion.
set -uo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

status=0
expect_file() {
  if [ -f "$prefix/$1" ]; then echo "ok - $1"; else echo "FAIL - missing $1"; status=1; fi
}
expect_file bin/hexcribe
expect_file bin/hexcribe-cli
expect_file share/man/man1/hexcribe.1.gz
expect_file share/man/man1/hexcribe-cli.1.gz
expect_file share/metainfo/org.hexcribe.Hexcribe.metainfo.xml
expect_file share/bash-completion/completions/hexcribe-cli
expect_file share/applications/hexcribe.desktop
sizes="16 24 32 48 64 128 256"
for size in $sizes; do expect_file "share/icons/hicolor/${size}x${size}/apps/hexcribe.png"; done
expect_file share/icons/hicolor/scalable/apps/hexcribe.svg
grep -q '<svg ' "$prefix/share/icons/hicolor/scalable/apps/hexcribe.svg" 2>/dev/null || { echo "FAIL - the scalable icon is no SVG"; status=1; }
for program in hexcribe hexcribe-cli; do
  [ -x "$prefix/bin/$program" ] || { echo "FAIL - bin/$program is not executable"; status=1; }
done

entry="$prefix/share/applications/hexcribe.desktop"
grep -qx 'Exec=hexcribe' "$entry" || { echo "FAIL - the entry does not start hexcribe"; status=1; }
grep -qx 'Icon=hexcribe' "$entry" || { echo "FAIL - the entry does not name the icon"; status=1; }
if command -v desktop-file-validate >/dev/null; then
  if desktop-file-validate "$entry"; then echo "ok - desktop-file-validate"; else status=1; fi
else
  echo "FAIL - desktop-file-validate is not installed (scripts/deps/gui.txt)"; status=1
fi
for size in $sizes; do
  header=$(od -An -tx1 -N24 "$prefix/share/icons/hicolor/${size}x${size}/apps/hexcribe.png" | tr -d ' \n')
  # PNG signature, then IHDR with width and height.
  want=$(printf '89504e470d0a1a0a0000000d49484452%08x%08x' "$size" "$size")
  if [ "$header" == "$want" ]; then echo "ok - ${size}x${size} PNG"; else echo "FAIL - icon ${size}: $header"; status=1; fi
done
exit $status
