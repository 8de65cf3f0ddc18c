#!/usr/bin/env bash
# Compiles the locales the Windows language tests run Wine in (Wine takes the user's UI language
# and ANSI code page from the locale, and only from a locale the C library knows) into a folder of
# their own, for LOCPATH: the system's locales stay as they are.
# Usage: make_locales.sh FOLDER LOCALE...   (e.g. ko_KR, compiled as ko_KR.UTF-8)
set -euo pipefail
folder=$1; shift
mkdir -p "$folder"
# Two at a time: each takes a few seconds of one core.
printf '%s\n' "$@" | xargs -P 2 -I{} sh -c '
  [ -d "$1/$2.UTF-8" ] && exit 0
  # localedef reports warnings for some locales sources with status 1 while writing them whole.
  localedef -i "$2" -f UTF-8 "$1/$2.UTF-8" >/dev/null 2>&1 || [ -d "$1/$2.UTF-8" ] ||
    { echo "make_locales: cannot compile $2 (package locales)"; exit 1; }' sh "$folder" {} || exit 1
echo "locales ready in $folder: $*"
