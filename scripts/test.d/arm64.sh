#!/usr/bin/env bash
# order: 30 (independent of the other suites; the packages suite packages what it builds)
# arm64 build: cross-compiles the arm64 preset against Debian's arm64 Qt and runs every test it
# registers (the portable suites: the window and desktop suites are the native build's) as arm64
# programs under qemu, under a hard time limit.
# Environment: HEXCRIBE_ARM64_TEST_LIMIT (seconds for the whole test run, default 900).
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"

for tool in aarch64-linux-gnu-g++ qemu-aarch64-static; do
  command -v "$tool" >/dev/null || { echo "arm64: $tool is missing (scripts/deps/arm64.txt)"; exit 1; }
done

echo "=== arm64: configure and build"
if ! cmake --preset arm64 >/dev/null || ! cmake --build --preset arm64; then
  echo "=== arm64: BUILD FAILED"
  exit 1
fi

echo "=== arm64: tests under qemu"
timeout -k 10 "${HEXCRIBE_ARM64_TEST_LIMIT:-900}" ctest --preset arm64 -j2 \
  ${HEXCRIBE_JUNIT_DIR:+--output-junit "$HEXCRIBE_JUNIT_DIR/arm64.xml"}
