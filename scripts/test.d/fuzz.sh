#!/usr/bin/env bash
# order: 10
# Builds the libFuzzer targets and fuzzes each for a short fixed time
# (HEXCRIBE_FUZZ_SECONDS, default 20 s), then lists the executions per target.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
export HEXCRIBE_FUZZ_SECONDS=${HEXCRIBE_FUZZ_SECONDS:-20}
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz || { echo "=== fuzz: BUILD FAILED"; exit 1; }
log=$(mktemp)
ctest --preset fuzz ${HEXCRIBE_JUNIT_DIR:+--output-junit "$HEXCRIBE_JUNIT_DIR/fuzz.xml"} 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
echo "--- fuzz executions (${HEXCRIBE_FUZZ_SECONDS} s per target)"
sed -nE 's/^[0-9]+: ([a-z_]+_fuzzer: [0-9]+ executions.*)/  \1/p' "$log"
rm -f "$log"
exit "$status"
