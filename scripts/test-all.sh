#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test.
# Needs root or sudo for apt-get. Exit status 0 only when every suite passed.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh || { echo "dependency installation failed"; exit 1; }

passed=0
failed=0
status=0
summary() {  # adds one ctest run's counts from its log
  local line
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  [ -n "$line" ] || return 0
  local nfail total
  nfail=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - nfail))
  failed=$((failed + nfail))
}

run_preset() {  # configure, build and test one preset
  local preset=$1 log
  log=$(mktemp)
  echo "=== $preset: configure and build"
  if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset"; then
    echo "=== $preset: BUILD FAILED"; status=1; return
  fi
  echo "=== $preset: tests"
  ctest --preset "$preset" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  summary "$log"
  rm -f "$log"
}

for preset in portable release asan; do
  run_preset "$preset"
done

# Extra suites (other platforms, fuzzing, end-to-end) hook in here.
for extra in scripts/test.d/*.sh; do
  [ -f "$extra" ] || continue
  log=$(mktemp)
  echo "=== $(basename "$extra")"
  bash "$extra" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  summary "$log"
  rm -f "$log"
done

echo "all suites: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || status=1
exit $status
