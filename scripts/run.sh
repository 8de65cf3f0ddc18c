#!/usr/bin/env bash
# Installs what is missing, builds the program (release configuration) and starts Hexcribe.
# Needs root or sudo for apt-get, and a desktop session to show the window in.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
# Only what building and running the program needs (the test suites need more).
bash scripts/install-deps.sh base qt fonts gui version
cmake --preset release >/dev/null
cmake --build --preset release --target hexcribe
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built build/release/src/app/qt/hexcribe; start it from a desktop session (no DISPLAY is set)." >&2
  exit 1
fi
exec build/release/src/app/qt/hexcribe "$@"
