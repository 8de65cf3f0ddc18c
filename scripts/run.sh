#!/usr/bin/env bash
# Installs what is missing, builds the release configuration and starts Hexcribe.
# Needs root or sudo for apt-get.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
app="build/release/src/platform/qt/hexcribe"
if [ -x "$app" ]; then
  exec "$app" "$@"
fi
echo "Built the conversion core; the window is not part of this build yet."
