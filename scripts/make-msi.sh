#!/usr/bin/env bash
# Builds the per-user Windows installer of Hexcribe from a folder of its files.
# Usage: make-msi.sh FILES_DIR ICON VERSION OUTPUT.msi
# FILES_DIR holds Hexcribe.exe, hexcribe-cli.exe, README.txt, LICENSE.txt, THIRD-PARTY-NOTICES.txt.
# The tests also build lower versions of the same files to check upgrades.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
files=$(realpath "$1")
icon=$(realpath "$2")
version=$3
output=$(realpath -m "$4")

stage=$(mktemp -d /tmp/hexcribe-msi.XXXXXX)
trap 'rm -rf "$stage"' EXIT
cp "$files"/* "$stage/"
cp "$icon" "$stage/hexcribe.ico"
# The cabinet inside records each file's modification time.
epoch=${SOURCE_DATE_EPOCH:-$(date +%s)}
touch -d "@$epoch" "$stage"/*
# One product code per version, derived from it: the same version always gets the same code.
product_code=$(python3 -c 'import sys, uuid; print(uuid.uuid5(uuid.NAMESPACE_URL, "hexcribe-msi-product/" + sys.argv[1]))' "$version")
sed -e "s/@PRODUCT_CODE@/$product_code/" -e "s/@VERSION@/$version/g" \
  "$root/packaging/windows/hexcribe.wxs.in" >"$stage/hexcribe.wxs"
# wixl takes file sources relative to the folder it runs in.
(cd "$stage" && wixl -a x64 -o "$output" hexcribe.wxs)
# wixl stamps a random package code and the clock into the summary information; replace them
# with a code derived from the version and the files, and the source's time, so that the same
# input gives the same installer.
package_code=$(cd "$stage" && LC_ALL=C sha256sum -- * | python3 -c 'import sys, uuid
print(uuid.uuid5(uuid.NAMESPACE_URL, "hexcribe-msi-package/" + sys.argv[1] + "/" + sys.stdin.read()))' "$version")
python3 "$root/packaging/windows/stable_summary.py" "$output" "$package_code" "$epoch"
