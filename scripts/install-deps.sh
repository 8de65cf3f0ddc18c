#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/deps/*.txt that are missing.
# Needs root (uses sudo when not root). Usage: install-deps.sh [LIST...] (default: all lists).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
lists=("$@")
[ ${#lists[@]} -gt 0 ] || lists=("$here"/deps/*.txt)

wanted=()
for list in "${lists[@]}"; do
  [ -f "$list" ] || list="$here/deps/$list.txt"
  while read -r pkg _; do
    case "$pkg" in ''|'#'*) continue ;; esac
    wanted+=("$pkg")
  done < "$list"
done

missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# A package of another architecture (name:arch) needs that architecture known to dpkg first.
for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/^[^:]*:\([a-z0-9]*\)$/\1/p' | sort -u); do
  [ "$arch" == "$(dpkg --print-architecture)" ] || dpkg --print-foreign-architectures | grep -qx "$arch" ||
    $sudo dpkg --add-architecture "$arch"
done
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
