#!/usr/bin/env bash
# Runs one libFuzzer target for a fixed time from its seed corpus.
# Usage: run_fuzzer.sh BINARY SEED_DIR WORK_DIR [extra libFuzzer flags...]
# HEXCRIBE_FUZZ_SECONDS (default 20) sets the time. New inputs go to
# WORK_DIR/corpus (the seeds in the repository stay untouched); a crashing
# input is saved under WORK_DIR/artifacts and the run fails.
set -euo pipefail
binary=$1 seeds=$2 work=$3
shift 3
seconds=${HEXCRIBE_FUZZ_SECONDS:-20}
mkdir -p "$work/corpus" "$work/artifacts"
log="$work/last-run.log"
status=0
"$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "$@" "$work/corpus" "$seeds" >"$log" 2>&1 || status=$?
runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$log" | tail -n 1)
echo "$(basename "$binary"): ${runs:-0} executions in ${seconds} s (exit $status)"
if [ "$status" -ne 0 ]; then
  tail -n 60 "$log"
  ls -l "$work/artifacts" || true
fi
exit "$status"
